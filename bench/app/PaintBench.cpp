// The paint cycle of the drawing surface: one paint of a 1918 x 1078 surface over an A4
// sketch with a cross-hair tool, at zooms 1, 3 and 7, beside clearing the same screen
// bytes with memset.
#include "../document/TypicalSketch.h"

#include "app/Cursors.h"
#include "app/MainForm.h"
#include "document/DrawingUtils.h"
#include "document/Folders.h"
#include "document/Pens.h"
#include "document/RenderBuffer.h"
#include "document/TechDocument.h"
#include "document/UnDoObj.h"
#include "tools/base/PaintedTool.h"

#include <QApplication>
#include <QScrollBar>
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

namespace {

constexpr int SurfaceWidth = 1918;
constexpr int SurfaceHeight = 1078;

struct TCrossHairTool : TPaintedTool {
    gdi::Point At{400, 500};
    void DrawCursor(gdi::DeviceContext& dc, const gdi::Rect& client, int32_t originX,
                    int32_t originY) override {
        DrawCrossHair(dc, client, {At.x - originX, At.y - originY});
    }
};

class TPaintScene {
  public:
    explicit TPaintScene(int zoom) {
        Document = std::make_unique<TTechDocument>();
        CreateSharedPens();
        UndoHistory = std::make_unique<TUnDoObj>();
        RegisterCursors();
        Document->CreateNewDocument(794, 1123);
        gdi::DeviceContext source;
        source.selectBitmap(typicalA4Sketch());
        Document->DC().bitBlt(0, 0, 794, 1123, &source, 0, 0, gdi::SRCCOPY);
        m_form = std::make_unique<TMainForm>();
        m_form->resize(SurfaceWidth + 80, SurfaceHeight + 160);
        m_form->show();
        QApplication::processEvents();
        m_form->ShowNewSketch();
        while (m_form->ZoomFactor < zoom)
            m_form->SelMagnify(1);
        // The surface at the size measured, whatever the sketch would leave at zoom 1.
        m_form->DrawSurf->resize(SurfaceWidth, SurfaceHeight);
        m_form->DrawSurfResize();
        m_form->HorizScrollBar->setValue(m_form->HorizScrollBar->maximum() / 2);
        m_form->VertScrollBar->setValue(m_form->VertScrollBar->maximum() / 2);
        m_tool.PointerInside = true;
        RegisterTool(&m_tool);
        QApplication::processEvents();
    }
    ~TPaintScene() {
        UnregisterTool(&m_tool);
        m_form.reset();
        UnregisterCursors();
        UndoHistory.reset();
        DeleteSharedPens();
        Document.reset();
    }
    TTechDrawSurf& Surface() { return *m_form->DrawSurf; }

  private:
    std::unique_ptr<TMainForm> m_form;
    TCrossHairTool m_tool;
};

void BM_SurfacePaint(benchmark::State& state) {
    TPaintScene scene(int(state.range(0)));
    TTechDrawSurf& surface = scene.Surface();
    if (surface.width() != SurfaceWidth || surface.height() != SurfaceHeight) {
        state.SkipWithError("the surface did not get its size");
        return;
    }
    for (auto _ : state)
        surface.repaint();
    state.SetBytesProcessed(int64_t(state.iterations()) * SurfaceWidth * SurfaceHeight * 4);
}
BENCHMARK(BM_SurfacePaint)->Arg(1)->Arg(3)->Arg(7)->ArgName("zoom")->Unit(benchmark::kMillisecond);

// The peer: writing every byte of the screen image once.
void BM_ScreenImageMemset(benchmark::State& state) {
    std::vector<uint32_t> image(size_t(SurfaceWidth) * SurfaceHeight);
    uint8_t value = 0;
    for (auto _ : state) {
        std::memset(image.data(), ++value, image.size() * 4);
        benchmark::DoNotOptimize(image.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * SurfaceWidth * SurfaceHeight * 4);
}
BENCHMARK(BM_ScreenImageMemset)->Unit(benchmark::kMillisecond);

} // namespace
