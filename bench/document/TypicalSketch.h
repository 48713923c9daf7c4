#pragma once
// An A4 sketch as drawn in practice: white sheet, frame and title block, a part drawn
// with lines, circles and hatching, some lettering. Drawn pixel by pixel so that the
// figures do not depend on the drawing primitives.

#include "document/SketchBitmap.h"

#include <cmath>
#include <cstdint>
#include <random>

inline gdi::BitmapPtr typicalA4Sketch() {
    constexpr int32_t W = 794, H = 1123;
    gdi::BitmapPtr bm = CreateSketchDib(W, H);
    bm->fill(15);
    auto hline = [&](int32_t x1, int32_t x2, int32_t y, uint8_t c) {
        for (int32_t x = x1; x <= x2; ++x)
            bm->setPixel(x, y, c);
    };
    auto vline = [&](int32_t x, int32_t y1, int32_t y2, uint8_t c) {
        for (int32_t y = y1; y <= y2; ++y)
            bm->setPixel(x, y, c);
    };
    // Frame and title block.
    for (int t = 0; t < 2; ++t) {
        hline(75 + t, W - 20 - t, 20 + t, 0);
        hline(75 + t, W - 20 - t, H - 20 - t, 0);
        vline(75 + t, 20 + t, H - 20 - t, 0);
        vline(W - 20 - t, 20 + t, H - 20 - t, 0);
    }
    for (int32_t y = H - 230; y < H - 20; y += 19)
        hline(75, W - 20, y, 0);
    for (int32_t x : {140, 240, 330, 420, 520, 600})
        vline(x, H - 230, H - 20, 0);
    // A shaft: outline, axis, bores, hatched section.
    hline(150, 650, 300, 0);
    hline(150, 650, 500, 0);
    vline(150, 300, 500, 0);
    vline(650, 300, 500, 0);
    for (int32_t x = 120; x < 680; x += 12)
        hline(x, x + 6, 400, 12);
    for (int r : {60, 40, 20})
        for (int a = 0; a < 3600; ++a) {
            const double t = a * 3.14159265358979 / 1800;
            bm->setPixel(400 + int32_t(std::lround(r * std::cos(t))),
                         400 + int32_t(std::lround(r * std::sin(t))), 0);
        }
    for (int32_t y = 520; y < 700; ++y)
        for (int32_t x = 200; x < 600; ++x)
            if ((x + y) % 8 == 0) bm->setPixel(x, y, 0);
    // Dimensions in red and lettering in blocks of short strokes.
    for (int32_t y : {250, 560, 760})
        hline(150, 650, y, 2);
    std::mt19937 rng(7);
    for (int word = 0; word < 300; ++word) {
        const int32_t x0 = 90 + int32_t(rng() % 640), y0 = 40 + int32_t(rng() % 1040);
        for (int i = 0; i < 40; ++i)
            bm->setPixel(x0 + int32_t(rng() % 40), y0 + int32_t(rng() % 9), 0);
    }
    return bm;
}
