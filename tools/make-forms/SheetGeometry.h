#pragma once
// Sheet forms are laid out in millimetres, as the paper forms are, and drawn at the
// sketch resolution of 96 pixels per inch.

#include "gdi/Types.h"

#include <cmath>
#include <cstdint>

namespace forms {

inline constexpr double PixelsPerMillimetre = 3.7824;

// The pixel a position in millimetres falls on, rounded half to even like every other
// millimetre conversion of the program.
inline int32_t px(double mm) {
    return int32_t(std::nearbyint(mm * PixelsPerMillimetre));
}

struct MmRect {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;

    double centreX() const { return (left + right) / 2; }
    double centreY() const { return (top + bottom) / 2; }
    // The pixels from the one the left edge falls on to the one before the right edge.
    gdi::Rect pixels() const { return {px(left), px(top), px(right), px(bottom)}; }
};

// Rule weights: the frame and the main divisions are drawn twice as heavy as the grid.
enum class Stroke { Thin = 1, Thick = 2 };

} // namespace forms
