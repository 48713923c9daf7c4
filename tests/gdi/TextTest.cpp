#include "SketchPage.h"
#include "gdi/DeviceContext.h"
#include "gdi/FontMapper.h"
#include "gdi/FontRegistry.h"
#include "gdi/SystemFonts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <numbers>

using namespace gdi;
using namespace gdi_test;

namespace {

const std::string kDejaVuSans = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
const std::string kDejaVuSansLight = "/usr/share/fonts/truetype/dejavu/DejaVuSans-ExtraLight.ttf";
const std::string kLiberationMono = "/usr/share/fonts/truetype/liberation/LiberationMono-Regular.ttf";

constexpr uint32_t kBlue = 12, kYellow = 6;

LogFont font(const std::string& face, int32_t height, int32_t weight = FW_NORMAL) {
    LogFont log;
    log.faceName = face;
    log.height = height;
    log.weight = weight;
    return log;
}

class Text : public ::testing::Test {
  protected:
    void SetUp() override {
        FontRegistry::instance().clear();
        FontMapper::instance().clear();
        bitmap = whitePage(200, 200);
        dc.selectBitmap(bitmap);
        dc.setTextColor(0xFF0000); // blue
        dc.setBkColor(0x00FFFF);   // yellow
        dc.setBkMode(TRANSPARENT);
    }
    void TearDown() override { FontRegistry::instance().clear(); }

    void select(const LogFont& log) { dc.selectFont(createFontIndirect(log)); }
    void clear() { bitmap->fill(kWhite); }

    // Pixels of one value, as a set of points.
    std::vector<Point> pixels(uint32_t value) const {
        std::vector<Point> out;
        for (int32_t y = 0; y < bitmap->height(); ++y)
            for (int32_t x = 0; x < bitmap->width(); ++x)
                if (bitmap->pixel(x, y) == value) out.push_back({x, y});
        return out;
    }
    static Rect boundsOf(const std::vector<Point>& points) {
        Rect r{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
        for (const Point& p : points)
            r = {std::min(r.left, p.x), std::min(r.top, p.y), std::max(r.right, p.x + 1),
                 std::max(r.bottom, p.y + 1)};
        return r;
    }
    std::vector<Point> drawn(int32_t x, int32_t y, const std::string& text, uint32_t align) {
        clear();
        dc.setTextAlign(align);
        dc.textOut(x, y, text);
        return pixels(kBlue);
    }

    BitmapPtr bitmap;
    DeviceContext dc;
};

std::vector<Point> shifted(std::vector<Point> points, int32_t dx, int32_t dy) {
    for (Point& p : points)
        p = {p.x + dx, p.y + dy};
    return points;
}

} // namespace

TEST_F(Text, RegistryAddsFindsAndRemovesFontFiles) {
    FontRegistry& registry = FontRegistry::instance();
    EXPECT_FALSE(registry.addFontFile("/nonexistent/font.ttf"));
    const auto notAFont = std::filesystem::temp_directory_path() / "verigraf-not-a-font.ttf";
    std::ofstream(notAFont) << "plain text";
    EXPECT_FALSE(registry.addFontFile(notAFont.string()));
    std::filesystem::remove(notAFont);

    const auto families = registry.addFontFile(kLiberationMono);
    ASSERT_TRUE(families);
    EXPECT_EQ(*families, std::vector<std::string>{"Liberation Mono"});
    EXPECT_EQ(registry.facesOf("LIBERATION mono").size(), 1u);
    EXPECT_TRUE(registry.facesOf("Liberation").empty());

    // Two additions take two removals.
    EXPECT_TRUE(registry.addFontFile(kLiberationMono));
    EXPECT_TRUE(registry.removeFontFile(kLiberationMono));
    EXPECT_EQ(registry.facesOf("liberation mono").size(), 1u);
    EXPECT_TRUE(registry.removeFontFile(kLiberationMono));
    EXPECT_TRUE(registry.facesOf("liberation mono").empty());
    EXPECT_FALSE(registry.removeFontFile(kLiberationMono));
}

TEST_F(Text, MapperPrefersPrivateFontsAndForgetsThemOnRemoval) {
    // A private copy of a system font: the copy must win while it is added.
    const auto dir = std::filesystem::temp_directory_path() / "verigraf-text-test";
    std::filesystem::create_directories(dir);
    const std::string copy = (dir / "PrivateMono.ttf").string();
    std::filesystem::copy_file(kLiberationMono, copy, std::filesystem::copy_options::overwrite_existing);

    LogFont log = font("liberation MONO", -13);
    ASSERT_TRUE(FontRegistry::instance().addFontFile(copy));
    select(log);
    EXPECT_EQ(FontMapper::instance().match(log)->path, copy);
    EXPECT_GT(dc.textExtent("abc").cx, 0);

    FontRegistry::instance().removeFontFile(copy);
    EXPECT_NE(FontMapper::instance().match(log)->path, copy);
    EXPECT_GT(dc.textExtent("abc").cx, 0); // drawn from the system's file now
    std::filesystem::remove_all(dir);
}

TEST_F(Text, UnknownFacesGetASubstituteOfTheAskedPitch) {
    const std::vector<std::string> families = systemFontFamilies();
    ASSERT_FALSE(families.empty());
    EXPECT_TRUE(
        std::is_sorted(families.begin(), families.end(),
                       [](const std::string& a, const std::string& b) { return foldCase(a) < foldCase(b); }));
    EXPECT_EQ(std::adjacent_find(families.begin(), families.end()), families.end());
    for (const char* expected : {"DejaVu Sans", "DejaVu Sans Mono", "Liberation Mono"})
        EXPECT_NE(std::find(families.begin(), families.end(), expected), families.end()) << expected;

    LogFont log = font("No Such Face At All", -13);
    const auto sans = FontMapper::instance().match(log);
    ASSERT_TRUE(sans);
    EXPECT_NE(std::find(families.begin(), families.end(), sans->family), families.end());
    EXPECT_FALSE(sans->fixedPitch);

    log.pitchAndFamily = 0x01 | 0x30; // FIXED_PITCH | FF_MODERN
    const auto mono = FontMapper::instance().match(log);
    ASSERT_TRUE(mono);
    EXPECT_TRUE(mono->fixedPitch);

    // A name nobody knows gets the free face the program depends on, whatever else the
    // machine prefers; a name fontconfig knows keeps its metric twin.
    log.pitchAndFamily = 0x10; // FF_ROMAN
    EXPECT_EQ(FontMapper::instance().match(log)->family, "DejaVu Serif");
    log.faceName = "Times New Roman";
    EXPECT_EQ(FontMapper::instance().match(log)->family, "Liberation Serif");
    log = font("No Such Face At All", -13);
    log.pitchAndFamily = 0x01 | 0x30;

    // The substitute draws: the text has a width and the metrics a height.
    select(log);
    EXPECT_GT(dc.textExtent("Text").cx, 0);
    EXPECT_GT(dc.textMetrics().height, 0);
}

TEST_F(Text, SizesAndMetricsFollowTheLogicalHeight) {
    select(font("DejaVu Sans", -13));
    TextMetrics tm = dc.textMetrics();
    EXPECT_EQ(tm.height - tm.internalLeading, 13); // the em
    EXPECT_EQ(tm.ascent + tm.descent, tm.height);
    EXPECT_GT(tm.descent, 0);
    EXPECT_EQ(tm.weight, FW_NORMAL);
    EXPECT_EQ(tm.pitchAndFamily & 0x01, 0x01); // variable pitch, as the interface flags it
    EXPECT_EQ(dc.textExtent("").cy, tm.height);

    select(font("DejaVu Sans", 20)); // the cell
    tm = dc.textMetrics();
    EXPECT_EQ(tm.height, 20);
    EXPECT_EQ(tm.ascent + tm.descent, 20);
    EXPECT_LT(tm.height - tm.internalLeading, 20);

    select(font("DejaVu Sans", 0));
    EXPECT_EQ(dc.textMetrics().height, 16);

    select(font("Liberation Mono", -13));
    tm = dc.textMetrics();
    EXPECT_EQ(tm.pitchAndFamily & 0xF1, 0x30); // fixed pitch, modern
    EXPECT_EQ(tm.aveCharWidth, dc.textExtent("x").cx);
}

// A cell height picks the largest em whose whole cell fits; ascent and descent are then
// rounded each on its own, so the cell may come out a pixel taller or shorter.
TEST_F(Text, CellHeightsComeOutWithinAPixelOfTheAskedOne) {
    int32_t taller = 0;
    for (int32_t height = 6; height <= 80; ++height) {
        select(font("DejaVu Sans", height));
        const TextMetrics tm = dc.textMetrics();
        EXPECT_LE(std::abs(tm.height - height), 1) << height;
        EXPECT_LE(tm.height - tm.internalLeading, height) << height; // the em never exceeds it
        EXPECT_EQ(tm.ascent + tm.descent, tm.height) << height;
        taller += tm.height > height;
    }
    EXPECT_GT(taller, 0); // as at 17, where the reference's cell is 18 pixels
}

// Right and centre alignment move the line back along itself by its measured extent,
// turned and cut to pixels as the glyphs are placed: whatever the escapement, the text
// a layout measured lands where it was meant to.
TEST_F(Text, TurnedLinesAlignByTheirMeasuredExtent) {
    for (int32_t escapement : {0, 150, 300, 900, 1350, 1800, 2700, -450}) {
        LogFont log = font("DejaVu Sans", -15);
        log.escapement = escapement;
        select(log);
        const int32_t cx = dc.textExtent("Ruler 12").cx;
        const double radians = escapement * std::numbers::pi / 1800;
        const int32_t wx = int32_t(std::cos(radians) * cx), wy = int32_t(-std::sin(radians) * cx);
        const std::vector<Point> left = drawn(100, 100, "Ruler 12", TA_LEFT | TA_BASELINE);
        ASSERT_FALSE(left.empty()) << escapement;
        EXPECT_EQ(drawn(100, 100, "Ruler 12", TA_RIGHT | TA_BASELINE), shifted(left, -wx, -wy)) << escapement;
        EXPECT_EQ(drawn(100, 100, "Ruler 12", TA_CENTER | TA_BASELINE), shifted(left, -wx / 2, -wy / 2))
            << escapement;
    }
}

TEST_F(Text, ExtentsAddAdvancesAndCharacterExtra) {
    select(font("Liberation Mono", -13));
    const int32_t advance = dc.textExtent("i").cx;
    ASSERT_GT(advance, 0);
    EXPECT_EQ(dc.textExtent("iiiiiiii").cx, 8 * advance);
    EXPECT_EQ(dc.textExtent("WWWWWWWW").cx, 8 * advance);
    EXPECT_EQ(dc.textExtent("Жёлтый").cx, 6 * advance); // counted in characters, not bytes
    dc.setTextCharacterExtra(3);
    EXPECT_EQ(dc.textExtent("iiii").cx, 4 * (advance + 3));

    // Proportional faces: narrow letters are narrower.
    select(font("DejaVu Sans", -13));
    dc.setTextCharacterExtra(0);
    EXPECT_LT(dc.textExtent("iiii").cx, dc.textExtent("WWWW").cx);
}

TEST_F(Text, BoldIsWiderAndDarker) {
    select(font("DejaVu Sans", -16));
    const Size normalSize = dc.textExtent("Bold text");
    const size_t normalInk = drawn(10, 10, "Bold text", TA_LEFT | TA_TOP).size();
    select(font("DejaVu Sans", -16, FW_BOLD));
    EXPECT_EQ(dc.textMetrics().weight, FW_BOLD);
    EXPECT_GT(dc.textExtent("Bold text").cx, normalSize.cx);
    EXPECT_GT(drawn(10, 10, "Bold text", TA_LEFT | TA_TOP).size(), normalInk * 5 / 4);
}

TEST_F(Text, MissingBoldAndItalicAreSynthesised) {
    if (!std::filesystem::exists(kDejaVuSansLight)) GTEST_SKIP() << "no single-face family installed";
    const auto families = FontRegistry::instance().addFontFile(kDejaVuSansLight);
    ASSERT_TRUE(families);
    const std::string family = families->front(); // one face only: nothing to pick for bold or italic

    select(font(family, -16));
    const int32_t width = dc.textExtent("llll").cx;
    const std::vector<Point> light = drawn(10, 10, "llll", TA_LEFT | TA_TOP);

    select(font(family, -16, FW_BOLD));
    EXPECT_EQ(dc.textMetrics().weight, FW_BOLD);
    // A pixel more advance per glyph; the strokes thicken by a 24th of the em, which at
    // this size widens some rows of a stem only.
    EXPECT_EQ(dc.textExtent("llll").cx, width + 4);
    const std::vector<Point> bold = drawn(10, 10, "llll", TA_LEFT | TA_TOP);
    EXPECT_GT(bold.size(), light.size());
    EXPECT_GT(boundsOf(bold).width(), boundsOf(light).width());

    LogFont italic = font(family, -16);
    italic.italic = true;
    select(italic);
    EXPECT_TRUE(dc.textMetrics().italic);
    // A slanted "l": its top leans to the right of its foot.
    const std::vector<Point> ink = drawn(10, 10, "l", TA_LEFT | TA_TOP);
    const Rect box = boundsOf(ink);
    int32_t topX = INT32_MAX, footX = INT32_MAX;
    for (const Point& p : ink) {
        if (p.y == box.top) topX = std::min(topX, p.x);
        if (p.y == box.bottom - 1) footX = std::min(footX, p.x);
    }
    EXPECT_GE(topX - footX, 2);
}

TEST_F(Text, InkIsTheTextColourInsideTheExtentWhateverTheRop) {
    select(font("DejaVu Sans", -13));
    dc.setROP2(R2_XORPEN); // text is copied, not combined
    const Size size = dc.textExtent("Hello World");
    const std::vector<Point> ink = drawn(20, 30, "Hello World", TA_LEFT | TA_TOP);
    ASSERT_FALSE(ink.empty());
    EXPECT_EQ(pixels(kWhite).size() + ink.size(), size_t(200 * 200)); // nothing but text colour
    const Rect box = boundsOf(ink);
    EXPECT_GE(box.left, 20);
    EXPECT_GE(box.top, 30);
    EXPECT_LE(box.right, 20 + size.cx);
    EXPECT_LE(box.bottom, 30 + size.cy);
    EXPECT_GT(box.width(), size.cx * 3 / 4);
}

TEST_F(Text, AlignmentMovesTheTextAboutTheReferencePoint) {
    select(font("DejaVu Sans", -13));
    const TextMetrics tm = dc.textMetrics();
    const Size size = dc.textExtent("Align");
    const std::vector<Point> topLeft = drawn(100, 100, "Align", TA_LEFT | TA_TOP);
    ASSERT_FALSE(topLeft.empty());
    EXPECT_EQ(drawn(100, 100, "Align", TA_LEFT | TA_BASELINE), shifted(topLeft, 0, -tm.ascent));
    EXPECT_EQ(drawn(100, 100, "Align", TA_LEFT | TA_BOTTOM), shifted(topLeft, 0, -tm.height));
    EXPECT_EQ(drawn(100, 100, "Align", TA_RIGHT | TA_TOP), shifted(topLeft, -size.cx, 0));
    EXPECT_EQ(drawn(100, 100, "Align", TA_CENTER | TA_BASELINE), shifted(topLeft, -size.cx / 2, -tm.ascent));
}

TEST_F(Text, OpaqueModeFillsTheTextCell) {
    select(font("DejaVu Sans", -13));
    const Size size = dc.textExtent("Box");
    dc.setBkMode(OPAQUE);
    const std::vector<Point> ink = drawn(40, 50, "Box", TA_LEFT | TA_TOP);
    const std::vector<Point> background = pixels(kYellow);
    EXPECT_EQ(ink.size() + background.size(), size_t(size.cx * size.cy));
    EXPECT_EQ(boundsOf(background), (Rect{40, 50, 40 + size.cx, 50 + size.cy}));
    EXPECT_EQ(boundsOf(ink).intersected({40, 50, 40 + size.cx, 50 + size.cy}), boundsOf(ink));
}

TEST_F(Text, EscapementTurnsTheLineAndItsGlyphs) {
    select(font("DejaVu Sans", -13));
    const Size size = dc.textExtent("Upward");
    const TextMetrics tm = dc.textMetrics();
    const std::vector<Point> flat = drawn(100, 150, "Upward", TA_LEFT | TA_TOP);

    LogFont turned = font("DejaVu Sans", -13);
    turned.escapement = 900;
    select(turned);
    dc.setBkMode(OPAQUE);
    const std::vector<Point> ink = drawn(100, 150, "Upward", TA_LEFT | TA_TOP);
    // A quarter turn: the line stands on the reference point's right and rises from it.
    // The background is the upright cell of the line's horizontal extent, which is none.
    const Rect cell{100, 150 - size.cx, 100 + size.cy, 150};
    EXPECT_TRUE(pixels(kYellow).empty());
    EXPECT_EQ(boundsOf(ink).intersected(cell), boundsOf(ink));
    EXPECT_GT(boundsOf(ink).height(), boundsOf(ink).width() * 2);
    EXPECT_NEAR(double(ink.size()), double(flat.size()), flat.size() * 0.1);

    // Thirty degrees: the line climbs to the right, over an upright background from the
    // reference point (moved down the turned ascent) as far right as the line reaches.
    turned.escapement = 300;
    select(turned);
    const std::vector<Point> slantedInk = drawn(20, 150, "Upward", TA_LEFT | TA_BASELINE);
    const Rect slanted = boundsOf(slantedInk);
    EXPECT_LE(slanted.top, 150 - size.cx / 2 + 2);
    EXPECT_LE(slanted.right, 20 + size.cx);
    EXPECT_GT(slanted.right, 20 + size.cx * 3 / 4);
    const int32_t reach = int32_t(size.cx * std::cos(std::numbers::pi / 6));
    const Rect box{20, 150 - tm.ascent, 20 + reach, 150 + tm.descent};
    const std::vector<Point> background = pixels(kYellow);
    EXPECT_EQ(boundsOf(background).intersected(box), boundsOf(background));
    size_t inkInBox = 0;
    for (const Point& p : slantedInk)
        inkInBox += box.contains(p.x, p.y);
    EXPECT_EQ(background.size() + inkInBox, size_t(box.width() * box.height()));

    // Along the line each glyph sits where the advance before it, turned, ends: a line
    // of one glyph repeated puts every copy at the truncated turned offset.
    turned.escapement = 450;
    select(turned);
    dc.setBkMode(TRANSPARENT);
    const std::vector<Point> one = drawn(40, 160, "I", TA_LEFT | TA_BASELINE);
    const int32_t advance = dc.textExtent("I").cx;
    std::vector<Point> repeated = drawn(40, 160, "III", TA_LEFT | TA_BASELINE);
    std::vector<Point> expected;
    for (int i = 0; i < 3; ++i) {
        const double along = double(advance) * i * std::numbers::sqrt2 / 2;
        for (const Point& p : shifted(one, int32_t(along), -int32_t(along)))
            if (std::find(expected.begin(), expected.end(), p) == expected.end()) expected.push_back(p);
    }
    std::sort(expected.begin(), expected.end(),
              [](Point a, Point b) { return a.y != b.y ? a.y < b.y : a.x < b.x; });
    EXPECT_EQ(repeated, expected);
}

TEST_F(Text, ClippingKeepsTextInsideTheClipRegion) {
    select(font("DejaVu Sans", -13));
    dc.setBkMode(OPAQUE);
    const std::vector<Point> whole = drawn(20, 20, "Clipped text", TA_LEFT | TA_TOP);
    const Rect clip{30, 0, 60, 200};
    const Region region(clip);
    dc.selectClipRegion(&region);
    std::vector<Point> inside;
    std::copy_if(whole.begin(), whole.end(), std::back_inserter(inside),
                 [&](const Point& p) { return clip.contains(p.x, p.y); });
    EXPECT_EQ(drawn(20, 20, "Clipped text", TA_LEFT | TA_TOP), inside);
    EXPECT_EQ(boundsOf(pixels(kYellow)).intersected(clip), boundsOf(pixels(kYellow)));
}

TEST_F(Text, CyrillicAndDecorationsRender) {
    select(font("DejaVu Sans", -13));
    const std::vector<Point> cyrillic = drawn(10, 10, "Жук", TA_LEFT | TA_TOP);
    EXPECT_GT(cyrillic.size(), 20u);
    EXPECT_NE(cyrillic,
              drawn(10, 10, "\xEE\x80\x80\xEE\x80\x80\xEE\x80\x80", TA_LEFT | TA_TOP)); // U+E000: no glyph
    EXPECT_EQ(dc.textMetrics().charSet, 204); // the face covers the Cyrillic code page

    LogFont underlined = font("DejaVu Sans", -13);
    underlined.underline = true;
    select(underlined);
    EXPECT_TRUE(dc.textMetrics().underlined);
    const Size size = dc.textExtent("a b");
    const std::vector<Point> ink = drawn(10, 10, "a b", TA_LEFT | TA_TOP);
    // Some row below the baseline carries ink across the whole extent.
    const int32_t baseline = 10 + dc.textMetrics().ascent;
    bool full = false;
    for (int32_t y = baseline; y < 10 + size.cy; ++y) {
        bool row = true;
        for (int32_t x = 10; x < 10 + size.cx; ++x)
            row = row && bitmap->pixel(x, y) == kBlue;
        full = full || row;
    }
    EXPECT_TRUE(full);
}
