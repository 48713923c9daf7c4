// The mirror in an axis over a 700 x 700 window whose every pixel is ink, about an
// oblique axis, beside a plain loop that only copies the same window's pixel values
// one by one: the price of the reflection and of setting pixels through the DC.

#include "tools/transform/MirrorPixels.h"

#include "gdi/Bitmap.h"
#include "gdi/DeviceContext.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

constexpr int32_t Side = 700;
const gdi::Rect Window{100, 800, 100 + Side, 800 + Side};
// An axis at about 60 degrees beside the window: the whole image lands on the sheet
// (x 1101 to 2055, y 21 to 976), so every pixel is written.
constexpr gdi::Point AxisA{1000, 800};
constexpr gdi::Point AxisB{1400, 1493};

std::vector<gdi::COLORREF> SixteenColours() {
    return {0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
            0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
}

struct TSheet {
    TSheet() {
        sheet.selectBitmap(gdi::Bitmap::create(2400, 1600, 4, SixteenColours()));
        sheet.bitmap()->fill(15);
        copy.selectBitmap(sheet.bitmap()->createCompatible(Side, Side));
        // Every pixel ink, in stripes of the fifteen colours that are not white.
        for (int32_t y = 0; y < Side; ++y)
            for (int32_t x = 0; x < Side; ++x)
                copy.bitmap()->setPixel(x, y, uint32_t((x + y) % 15));
    }
    gdi::DeviceContext sheet;
    gdi::DeviceContext copy;
};

void BM_MirrorInObliqueAxis(benchmark::State& state) {
    TSheet s;
    for (auto _ : state) {
        AddMirrorImage(s.sheet, s.copy, Window, AxisA, AxisB);
        benchmark::DoNotOptimize(s.sheet.bitmap()->pixel(1500, 500));
    }
    state.SetItemsProcessed(state.iterations() * int64_t(Side) * Side);
}

// The peer: each pixel value of the copy read and written back into the sheet at its
// own place, with no reflection and no DC.
void BM_PlainPixelLoop(benchmark::State& state) {
    TSheet s;
    gdi::Bitmap& sheet = *s.sheet.bitmap();
    const gdi::Bitmap& copy = *s.copy.bitmap();
    for (auto _ : state) {
        for (int32_t y = 0; y < Side; ++y)
            for (int32_t x = 0; x < Side; ++x)
                sheet.setPixel(Window.left + x, Window.top + y, copy.pixel(x, y));
        benchmark::DoNotOptimize(sheet.pixel(300, 300));
    }
    state.SetItemsProcessed(state.iterations() * int64_t(Side) * Side);
}

} // namespace

BENCHMARK(BM_MirrorInObliqueAxis)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainPixelLoop)->Unit(benchmark::kMillisecond);
