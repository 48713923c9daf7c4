#pragma once
// The circle: the radial figure drawn as an outline on the square around its centre.
// Circle division uses it as a sub-tool to place its circle.

#include "tools/draw/RadialShape.h"

class TCircle : public TRadialShape {
  public:
    QString GetPrompt() override;

  protected:
    void DrawFigure(gdi::DeviceContext& dc, int32_t dx, int32_t dy) const override;
};
