#include "document/DrawingUtils.h"
#include "SketchTestSupport.h"
#include "document/LineObj.h"
#include "document/RotatedText.h"
#include "document/SketchBitmap.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

using namespace testing_support;

namespace {

constexpr gdi::COLORREF White = 0xFFFFFF;
constexpr gdi::COLORREF Red = 0x0000FF;

using PixelSet = std::set<std::pair<int32_t, int32_t>>;

// A white sketch in a DC whose selected objects and mode the routines must give back.
struct Canvas {
    explicit Canvas(int32_t w = 200, int32_t h = 120) {
        dc.selectBitmap(CreateSketchDib(w, h));
        dc.fillRect({0, 0, w, h}, gdi::stockWhiteBrush());
        dc.selectPen(pen);
        dc.selectBrush(brush);
        dc.setROP2(gdi::R2_XORPEN);
    }
    PixelSet painted() const {
        PixelSet out;
        const gdi::Bitmap& bm = *dc.bitmap();
        for (int32_t y = 0; y < bm.height(); ++y)
            for (int32_t x = 0; x < bm.width(); ++x)
                if (dc.getPixel(x, y) != White) out.insert({x, y});
        return out;
    }
    void expectStateKept() const {
        EXPECT_EQ(dc.pen(), pen);
        EXPECT_EQ(dc.brush(), brush);
        EXPECT_EQ(dc.rop2(), gdi::R2_XORPEN);
    }

    gdi::DeviceContext dc;
    gdi::PenPtr pen = gdi::createPen(gdi::PS_DOT, 1, 0x800000);
    gdi::BrushPtr brush = gdi::createHatchBrush(gdi::HS_CROSS, 0x008080);
};

} // namespace

TEST(DrawingUtilsTest, XMarkerCoversElevenPixelsOnEachDiagonal) {
    Canvas c;
    DrawXMarker(c.dc, Red, {10, 10});
    PixelSet expected;
    for (int32_t i = 0; i <= 10; ++i) {
        expected.insert({5 + i, 5 + i});
        expected.insert({15 - i, 5 + i});
    }
    EXPECT_EQ(c.painted(), expected);
    EXPECT_EQ(c.dc.getPixel(10, 10), Red);
    EXPECT_EQ(c.dc.getPixel(16, 16), White);
    EXPECT_EQ(c.dc.getPixel(4, 16), White);
    c.expectStateKept();
}

TEST(DrawingUtilsTest, ArrowOutlineAndShaft) {
    Canvas c;
    DrawArrow(c.dc, Red, {100, 50}, 1.0f, 0.0f, false);
    const PixelSet head = c.painted();
    for (auto [x, y] : {std::pair{85, 47}, {88, 50}, {85, 53}, {100, 50}})
        EXPECT_TRUE(head.count({x, y})) << x << "," << y;
    for (auto [x, y] : head) {
        EXPECT_GE(x, 85);
        EXPECT_LE(x, 100);
        EXPECT_GE(y, 47);
        EXPECT_LE(y, 53);
    }
    // The notch: nothing on the axis between its bottom and where the barbs meet at
    // the tip.
    for (int32_t x = 89; x < 98; ++x)
        EXPECT_EQ(c.dc.getPixel(x, 50), White) << x;
    c.expectStateKept();

    Canvas shaft;
    DrawArrow(shaft.dc, Red, {100, 50}, 1.0f, 0.0f, true);
    PixelSet withShaft = shaft.painted();
    for (int32_t x = 81; x <= 100; ++x)
        EXPECT_TRUE(withShaft.count({x, 50})) << x;
    // The line leaves its end pixel, so the shaft stops short of (80, 50).
    EXPECT_FALSE(withShaft.count({80, 50}));
    for (auto p : head)
        withShaft.erase(p);
    EXPECT_GT(withShaft.size(), 9u);
    for (auto [x, y] : withShaft)
        EXPECT_EQ(y, 50) << x;
}

TEST(DrawingUtilsTest, ArrowTurnsWithScreenYDown) {
    // Pointing down the screen: the upper barb of the arrow's frame lies to the right.
    Canvas c;
    DrawArrow(c.dc, Red, {50, 100}, 0.0f, 1.0f, false);
    const PixelSet p = c.painted();
    EXPECT_TRUE(p.count({53, 85}));
    EXPECT_TRUE(p.count({50, 88}));
    EXPECT_TRUE(p.count({47, 85}));
    EXPECT_TRUE(p.count({50, 100}));
    EXPECT_FALSE(p.count({50, 101}));
    EXPECT_FALSE(p.count({50, 95}));
}

TEST(DrawingUtilsTest, CrossHairTwiceRestoresThePicture) {
    gdi::DeviceContext dc;
    dc.selectBitmap(patternSketch(60, 40, 5));
    const std::vector<uint8_t> before = indices(*dc.bitmap());
    DrawCrossHair(dc, {0, 0, 60, 40}, {20, 10});
    const std::vector<uint8_t> once = indices(*dc.bitmap());
    DrawCrossHair(dc, {0, 0, 60, 40}, {20, 10});
    EXPECT_EQ(indices(*dc.bitmap()), before);

    // Once: every pixel of both lines is changed but their crossing, painted twice.
    size_t changed = 0;
    for (size_t i = 0; i < once.size(); ++i)
        changed += once[i] != before[i];
    EXPECT_EQ(changed, size_t(60 + 40 - 2));
    EXPECT_EQ(once[10 * 60 + 20], before[10 * 60 + 20]);
    EXPECT_NE(once[10 * 60 + 0], before[10 * 60 + 0]);
    EXPECT_NE(once[39 * 60 + 20], before[39 * 60 + 20]);
}

TEST(DrawingUtilsTest, CrossHairIsGreenOnWhiteAndStopsBeforeItsBounds) {
    Canvas c;
    DrawCrossHair(c.dc, {10, 5, 30, 25}, {15, 12});
    EXPECT_EQ(c.dc.getPixel(10, 12), CrossHairColor);
    EXPECT_EQ(c.dc.getPixel(29, 12), CrossHairColor);
    EXPECT_EQ(c.dc.getPixel(30, 12), White);
    EXPECT_EQ(c.dc.getPixel(15, 5), CrossHairColor);
    EXPECT_EQ(c.dc.getPixel(15, 25), White);
    EXPECT_EQ(c.painted().size(), size_t(20 + 20 - 1 - 1));
    c.expectStateKept();
}

TEST(DrawingUtilsTest, PointMarkerShapes) {
    Canvas square;
    DrawPointMarker(square.dc, Red, {20, 20}, 3, PointMarkerSquare);
    PixelSet box;
    for (int32_t y = 17; y < 23; ++y)
        for (int32_t x = 17; x < 23; ++x)
            box.insert({x, y});
    EXPECT_EQ(square.painted(), box);
    square.expectStateKept();

    Canvas circle;
    DrawPointMarker(circle.dc, Red, {20, 20}, 3, PointMarkerCircle);
    const PixelSet disc = circle.painted();
    EXPECT_TRUE(disc.count({20, 20}));
    EXPECT_FALSE(disc.count({17, 17}));
    EXPECT_LT(disc.size(), box.size());
    for (auto p : disc)
        EXPECT_TRUE(box.count(p));
    circle.expectStateKept();

    Canvas none;
    DrawPointMarker(none.dc, Red, {20, 20}, 3, 2);
    DrawPointMarker(none.dc, Red, {20, 20}, 3, 255);
    EXPECT_TRUE(none.painted().empty());
    none.expectStateKept();
}

TEST(DrawingUtilsTest, LineObjectDrawsShiftedWithTheCallersPen) {
    Canvas c;
    TLineObj line;
    EXPECT_EQ(line.P1, NullPoint);
    EXPECT_EQ(line.P2, NullPoint);
    float cos = 7, sin = 9;
    EXPECT_EQ(line.GetDirection(cos, sin), -1);
    EXPECT_EQ(cos, 7);
    EXPECT_EQ(sin, 9);

    line.P1 = {10, 10};
    line.P2 = {40, 10};
    line.Offset(5, 20);
    EXPECT_EQ(line.P1, gdi::Point(15, 30));
    EXPECT_EQ(line.P2, gdi::Point(45, 30));
    EXPECT_EQ(line.GetDirection(cos, sin), 1);
    EXPECT_EQ(cos, 1.0f);
    EXPECT_EQ(sin, 0.0f);

    const gdi::PenPtr pen = gdi::createPen(gdi::PS_SOLID, 1, Red);
    line.Draw(c.dc, pen, gdi::R2_COPYPEN, 1, 2);
    EXPECT_EQ(c.dc.getPixel(16, 32), Red);
    EXPECT_EQ(c.dc.getPixel(45, 32), Red);
    EXPECT_EQ(c.dc.getPixel(46, 32), White);
    EXPECT_EQ(c.painted().size(), 30u);
    c.expectStateKept();

    Canvas marks;
    line.DrawEndMarks(marks.dc, Red, 0, 0);
    const PixelSet p = marks.painted();
    EXPECT_EQ(p.size(), 42u);
    EXPECT_TRUE(p.count({10, 25}) && p.count({20, 35}) && p.count({50, 25}) && p.count({40, 35}));
}

TEST(DrawingUtilsTest, RotatedFontTurnsByTenthsOfADegree) {
    EXPECT_EQ(CreateRotatedFont(-13, 1.5707964f)->log().escapement, 900);
    EXPECT_EQ(CreateRotatedFont(-13, 1.5707964f)->log().orientation, 900);
    EXPECT_EQ(CreateRotatedFont(-13, -0.7853982f)->log().escapement, -450);
    const gdi::LogFont log = CreateRotatedFont(-13, 0)->log();
    EXPECT_EQ(log.height, -13);
    EXPECT_EQ(log.faceName, "zyq courier");
    EXPECT_EQ(log.weight, 400);
}
