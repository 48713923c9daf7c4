#include "gdi/ScreenCopy.h"
#include "gdi/DeviceContext.h"

#include <gtest/gtest.h>

#include <random>

using namespace gdi;

namespace {

const std::vector<COLORREF> kPalette = {0x000000, 0x000080, 0x0000FF, 0x008000, 0x008080, 0x00FF00,
                                        0x00FFFF, 0x800000, 0x800080, 0x808000, 0x808080, 0xC0C0C0,
                                        0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};

BitmapPtr randomPicture(int32_t w, int32_t h, int bpp, unsigned seed) {
    std::vector<COLORREF> table = bpp == 1 ? std::vector<COLORREF>{0x000000, 0xFFFFFF} : kPalette;
    if (bpp == 8)
        for (uint32_t i = 16; i < 256; ++i)
            table.push_back(RGB(uint8_t(i), uint8_t(255 - i), uint8_t(i * 7)));
    BitmapPtr bm = Bitmap::create(w, h, bpp, table);
    std::mt19937 rng(seed);
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x)
            bm->setPixel(x, y, rng() % (1u << bpp));
    return bm;
}

// What stretchBlt writes for the same copy, with the top byte set wherever it wrote.
BitmapPtr throughStretchBlt(const BitmapPtr& source, int32_t w, int32_t h, int32_t x, int32_t y,
                            int32_t width, int32_t height, int32_t sx, int32_t sy, int32_t sw, int32_t sh) {
    const uint32_t untouched = 0x12345678;
    DeviceContext from, to;
    from.selectBitmap(source);
    to.selectBitmap(Bitmap::create(w, h, 32));
    to.bitmap()->fill(untouched);
    to.stretchBlt(x, y, width, height, &from, sx, sy, sw, sh, SRCCOPY);
    for (int32_t py = 0; py < h; ++py)
        for (int32_t px = 0; px < w; ++px)
            if (to.bitmap()->pixel(px, py) != untouched)
                to.bitmap()->setPixel(px, py, to.bitmap()->pixel(px, py) | 0xFF000000);
    return to.bitmap();
}

void expectSameAsStretchBlt(const BitmapPtr& source, int32_t w, int32_t h, int32_t x, int32_t y,
                            int32_t width, int32_t height, int32_t sx, int32_t sy, int32_t sw, int32_t sh) {
    const BitmapPtr expected = throughStretchBlt(source, w, h, x, y, width, height, sx, sy, sw, sh);
    BitmapPtr screen = Bitmap::create(w, h, 32);
    screen->fill(0x12345678);
    ASSERT_TRUE(stretchToScreen(ScreenPixels::of(*screen), x, y, width, height, *source, sx, sy, sw, sh));
    for (int32_t py = 0; py < h; ++py)
        for (int32_t px = 0; px < w; ++px)
            ASSERT_EQ(screen->pixel(px, py), expected->pixel(px, py))
                << "at " << px << "," << py << " of " << width << "x" << height << " from " << sw << "x"
                << sh;
}

} // namespace

// The drawing surface's copy at every zoom: the surface's size divided by the zoom is
// the source's size, which leaves fractional factors where the size is no multiple.
TEST(ScreenCopy, WritesWhatStretchBltWritesWithTheTopByteSetAtEveryZoom) {
    const BitmapPtr picture = randomPicture(90, 70, 4, 1);
    for (int32_t zoom = 1; zoom <= 9; ++zoom)
        for (auto [w, h] : {std::pair{83, 61}, std::pair{77, 64}, std::pair{35, 19}})
            expectSameAsStretchBlt(picture, w, h, 0, 0, w, h, 3, 2, w / zoom, h / zoom);
}

// Rows long enough for the vector loop, with a tail after it, in both 16- and 256-colour
// pictures, and copies that stick out of the source or the screen on every side.
TEST(ScreenCopy, OneToOneCopiesClipToBothBitmapsInAnyColourDepth) {
    for (int bpp : {1, 4, 8}) {
        const BitmapPtr picture = randomPicture(53, 20, bpp, unsigned(bpp));
        expectSameAsStretchBlt(picture, 53, 20, 0, 0, 53, 20, 0, 0, 53, 20);
        expectSameAsStretchBlt(picture, 60, 30, 5, 4, 60, 30, 0, 0, 60, 30);
        expectSameAsStretchBlt(picture, 40, 25, -7, -3, 50, 20, 9, 1, 50, 20);
        expectSameAsStretchBlt(picture, 40, 25, 2, 2, 30, 30, -5, -6, 30, 30);
    }
    expectSameAsStretchBlt(randomPicture(30, 30, 4, 7), 50, 40, 4, 3, 40, 35, 20, 22, 8, 7);
}

TEST(ScreenCopy, RefusesWhatTheScreenPathDoesNotDoAndWritesNothingThen) {
    const BitmapPtr picture = randomPicture(20, 20, 4, 3);
    BitmapPtr screen = Bitmap::create(10, 10, 32);
    screen->fill(7);
    const ScreenPixels pixels = ScreenPixels::of(*screen);
    EXPECT_FALSE(stretchToScreen(pixels, 0, 0, 10, 10, *picture, 0, 0, 20, 20)); // shrinking
    EXPECT_FALSE(stretchToScreen(pixels, 10, 0, -10, 10, *picture, 0, 0, 5, 5)); // mirrored
    EXPECT_FALSE(stretchToScreen(pixels, 0, 0, 10, 10, *screen, 0, 0, 5, 5));    // not indexed
    EXPECT_FALSE(stretchToScreen(ScreenPixels::of(*picture), 0, 0, 10, 10, *picture, 0, 0, 5, 5));
    EXPECT_FALSE(stretchToScreen(pixels, 0, 0, 1 << 29, 10, *picture, 0, 0, 5, 5));
    for (int32_t y = 0; y < 10; ++y)
        for (int32_t x = 0; x < 10; ++x)
            ASSERT_EQ(screen->pixel(x, y), 7u);
}

// A paint of part of a window writes into a window of the screen image: the part must
// hold exactly what the whole copy puts there, and nothing around it may change.
TEST(ScreenCopy, APartOfTheScreenGetsThePixelsOfTheWholeCopy) {
    const BitmapPtr picture = randomPicture(40, 30, 4, 9);
    for (int32_t zoom : {1, 3, 7}) {
        const int32_t w = 95, h = 71;
        const BitmapPtr whole = throughStretchBlt(picture, w, h, 0, 0, w, h, 1, 1, w / zoom, h / zoom);
        BitmapPtr screen = Bitmap::create(w, h, 32);
        screen->fill(0x12345678);
        const Rect part{13, 9, 60, 50};
        const ScreenPixels window{screen->rgbRow(part.top) + part.left, w, part.width(), part.height()};
        ASSERT_TRUE(stretchToScreen(window, -part.left, -part.top, w, h, *picture, 1, 1, w / zoom, h / zoom));
        for (int32_t y = 0; y < h; ++y)
            for (int32_t x = 0; x < w; ++x) {
                const bool inside = x >= part.left && x < part.right && y >= part.top && y < part.bottom;
                ASSERT_EQ(screen->pixel(x, y), inside ? whole->pixel(x, y) : 0x12345678u)
                    << x << "," << y << " at zoom " << zoom;
            }
    }
}
