// The derived fonts drawn through the raster layer, added as the program adds them
// at start-up and selected by the face names the drawing tools ask for.

#include "gdi/DeviceContext.h"
#include "gdi/FontMapper.h"
#include "gdi/FontRegistry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

using namespace gdi;

namespace {

const std::string kFontsDir = FONTS_DIR;
const std::vector<COLORREF> kPalette = {
    0x000000, 0x000080, 0x0000FF, 0x008000, 0x008080, 0x00FF00, 0x00FFFF, 0x800000,
    0x800080, 0x808000, 0x808080, 0xC0C0C0, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF,
};
constexpr uint32_t kWhite = 15, kBlack = 0;
const char* const kBaseFamily = "Liberation Mono";

struct Ink {
    std::vector<Point> points;
    Rect bounds{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
    bool operator==(const Ink& other) const { return points == other.points; }
};

class DerivedFontsText : public ::testing::Test {
  protected:
    void SetUp() override {
        FontRegistry::instance().clear();
        FontMapper::instance().clear();
        const auto dimension = FontRegistry::instance().addFontFile(kFontsDir + "/ZYQVerigraf.ttf");
        const auto symbols = FontRegistry::instance().addFontFile(kFontsDir + "/ZYQ(gdt).ttf");
        ASSERT_TRUE(dimension && symbols);
        ASSERT_EQ(*dimension, std::vector<std::string>{"ZYQ Courier"});
        ASSERT_EQ(*symbols, std::vector<std::string>{"zyqverigraf"});
        bitmap = Bitmap::create(160, 60, 4, kPalette);
        dc.selectBitmap(bitmap);
        dc.setTextColor(0x000000);
        dc.setBkMode(TRANSPARENT);
    }
    void TearDown() override {
        FontRegistry::instance().clear();
        FontMapper::instance().clear();
    }

    void select(const std::string& face, int32_t height) {
        LogFont log;
        log.faceName = face;
        log.height = height;
        dc.selectFont(createFontIndirect(log));
    }
    // The pixels one string leaves, written with its bottom-left corner at (x, y).
    Ink draw(const std::string& text, int32_t x = 10, int32_t y = 40) {
        bitmap->fill(kWhite);
        dc.setTextAlign(TA_LEFT | TA_BOTTOM);
        dc.textOut(x, y, text);
        Ink ink;
        for (int32_t py = 0; py < bitmap->height(); ++py)
            for (int32_t px = 0; px < bitmap->width(); ++px)
                if (bitmap->pixel(px, py) == kBlack) {
                    ink.points.push_back({px, py});
                    ink.bounds = {std::min(ink.bounds.left, px), std::min(ink.bounds.top, py),
                                  std::max(ink.bounds.right, px + 1), std::max(ink.bounds.bottom, py + 1)};
                }
        return ink;
    }

    BitmapPtr bitmap;
    DeviceContext dc;
};

} // namespace

TEST_F(DerivedFontsText, DimensionFontSignsDifferFromTheBaseFontWhileLettersMatch) {
    for (int32_t height : {-13, -15, -16}) {
        SCOPED_TRACE(height);
        for (const char* text : {"$", "^", "’", "”", "$20", "45^30’"}) {
            select("zyq courier", height);
            const Ink sign = draw(text);
            select(kBaseFamily, height);
            EXPECT_FALSE(sign.points.empty()) << text;
            EXPECT_NE(sign, draw(text)) << text;
        }
        for (const char* text : {"AZ", "ЖЯ", "09", "эюя"}) {
            select("zyq courier", height);
            const Ink letters = draw(text);
            select(kBaseFamily, height);
            EXPECT_EQ(letters, draw(text)) << text;
        }
        select("zyq courier", height);
        EXPECT_NE(draw("$"), draw("0")) << "the diameter sign is not a zero";
        EXPECT_NE(draw("^"), draw("o"));
    }
}

TEST_F(DerivedFontsText, DeviationsStackBesideTheValueAsTheDimensionLayoutPlacesThem) {
    // "+0,1" over "-0,2", and all digits, in their raised and lowered forms.
    const std::string upper = "\u00B6\u0454\u0401\u00AB", lower = "\u00B5\u00A0\u0451\u045E";
    const std::string upperDigits = "\u0454\u00AB\u00AC\u00AD\u00AE\u0407\u00B0\u00B1\u0406\u0456";
    const std::string lowerDigits = "\u00A0\u040E\u045E\u0408\u00A4\u0490\u00A6\u00A7\u0404\u00A9";
    for (int32_t height : {-13, -15, -16}) {
        SCOPED_TRACE(height);
        select("zyq courier", height);
        // The value is lifted by a quarter of the text height, the upper deviation
        // written 5 pixels above the lower one, all with their bottoms at the given y.
        const int32_t lift = dc.textExtent("20").cy / 4;
        const Ink value = draw("20", 10, 40 - lift);
        const Ink raised = draw(upper, 40, 35), lowered = draw(lower, 40, 40);
        ASSERT_FALSE(value.points.empty() || raised.points.empty() || lowered.points.empty());
        EXPECT_GE(raised.bounds.top, value.bounds.top - 1) << "the upper deviation ends level with the value";
        EXPECT_GE(lowered.bounds.bottom, value.bounds.bottom) << "the lower one reaches the value's baseline";
        EXPECT_LT(raised.bounds.bottom - raised.bounds.top, value.bounds.bottom - value.bounds.top);
        for (const Point& a : raised.points)
            for (const Point& b : lowered.points)
                ASSERT_TRUE(std::abs(a.x - b.x) > 1 || std::abs(a.y - b.y) > 1) << "the rows touch";
        EXPECT_LT(draw(upperDigits, 10, 35).bounds.bottom, draw(lowerDigits, 10, 40).bounds.top)
            << "a free row between the digits of the two rows";
    }
}

TEST_F(DerivedFontsText, ToleranceSignsAreDistinctShapesNotLetters) {
    std::vector<Ink> signs;
    for (char sign : std::string("-ceg=fbarijhtkdnmsp")) {
        const std::string text(1, sign);
        select("ZYQVERIGRAF", -16);
        const Ink ink = draw(text);
        EXPECT_FALSE(ink.points.empty()) << text;
        EXPECT_EQ(std::find(signs.begin(), signs.end(), ink), signs.end())
            << text << " looks like another sign";
        signs.push_back(ink);
        select(kBaseFamily, -16);
        EXPECT_NE(ink, draw(text)) << text;
    }
    // Values and datums are written in the symbol font in ordinary digits and capitals.
    select("zyqverigraf", -16);
    const Ink value = draw("0,05 AБ");
    select(kBaseFamily, -16);
    EXPECT_EQ(value, draw("0,05 AБ"));
}
