#include "document/SketchBitmap.h"

#include <new>

bool IsSaneSketchSize(int64_t width, int64_t height) {
    return width > 0 && height > 0 && width <= MaxSketchSide && height <= MaxSketchSide &&
           uint64_t(width) * uint64_t(height) <= MaxSketchPixels;
}

std::vector<gdi::COLORREF> SketchColorTable() {
    return {SketchPalette.begin(), SketchPalette.end()};
}

gdi::BitmapPtr CreateSketchDib(int32_t width, int32_t height) {
    if (!IsSaneSketchSize(width, height)) return nullptr;
    try {
        return gdi::Bitmap::create(width, height, 4, SketchColorTable());
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

TPalettePtr CreateSketchPalette() {
    auto palette = std::make_shared<TLogPalette>();
    palette->palVersion = 0x300;
    for (gdi::COLORREF c : SketchPalette)
        palette->palPalEntry.push_back(
            {uint8_t(gdi::GetRValue(c)), uint8_t(gdi::GetGValue(c)), uint8_t(gdi::GetBValue(c)), 0});
    return palette;
}

gdi::Size GetBitmapSize(const gdi::BitmapPtr& bitmap) {
    if (!bitmap) return {};
    return {bitmap->width(), bitmap->height()};
}
