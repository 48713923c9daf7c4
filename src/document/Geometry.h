#pragma once
// Point geometry shared by the tools: integer sketch points, directions as (cos, sin)
// pairs of singles, angles in single-precision radians growing clockwise on screen.
// Every conversion to whole pixels rounds to nearest with ties to even.

#include "gdi/Types.h"

#include <cstdint>

inline constexpr gdi::Point NullPoint{0, 0};

// A point in single precision: the tools' construction points and the points blocks
// keep and store.
struct TPointF {
    float x = 0;
    float y = 0;
    friend bool operator==(const TPointF&, const TPointF&) = default;
};

gdi::Point MakePoint(int32_t x, int32_t y);

// Halves truncate toward zero, so the middle of (-3, 0) and (0, 0) is (-1, 0).
gdi::Point MidPoint(gdi::Point p1, gdi::Point p2);

// The squares are summed in 32-bit integers, as every caller's coordinates allow.
float Distance(gdi::Point p1, gdi::Point p2);

// The direction from p1 to p2. Returns 1, or -1 for equal points, in which case cos
// and sin keep whatever they held: callers test the result first.
int32_t UnitVector(float& cos, float& sin, gdi::Point p1, gdi::Point p2);

float Sign(float x);

// The angle of (x, y); the zero vector gives 0.
float VectorAngle(float x, float y);

// Turns p about the origin by the direction (cos, sin).
void RotateVector(gdi::Point& p, float cos, float sin);

// Turns p about centre; a positive angle turns clockwise on screen.
void RotatePoint(gdi::Point& p, gdi::Point centre, float angle);
void RotatePointCS(gdi::Point& p, gdi::Point centre, float cos, float sin);

// Whole pixels of a product formed in extended precision, ties to even.
int32_t RoundPixel(long double value);
