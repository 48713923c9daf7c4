#include "SketchPage.h"

#include <gtest/gtest.h>

using namespace gdi;

namespace {

struct Sheet {
    explicit Sheet(int32_t w, int32_t h, int bpp = 4) : dc(gdi_test::whiteDC(w, h, bpp)) {
        dc.selectBrush(createSolidBrush(0x0000FF));
    }
    int count(COLORREF color) const {
        int n = 0;
        for (int32_t y = 0; y < dc.bitmap()->height(); ++y)
            for (int32_t x = 0; x < dc.bitmap()->width(); ++x)
                n += dc.getPixel(x, y) == color;
        return n;
    }
    DeviceContext dc;
};

} // namespace

TEST(FloodFill, RefusesStartsOutsideTheAreaAndTheBitmap) {
    Sheet s(10, 10);
    EXPECT_FALSE(s.dc.floodFill(-1, 3, 0xFFFFFF, FLOODFILLSURFACE));
    EXPECT_FALSE(s.dc.floodFill(3, 10, 0xFFFFFF, FLOODFILLSURFACE));
    EXPECT_FALSE(s.dc.floodFill(3, 3, 0x000000, FLOODFILLSURFACE)); // the start is not black
    EXPECT_FALSE(s.dc.floodFill(3, 3, 0xFFFFFF, FLOODFILLBORDER));  // the start is the border
    const Region clip({5, 0, 10, 10});
    s.dc.selectClipRegion(&clip);
    EXPECT_FALSE(s.dc.floodFill(3, 3, 0xFFFFFF, FLOODFILLSURFACE));
    EXPECT_EQ(s.count(0xFFFFFF), 50); // only the clip is visible to getPixel
    s.dc.selectClipRegion(nullptr);
    EXPECT_EQ(s.count(0x0000FF), 0);
}

// Pixels that touch only at a corner do not let the fill through; a clip boundary stops
// it like a wall.
TEST(FloodFill, SpreadsThroughSidesOnlyAndStopsAtTheClip) {
    Sheet s(12, 12);
    s.dc.fillRect({0, 5, 12, 6}, stockBlackBrush()); // a wall across the sheet
    s.dc.setPixel(6, 5, 0xFFFFFF);                   // with a gap of one pixel ...
    s.dc.setPixel(6, 4, 0x000000);                   // ... closed from above, open only diagonally
    EXPECT_TRUE(s.dc.floodFill(0, 0, 0xFFFFFF, FLOODFILLSURFACE));
    EXPECT_EQ(s.count(0x0000FF), 12 * 5 - 1);
    EXPECT_EQ(s.dc.getPixel(6, 5), 0xFFFFFFu);

    const Region clip({0, 6, 8, 12});
    s.dc.selectClipRegion(&clip);
    s.dc.selectBrush(createSolidBrush(0x00FF00));
    EXPECT_TRUE(s.dc.floodFill(0, 11, 0xFFFFFF, FLOODFILLSURFACE));
    s.dc.selectClipRegion(nullptr);
    EXPECT_EQ(s.count(0x00FF00), 8 * 6);
}

// Border filling takes every colour but the border's, and is painted under the ROP2.
TEST(FloodFill, BorderFillTakesEveryOtherColourUnderTheRop) {
    Sheet s(16, 16);
    s.dc.fillRect({4, 4, 12, 12}, createSolidBrush(0x000000));
    s.dc.fillRect({5, 5, 11, 11}, createSolidBrush(0xFFFFFF));
    s.dc.fillRect({6, 6, 8, 8}, createSolidBrush(0x00FF00));
    s.dc.setROP2(R2_NOT);
    EXPECT_TRUE(s.dc.floodFill(7, 9, 0x000000, FLOODFILLBORDER));
    EXPECT_EQ(s.count(0x808080), 4);                    // inverted green
    EXPECT_EQ(s.count(0x000000), (64 - 36) + (36 - 4)); // the border and the inverted white
}

// A long winding corridor: the search must not recurse per pixel or run out of stack.
TEST(FloodFill, FillsALongSerpentineCorridor) {
    for (int bpp : {4, 32}) {
        Sheet s(401, 400, bpp);
        for (int32_t x = 1; x < 400; x += 2) {
            // Walls every other column, open alternately at the top and the bottom.
            const int32_t gap = (x / 2) % 2 ? 0 : 399;
            s.dc.fillRect({x, 0, x + 1, 400}, stockBlackBrush());
            s.dc.setPixel(x, gap, 0xFFFFFF);
        }
        const int white = s.count(0xFFFFFF);
        EXPECT_TRUE(s.dc.floodFill(0, 0, 0xFFFFFF, FLOODFILLSURFACE));
        EXPECT_EQ(s.count(0x0000FF), white) << bpp << " bits";
    }
}
