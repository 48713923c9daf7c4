// Reading a 24-bit A4 bitmap file: every pixel goes to its nearest sketch colour.
#include "TypicalSketch.h"
#include "document/SketchFiles.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

namespace {

// The typical sketch in 24 bits, with the colours scattered a little as scanned or
// smoothed pictures have them.
std::string write24BitA4() {
    const gdi::BitmapPtr sketch = typicalA4Sketch();
    const int32_t w = sketch->width(), h = sketch->height();
    const uint32_t stride = (uint32_t(w) * 3 + 3) & ~3u;
    std::vector<uint8_t> file;
    auto put32 = [&](uint32_t v) {
        for (int i = 0; i < 4; ++i)
            file.push_back(uint8_t(v >> (8 * i)));
    };
    file = {'B', 'M'};
    put32(54 + stride * uint32_t(h));
    put32(0);
    put32(54);
    for (uint32_t v : {40u, uint32_t(w), uint32_t(h), 0x180001u, 0u, 0u, 3782u, 3782u, 0u, 0u})
        put32(v);
    std::mt19937 rng(3);
    for (int32_t y = h - 1; y >= 0; --y) {
        for (int32_t x = 0; x < w; ++x) {
            const gdi::COLORREF c = SketchPalette[sketch->pixel(x, y)];
            for (int channel : {gdi::GetBValue(c), gdi::GetGValue(c), gdi::GetRValue(c)})
                file.push_back(uint8_t(std::clamp(channel + int(rng() % 41) - 20, 0, 255)));
        }
        file.resize(file.size() + (stride - uint32_t(w) * 3), 0);
    }
    const std::string path = (std::filesystem::temp_directory_path() / "verigraf-bench-24.bmp").string();
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(file.data()), std::streamsize(file.size()));
    return path;
}

} // namespace

static void BM_ReadBmp24BitA4(benchmark::State& state) {
    const std::string path = write24BitA4();
    for (auto _ : state) {
        gdi::BitmapPtr bm = LoadSketchImage(path);
        if (!bm) state.SkipWithError("the 24-bit file was not read");
        benchmark::DoNotOptimize(bm);
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_ReadBmp24BitA4)->Unit(benchmark::kMillisecond);
