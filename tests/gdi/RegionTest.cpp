#include "gdi/Region.h"

#include <gtest/gtest.h>

#include <random>

using namespace gdi;

namespace {

// The window the random regions live in, with a margin so that edges are checked too.
constexpr int32_t kLow = -4, kHigh = 44;

// The banded form every region must keep: bands sorted top to bottom, one top and bottom
// per band, rectangles of a band sorted and apart, no band that merely continues the one
// above it with the same rectangles, and bounds that are exactly the extent.
::testing::AssertionResult isCanonical(const Region& region) {
    const std::vector<Rect>& rects = region.rects();
    if (rects.empty())
        return region.bounds() == Rect{} ? ::testing::AssertionSuccess()
                                         : ::testing::AssertionFailure() << "empty region with bounds";
    Rect extent{INT32_MAX, rects.front().top, INT32_MIN, rects.back().bottom};
    size_t previousBand = 0, band = 0;
    for (size_t i = 0; i < rects.size(); ++i) {
        const Rect& r = rects[i];
        if (r.isEmpty()) return ::testing::AssertionFailure() << "empty rectangle " << i;
        extent.left = std::min(extent.left, r.left);
        extent.right = std::max(extent.right, r.right);
        if (i == 0) continue;
        const Rect& p = rects[i - 1];
        if (r.top == p.top) {
            if (r.bottom != p.bottom) return ::testing::AssertionFailure() << "ragged band at " << i;
            if (r.left <= p.right) return ::testing::AssertionFailure() << "touching rectangles at " << i;
            continue;
        }
        if (r.top < p.bottom) return ::testing::AssertionFailure() << "overlapping bands at " << i;
        previousBand = band;
        band = i;
        if (r.top != p.bottom) continue;
        // A band touching the one above must differ from it.
        size_t end = band;
        while (end < rects.size() && rects[end].top == r.top)
            ++end;
        bool same = end - band == band - previousBand;
        for (size_t k = 0; same && k < end - band; ++k)
            same = rects[band + k].left == rects[previousBand + k].left &&
                   rects[band + k].right == rects[previousBand + k].right;
        if (same) return ::testing::AssertionFailure() << "uncoalesced band at " << i;
    }
    if (!(region.bounds() == extent)) return ::testing::AssertionFailure() << "bounds are not the extent";
    return ::testing::AssertionSuccess();
}

Region randomRegion(std::mt19937& rng) {
    std::uniform_int_distribution<int32_t> coord(kLow + 2, kHigh - 2);
    std::vector<Point> points(3 + rng() % 10);
    for (Point& p : points)
        p = {coord(rng), coord(rng)};
    Region r = Region::fromPolygon(points.data(), int(points.size()), rng() % 2 ? WINDING : ALTERNATE);
    // Some plain rectangles as well, overlapping or beside the polygon.
    if (rng() % 3 == 0) {
        const Rect box = Rect{coord(rng), coord(rng), coord(rng), coord(rng)}.normalized();
        r = Region::combine(r, Region(box), RegionOp::Or);
    }
    return r;
}

bool expected(RegionOp op, bool a, bool b) {
    switch (op) {
    case RegionOp::And:
        return a && b;
    case RegionOp::Or:
        return a || b;
    case RegionOp::Xor:
        return a != b;
    case RegionOp::Diff:
        return a && !b;
    case RegionOp::Copy:
        return a;
    }
    return false;
}

} // namespace

// Every combination, on random polygon regions, pixel for pixel against the set
// operation it stands for, and still in banded form.
TEST(Region, CombinationsAreTheSetOperationsInBandedForm) {
    std::mt19937 rng(7);
    const RegionOp ops[] = {RegionOp::And, RegionOp::Or, RegionOp::Xor, RegionOp::Diff, RegionOp::Copy};
    for (int round = 0; round < 60; ++round) {
        const Region a = randomRegion(rng), b = randomRegion(rng);
        ASSERT_TRUE(isCanonical(a));
        for (RegionOp op : ops) {
            const Region c = Region::combine(a, b, op);
            ASSERT_TRUE(isCanonical(c)) << "round " << round << " op " << int(op);
            for (int32_t y = kLow; y < kHigh; ++y)
                for (int32_t x = kLow; x < kHigh; ++x)
                    ASSERT_EQ(c.contains(x, y), expected(op, a.contains(x, y), b.contains(x, y)))
                        << "round " << round << " op " << int(op) << " at " << x << "," << y;
        }
    }
}

TEST(Region, ContainsFollowsTheRectangles) {
    Region r = Region::combine(Region({2, 2, 6, 4}), Region({8, 2, 10, 4}), RegionOp::Or);
    r = Region::combine(r, Region({4, 4, 9, 7}), RegionOp::Or);
    ASSERT_TRUE(isCanonical(r));
    EXPECT_EQ(r.rects().size(), 3u);
    EXPECT_EQ(r.bounds(), (Rect{2, 2, 10, 7}));
    for (int32_t y = 0; y < 9; ++y)
        for (int32_t x = 0; x < 12; ++x) {
            bool inside = false;
            for (const Rect& rect : r.rects())
                inside = inside || rect.contains(x, y);
            EXPECT_EQ(r.contains(x, y), inside) << x << "," << y;
        }
}

TEST(Region, OffsetMovesPixelsAndBounds) {
    const Point triangle[] = {{0, 0}, {10, 0}, {0, 10}};
    const Region original = Region::fromPolygon(triangle, 3, ALTERNATE);
    Region moved = original;
    moved.offset(-3, 5);
    EXPECT_EQ(moved.bounds(), (Rect{-3, 5, 7, 15}));
    for (int32_t y = -2; y < 12; ++y)
        for (int32_t x = -2; x < 12; ++x)
            EXPECT_EQ(moved.contains(x - 3, y + 5), original.contains(x, y));
}

TEST(Region, EmptyInputsAndResults) {
    const Region box({0, 0, 4, 4});
    EXPECT_TRUE(Region(Rect{3, 3, 3, 9}).isEmpty());
    EXPECT_TRUE(Region::combine(box, Region({4, 0, 8, 4}), RegionOp::And).isEmpty());
    EXPECT_TRUE(Region::combine(box, box, RegionOp::Xor).isEmpty());
    EXPECT_EQ(Region::combine(box, Region({-9, -9, 9, 9}), RegionOp::Diff).bounds(), Rect{});
    EXPECT_EQ(Region::combine(Region(), box, RegionOp::Or).rects(), box.rects());
    // Points, lines and polygons of one row cover nothing.
    const Point flat[] = {{1, 5}, {9, 5}, {4, 5}};
    const Point line[] = {{1, 1}, {9, 9}};
    EXPECT_TRUE(Region::fromPolygon(flat, 3, WINDING).isEmpty());
    EXPECT_TRUE(Region::fromPolygon(line, 2, ALTERNATE).isEmpty());
    EXPECT_TRUE(Region::fromPolygon(line, 1, ALTERNATE).isEmpty());
}

// A star drawn in one stroke: its middle is covered twice, which the winding rule fills
// and the alternate rule leaves open.
TEST(Region, FillModesDifferWhereEdgesWindTwice) {
    const Point star[] = {{20, 0}, {32, 38}, {0, 14}, {40, 14}, {8, 38}};
    const Region alternate = Region::fromPolygon(star, 5, ALTERNATE);
    const Region winding = Region::fromPolygon(star, 5, WINDING);
    EXPECT_FALSE(alternate.contains(20, 20));
    EXPECT_TRUE(winding.contains(20, 20));
    EXPECT_TRUE(alternate.contains(20, 5));
    EXPECT_TRUE(Region::combine(alternate, winding, RegionOp::Diff).isEmpty());
}
