#pragma once
// Point geometry several tools share, on top of the sketch's own (document/Geometry.h).
// Conversions to whole pixels round to nearest with ties to even.

#include "document/Geometry.h"
#include "gdi/Types.h"

TPointF MakePointF(float x, float y);
TPointF ToPointF(gdi::Point point);
gdi::Point RoundPoint(TPointF point);

// Left not right of right, top not below bottom.
void NormalizeRect(gdi::Rect& rect);

// The mirror image of point in the line through start and end (computed in double
// precision); a line of no length leaves the point where it is.
gdi::Point ReflectPoint(gdi::Point point, gdi::Point start, gdi::Point end);

// ReflectPoint for many points about one line: the line's direction is worked out once.
class TReflection {
  public:
    TReflection(gdi::Point start, gdi::Point end);
    gdi::Point operator()(gdi::Point point) const;

  private:
    gdi::Point m_start;
    bool m_still = true;
    double m_c = 1;
    double m_s = 0;
};

// point turned about centre by angle (radians, clockwise on screen), as a new point.
gdi::Point RotatedPoint(gdi::Point point, gdi::Point centre, float angle);
