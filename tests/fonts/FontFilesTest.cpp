// The fonts the build derives carry every character the drawing tools write, and
// their signs come out as distinct, unbroken shapes at the pixel sizes the tools
// use. Glyphs are rendered the way the raster layer renders them: FreeType,
// hinted, one bit a pixel.

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SFNT_NAMES_H
#include FT_TRUETYPE_IDS_H
#include FT_TRUETYPE_TABLES_H

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace {

const std::string kFontsDir = FONTS_DIR;
const std::string kDimensionFont = kFontsDir + "/ZYQVerigraf.ttf";
const std::string kSymbolFont = kFontsDir + "/ZYQ(gdt).ttf";

// A glyph's pixels; y grows upwards from the baseline, as in the font.
struct MonoGlyph {
    int left = 0, top = 0, width = 0, rows = 0;
    std::vector<bool> ink; // row-major from the top row

    bool at(int x, int row) const {
        return x >= 0 && row >= 0 && x < width && row < rows && ink[size_t(row) * width + x];
    }
    bool empty() const { return std::find(ink.begin(), ink.end(), true) == ink.end(); }
    int bottom() const { return top - rows; }
    bool operator==(const MonoGlyph&) const = default;

    // Regions of one kind (ink, or background that the border does not reach),
    // ink joined across corners and background only through edges.
    int regions(bool ofInk) const {
        const int w = width + 2, h = rows + 2;
        std::vector<int> label(size_t(w) * h, 0);
        auto isInk = [&](int x, int y) { return at(x - 1, y - 1); };
        auto fill = [&](int sx, int sy, int id) {
            std::vector<std::pair<int, int>> stack{{sx, sy}};
            label[size_t(sy) * w + sx] = id;
            while (!stack.empty()) {
                const auto [x, y] = stack.back();
                stack.pop_back();
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) {
                        const int nx = x + dx, ny = y + dy;
                        if ((dx == 0 && dy == 0) || nx < 0 || ny < 0 || nx >= w || ny >= h) continue;
                        if (!isInk(x, y) && dx != 0 && dy != 0) continue;
                        if (label[size_t(ny) * w + nx] || isInk(nx, ny) != isInk(x, y)) continue;
                        label[size_t(ny) * w + nx] = id;
                        stack.push_back({nx, ny});
                    }
            }
        };
        fill(0, 0, 1); // the outside
        int count = 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if (!label[size_t(y) * w + x] && isInk(x, y) == ofInk) fill(x, y, 2 + count++);
        return count;
    }
    int holes() const { return regions(false); }
    int strokes() const { return regions(true); }
};

class Face {
  public:
    explicit Face(const std::string& path) {
        FT_Library library = nullptr;
        if (FT_Init_FreeType(&library) != 0) return;
        m_library.reset(library);
        FT_Face face = nullptr;
        if (FT_New_Face(library, path.c_str(), 0, &face) == 0) m_face.reset(face);
    }
    bool loaded() const { return m_face != nullptr; }
    FT_Face get() const { return m_face.get(); }
    bool has(FT_ULong codepoint) const { return FT_Get_Char_Index(m_face.get(), codepoint) != 0; }

    MonoGlyph render(FT_ULong codepoint, int pixels) const {
        FT_Set_Pixel_Sizes(m_face.get(), 0, pixels);
        MonoGlyph glyph;
        const FT_UInt index = FT_Get_Char_Index(m_face.get(), codepoint);
        if (FT_Load_Glyph(m_face.get(), index, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO) != 0) return glyph;
        const FT_GlyphSlot slot = m_face->glyph;
        glyph.left = slot->bitmap_left;
        glyph.top = slot->bitmap_top;
        glyph.width = int(slot->bitmap.width);
        glyph.rows = int(slot->bitmap.rows);
        for (int row = 0; row < glyph.rows; ++row)
            for (int x = 0; x < glyph.width; ++x)
                glyph.ink.push_back(slot->bitmap.buffer[row * slot->bitmap.pitch + x / 8] &
                                    (0x80 >> (x % 8)));
        return glyph;
    }

    // Text height as the text-extent calls report it: ascent plus descent.
    int lineHeight(int pixels) const {
        FT_Set_Pixel_Sizes(m_face.get(), 0, pixels);
        const FT_Size_Metrics& m = m_face->size->metrics;
        return int((m.ascender - m.descender + 63) >> 6);
    }

    std::vector<std::string> names() const {
        std::vector<std::string> result;
        for (FT_UInt i = 0; i < FT_Get_Sfnt_Name_Count(m_face.get()); ++i) {
            FT_SfntName name;
            if (FT_Get_Sfnt_Name(m_face.get(), i, &name) != 0) continue;
            std::string text;
            // Windows names are UTF-16BE: keep the low bytes, enough to search ASCII.
            const bool wide = name.platform_id == TT_PLATFORM_MICROSOFT;
            for (FT_UInt b = wide ? 1 : 0; b < name.string_len; b += wide ? 2 : 1)
                text += char(name.string[b]);
            result.push_back(text);
        }
        return result;
    }

  private:
    struct LibraryDone {
        void operator()(FT_Library l) const { FT_Done_FreeType(l); }
    };
    struct FaceDone {
        void operator()(FT_Face f) const { FT_Done_Face(f); }
    };
    // Declared first so that the face is released before its library.
    std::unique_ptr<FT_LibraryRec_, LibraryDone> m_library;
    std::unique_ptr<FT_FaceRec_, FaceDone> m_face;
};

// Deviation rows: character, then the Unicode characters of its raised and
// lowered forms (the Windows-1251 codes the dimension tools use, decoded).
struct DeviationRow {
    char32_t ordinary, raised, lowered;
};
const DeviationRow kDeviations[] = {
    {'+', 0x00B6, 0x203A}, // B6 9B
    {',', 0x0401, 0x0451}, // A8 B8
    {'-', 0x0491, 0x00B5}, // B4 B5
    {'.', 0x00B7, '.'},    // B7 2E: the lowered full stop is the ordinary one
    {'0', 0x0454, 0x00A0}, // BA A0
    {'1', 0x00AB, 0x040E}, // AB A1
    {'2', 0x00AC, 0x045E}, // AC A2
    {'3', 0x00AD, 0x0408}, // AD A3
    {'4', 0x00AE, 0x00A4}, // AE A4
    {'5', 0x0407, 0x0490}, // AF A5
    {'6', 0x00B0, 0x00A6}, // B0 A6
    {'7', 0x00B1, 0x00A7}, // B1 A7
    {'8', 0x0406, 0x0404}, // B2 AA
    {'9', 0x0456, 0x00A9}, // B3 A9
};

// The tolerance signs of the symbol font with the number of enclosed areas each
// must show: a closed ring that breaks open at small sizes loses its hole.
struct SignShape {
    char character;
    int holes, strokes;
};
const SignShape kSigns[] = {
    {'-', 0, 1}, // straightness
    {'c', 1, 1}, // flatness: parallelogram
    {'e', 1, 1}, // roundness: circle
    {'g', 1, 1}, // cylindricity: circle between slanted lines
    {'=', 0, 2}, // profile of the longitudinal section
    {'f', 0, 2}, // parallelism
    {'b', 0, 1}, // perpendicularity
    {'a', 0, 1}, // inclination
    {'r', 2, 2}, // coaxiality: concentric circles
    {'i', 0, 3}, // symmetry
    {'j', 4, 1}, // position: circle and cross
    {'h', 0, 1}, // radial runout: arrow
    {'t', 0, 1}, // total runout: arrows on a base
    {'k', 0, 1}, // profile of a line: open arc
    {'d', 1, 1}, // profile of a surface: closed arc
    {'n', 2, 1}, // diameter
};

const int kDimensionSizes[] = {13, 15, 16}; // 11 points at 96 dpi is 15 pixels
const int kSymbolSize = 16;

std::u32string cyrillicLetters() {
    std::u32string letters = {0x0401, 0x0451};
    for (char32_t c = 0x0410; c <= 0x044F; ++c)
        letters += c;
    return letters;
}

} // namespace

TEST(FontFiles, AreNamedAsTheToolsSelectThemAndCarryTheirLicence) {
    const Face dimension(kDimensionFont), symbols(kSymbolFont);
    ASSERT_TRUE(dimension.loaded()) << kDimensionFont;
    ASSERT_TRUE(symbols.loaded()) << kSymbolFont;
    EXPECT_STREQ(dimension.get()->family_name, "ZYQ Courier");
    EXPECT_STREQ(symbols.get()->family_name, "zyqverigraf");
    for (const Face* face : {&dimension, &symbols}) {
        EXPECT_STREQ(face->get()->style_name, "Regular");
        const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face->get(), FT_SFNT_OS2));
        ASSERT_NE(os2, nullptr);
        EXPECT_EQ(os2->fsType, 0) << "the program installs the fonts at start-up";
        EXPECT_EQ(os2->usWeightClass, 400);
        // The base font's licence forbids its trademark in derived fonts.
        for (const std::string& name : face->names())
            EXPECT_EQ(name.find("iberation"), std::string::npos) << name;
    }
    EXPECT_TRUE(FT_IS_FIXED_WIDTH(dimension.get()));
    EXPECT_TRUE(std::filesystem::exists(kFontsDir + "/LICENSE-fonts.txt"));
    EXPECT_TRUE(std::filesystem::exists(kFontsDir + "/GPL-2.txt"));
}

TEST(DimensionFont, CoversTextSignsAndDeviationFormsInOneAdvance) {
    const Face font(kDimensionFont);
    ASSERT_TRUE(font.loaded());
    std::u32string required = U"’”" + cyrillicLetters();
    for (char32_t c = 0x20; c < 0x7F; ++c)
        required += c;
    for (const DeviationRow& row : kDeviations)
        required += std::u32string{row.raised, row.lowered};
    for (char32_t c : required)
        EXPECT_TRUE(font.has(c)) << "U+" << std::hex << uint32_t(c);

    // Columns of dimension text stay aligned only if every glyph is as wide.
    FT_UInt index = 0;
    FT_Long advance = -1;
    for (FT_ULong c = FT_Get_First_Char(font.get(), &index); index != 0;
         c = FT_Get_Next_Char(font.get(), c, &index)) {
        ASSERT_EQ(FT_Load_Glyph(font.get(), index, FT_LOAD_NO_SCALE), 0);
        if (advance < 0) advance = font.get()->glyph->advance.x;
        EXPECT_EQ(font.get()->glyph->advance.x, advance) << "U+" << std::hex << c;
    }
}

TEST(DimensionFont, SignsReplaceTheirCharactersWhileTextStaysAsInTheBaseFont) {
    const Face font(kDimensionFont), base(VERIGRAF_BASE_FONT);
    ASSERT_TRUE(font.loaded());
    ASSERT_TRUE(base.loaded());
    for (int px : kDimensionSizes) {
        SCOPED_TRACE(px);
        for (char32_t c : std::u32string_view(U"AMWЖЯжя07.,zx")) {
            EXPECT_EQ(font.render(c, px), base.render(c, px)) << "U+" << std::hex << uint32_t(c);
        }
        for (char32_t c : std::u32string_view(U"$^’”")) {
            EXPECT_NE(font.render(c, px), base.render(c, px)) << "U+" << std::hex << uint32_t(c);
        }
        const MonoGlyph diameter = font.render('$', px), degree = font.render('^', px);
        EXPECT_EQ(diameter.holes(), 2) << "a circle halved by a slash";
        EXPECT_EQ(diameter.strokes(), 1);
        EXPECT_EQ(degree.holes(), 1) << "a small ring";
        EXPECT_GT(degree.bottom(), px / 3) << "the degree sign is raised";
        EXPECT_EQ(font.render(U'’', px).strokes(), 1);
        EXPECT_EQ(font.render(U'”', px).strokes(), 2);
    }
}

TEST(DimensionFont, DeviationFormsStackLikeAPrintedTolerance) {
    const Face font(kDimensionFont);
    ASSERT_TRUE(font.loaded());
    for (int px : kDimensionSizes) {
        SCOPED_TRACE(px);
        const MonoGlyph digit = font.render('8', px);
        int lowestRaisedDigit = 1000, highestLoweredDigit = -1000, highestRaised = -1000;
        for (const DeviationRow& row : kDeviations) {
            const MonoGlyph ordinary = font.render(row.ordinary, px);
            const MonoGlyph raised = font.render(row.raised, px);
            const MonoGlyph lowered = font.render(row.lowered, px);
            ASSERT_FALSE(raised.empty());
            ASSERT_FALSE(lowered.empty());
            EXPECT_NE(raised, ordinary);
            EXPECT_LE(raised.rows, ordinary.rows) << "small forms are smaller";
            EXPECT_GT(raised.top + raised.bottom(), lowered.top + lowered.bottom()) << "raised sits higher";
            highestRaised = std::max(highestRaised, raised.top);
            if (row.ordinary < '0' || row.ordinary > '9') continue;
            EXPECT_NE(lowered, ordinary);
            EXPECT_LE(raised.rows * 4, digit.rows * 3);
            EXPECT_EQ(lowered.bottom(), 0) << "lowered digits stand on the baseline like the full stop";
            lowestRaisedDigit = std::min(lowestRaisedDigit, raised.bottom());
            highestLoweredDigit = std::max(highestLoweredDigit, lowered.top);
        }
        // The dimension layout writes the upper deviation 5 pixels above the lower
        // one and lifts the value by a quarter of the line height: the two rows
        // must not touch, and the upper one ends about level with the value.
        EXPECT_GT(lowestRaisedDigit + 5, highestLoweredDigit);
        EXPECT_LE(highestRaised + 5, digit.top + font.lineHeight(px) / 4 + 1);
    }
}

TEST(SymbolFont, CoversValuesDatumsAndSigns) {
    const Face font(kSymbolFont);
    ASSERT_TRUE(font.loaded());
    std::u32string required = U"0123456789,./ ABCDEFGHIJKLMNOPQRSTUVWXYZnmsp";
    for (char32_t c : cyrillicLetters())
        if (c == 0x0401 || (c >= 0x0410 && c <= 0x042F)) required += c; // capitals only
    for (const SignShape& sign : kSigns)
        required += char32_t(sign.character);
    for (char32_t c : required)
        EXPECT_TRUE(font.has(c)) << "U+" << std::hex << uint32_t(c);
}

TEST(SymbolFont, SignsAreDistinctUnbrokenShapesInsideTheirCells) {
    const Face font(kSymbolFont), base(VERIGRAF_BASE_FONT);
    ASSERT_TRUE(font.loaded());
    ASSERT_TRUE(base.loaded());
    std::vector<MonoGlyph> seen;
    font.render('A', kSymbolSize); // sets the size
    const FT_Size_Metrics metrics = font.get()->size->metrics;
    for (const SignShape& sign : kSigns) {
        SCOPED_TRACE(sign.character);
        const MonoGlyph glyph = font.render(sign.character, kSymbolSize);
        ASSERT_FALSE(glyph.empty());
        EXPECT_EQ(glyph.holes(), sign.holes);
        EXPECT_EQ(glyph.strokes(), sign.strokes);
        EXPECT_GE(glyph.left, 0);
        EXPECT_LE(glyph.left + glyph.width, (font.get()->glyph->advance.x + 63) >> 6);
        EXPECT_LE(glyph.top, metrics.ascender >> 6);
        EXPECT_GE(glyph.bottom(), metrics.descender >> 6);
        EXPECT_EQ(std::find(seen.begin(), seen.end(), glyph), seen.end()) << "two signs look alike";
        seen.push_back(glyph);
    }
    for (char letter : {'m', 's', 'p'}) {
        const MonoGlyph circled = font.render(letter, kSymbolSize);
        EXPECT_EQ(circled.strokes(), 2) << letter << ": a letter inside a ring";
        EXPECT_GE(circled.holes(), 1) << letter;
    }
    for (char32_t c : std::u32string_view(U"AZ05,.ЖЯ")) {
        EXPECT_EQ(font.render(c, kSymbolSize), base.render(c, kSymbolSize))
            << "U+" << std::hex << uint32_t(c);
    }
}
