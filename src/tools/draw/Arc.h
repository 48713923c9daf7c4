#pragma once
// The arc: the radial figure drawn as the part of its circle between two angles, which
// the arc form ("Задание дуги") sets. The angles are kept as the user's degrees turned
// into radians with the sign flipped, because the sketch's y axis points down; so the
// arc runs counter-clockwise on the screen from "От" to "До". Equal angles give the
// whole circle.

#include "tools/draw/RadialShape.h"

class TArc : public TRadialShape {
  public:
    QString GetPrompt() override;
    // Called by the arc form whenever an angle changes.
    void SetAngles(float from, float to);

    float FFromAngle = 0;
    float FToAngle = 0;

  protected:
    void DrawFigure(gdi::DeviceContext& dc, int32_t dx, int32_t dy) const override;
};

// The arc of the circle about centre from angle from to angle to (radians, the sign
// flipped as the arc tool keeps them), counter-clockwise from the rounded start point to
// the rounded end point; the form's preview and pictures draw theirs this way too.
void DrawArcOfCircle(gdi::DeviceContext& dc, gdi::Point centre, int32_t radius, float from, float to);

// Degrees as the user gives them to the angle the arc keeps, and back to whole degrees.
float ArcAngleOfDegrees(int32_t degrees);
int32_t DegreesOfArcAngle(float angle);
