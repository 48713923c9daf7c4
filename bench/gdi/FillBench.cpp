// Filling on an A4 sketch (794 x 1123, 4 bits): flood fill, polygon interiors and hatching.
// The flood fill of a blank sheet touches every pixel once, so a memset of the same bytes
// runs beside it as the floor.

#include "SketchPage.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

using namespace gdi;

using namespace gdi_bench;

void BM_FloodFillBlankSheet(benchmark::State& state) {
    DeviceContext dc = sketchPage();
    const BrushPtr brushes[2] = {createSolidBrush(0x0000FF), createSolidBrush(0xFFFFFF)};
    int turn = 0;
    // Red and white in turn, so that every fill floods the whole sheet again.
    for (auto _ : state) {
        dc.selectBrush(brushes[turn ^= 1]);
        const int32_t x = kPageWidth / 2, y = kPageHeight / 2;
        benchmark::DoNotOptimize(dc.floodFill(x, y, dc.getPixel(x, y), FLOODFILLSURFACE));
    }
}
BENCHMARK(BM_FloodFillBlankSheet)->Unit(benchmark::kMillisecond);

void BM_MemsetSheetBytes(benchmark::State& state) {
    std::vector<uint8_t> bytes(size_t(kPageWidth) * kPageHeight);
    uint8_t value = 0;
    for (auto _ : state) {
        std::memset(bytes.data(), value++, bytes.size());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_MemsetSheetBytes)->Unit(benchmark::kMillisecond);

std::vector<Point> randomPoints(int count) {
    std::vector<Point> points(static_cast<size_t>(count));
    uint32_t seed = 12345;
    auto next = [&seed](int32_t n) {
        seed = seed * 1103515245u + 12345u;
        return int32_t((seed >> 8) % uint32_t(n));
    };
    for (Point& p : points)
        p = {next(kPageWidth), next(kPageHeight)};
    return points;
}

void BM_Polygon200(benchmark::State& state, bool outline) {
    DeviceContext dc = sketchPage();
    const std::vector<Point> points = randomPoints(200);
    dc.selectBrush(createSolidBrush(0x0000FF));
    dc.selectPen(outline ? stockBlackPen() : stockNullPen());
    dc.setPolyFillMode(ALTERNATE);
    for (auto _ : state)
        dc.polygon(points.data(), int(points.size()));
}
BENCHMARK_CAPTURE(BM_Polygon200, interior, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Polygon200, with_outline, true)->Unit(benchmark::kMillisecond);

// The same polygon with its outline, clipped by another such polygon: a clip region of
// over a thousand bands, searched for every span and every pixel of the outline.
void BM_Polygon200UnderPolygonClip(benchmark::State& state) {
    DeviceContext dc = sketchPage();
    const std::vector<Point> points = randomPoints(200);
    std::vector<Point> clipPoints = points;
    std::reverse(clipPoints.begin(), clipPoints.end());
    for (Point& p : clipPoints)
        p = {kPageWidth - 1 - p.x, p.y};
    const Region clip = Region::fromPolygon(clipPoints.data(), int(clipPoints.size()), WINDING);
    dc.selectClipRegion(&clip);
    dc.selectBrush(createSolidBrush(0x0000FF));
    dc.setPolyFillMode(ALTERNATE);
    for (auto _ : state)
        dc.polygon(points.data(), int(points.size()));
    state.counters["clip_rects"] = double(clip.rects().size());
}
BENCHMARK(BM_Polygon200UnderPolygonClip)->Unit(benchmark::kMillisecond);

void BM_HatchSheet(benchmark::State& state) {
    DeviceContext dc = sketchPage();
    const BrushPtr hatch = createHatchBrush(HS_BDIAGONAL, 0x000000);
    dc.setBkMode(TRANSPARENT);
    for (auto _ : state)
        dc.fillRect({0, 0, kPageWidth, kPageHeight}, hatch);
}
BENCHMARK(BM_HatchSheet)->Unit(benchmark::kMillisecond);

} // namespace
