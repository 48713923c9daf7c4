// One preview of a linear dimension with a five-part inscription and deviations, as a
// pointer move in the inscription stage makes it: the geometry from the anchors and the
// pointer, measuring and laying out the inscription, and drawing lines, arrows and text
// into the render buffer. Beside it the peer: the same lines, arrows and five texts
// drawn by the raster layer directly at positions worked out beforehand.

#include "tools/annotation/SizeLine.h"

#include "document/DrawingUtils.h"
#include "document/Pens.h"
#include "document/RenderBuffer.h"
#include "document/TechDocument.h"

#include "gdi/FontRegistry.h"

#include <benchmark/benchmark.h>

#include <array>
#include <memory>
#include <stdexcept>
#include <string>

namespace {

constexpr gdi::COLORREF Green = 0x00FF00;
const gdi::Point Pointer{330, 180};

struct TScene {
    TScene() {
        if (!gdi::FontRegistry::instance().addFontFile(std::string(FONTS_DIR) + "/ZYQVerigraf.ttf"))
            throw std::runtime_error("the dimension face is not in " FONTS_DIR);
        Document = std::make_unique<TTechDocument>();
        Document->CreateNewDocument(794, 1123);
        CreateSharedPens();
        buffer = std::make_unique<TRenderBuffer>(*DocDC);
        buffer->SetSize(600, 400);
        tool = std::make_unique<TSizeLine>();
        tool->Anchor1 = {200, 300};
        tool->Anchor2 = {460, 300};
        tool->Step = TSizeLine::StepText;
        // "4 отв. $20 +0,1 / -0,2 H7", the deviations in the face's raised and lowered forms.
        const std::array<std::string, 5> parts = {"4 отв. ", "$20", "\u00B6\u0454\u0401\u00AB",
                                                  "\u00B5\u00A0\u0451\u045E", " H7"};
        for (int i = 0; i < 5; ++i)
            tool->SizeText->SetPart(i + 1, parts[size_t(i)]);
    }
    ~TScene() {
        tool.reset();
        buffer.reset();
        DeleteSharedPens();
        Document.reset();
    }

    // What the tool does for one pointer move and the paint that follows it.
    void Preview() {
        tool->ComputeBase();
        tool->Valid = tool->ComputeDimLine(Pointer);
        tool->PlaceText(Pointer);
        tool->DrawPreview(buffer->DC(), {0, 0, 600, 400}, 0, 0);
    }

    std::unique_ptr<TRenderBuffer> buffer;
    std::unique_ptr<TSizeLine> tool;
};

void BM_SizeLinePreview(benchmark::State& state) {
    TScene scene;
    for (auto _ : state) {
        scene.Preview();
        benchmark::DoNotOptimize(scene.buffer->Bitmap()->pixel(330, 150));
    }
}

// The peer: the figure the preview leaves, drawn again from its finished geometry.
void BM_SameFigureByRasterLayer(benchmark::State& state) {
    TScene scene;
    scene.Preview();
    const TSizeLine& t = *scene.tool;
    const TSizeText& text = *t.SizeText;
    gdi::DeviceContext& dc = scene.buffer->DC();
    auto line = [&](gdi::Point a, gdi::Point b) {
        dc.moveTo(a.x, a.y);
        dc.lineTo(b.x, b.y);
    };
    for (auto _ : state) {
        gdi::PenPtr old = dc.selectPen(GreenPen);
        line(t.Anchor1, t.ExtEnd1);
        line(t.Anchor2, t.ExtEnd2);
        line(t.DimEnd1, t.DimEnd2);
        dc.selectPen(old);
        DrawArrow(dc, Green, t.DimEnd2, t.DimCos, t.DimSin, false);
        DrawArrow(dc, Green, t.DimEnd1, -t.DimCos, -t.DimSin, false);
        gdi::FontPtr oldFont = dc.selectFont(text.Font);
        dc.setBkMode(gdi::TRANSPARENT);
        dc.setTextColor(Green);
        dc.setTextAlign(gdi::TA_BOTTOM | gdi::TA_LEFT);
        for (size_t i = 0; i < text.Parts.size(); ++i)
            dc.textOut(text.PartPos[i].x, text.PartPos[i].y, text.Parts[i]);
        dc.selectFont(oldFont);
        benchmark::DoNotOptimize(scene.buffer->Bitmap()->pixel(330, 150));
    }
}

BENCHMARK(BM_SizeLinePreview)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SameFigureByRasterLayer)->Unit(benchmark::kMicrosecond);

} // namespace
