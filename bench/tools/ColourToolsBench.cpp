// The colour tools' work per pointer event and per click: recolouring a 100 x 100 square
// (copy, fill, mask, masked copy) beside a plain per-pixel loop doing the same, and
// filling a closed area of half an A4 sheet.

#include "tools/draw/Rubber.h"

#include "document/Pens.h"
#include "document/TechDocument.h"

#include "gdi/Brush.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr gdi::COLORREF Black = 0x000000;
constexpr gdi::COLORREF White = 0xFFFFFF;
constexpr gdi::COLORREF Red = 0x0000FF;

// An A4 sketch with a grid of black and red lines, as a drawing has ink to recolour.
struct TSketch {
    TSketch() {
        Document = std::make_unique<TTechDocument>();
        Document->CreateNewDocument(794, 1123);
        CreateSharedPens();
        for (int i = 0; i < 1123; i += 7) {
            DocDC->selectPen(gdi::createPen(gdi::PS_SOLID, 1, i % 2 ? Black : Red));
            DocDC->moveTo(0, i);
            DocDC->lineTo(794, i + 300);
        }
    }
    ~TSketch() {
        DeleteSharedPens();
        Document.reset();
    }
};

void BM_RecolourSquare100(benchmark::State& state) {
    TSketch sketch;
    auto tool = CreateTool<TSmartRubber>();
    tool->FCentre = {400, 500};
    tool->Grow(30); // 40 + 60 = 100 pixels a side
    // Black to white and back, so that every step has ink to recolour.
    for (auto _ : state) {
        RubberOldColor = Black;
        RubberNewColor = White;
        tool->Erase();
        RubberOldColor = White;
        RubberNewColor = Black;
        tool->Erase();
    }
    state.SetItemsProcessed(state.iterations() * 2);
    state.counters["side"] = tool->FSquare.width();
}
BENCHMARK(BM_RecolourSquare100)->Unit(benchmark::kMicrosecond);

// The same work pixel by pixel.
void BM_RecolourSquare100Peer(benchmark::State& state) {
    TSketch sketch;
    auto recolour = [](gdi::COLORREF from, gdi::COLORREF to) {
        for (int y = 450; y < 550; ++y)
            for (int x = 350; x < 450; ++x)
                if (DocDC->getPixel(x, y) == from) DocDC->setPixel(x, y, to);
    };
    for (auto _ : state) {
        recolour(Black, White);
        recolour(White, Black);
    }
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(BM_RecolourSquare100Peer)->Unit(benchmark::kMicrosecond);

// A click inside a closed rectangle as wide as the sheet and half as high, filled solid
// in red and white in turn so that every click floods the whole area again.
void BM_FillClosedHalfSheet(benchmark::State& state) {
    TSketch sketch;
    DocDC->fillRect({0, 0, 794, 1123}, gdi::createSolidBrush(White));
    DocDC->selectPen(gdi::createPen(gdi::PS_SOLID, 1, Black));
    DocDC->selectBrush(gdi::stockNullBrush());
    DocDC->rectangle(0, 0, 794, 562);
    const gdi::BrushPtr brushes[2] = {gdi::createSolidBrush(Red), gdi::createSolidBrush(White)};
    int turn = 0;
    for (auto _ : state) {
        DocDC->selectBrush(brushes[turn ^= 1]);
        benchmark::DoNotOptimize(
            DocDC->floodFill(400, 280, DocDC->getPixel(400, 280), gdi::FLOODFILLSURFACE));
    }
}
BENCHMARK(BM_FillClosedHalfSheet)->Unit(benchmark::kMillisecond);

} // namespace
