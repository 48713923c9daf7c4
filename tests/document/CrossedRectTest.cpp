// The window frame of the transform tools: where its centre lines run, and that a second
// drawing takes it off again, whichever way round the rectangle was given.

#include "document/CrossedRect.h"

#include "gdi/Bitmap.h"

#include <gtest/gtest.h>

namespace {

constexpr gdi::COLORREF White = 0xFFFFFF;

TEST(CrossedRect, CentreLinesReachTenPixelsPastAndASecondDrawingErasesTheFrame) {
    gdi::DeviceContext dc;
    dc.selectBitmap(gdi::Bitmap::create(120, 100, 32));
    dc.fillRect({0, 0, 120, 100}, gdi::stockWhiteBrush());
    const gdi::PenPtr pen = gdi::createPen(gdi::PS_SOLID, 3, 0x0000FF);
    dc.selectPen(pen);

    TCrossedRect frame;
    // Given from the bottom right: the lines follow the rectangle's extent all the same.
    frame.Set(81, 70, 20, 30);
    EXPECT_EQ(frame.VertFrom, (gdi::Point{50, 20}));
    EXPECT_EQ(frame.VertTo, (gdi::Point{50, 80}));
    EXPECT_EQ(frame.HorzFrom, (gdi::Point{10, 50}));
    EXPECT_EQ(frame.HorzTo, (gdi::Point{91, 50}));

    frame.Normalize();
    EXPECT_EQ(frame.Get(), (gdi::Rect{20, 30, 81, 70}));
    frame.Draw(dc, 5, 0);
    EXPECT_NE(dc.getPixel(55, 20), White) << "the vertical line's top, shifted";
    EXPECT_EQ(dc.getPixel(55, 19), White);
    EXPECT_NE(dc.getPixel(25, 45), White) << "the frame's left side";
    EXPECT_EQ(dc.pen(), pen);
    EXPECT_EQ(dc.rop2(), gdi::R2_COPYPEN);

    frame.Draw(dc, 5, 0);
    for (int32_t y = 0; y < 100; ++y)
        for (int32_t x = 0; x < 120; ++x)
            ASSERT_EQ(dc.getPixel(x, y), White) << x << "," << y;

    frame.MakeEmpty();
    EXPECT_EQ(frame.Get(), gdi::Rect{});
}

} // namespace
