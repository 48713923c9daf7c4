#include "document/RenderBuffer.h"
#include "SketchTestSupport.h"
#include "document/DrawingUtils.h"
#include "document/SketchBitmap.h"

#include <gtest/gtest.h>

using namespace testing_support;

TEST(RenderBufferTest, StartsWithoutABitmapAndTakesTheSketchKind) {
    gdi::DeviceContext sketch;
    sketch.selectBitmap(patternSketch(40, 30));
    TRenderBuffer buffer(sketch);
    EXPECT_EQ(&buffer.RefDC(), &sketch);
    EXPECT_FALSE(buffer.Bitmap());
    EXPECT_FALSE(buffer.DC().bitmap());
    EXPECT_EQ(buffer.Width(), 0);
    EXPECT_EQ(buffer.Height(), 0);

    buffer.SetSize(12, 7);
    ASSERT_TRUE(buffer.Bitmap());
    EXPECT_EQ(buffer.DC().bitmap(), buffer.Bitmap());
    EXPECT_EQ(buffer.Bitmap()->width(), 12);
    EXPECT_EQ(buffer.Bitmap()->height(), 7);
    EXPECT_EQ(buffer.Bitmap()->bitsPerPixel(), 4);
    EXPECT_EQ(buffer.Bitmap()->colorTable(), SketchColorTable());

    // A new size is a new bitmap; the old one leaves the DC.
    const gdi::BitmapPtr first = buffer.Bitmap();
    buffer.SetSize(5, 9);
    EXPECT_NE(buffer.Bitmap(), first);
    EXPECT_EQ(buffer.DC().bitmap(), buffer.Bitmap());
    EXPECT_EQ(buffer.Bitmap()->width(), 5);

    buffer.FreeBitmap();
    EXPECT_FALSE(buffer.Bitmap());
    EXPECT_FALSE(buffer.DC().bitmap());
    buffer.FreeBitmap();
    EXPECT_EQ(buffer.Width(), 5);
}

TEST(RenderBufferTest, BeforeAnySketchTheBufferIsMonochrome) {
    gdi::DeviceContext empty;
    TRenderBuffer buffer(empty);
    buffer.SetSize(8, 8);
    ASSERT_TRUE(buffer.Bitmap());
    EXPECT_EQ(buffer.Bitmap()->bitsPerPixel(), 1);
    buffer.SetSize(-3, 4);
    EXPECT_EQ(buffer.Bitmap()->width(), 0);
}

TEST(RenderBufferTest, CopiesTheVisiblePartAndPreviewsLeaveTheSketchAlone) {
    gdi::DeviceContext sketch;
    sketch.selectBitmap(patternSketch(40, 30, 3));
    const std::vector<uint8_t> sketchBefore = indices(*sketch.bitmap());
    TRenderBuffer buffer(sketch);
    buffer.SetSize(10, 6);

    buffer.CopyFrom(sketch, nullptr);
    for (int32_t y = 0; y < 6; ++y)
        for (int32_t x = 0; x < 10; ++x)
            ASSERT_EQ(buffer.Bitmap()->pixel(x, y), 0u);

    const gdi::Point origin{17, 11};
    buffer.CopyFrom(sketch, &origin);
    for (int32_t y = 0; y < 6; ++y)
        for (int32_t x = 0; x < 10; ++x)
            ASSERT_EQ(buffer.Bitmap()->pixel(x, y), sketch.bitmap()->pixel(17 + x, 11 + y)) << x << "," << y;

    DrawCrossHair(buffer.DC(), {0, 0, 10, 6}, {4, 2});
    EXPECT_NE(buffer.Bitmap()->pixel(0, 2), sketch.bitmap()->pixel(17, 13));
    EXPECT_EQ(indices(*sketch.bitmap()), sketchBefore);
}
