// Cosmetic lines on an A4 sketch page, beside a plain Bresenham loop drawing the same
// lines into a byte array: what the clipping, ROP2 and dash handling cost on top of it.

#include "SketchPage.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <vector>

namespace {

using namespace gdi;

using namespace gdi_bench;

constexpr int kLines = 10000;

struct Line {
    Point from;
    Point to;
};

// The same pseudo-random lines as the reference timing program draws.
const std::vector<Line>& randomLines() {
    static const std::vector<Line> lines = [] {
        unsigned state = 1;
        auto next = [&](int n) {
            state = state * 1103515245u + 12345u;
            return int32_t((state >> 8) % unsigned(n));
        };
        std::vector<Line> result(kLines);
        for (Line& l : result) {
            l.from.x = next(kPageWidth);
            l.from.y = next(kPageHeight);
            l.to.x = next(kPageWidth);
            l.to.y = next(kPageHeight);
        }
        return result;
    }();
    return lines;
}

void drawLines(benchmark::State& state, int penStyle) {
    DeviceContext dc = sketchPage();
    dc.selectPen(createPen(penStyle, 1, 0x000000));
    const std::vector<Line>& lines = randomLines();
    for (auto _ : state) {
        state.PauseTiming();
        dc.bitmap()->fill(kWhite);
        state.ResumeTiming();
        for (const Line& l : lines) {
            dc.moveTo(l.from.x, l.from.y);
            dc.lineTo(l.to.x, l.to.y);
        }
        benchmark::DoNotOptimize(dc.bitmap()->indexRow(0));
    }
    state.SetItemsProcessed(state.iterations() * kLines);
}

void BM_Lines_Solid(benchmark::State& state) {
    drawLines(state, PS_SOLID);
}
void BM_Lines_Dashed(benchmark::State& state) {
    drawLines(state, PS_DASH);
}

// The peer: the textbook integer Bresenham loop, end point excluded, one byte a pixel,
// no clipping, raster operation or pattern.
void peerLine(uint8_t* bits, int32_t stride, Point a, Point b, uint8_t value, bool dashed) {
    const int32_t dx = std::abs(b.x - a.x);
    const int32_t dy = -std::abs(b.y - a.y);
    const int32_t sx = a.x < b.x ? 1 : -1;
    const int32_t sy = a.y < b.y ? 1 : -1;
    int32_t err = dx + dy;
    int step = 0;
    while (a.x != b.x || a.y != b.y) {
        if (!dashed || step < 18) bits[size_t(a.y) * stride + a.x] = value;
        if (++step == 24) step = 0;
        const int32_t e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            a.x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            a.y += sy;
        }
    }
}

void peerLines(benchmark::State& state, bool dashed) {
    std::vector<uint8_t> bits(size_t(kPageWidth) * kPageHeight);
    const std::vector<Line>& lines = randomLines();
    for (auto _ : state) {
        state.PauseTiming();
        std::fill(bits.begin(), bits.end(), uint8_t(kWhite));
        state.ResumeTiming();
        for (const Line& l : lines)
            peerLine(bits.data(), kPageWidth, l.from, l.to, 0, dashed);
        benchmark::DoNotOptimize(bits.data());
    }
    state.SetItemsProcessed(state.iterations() * kLines);
}

void BM_Lines_PeerBresenhamSolid(benchmark::State& state) {
    peerLines(state, false);
}
void BM_Lines_PeerBresenhamDashed(benchmark::State& state) {
    peerLines(state, true);
}

} // namespace

BENCHMARK(BM_Lines_Solid)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Lines_PeerBresenhamSolid)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Lines_Dashed)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Lines_PeerBresenhamDashed)->Unit(benchmark::kMillisecond);
