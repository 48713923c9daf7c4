#include "SketchPage.h"

#include <gtest/gtest.h>

#include <random>

using namespace gdi;
using namespace gdi_test;

namespace {

struct Stroke {
    int style;
    int rop2;
    std::vector<Point> points; // a polyline, or a single line drawn with moveTo and lineTo
};

// Draws the strokes shifted by (dx, dy).
void draw(DeviceContext& dc, const std::vector<Stroke>& strokes, int32_t dx, int32_t dy) {
    dc.setBkMode(OPAQUE);
    dc.setBkColor(0x0000FF);
    for (const Stroke& s : strokes) {
        dc.selectPen(createPen(s.style, 1, 0x800080));
        dc.setROP2(s.rop2);
        std::vector<Point> pts = s.points;
        for (Point& p : pts)
            p = {p.x + dx, p.y + dy};
        if (pts.size() == 2) {
            dc.moveTo(pts[0].x, pts[0].y);
            dc.lineTo(pts[1].x, pts[1].y);
        } else {
            dc.polyline(pts.data(), int(pts.size()));
        }
    }
}

std::vector<Stroke> randomStrokes(std::mt19937& rng, int32_t reach) {
    std::uniform_int_distribution<int32_t> coord(-reach, reach);
    std::uniform_int_distribution<int> style(PS_SOLID, PS_DASHDOTDOT);
    std::uniform_int_distribution<int> rop(R2_BLACK, R2_WHITE);
    std::uniform_int_distribution<int> count(2, 6);
    std::vector<Stroke> strokes(12);
    for (Stroke& s : strokes) {
        s.style = style(rng);
        s.rop2 = rop(rng);
        s.points.resize(count(rng));
        for (Point& p : s.points)
            p = {coord(rng), coord(rng)};
    }
    return strokes;
}

} // namespace

// A line that leaves the bitmap must cover the same pixels inside it, with the same dash
// phase, as it does on a bitmap large enough to hold all of it.
TEST(CosmeticLines, LeavingTheBitmapDoesNotMoveAnyPixel) {
    std::mt19937 rng(7);
    for (int round = 0; round < 200; ++round) {
        const std::vector<Stroke> strokes = randomStrokes(rng, 60);
        DeviceContext whole = whiteDC(160, 160);
        draw(whole, strokes, 80, 80);
        DeviceContext window = whiteDC(23, 17);
        draw(window, strokes, 0, 0);
        ASSERT_TRUE(pixelsAre(*window.bitmap(),
                              [&](int32_t x, int32_t y) { return whole.bitmap()->pixel(x + 80, y + 80); }))
            << "round " << round;
    }
}

// The clip region only decides which of the line's pixels land, however many bands and
// rectangles it has.
TEST(CosmeticLines, TheClipRegionOnlyMasksThePixels) {
    std::mt19937 rng(11);
    const Point star[] = {{16, 0}, {20, 27}, {1, 8}, {31, 9}, {10, 27}, {2, 20}, {30, 3}};
    const Region clip =
        Region::combine(Region::fromPolygon(star, 7, ALTERNATE), Region(Rect{8, 12, 30, 25}), RegionOp::Xor);
    ASSERT_GT(clip.rects().size(), 40u);
    for (int round = 0; round < 100; ++round) {
        const std::vector<Stroke> strokes = randomStrokes(rng, 40);
        DeviceContext free = whiteDC(32, 28);
        draw(free, strokes, 0, 0);
        DeviceContext clipped = whiteDC(32, 28);
        clipped.selectClipRegion(&clip);
        draw(clipped, strokes, 0, 0);
        ASSERT_TRUE(pixelsAre(
            *clipped.bitmap(),
            [&](int32_t x, int32_t y) { return clip.contains(x, y) ? free.bitmap()->pixel(x, y) : kWhite; }))
            << "round " << round;
    }
}

TEST(CosmeticLines, TrueColourBitmapsGetTheSamePixelsAsIndexedOnes) {
    std::mt19937 rng(3);
    const std::vector<Stroke> strokes = randomStrokes(rng, 40);
    DeviceContext indexed = whiteDC(30, 30);
    DeviceContext rgb = whiteDC(30, 30, 32);
    for (Stroke s : strokes) {
        s.rop2 = R2_COPYPEN; // ROP2s on palette indices and on colours differ by design
        draw(indexed, {s}, 0, 0);
        draw(rgb, {s}, 0, 0);
    }
    for (int32_t y = 0; y < 30; ++y)
        for (int32_t x = 0; x < 30; ++x)
            ASSERT_EQ(rgb.getPixel(x, y), indexed.getPixel(x, y)) << x << "," << y;
}

TEST(CosmeticLines, EndlesslyLongLinesStillCrossTheBitmap) {
    DeviceContext dc = whiteDC(10, 10);
    dc.moveTo(-2000000000, 4);
    dc.lineTo(2000000000, 4);
    dc.moveTo(6, 2000000000);
    dc.lineTo(6, -2000000000);
    for (int32_t i = 0; i < 10; ++i) {
        EXPECT_EQ(dc.bitmap()->pixel(i, 4), 0u);
        EXPECT_EQ(dc.bitmap()->pixel(6, i), 0u);
    }
}

TEST(CosmeticLines, LineToMovesThePenEvenWhenNothingIsDrawn) {
    DeviceContext dc = whiteDC(8, 8);
    dc.selectPen(stockNullPen());
    dc.moveTo(1, 1);
    dc.lineTo(6, 3);
    EXPECT_EQ(dc.currentPosition(), (Point{6, 3}));
    dc.selectPen(stockBlackPen());
    const Point pts[3] = {{0, 0}, {7, 7}, {0, 7}};
    dc.polyline(pts, 3);
    EXPECT_EQ(dc.currentPosition(), (Point{6, 3})) << "a polyline leaves the current position alone";
    dc.bitmap()->fill(kWhite);
    dc.selectPen(stockNullPen());
    dc.polyline(pts, 3);
    dc.rectangle(0, 0, 8, 8);
    EXPECT_TRUE(pixelsAre(*dc.bitmap(), [](int32_t, int32_t) { return kWhite; }))
        << "the null pen paints nothing";
}
