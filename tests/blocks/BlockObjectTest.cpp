#include "blocks/BlockObject.h"
#include "document/SketchBitmap.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

constexpr gdi::COLORREF White = 0xFFFFFF;
constexpr gdi::COLORREF Black = 0x000000;
constexpr gdi::COLORREF Red = 0x0000FF;
constexpr gdi::COLORREF Blue = 0xFF0000;

TBlockPoint absolute(const TBlockObject& block, int32_t i) {
    TBlockPoint p{-999, -999};
    block.GetPoint(i, p);
    return p;
}

// A white sketch in a DC.
struct Canvas {
    gdi::DeviceContext dc;
    explicit Canvas(int32_t width = 40, int32_t height = 30) {
        dc.selectBitmap(CreateSketchDib(width, height));
        dc.fillRect(dc.bitmap()->bounds(), gdi::stockWhiteBrush());
    }
    gdi::COLORREF at(int32_t x, int32_t y) const { return dc.getPixel(x, y); }
    std::vector<uint32_t> pixels() const {
        std::vector<uint32_t> out;
        const gdi::Bitmap& b = *dc.bitmap();
        for (int32_t y = 0; y < b.height(); ++y)
            for (int32_t x = 0; x < b.width(); ++x)
                out.push_back(b.pixel(x, y));
        return out;
    }
};

// Points a (0), b (1), c (2), d (3) with segments a-b, b-c, c-d, d-b.
TBlockObject quadrilateral() {
    TBlockObject block;
    for (TBlockPoint p : {TBlockPoint{5, 5}, TBlockPoint{20, 5}, TBlockPoint{20, 20}, TBlockPoint{5, 20}})
        block.AddPoint(p);
    block.AddSegment(0, 1, gdi::PS_SOLID, 1);
    block.AddSegment(1, 2, gdi::PS_SOLID, 1);
    block.AddSegment(2, 3, gdi::PS_DASH, 1);
    block.AddSegment(3, 1, gdi::PS_SOLID, 3);
    return block;
}

TEST(BlockObject, FirstPointFixesTheAnchorAndLaterOnesAreKeptRelativeToIt) {
    TBlockObject block;
    EXPECT_FALSE(block.AnchorSet());
    EXPECT_EQ(block.AddPoint({12.5f, 7}), 0);
    EXPECT_TRUE(block.AnchorSet());
    EXPECT_EQ(block.GetAnchor(), (TBlockPoint{12.5f, 7}));
    EXPECT_EQ(block.AddPoint({20, 3}), 1);
    EXPECT_EQ(block.Points()[0], (TBlockPoint{0, 0}));
    EXPECT_EQ(block.Points()[1], (TBlockPoint{7.5f, -4}));
    EXPECT_EQ(absolute(block, 1), (TBlockPoint{20, 3}));

    // A block emptied point by point takes its next first point as the new anchor.
    block.DeletePoint(0);
    block.DeletePoint(0);
    block.AddPoint({1, 2});
    EXPECT_EQ(block.GetAnchor(), (TBlockPoint{1, 2}));
    EXPECT_EQ(block.Points()[0], (TBlockPoint{0, 0}));
}

TEST(BlockObject, IndicesOutsideTheBlockAreRefusedOrIgnored) {
    TBlockObject block;
    block.AddPoint({1, 1});
    block.AddPoint({4, 1});
    EXPECT_EQ(block.AddSegment(0, 2, 0, 1), -1);
    EXPECT_EQ(block.AddSegment(2, 0, 0, 1), -1);
    EXPECT_EQ(block.AddSegment(-1, 0, 0, 1), -1);
    EXPECT_EQ(block.AddSegment(1, 0, 0, 1), 0);
    EXPECT_EQ(block.AddSegment(1, 1, 0, 1), 1); // a point-long segment is still a segment

    TBlockPoint untouched{-7, -7};
    block.GetPoint(2, untouched);
    block.GetPoint(-1, untouched);
    EXPECT_EQ(untouched, (TBlockPoint{-7, -7}));
    block.SetPoint(2, {50, 50});
    block.SetPoint(-1, {50, 50});
    block.DeletePoint(2);
    block.DeletePoint(-1);
    block.DeleteSegment(2);
    block.DeleteSegment(-1);
    EXPECT_EQ(block.PointCount(), 2);
    EXPECT_EQ(block.SegmentCount(), 2);
    EXPECT_EQ(absolute(block, 1), (TBlockPoint{4, 1}));
}

TEST(BlockObject, FindPointMatchesExactAbsolutePositionsOnly) {
    TBlockObject block;
    block.AddPoint({3, 4});
    block.AddPoint({10, 4});
    block.AddPoint({10, 4}); // a duplicate: the first one is found
    EXPECT_EQ(block.FindPoint({10, 4}), 1);
    EXPECT_EQ(block.FindPoint({3, 4}), 0);
    EXPECT_EQ(block.FindPoint({10, 4.0001f}), -1);
    block.MoveBy(1, 0);
    EXPECT_EQ(block.FindPoint({10, 4}), -1);
    EXPECT_EQ(block.FindPoint({11, 4}), 1);
    EXPECT_EQ(TBlockObject().FindPoint({0, 0}), -1);
}

TEST(BlockObject, DeletingAPointTakesItsSegmentsAndRenumbersTheRest) {
    TBlockObject block = quadrilateral();
    block.DeletePoint(1); // b: three of the four segments run through it
    ASSERT_EQ(block.PointCount(), 3);
    ASSERT_EQ(block.SegmentCount(), 1);
    EXPECT_EQ(block.Segments()[0], (TBlockSegment{1, 2, gdi::PS_DASH, 1}));
    EXPECT_EQ(absolute(block, 1), (TBlockPoint{20, 20}));

    // The remaining drawing is exactly the dashed c-d line it was.
    TBlockObject reference;
    for (TBlockPoint p : {TBlockPoint{5, 5}, TBlockPoint{20, 20}, TBlockPoint{5, 20}})
        reference.AddPoint(p);
    reference.AddSegment(1, 2, gdi::PS_DASH, 1);
    Canvas after, expected;
    block.DrawSegments(after.dc, gdi::R2_COPYPEN, Black);
    reference.DrawSegments(expected.dc, gdi::R2_COPYPEN, Black);
    EXPECT_EQ(after.pixels(), expected.pixels());

    // Deleting the first point renumbers every segment.
    TBlockObject other = quadrilateral();
    other.DeletePoint(0);
    ASSERT_EQ(other.SegmentCount(), 3);
    EXPECT_EQ(other.Segments()[0], (TBlockSegment{0, 1, gdi::PS_SOLID, 1}));
    EXPECT_EQ(other.Segments()[1], (TBlockSegment{1, 2, gdi::PS_DASH, 1}));
    EXPECT_EQ(other.Segments()[2], (TBlockSegment{2, 0, gdi::PS_SOLID, 3}));
    // The anchor stays where the deleted first point was; positions do not move.
    EXPECT_EQ(other.GetAnchor(), (TBlockPoint{5, 5}));
    EXPECT_EQ(absolute(other, 0), (TBlockPoint{20, 5}));
}

TEST(BlockObject, SegmentsAndUnusedPointsAreRemovedInOrder) {
    TBlockObject block = quadrilateral();
    block.AddPoint({30, 30}); // 4, never joined
    block.DeleteSegment(0);   // a-b: a is left alone
    ASSERT_EQ(block.SegmentCount(), 3);
    EXPECT_EQ(block.Segments()[0], (TBlockSegment{1, 2, gdi::PS_SOLID, 1}));
    block.RemoveUnusedPoints();
    ASSERT_EQ(block.PointCount(), 3);
    EXPECT_EQ(absolute(block, 0), (TBlockPoint{20, 5}));
    EXPECT_EQ(absolute(block, 2), (TBlockPoint{5, 20}));
    EXPECT_EQ(block.Segments()[0], (TBlockSegment{0, 1, gdi::PS_SOLID, 1}));
    EXPECT_EQ(block.Segments()[1], (TBlockSegment{1, 2, gdi::PS_DASH, 1}));
    EXPECT_EQ(block.Segments()[2], (TBlockSegment{2, 0, gdi::PS_SOLID, 3}));

    // Without segments every point goes.
    while (block.SegmentCount() > 0)
        block.DeleteSegment(block.SegmentCount() - 1);
    block.RemoveUnusedPoints();
    EXPECT_EQ(block.PointCount(), 0);
}

TEST(BlockObject, AnchorMovesTheBlockOrReexpressesItsPoints) {
    TBlockObject block;
    block.AddPoint({10, 10});
    block.AddPoint({14, 13});
    EXPECT_EQ(block.SetAnchor({0, 20}), (TBlockPoint{10, 10}));
    EXPECT_TRUE(block.AnchorSet());
    EXPECT_EQ(block.GetAnchor(), (TBlockPoint{0, 20}));
    EXPECT_EQ(absolute(block, 0), (TBlockPoint{10, 10}));
    EXPECT_EQ(absolute(block, 1), (TBlockPoint{14, 13}));
    EXPECT_EQ(block.Points()[0], (TBlockPoint{10, -10}));

    block.MoveBy(2.5f, -1);
    EXPECT_EQ(block.GetAnchor(), (TBlockPoint{2.5f, 19}));
    EXPECT_EQ(absolute(block, 1), (TBlockPoint{16.5f, 12}));
    block.SetPoint(1, {0, 0});
    EXPECT_EQ(block.Points()[1], (TBlockPoint{-2.5f, -19}));
}

TEST(BlockObject, RotationAndScaleActAboutTheAnchor) {
    TBlockObject block;
    block.AddPoint({100, 50});
    block.AddPoint({110, 50});
    block.Rotate(std::numbers::pi_v<float> / 2); // clockwise on screen: +x turns to +y
    TBlockPoint p = absolute(block, 1);
    EXPECT_NEAR(p.x, 100, 1e-5);
    EXPECT_NEAR(p.y, 60, 1e-5);
    EXPECT_EQ(absolute(block, 0), (TBlockPoint{100, 50}));

    block.Scale(2, 0.5f);
    p = absolute(block, 1);
    EXPECT_NEAR(p.x, 100, 1e-5);
    EXPECT_NEAR(p.y, 55, 1e-5);
    block.Rotate(-std::numbers::pi_v<float> / 2);
    p = absolute(block, 1);
    EXPECT_NEAR(p.x, 105, 1e-5);
    EXPECT_NEAR(p.y, 50, 1e-5);

    block.Clear();
    EXPECT_EQ(block.PointCount(), 0);
    EXPECT_EQ(block.SegmentCount(), 0);
    EXPECT_FALSE(block.AnchorSet());
    EXPECT_EQ(block.GetAnchor(), (TBlockPoint{0, 0}));
}

TEST(BlockObject, FitIntoShrinksOnlyAndCentresTheMeanPoint) {
    const gdi::Rect pane{0, 0, 169, 200};
    // Small blocks keep their size: the mean lands on the centre plus three.
    TBlockObject small;
    small.AddPoint({-10, -4});
    small.AddPoint({10, 4});
    small.AddPoint({30, 12});
    EXPECT_TRUE(small.FitInto(pane));
    EXPECT_EQ(absolute(small, 0), (TBlockPoint{67, 95}));
    EXPECT_EQ(absolute(small, 2), (TBlockPoint{107, 111}));

    // A block at (1000, 1000)-(1159, 1010) is only 159 wide, yet counting the origin
    // in makes its box 1159 by 1010, so it is shrunk by 159 / 1159 rather than not at all.
    TBlockObject far;
    far.AddPoint({1000, 1000});
    far.AddPoint({1159, 1010});
    EXPECT_TRUE(far.FitInto(pane));
    TBlockPoint a = absolute(far, 0), b = absolute(far, 1);
    EXPECT_NEAR(b.x - a.x, 159.0f * 159 / 1159, 1e-3);
    EXPECT_NEAR((a.x + b.x) / 2, 87, 1e-3);
    EXPECT_NEAR((a.y + b.y) / 2, 103, 1e-3);

    // The larger of the two ratios decides, whatever the sign of the coordinates.
    TBlockObject tall;
    tall.AddPoint({0, 0});
    tall.AddPoint({-50, -380});
    EXPECT_TRUE(tall.FitInto(pane));
    a = absolute(tall, 0), b = absolute(tall, 1);
    EXPECT_NEAR(a.y - b.y, 190, 1e-3);
    EXPECT_NEAR(a.x - b.x, 25, 1e-3);

    // No extent in one direction (origin included): nothing changes.
    TBlockObject flat;
    flat.AddPoint({0, 7});
    flat.AddPoint({0, 90});
    flat.SetAnchor({3, 3});
    EXPECT_FALSE(flat.FitInto(pane));
    EXPECT_EQ(flat.GetAnchor(), (TBlockPoint{3, 3}));
    EXPECT_EQ(absolute(flat, 1), (TBlockPoint{0, 90}));
    EXPECT_FALSE(TBlockObject().FitInto(pane));
}

TEST(BlockObject, SegmentsAreDrawnWithTheirOwnPensAndTheDCIsLeftAsItWas) {
    TBlockObject block;
    block.AddPoint({2.5f, 3.5f});  // rounds half to even: (2, 4)
    block.AddPoint({30.4f, 3.6f}); // (30, 4)
    block.AddPoint({2, 10});
    block.AddPoint({30, 10});
    block.AddPoint({2, 20});
    block.AddPoint({30, 20});
    block.AddSegment(0, 1, gdi::PS_SOLID, 1);
    block.AddSegment(2, 3, gdi::PS_DOT, 1);
    block.AddSegment(4, 5, gdi::PS_SOLID, 5);

    Canvas canvas;
    const gdi::PenPtr pen = gdi::createPen(gdi::PS_SOLID, 1, Blue);
    canvas.dc.selectPen(pen);
    canvas.dc.setROP2(gdi::R2_XORPEN);
    canvas.dc.setBkMode(gdi::OPAQUE);
    block.DrawSegments(canvas.dc, gdi::R2_COPYPEN, Red);
    EXPECT_EQ(canvas.dc.pen(), pen);
    EXPECT_EQ(canvas.dc.rop2(), gdi::R2_XORPEN);
    EXPECT_EQ(canvas.dc.bkMode(), gdi::OPAQUE);

    for (int32_t x = 2; x < 30; ++x)
        EXPECT_EQ(canvas.at(x, 4), Red) << x;
    EXPECT_EQ(canvas.at(30, 4), White); // the end point is not painted
    EXPECT_EQ(canvas.at(2, 3), White);
    // Dotted over a transparent background: the gaps keep the white below.
    int red = 0;
    for (int32_t x = 2; x < 30; ++x)
        red += canvas.at(x, 10) == Red;
    EXPECT_GT(red, 5);
    EXPECT_LT(red, 25);
    // The wide pen covers rows above and below its line.
    EXPECT_EQ(canvas.at(15, 18), Red);
    EXPECT_EQ(canvas.at(15, 22), Red);

    // The raster mode is the caller's: drawing twice in xor removes the segments.
    Canvas xored;
    block.DrawSegments(xored.dc, gdi::R2_XORPEN, Red);
    block.DrawSegments(xored.dc, gdi::R2_XORPEN, Red);
    EXPECT_EQ(xored.pixels(), Canvas().pixels());
}

TEST(BlockObject, AnchorIsARedDotOfRadiusThree) {
    TBlockObject block;
    block.AddPoint({10.5f, 12}); // the box runs from round(7.5) = 8 to round(13.5) = 14
    Canvas canvas;
    canvas.dc.setROP2(gdi::R2_NOTXORPEN);
    block.DrawAnchor(canvas.dc, gdi::R2_COPYPEN);
    EXPECT_EQ(canvas.dc.rop2(), gdi::R2_NOTXORPEN);
    EXPECT_EQ(canvas.at(10, 12), Red);
    EXPECT_EQ(canvas.at(8, 12), Red);
    EXPECT_EQ(canvas.at(13, 12), Red);
    EXPECT_EQ(canvas.at(7, 12), White);
    EXPECT_EQ(canvas.at(14, 12), White);
    EXPECT_EQ(canvas.at(11, 9), Red);
    EXPECT_EQ(canvas.at(11, 8), White);
}

TEST(BlockObject, BlocksBlownFarBeyondTheSketchDrawOnlyWhereTheyReallyRun) {
    // Every line runs below the canvas, however far out its other end is.
    TBlockObject block;
    block.AddPoint({10, 100});
    block.AddPoint({20, 125});
    block.AddPoint({-20, 105});
    block.AddSegment(0, 1, gdi::PS_SOLID, 1);
    block.AddSegment(1, 2, gdi::PS_SOLID, 9);
    block.AddSegment(2, 0, gdi::PS_DASHDOT, 1);
    block.Scale(1e30f, 1e30f);
    block.Scale(1e30f, 1e30f); // infinite now, but for the anchor's own point
    Canvas canvas;
    block.DrawSegments(canvas.dc, gdi::R2_COPYPEN, Black);
    block.DrawAnchor(canvas.dc, gdi::R2_COPYPEN);
    EXPECT_EQ(canvas.pixels(), Canvas().pixels());

    // Seen from the other side, the same lines cross the whole canvas.
    block.MoveBy(0, -100);
    block.DrawSegments(canvas.dc, gdi::R2_COPYPEN, Black);
    EXPECT_EQ(canvas.at(10, 0), Black);
    EXPECT_EQ(canvas.at(20, 10), Black);

    // A wide line a billion pixels long in either direction still covers its column.
    TBlockObject tall;
    tall.AddPoint({20, -1e9f});
    tall.AddPoint({20, 1e9f});
    tall.AddSegment(0, 1, gdi::PS_SOLID, 5);
    Canvas column;
    tall.DrawSegments(column.dc, gdi::R2_COPYPEN, Black);
    for (int32_t y = 0; y < 30; ++y) {
        EXPECT_EQ(column.at(17, y), White) << y;
        EXPECT_EQ(column.at(18, y), Black) << y;
        EXPECT_EQ(column.at(22, y), Black) << y;
        EXPECT_EQ(column.at(23, y), White) << y;
    }
    EXPECT_EQ(RoundBlockCoordinate(std::nanf("")), 0);
    EXPECT_EQ(RoundBlockCoordinate(2.5f), 2);
    EXPECT_EQ(RoundBlockCoordinate(-3.5f), -4);
    EXPECT_EQ(RoundBlockCoordinate(INFINITY), -RoundBlockCoordinate(-INFINITY));
}

} // namespace
