#pragma once
// The one bitmap kind of the program: 4 bits per pixel over the fixed 16 sketch colours.
// Sketches, undo states, fragments and rotated copies are all of this kind.

#include "gdi/Bitmap.h"
#include "gdi/Types.h"

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

// The 16 colours of every sketch, in colour-table order (0x00BBGGRR).
inline constexpr std::array<gdi::COLORREF, 16> SketchPalette = {
    0x000000, 0x000080, 0x0000FF, 0x008000, 0x008080, 0x00FF00, 0x00FFFF, 0x800000,
    0x800080, 0x808000, 0x808080, 0xC0C0C0, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF,
};

// Pixels per metre written into every sketch header (96 pixels per inch).
inline constexpr int32_t SketchPixelsPerMetre = 3782;
// The screen resolution sketches are drawn at, and printed against.
inline constexpr int32_t SketchPixelsPerInch = 96;

// Limits of a sane sketch. Anything larger is refused before memory is allocated, so
// that a file lying about its size cannot exhaust memory: a side, the pixels (a byte
// each in memory), and the bytes of pixel data a file may hold.
inline constexpr int32_t MaxSketchSide = 30000;
inline constexpr uint64_t MaxSketchPixels = 400ull * 1024 * 1024;
inline constexpr uint64_t MaxPixelDataBytes = 400ull * 1024 * 1024;

// True for sizes a sketch bitmap may have.
bool IsSaneSketchSize(int64_t width, int64_t height);

// A logical palette record: what a palette device would be given to show sketches.
struct TPaletteEntry {
    uint8_t peRed = 0;
    uint8_t peGreen = 0;
    uint8_t peBlue = 0;
    uint8_t peFlags = 0;
};
struct TLogPalette {
    uint16_t palVersion = 0x300;
    std::vector<TPaletteEntry> palPalEntry;
};
using TPalettePtr = std::shared_ptr<const TLogPalette>;

// The colour table of the sketch kind, as the raster layer takes it.
std::vector<gdi::COLORREF> SketchColorTable();

// A new sketch bitmap; its pixels start at index 0 (black). None for a size that is
// not sane or memory that cannot be had.
gdi::BitmapPtr CreateSketchDib(int32_t width, int32_t height);

TPalettePtr CreateSketchPalette();

// (0, 0) for no bitmap.
gdi::Size GetBitmapSize(const gdi::BitmapPtr& bitmap);
