#include "document/Geometry.h"

#include <cmath>
#include <numbers>

namespace {

// Coordinates wrap like the 32-bit integers the tools were written against, rather
// than overflowing into undefined behaviour.
int32_t wrappingSub(int32_t a, int32_t b) {
    return int32_t(uint32_t(a) - uint32_t(b));
}
int32_t wrappingAdd(int32_t a, int32_t b) {
    return int32_t(uint32_t(a) + uint32_t(b));
}
int32_t wrappingSquare(int32_t a) {
    return int32_t(uint32_t(a) * uint32_t(a));
}

} // namespace

int32_t RoundPixel(long double value) {
    // llrint rounds in the current mode, which is to nearest with ties to even; a value
    // beyond 64 bits gives the sentinel rather than undefined behaviour.
    return int32_t(std::llrint(value));
}

gdi::Point MakePoint(int32_t x, int32_t y) {
    return {x, y};
}

gdi::Point MidPoint(gdi::Point p1, gdi::Point p2) {
    return {wrappingAdd(p1.x, p2.x) / 2, wrappingAdd(p1.y, p2.y) / 2};
}

float Distance(gdi::Point p1, gdi::Point p2) {
    const int32_t sum =
        wrappingAdd(wrappingSquare(wrappingSub(p2.x, p1.x)), wrappingSquare(wrappingSub(p2.y, p1.y)));
    return float(std::sqrt(static_cast<long double>(sum)));
}

int32_t UnitVector(float& cos, float& sin, gdi::Point p1, gdi::Point p2) {
    const float length = Distance(p1, p2);
    if (length == 0) return -1;
    cos = float(static_cast<long double>(wrappingSub(p2.x, p1.x)) / length);
    sin = float(static_cast<long double>(wrappingSub(p2.y, p1.y)) / length);
    return 1;
}

float Sign(float x) {
    if (x > 0) return 1;
    if (x < 0) return -1;
    return 0;
}

float VectorAngle(float x, float y) {
    if (x == 0) return float(Sign(y) * (std::numbers::pi_v<long double> / 2));
    return float(std::atan2(static_cast<long double>(y), static_cast<long double>(x)));
}

void RotateVector(gdi::Point& p, float cos, float sin) {
    const long double x = p.x;
    const long double y = p.y;
    p = {RoundPixel(x * cos - y * sin), RoundPixel(x * sin + y * cos)};
}

void RotatePoint(gdi::Point& p, gdi::Point centre, float angle) {
    RotatePointCS(p, centre, float(std::cos(double(angle))), float(std::sin(double(angle))));
}

void RotatePointCS(gdi::Point& p, gdi::Point centre, float cos, float sin) {
    const long double dx = wrappingSub(p.x, centre.x);
    const long double dy = wrappingSub(p.y, centre.y);
    p = {wrappingAdd(centre.x, RoundPixel(cos * dx - sin * dy)),
         wrappingAdd(centre.y, RoundPixel(sin * dx + cos * dy))};
}
