#pragma once
// The page the raster benchmarks draw on: an A4 sketch at 96 dots per inch, four bits a
// pixel in the sketch palette, all white.

#include "gdi/DeviceContext.h"

#include <vector>

namespace gdi_bench {

constexpr int32_t kPageWidth = 794;
constexpr int32_t kPageHeight = 1123;
constexpr uint32_t kWhite = 15;

inline const std::vector<gdi::COLORREF>& sketchColors() {
    static const std::vector<gdi::COLORREF> colors = {
        0x000000, 0x000080, 0x0000FF, 0x008000, 0x008080, 0x00FF00, 0x00FFFF, 0x800000,
        0x800080, 0x808000, 0x808080, 0xC0C0C0, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF,
    };
    return colors;
}

// A DC with a blank page selected.
inline gdi::DeviceContext sketchPage() {
    gdi::DeviceContext dc;
    dc.selectBitmap(gdi::Bitmap::create(kPageWidth, kPageHeight, 4, sketchColors()));
    dc.bitmap()->fill(kWhite);
    return dc;
}

} // namespace gdi_bench
