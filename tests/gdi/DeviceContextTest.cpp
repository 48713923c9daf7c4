#include "SketchPage.h"

#include <gtest/gtest.h>

using namespace gdi;

using namespace gdi_test;

TEST(DeviceContext, SelectingAnObjectHandsBackThePreviousOne) {
    DeviceContext dc;
    EXPECT_EQ(dc.pen(), stockBlackPen());
    EXPECT_EQ(dc.brush(), stockWhiteBrush());

    const PenPtr red = createPen(PS_SOLID, 1, 0x0000FF);
    EXPECT_EQ(dc.selectPen(red), stockBlackPen());
    EXPECT_EQ(dc.selectPen(stockBlackPen()), red);

    const BitmapPtr a = whitePage(4, 4);
    const BitmapPtr b = a->createCompatible(2, 2);
    EXPECT_EQ(dc.selectBitmap(a), nullptr);
    EXPECT_EQ(dc.selectBitmap(b), a);
    EXPECT_EQ(b->colorTable(), sketchColors());

    EXPECT_EQ(dc.setROP2(R2_NOTXORPEN), R2_COPYPEN);
    EXPECT_EQ(dc.setROP2(0), 0) << "an unknown ROP2 is refused";
    EXPECT_EQ(dc.rop2(), R2_NOTXORPEN);
    EXPECT_EQ(dc.setBkMode(TRANSPARENT), OPAQUE);
    EXPECT_EQ(dc.moveTo(3, 4), (Point{0, 0}));
    EXPECT_EQ(dc.currentPosition(), (Point{3, 4}));
}

TEST(DeviceContext, PixelsMapToTheNearestPaletteEntryAndOutsideReadsInvalid) {
    DeviceContext dc = whiteDC(8, 8);
    EXPECT_EQ(dc.setPixel(1, 1, 0x0000F0), 0x0000FFu);
    EXPECT_EQ(dc.bitmap()->pixel(1, 1), 2u);
    EXPECT_EQ(dc.getPixel(1, 1), 0x0000FFu);
    EXPECT_EQ(dc.getPixel(-1, 0), CLR_INVALID);
    EXPECT_EQ(dc.getPixel(8, 0), CLR_INVALID);
    dc.setPixel(8, 8, 0); // outside: nothing happens
}

TEST(DeviceContext, FillRectIgnoresTheRop2AndStaysInsideTheClip) {
    DeviceContext dc = whiteDC(8, 8);
    dc.setROP2(R2_XORPEN);
    const Region clip(Rect{2, 2, 5, 5});
    dc.selectClipRegion(&clip);
    dc.fillRect({0, 0, 8, 8}, createSolidBrush(0x0000FF));
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            EXPECT_EQ(dc.bitmap()->pixel(x, y), clip.contains(x, y) ? 2u : 15u);
    EXPECT_EQ(dc.getPixel(0, 0), CLR_INVALID) << "outside the clip region";
    dc.selectClipRegion(nullptr);
    EXPECT_EQ(dc.getPixel(0, 0), 0xFFFFFFu);
}
