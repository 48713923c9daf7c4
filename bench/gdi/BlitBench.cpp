// Block copies on the paint path: the 4-bit sketch enlarged onto a 32-bit screen image of
// 1918 x 1078 at zoom 7 (a 274 x 154 region) and copied at zoom 1, each beside a memset
// of the screen image's bytes, the floor any copy pays for writing them. And the loading
// of a 24-bit A4 picture into a 4-bit sketch bitmap.

#include "gdi/DeviceContext.h"
#include "gdi/DibBits.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

using namespace gdi;

constexpr int32_t kScreenWidth = 1918;
constexpr int32_t kScreenHeight = 1078;
constexpr int32_t kSheetWidth = 794;
constexpr int32_t kSheetHeight = 1123;

const std::vector<COLORREF> kSketchColors = {
    0x000000, 0x000080, 0x0000FF, 0x008000, 0x008080, 0x00FF00, 0x00FFFF, 0x800000,
    0x800080, 0x808000, 0x808080, 0xC0C0C0, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF,
};

uint32_t nextRandom(uint32_t& seed) {
    seed = seed * 1103515245u + 12345u;
    return seed >> 8;
}

// A sketch-like sheet: white, with short runs of every colour scattered over it.
DeviceContext makeSketch() {
    DeviceContext dc;
    dc.selectBitmap(Bitmap::create(kSheetWidth, kSheetHeight, 4, kSketchColors));
    Bitmap& bm = *dc.bitmap();
    bm.fill(15);
    uint32_t seed = 7;
    for (int i = 0; i < 20000; ++i) {
        const int32_t x = int32_t(nextRandom(seed) % (kSheetWidth - 16)),
                      y = int32_t(nextRandom(seed) % kSheetHeight);
        const uint32_t color = nextRandom(seed) % 16;
        for (int32_t k = 0; k < 12; ++k)
            bm.setPixel(x + k, y, color);
    }
    return dc;
}

DeviceContext makeScreen() {
    DeviceContext dc;
    dc.selectBitmap(Bitmap::create(kScreenWidth, kScreenHeight, 32));
    return dc;
}

void BM_PaintPathZoom7(benchmark::State& state) {
    const DeviceContext sketch = makeSketch();
    DeviceContext screen = makeScreen();
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            screen.stretchBlt(0, 0, kScreenWidth, kScreenHeight, &sketch, 100, 100, 274, 154, SRCCOPY));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_PaintPathZoom7)->Unit(benchmark::kMillisecond);

void BM_PaintPathZoom1(benchmark::State& state) {
    // The sketch is narrower than the screen: copy from a sheet as wide as the screen.
    DeviceContext sketch;
    sketch.selectBitmap(Bitmap::create(kScreenWidth, kScreenHeight, 4, kSketchColors));
    sketch.bitmap()->fill(15);
    const DeviceContext sheet = makeSketch();
    for (int32_t x = 0; x < kScreenWidth; x += kSheetWidth)
        sketch.bitBlt(x, 0, kSheetWidth, kScreenHeight, &sheet, 0, 0, SRCCOPY);
    DeviceContext screen = makeScreen();
    for (auto _ : state) {
        benchmark::DoNotOptimize(screen.bitBlt(0, 0, kScreenWidth, kScreenHeight, &sketch, 0, 0, SRCCOPY));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_PaintPathZoom1)->Unit(benchmark::kMillisecond);

void BM_MemsetScreenBytes(benchmark::State& state) {
    std::vector<uint8_t> bytes(size_t(kScreenWidth) * kScreenHeight * 4);
    uint8_t value = 0;
    for (auto _ : state) {
        std::memset(bytes.data(), value++, bytes.size());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_MemsetScreenBytes)->Unit(benchmark::kMillisecond);

// A 24-bit A4 picture such as a scan of a sketch: mostly white paper with coloured strokes,
// a little noise on both, into the 4-bit sketch palette.
void BM_SetDibBits24BitA4IntoSketch(benchmark::State& state) {
    DibFormat format;
    format.width = kSheetWidth;
    format.height = kSheetHeight;
    format.bitsPerPixel = 24;
    std::vector<uint8_t> bits(format.imageSize());
    const DeviceContext sketch = makeSketch();
    uint32_t seed = 3;
    for (int32_t y = 0; y < kSheetHeight; ++y) {
        uint8_t* row = bits.data() + size_t(kSheetHeight - 1 - y) * format.stride();
        for (int32_t x = 0; x < kSheetWidth; ++x) {
            const COLORREF c = sketch.bitmap()->pixelToColor(sketch.bitmap()->pixel(x, y));
            const int noise = int(nextRandom(seed) % 9) - 4;
            auto channel = [noise](int v) { return uint8_t(std::min(255, std::max(0, v + noise))); };
            row[3 * x] = channel(GetBValue(c));
            row[3 * x + 1] = channel(GetGValue(c));
            row[3 * x + 2] = channel(GetRValue(c));
        }
    }
    BitmapPtr target = Bitmap::create(kSheetWidth, kSheetHeight, 4, kSketchColors);
    for (auto _ : state) {
        benchmark::DoNotOptimize(setDibBits(*target, format, bits));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_SetDibBits24BitA4IntoSketch)->Unit(benchmark::kMillisecond);

} // namespace
