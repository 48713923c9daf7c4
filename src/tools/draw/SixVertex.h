#pragma once
// The hexagon: the radial figure drawn as a closed polygon of six vertices at the
// radius from its centre. It comes in two orientations, one command each: a vertex
// straight above the centre, or (turned by a quarter) straight left of it.

#include "tools/draw/RadialShape.h"

class TSixVertex : public TRadialShape {
  public:
    QString GetPrompt() override;
    // The orientation of the command's tag: 0 upright, 1 turned by a quarter.
    void SetOrientationTag(int tag);

    float FOrientation = 0;

  protected:
    void DrawFigure(gdi::DeviceContext& dc, int32_t dx, int32_t dy) const override;
};
