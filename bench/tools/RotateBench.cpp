// Turning a whole A4 sketch by 30 degrees with the five passes of weighted spreading,
// beside Qt's smooth turn of the same picture (as a 32-bit image, made once outside the
// loop) in the same run.

#include "../document/TypicalSketch.h"

#include "document/RotateBitmap.h"

#include "gdi/DeviceContext.h"

#include <QImage>
#include <QTransform>

#include <benchmark/benchmark.h>

#include <cmath>
#include <numbers>

namespace {

constexpr float Degrees = 30;

void BM_RotateBitmapA4By30Degrees(benchmark::State& state) {
    const gdi::BitmapPtr sketch = typicalA4Sketch();
    const float a = Degrees * std::numbers::pi_v<float> / 180;
    gdi::DeviceContext dc;
    for (auto _ : state) {
        state.PauseTiming();
        dc.selectBitmap(sketch->clone());
        state.ResumeTiming();
        RotateBitmap({&dc, std::cos(a), std::sin(a), 5, {}, nullptr});
        benchmark::DoNotOptimize(dc.bitmap()->pixel(0, 0));
    }
    state.SetItemsProcessed(state.iterations() * int64_t(sketch->width()) * sketch->height());
}
BENCHMARK(BM_RotateBitmapA4By30Degrees)->Unit(benchmark::kMillisecond);

// The peer: the same pixels turned by Qt with smooth transformation.
void BM_QImageTransformedA4By30Degrees(benchmark::State& state) {
    const gdi::BitmapPtr sketch = typicalA4Sketch();
    QImage image(sketch->width(), sketch->height(), QImage::Format_RGB32);
    for (int32_t y = 0; y < sketch->height(); ++y)
        for (int32_t x = 0; x < sketch->width(); ++x) {
            const gdi::COLORREF c = sketch->pixelToColor(sketch->pixel(x, y));
            image.setPixel(x, y, qRgb(gdi::GetRValue(c), gdi::GetGValue(c), gdi::GetBValue(c)));
        }
    const QTransform turn = QTransform().rotate(Degrees);
    for (auto _ : state) {
        const QImage turned = image.transformed(turn, Qt::SmoothTransformation);
        benchmark::DoNotOptimize(turned.constBits());
    }
    state.SetItemsProcessed(state.iterations() * int64_t(sketch->width()) * sketch->height());
}
BENCHMARK(BM_QImageTransformedA4By30Degrees)->Unit(benchmark::kMillisecond);

} // namespace
