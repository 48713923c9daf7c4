// A line of 100 characters in the program's own face, turned by 30 degrees, on an A4
// sketch bitmap: the layer's text output beside a plain FreeType loop that renders every
// glyph afresh from the same file and plots it pixel by pixel.

#include "SketchPage.h"
#include "gdi/FontMapper.h"
#include "gdi/FontRegistry.h"

#include <benchmark/benchmark.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <cmath>
#include <numbers>
#include <stdexcept>
#include <string>

using namespace gdi;

namespace {

const std::string kFontPath = std::string(FONTS_DIR) + "/ZYQVerigraf.ttf";
// 100 characters, Latin, Cyrillic and digits, as sketch captions mix them.
std::string hundredCharacters() {
    const std::string line = "Operation 010: Фрезеровать паз 12H7 ";
    std::vector<std::string> characters;
    for (size_t i = 0; i < line.size(); ++i) {
        if ((static_cast<unsigned char>(line[i]) & 0xC0) == 0x80)
            characters.back() += line[i];
        else
            characters.emplace_back(1, line[i]);
    }
    std::string text;
    for (size_t i = 0; i < 100; ++i)
        text += characters[i % characters.size()];
    return text;
}

// UTF-8 of one and two bytes, all the text above holds.
std::u32string decode(const std::string& s) {
    std::u32string out;
    for (size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        if (b < 0x80) {
            out += b;
            i += 1;
        } else {
            out += char32_t((b & 0x1F) << 6 | (static_cast<unsigned char>(s[i + 1]) & 0x3F));
            i += 2;
        }
    }
    return out;
}

struct Sketch {
    Sketch() : dc(gdi_bench::sketchPage()) {
        static const bool added = FontRegistry::instance().addFontFile(kFontPath).has_value();
        if (!added) throw std::runtime_error("cannot add " + kFontPath);
        dc.setBkMode(TRANSPARENT);
        dc.setTextAlign(TA_LEFT | TA_BASELINE);
        dc.setTextColor(0x000000);
    }
    DeviceContext dc;
};

void selectFont(DeviceContext& dc, int32_t escapement) {
    LogFont log;
    log.faceName = "zyq courier";
    log.height = -13;
    log.escapement = escapement;
    dc.selectFont(createFontIndirect(log));
}

void BM_TextOut(benchmark::State& state) {
    Sketch sketch;
    selectFont(sketch.dc, int32_t(state.range(0)));
    const std::string text = hundredCharacters();
    for (auto _ : state) {
        sketch.dc.textOut(60, 900, text);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * 100);
}
BENCHMARK(BM_TextOut)->Arg(300)->Arg(0);

// The first line at a new size and angle: every glyph rasterised once.
void BM_TextOutUncached(benchmark::State& state) {
    Sketch sketch;
    selectFont(sketch.dc, int32_t(state.range(0)));
    const std::string text = hundredCharacters();
    for (auto _ : state) {
        FontMapper::instance().clear();
        sketch.dc.textOut(60, 900, text);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * 100);
}
BENCHMARK(BM_TextOutUncached)->Arg(300)->Arg(0);

// The peer: FreeType turns and renders each glyph on every call; the pixels are set one
// at a time through the clip-aware pixel path.
void BM_PeerFreeTypePerPixel(benchmark::State& state) {
    Sketch sketch;
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    if (FT_Init_FreeType(&library) != 0 || FT_New_Face(library, kFontPath.c_str(), 0, &face) != 0) {
        state.SkipWithError("the program's font is not built");
        return;
    }
    FT_Set_Pixel_Sizes(face, 0, 13);
    const double radians = double(state.range(0)) * std::numbers::pi / 1800.0;
    FT_Matrix matrix{
        FT_Fixed(std::lround(std::cos(radians) * 65536)), FT_Fixed(std::lround(-std::sin(radians) * 65536)),
        FT_Fixed(std::lround(std::sin(radians) * 65536)), FT_Fixed(std::lround(std::cos(radians) * 65536))};
    const std::u32string text = decode(hundredCharacters());
    const RopMasks ink = ropMasks(R2_COPYPEN, 0, 0xF);
    for (auto _ : state) {
        FT_Vector pen{0, 0}; // 26.6, y up
        for (char32_t c : text) {
            FT_Set_Transform(face, &matrix, &pen);
            if (FT_Load_Char(face, c, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO | FT_LOAD_NO_BITMAP) != 0)
                continue;
            const FT_GlyphSlot slot = face->glyph;
            const FT_Bitmap& bm = slot->bitmap;
            for (unsigned row = 0; row < bm.rows; ++row)
                for (unsigned col = 0; col < bm.width; ++col)
                    if (bm.buffer[row * bm.pitch + (col >> 3)] & (0x80 >> (col & 7)))
                        sketch.dc.paintPixel(60 + slot->bitmap_left + int32_t(col),
                                             900 - slot->bitmap_top + int32_t(row), ink);
            pen.x += slot->advance.x;
            pen.y += slot->advance.y;
        }
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * 100);
    FT_Done_Face(face);
    FT_Done_FreeType(library);
}
BENCHMARK(BM_PeerFreeTypePerPixel)->Arg(300)->Arg(0);

} // namespace
