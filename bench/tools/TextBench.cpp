// The text tool's work per keystroke: the frame measured again and the preview of three
// lines of 40 characters, turned by 30 degrees, drawn into a screen-sized buffer; beside
// it the raster layer writing the same three lines directly in the same font.

#include "tools/draw/Text.h"

#include "gdi/Brush.h"
#include "gdi/DeviceContext.h"
#include "gdi/FontRegistry.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <numbers>
#include <string>

namespace {

constexpr float Angle = std::numbers::pi_v<float> / 6;
constexpr gdi::Point Origin{200, 400};

const char* const Lines[3] = {
    "Шероховатость Ra 1,6 на всех плоскостях.",
    "Неуказанные отклонения размеров H14, h14",
    "Острые кромки притупить, фаски 0,5x45 гр",
};

// The program's face, installed once; a 32-bit buffer the size of a view.
struct TSetup {
    TSetup() {
        gdi::FontRegistry::instance().addFontFile(FONTS_DIR "/ZYQVerigraf.ttf");
        ResetTextFontSettings();
        TextLogFont.faceName = "zyq courier";
        buffer.selectBitmap(gdi::Bitmap::create(1000, 700, 32));
    }
    // A white buffer, so that the text's pixels can be counted afterwards.
    void Clear() { buffer.fillRect({0, 0, 1000, 700}, gdi::createSolidBrush(0xFFFFFF)); }
    int64_t Ink() const {
        int64_t count = 0;
        for (int32_t y = 0; y < 700; ++y)
            for (int32_t x = 0; x < 1000; ++x)
                count += buffer.getPixel(x, y) != 0xFFFFFF;
        return count;
    }
    gdi::DeviceContext buffer;
};

TSetup& setup() {
    static TSetup instance;
    return instance;
}

void BM_TextKeystroke(benchmark::State& state) {
    setup().Clear();
    gdi::DeviceContext& buffer = setup().buffer;
    TToolHandle<TTechText> tool = NewTool<TTechText>();
    tool->FOrigin = Origin;
    tool->Step = TTechText::StepTyping;
    for (const char* line : Lines)
        tool->FLines.push_back(QString::fromUtf8(line));
    tool->SetTextAngle(Angle);
    tool->SetFont(TextLogFont, 0);
    for (auto _ : state) {
        tool->UpdateFrame();
        tool->DrawPreview(buffer, {0, 0, 1000, 700}, 0, 0);
    }
    state.counters["escapement"] = tool->FFont->log().escapement;
    state.counters["ink"] = double(setup().Ink());
}
BENCHMARK(BM_TextKeystroke)->Unit(benchmark::kMicrosecond);

// The three lines written by the raster layer, each at its place, nothing else.
void BM_TextKeystrokePeer(benchmark::State& state) {
    setup().Clear();
    gdi::DeviceContext& buffer = setup().buffer;
    gdi::LogFont log = TextLogFont;
    log.escapement = log.orientation = 300;
    buffer.selectFont(gdi::createFontIndirect(log));
    buffer.setTextAlign(gdi::TA_BASELINE);
    buffer.setBkMode(gdi::TRANSPARENT);
    const int32_t h = buffer.textMetrics().height;
    for (auto _ : state) {
        for (int i = 0; i < 3; ++i) {
            const double x = Origin.x + i * h * std::sin(double(Angle));
            const double y = Origin.y + i * h * std::cos(double(Angle));
            buffer.textOut(int32_t(std::lround(x)), int32_t(std::lround(y)), Lines[i]);
        }
    }
    state.counters["ink"] = double(setup().Ink());
}
BENCHMARK(BM_TextKeystrokePeer)->Unit(benchmark::kMicrosecond);

} // namespace
