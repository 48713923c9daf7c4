// The marquee rebuilding the picture of a turned 400 x 300 fragment, the work of every
// pointer move while a turned fragment is scaled with Ctrl: the source stretched to its
// size and turned in five spreading passes. Beside it Qt turning the same picture
// smoothly, and a plain copy of the picture.

#include "tools/transform/Fragment.h"

#include "document/SketchBitmap.h"

#include "gdi/Brush.h"
#include "gdi/DeviceContext.h"
#include "gdi/Pen.h"

#include <QImage>
#include <QTransform>

#include <benchmark/benchmark.h>

#include <cmath>
#include <numbers>

namespace {

constexpr int32_t Width = 400;
constexpr int32_t Height = 300;
constexpr float Degrees = 30;

// A sketch-like picture: black lines over white, with a filled block.
gdi::BitmapPtr Drawing() {
    gdi::DeviceContext dc;
    dc.selectBitmap(CreateSketchDib(Width, Height));
    dc.fillRect({0, 0, Width, Height}, gdi::stockWhiteBrush());
    dc.selectPen(gdi::createPen(gdi::PS_SOLID, 1, 0x000000));
    for (int32_t i = 0; i < Width; i += 20) {
        dc.moveTo(i, 0);
        dc.lineTo(Width - i, Height - 1);
    }
    dc.fillRect({100, 80, 220, 160}, gdi::createSolidBrush(0x0000FF));
    return dc.bitmap();
}

QImage DrawingImage() {
    const gdi::BitmapPtr bitmap = Drawing();
    QImage image(Width, Height, QImage::Format_RGB32);
    for (int32_t y = 0; y < Height; ++y)
        for (int32_t x = 0; x < Width; ++x) {
            const gdi::COLORREF c = bitmap->pixelToColor(bitmap->pixel(x, y));
            image.setPixel(x, y, qRgb(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF)));
        }
    return image;
}

void BM_RebuildTurnedFragment(benchmark::State& state) {
    gdi::DeviceContext source;
    source.selectBitmap(Drawing());
    TFragment fragment;
    fragment.Take(source, {0, 0, Width, Height});
    const float angle = Degrees * std::numbers::pi_v<float> / 180;
    fragment.Cos = std::cos(angle);
    fragment.Sin = std::sin(angle);
    for (auto _ : state) {
        fragment.BuildPicture();
        benchmark::DoNotOptimize(fragment.Picture()->pixel(0, 0));
    }
    state.SetItemsProcessed(state.iterations() * int64_t(Width) * Height);
}

// The share of the stretch alone: the same fragment unturned.
void BM_RebuildUnturnedFragment(benchmark::State& state) {
    gdi::DeviceContext source;
    source.selectBitmap(Drawing());
    TFragment fragment;
    fragment.Take(source, {0, 0, Width, Height});
    for (auto _ : state) {
        fragment.BuildPicture();
        benchmark::DoNotOptimize(fragment.Picture()->pixel(0, 0));
    }
    state.SetItemsProcessed(state.iterations() * int64_t(Width) * Height);
}

// The peer: Qt turning the same picture by the same angle, smoothly.
void BM_QImageTransformed(benchmark::State& state) {
    const QImage image = DrawingImage();
    const QTransform turn = QTransform().rotate(-Degrees);
    for (auto _ : state) {
        QImage turned = image.transformed(turn, Qt::SmoothTransformation);
        benchmark::DoNotOptimize(turned.constBits());
    }
    state.SetItemsProcessed(state.iterations() * int64_t(Width) * Height);
}

// The floor: the picture copied once.
void BM_PlainCopy(benchmark::State& state) {
    const QImage image = DrawingImage();
    for (auto _ : state) {
        QImage copy = image.copy();
        benchmark::DoNotOptimize(copy.bits());
    }
    state.SetItemsProcessed(state.iterations() * int64_t(Width) * Height);
}

} // namespace

BENCHMARK(BM_RebuildTurnedFragment)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RebuildUnturnedFragment)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QImageTransformed)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainCopy)->Unit(benchmark::kMillisecond);
