#pragma once
// Blank pages for the raster tests: four bits a pixel in the sketch palette (or 32 bits
// without a palette), all white; and a check of a page's pixels.

#include "gdi/DeviceContext.h"

#include <gtest/gtest.h>

#include <vector>

namespace gdi_test {

constexpr uint32_t kBlack = 0;
constexpr uint32_t kWhite = 15;

inline const std::vector<gdi::COLORREF>& sketchColors() {
    static const std::vector<gdi::COLORREF> colors = {
        0x000000, 0x000080, 0x0000FF, 0x008000, 0x008080, 0x00FF00, 0x00FFFF, 0x800000,
        0x800080, 0x808000, 0x808080, 0xC0C0C0, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF,
    };
    return colors;
}

inline gdi::BitmapPtr whitePage(int32_t width, int32_t height, int bitsPerPixel = 4) {
    gdi::BitmapPtr bm = gdi::Bitmap::create(
        width, height, bitsPerPixel, bitsPerPixel == 32 ? std::vector<gdi::COLORREF>{} : sketchColors());
    bm->fill(bm->colorToPixel(0xFFFFFF));
    return bm;
}

// A DC with a blank page selected.
inline gdi::DeviceContext whiteDC(int32_t width, int32_t height, int bitsPerPixel = 4) {
    gdi::DeviceContext dc;
    dc.selectBitmap(whitePage(width, height, bitsPerPixel));
    return dc;
}

// Whether every pixel of the bitmap has the value want(x, y); names the first that has not.
template <class Want>::testing::AssertionResult pixelsAre(const gdi::Bitmap& bitmap, Want&& want) {
    for (int32_t y = 0; y < bitmap.height(); ++y) {
        for (int32_t x = 0; x < bitmap.width(); ++x) {
            const uint32_t expected = want(x, y);
            if (bitmap.pixel(x, y) != expected)
                return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") is "
                                                     << bitmap.pixel(x, y) << ", expected " << expected;
        }
    }
    return ::testing::AssertionSuccess();
}

} // namespace gdi_test
