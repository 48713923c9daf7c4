// Ellipse outlines on an A4 sketch page, set beside a plain midpoint ellipse written
// straight into a byte array: the least any outline drawing can cost.

#include "SketchPage.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

namespace {

using namespace gdi;

using namespace gdi_bench;

constexpr Rect kBox{40, 60, 740, 1060};

void BM_EllipseOutline(benchmark::State& state) {
    DeviceContext dc = sketchPage();
    dc.selectPen(createPen(PS_SOLID, 1, 0x000000));
    dc.selectBrush(stockNullBrush());
    for (auto _ : state) {
        dc.ellipse(kBox.left, kBox.top, kBox.right, kBox.bottom);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_EllipseOutline);

// The peer: the textbook two-region midpoint ellipse, four mirrored bytes a step.
void midpointEllipse(uint8_t* bits, int32_t stride, const Rect& box, uint8_t value) {
    const int64_t a = (box.width() - 1) / 2;
    const int64_t b = (box.height() - 1) / 2;
    const int64_t cx = box.left + a;
    const int64_t cy = box.top + b;
    auto plot4 = [&](int64_t x, int64_t y) {
        bits[(cy + y) * stride + cx + x] = value;
        bits[(cy + y) * stride + cx - x] = value;
        bits[(cy - y) * stride + cx + x] = value;
        bits[(cy - y) * stride + cx - x] = value;
    };
    const int64_t a2 = a * a, b2 = b * b;
    int64_t x = 0, y = b;
    int64_t d = 4 * b2 - 4 * a2 * b + a2;
    while (b2 * x <= a2 * y) {
        plot4(x, y);
        if (d >= 0) {
            d += 4 * a2 * (1 - y) * 2;
            --y;
        }
        d += 4 * b2 * (2 * x + 3);
        ++x;
    }
    x = a;
    y = 0;
    d = 4 * a2 - 4 * b2 * a + b2;
    while (a2 * y <= b2 * x) {
        plot4(x, y);
        if (d >= 0) {
            d += 4 * b2 * (1 - x) * 2;
            --x;
        }
        d += 4 * a2 * (2 * y + 3);
        ++y;
    }
}

void BM_EllipseOutlinePeer(benchmark::State& state) {
    std::vector<uint8_t> page(size_t(kPageWidth) * kPageHeight, kWhite);
    benchmark::DoNotOptimize(page.data());
    for (auto _ : state) {
        midpointEllipse(page.data(), kPageWidth, kBox, 0);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_EllipseOutlinePeer);

// Not compared with a peer: the cost of a wide outline and of a filled interior.
void BM_EllipseWideOutline(benchmark::State& state) {
    DeviceContext dc = sketchPage();
    dc.selectPen(createPen(PS_SOLID, int32_t(state.range(0)), 0x000000));
    dc.selectBrush(stockNullBrush());
    for (auto _ : state) {
        dc.ellipse(kBox.left, kBox.top, kBox.right, kBox.bottom);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_EllipseWideOutline)->Arg(3)->Arg(8);

void BM_EllipseFilled(benchmark::State& state) {
    DeviceContext dc = sketchPage();
    dc.selectPen(createPen(PS_DOT, 1, 0x000000));
    dc.selectBrush(createSolidBrush(0x00FFFF));
    for (auto _ : state) {
        dc.ellipse(kBox.left, kBox.top, kBox.right, kBox.bottom);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_EllipseFilled);

} // namespace
