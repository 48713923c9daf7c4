#include "gdi/DibBits.h"
#include "gdi/Color.h"

#include <gtest/gtest.h>

#include <random>

using namespace gdi;

namespace {

const std::vector<COLORREF> kPalette = {0x000000, 0x000080, 0x0000FF, 0x008000, 0x008080, 0x00FF00,
                                        0x00FFFF, 0x800000, 0x800080, 0x808000, 0x808080, 0xC0C0C0,
                                        0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};

DibFormat formatOf(int32_t w, int32_t h, int bpp) {
    DibFormat f;
    f.width = w;
    f.height = h;
    f.bitsPerPixel = bpp;
    if (bpp <= 8) f.colorTable = bpp == 1 ? std::vector<COLORREF>{0x000000, 0xFFFFFF} : kPalette;
    return f;
}

// A 3 x 2 sketch: red, white, blue on top; black, green, olive below.
BitmapPtr sample() {
    BitmapPtr bm = Bitmap::create(3, 2, 4, kPalette);
    const uint32_t px[2][3] = {{2, 15, 12}, {0, 5, 4}};
    for (int32_t y = 0; y < 2; ++y)
        for (int32_t x = 0; x < 3; ++x)
            bm->setPixel(x, y, px[y][x]);
    return bm;
}

} // namespace

TEST(DibBits, KnownLayoutsOfEveryDepth) {
    const BitmapPtr bm = sample();
    using Bytes = std::vector<uint8_t>;

    // Bottom-up: the first packed row is the bitmap's last; rows padded to 4 bytes.
    EXPECT_EQ(getDibBits(*bm, formatOf(3, 2, 4)), (Bytes{0x05, 0x40, 0, 0, 0x2F, 0xC0, 0, 0}));
    EXPECT_EQ(getDibBits(*bm, formatOf(3, -2, 4)), (Bytes{0x2F, 0xC0, 0, 0, 0x05, 0x40, 0, 0}));
    EXPECT_EQ(getDibBits(*bm, formatOf(3, -2, 8)), (Bytes{2, 15, 12, 0, 0, 5, 4, 0}));
    // Two colours: each pixel takes the nearer of black and white.
    EXPECT_EQ(getDibBits(*bm, formatOf(3, -2, 1)), (Bytes{0x40, 0, 0, 0, 0x00, 0, 0, 0}));
    // 5-5-5 by default, little-endian words.
    EXPECT_EQ(getDibBits(*bm, formatOf(3, -2, 16)),
              (Bytes{0x00, 0x7C, 0xFF, 0x7F, 0x1F, 0x00, 0, 0, 0x00, 0x00, 0xE0, 0x03, 0x00, 0x42, 0, 0}));
    DibFormat f565 = formatOf(3, -2, 16);
    f565.redMask = 0xF800;
    f565.greenMask = 0x07E0;
    f565.blueMask = 0x001F;
    EXPECT_EQ(getDibBits(*bm, f565),
              (Bytes{0x00, 0xF8, 0xFF, 0xFF, 0x1F, 0x00, 0, 0, 0x00, 0x00, 0xE0, 0x07, 0x00, 0x84, 0, 0}));
    // Blue, green, red; nine bytes padded to twelve.
    EXPECT_EQ(getDibBits(*bm, formatOf(3, -2, 24)), (Bytes{0, 0, 255, 255, 255, 255, 255, 0,   0, 0, 0, 0, 0,
                                                           0, 0, 0,   255, 0,   0,   128, 128, 0, 0, 0}));
    EXPECT_EQ(getDibBits(*bm, formatOf(3, -2, 32)), (Bytes{0, 0, 255, 0, 255, 255, 255, 0, 255, 0,   0, 0, 0,
                                                           0, 0, 0,   0, 255, 0,   0,   0, 128, 128, 0}));
    DibFormat bgr = formatOf(1, -1, 32);
    bgr.redMask = 0x0000FF;
    bgr.greenMask = 0x00FF00;
    bgr.blueMask = 0xFF0000;
    EXPECT_EQ(getDibBits(*bm, bgr), (Bytes{255, 0, 0, 0})) << "red in the low byte";
}

TEST(DibBits, RoundTripsThroughEveryDepth) {
    std::mt19937 rng(1);
    for (int bpp : {1, 4, 8, 16, 24, 32}) {
        for (int32_t height : {5, -5}) {
            // Colours the depth can hold exactly.
            BitmapPtr original = Bitmap::create(13, 5, 32);
            for (int32_t y = 0; y < 5; ++y)
                for (int32_t x = 0; x < 13; ++x) {
                    COLORREF c = rng() & 0xFFFFFF;
                    if (bpp == 1) c = (c & 1) ? 0xFFFFFF : 0;
                    if (bpp == 4 || bpp == 8) c = kPalette[c % 16];
                    if (bpp == 16) {
                        auto widen = [](int v) { return (v & 0xF8) | ((v & 0xF8) >> 5); };
                        c = RGB(widen(GetRValue(c)), widen(GetGValue(c)), widen(GetBValue(c)));
                    }
                    original->setPixel(x, y, colorToRgbPixel(c));
                }
            const DibFormat format = formatOf(13, height, bpp);
            const std::vector<uint8_t> bits = getDibBits(*original, format);
            ASSERT_EQ(bits.size(), format.imageSize());
            BitmapPtr back = Bitmap::create(13, 5, 32);
            ASSERT_TRUE(setDibBits(*back, format, bits));
            for (int32_t y = 0; y < 5; ++y)
                for (int32_t x = 0; x < 13; ++x)
                    ASSERT_EQ(back->pixel(x, y), original->pixel(x, y)) << bpp << " bits, height " << height;
        }
    }
}

TEST(DibBits, IndexedBitmapsTakeTheNearestEntryOrTheIndicesAsTheyAre) {
    std::mt19937 rng(2);
    const int32_t w = 64, h = 16;
    DibFormat rgb = formatOf(w, -h, 24);
    std::vector<uint8_t> bits(rgb.imageSize());
    for (uint8_t& b : bits)
        b = uint8_t(rng());
    BitmapPtr bm = Bitmap::create(w, h, 4, kPalette);
    ASSERT_TRUE(setDibBits(*bm, rgb, bits));
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x) {
            const uint8_t* p = bits.data() + size_t(y) * rgb.stride() + 3 * x;
            ASSERT_EQ(bm->pixel(x, y), nearestColorIndex(kPalette, RGB(p[2], p[1], p[0])));
        }

    // With the bitmap's own colours the indices are kept, even for repeated colours.
    std::vector<COLORREF> doubled = kPalette;
    doubled[3] = doubled[0];
    BitmapPtr target = Bitmap::create(4, 1, 4, doubled);
    DibFormat packed = formatOf(4, 1, 4);
    packed.colorTable = doubled;
    const std::vector<uint8_t> row = {0x30, 0x3F, 0, 0};
    ASSERT_TRUE(setDibBits(*target, packed, row));
    EXPECT_EQ(target->pixel(0, 0), 3u);
    EXPECT_EQ(target->pixel(1, 0), 0u);
    EXPECT_EQ(getDibBits(*target, packed), row);
}

TEST(DibBits, RefusesShortDataAndUnknownLayouts) {
    BitmapPtr bm = sample();
    const BitmapPtr before = bm->clone();
    const DibFormat f = formatOf(3, 2, 24);
    std::vector<uint8_t> bits(f.imageSize() - 1, 0xFF);
    EXPECT_FALSE(setDibBits(*bm, f, bits));
    DibFormat odd = formatOf(3, 2, 24);
    odd.bitsPerPixel = 12;
    EXPECT_EQ(odd.stride(), 0u);
    EXPECT_FALSE(setDibBits(*bm, odd, std::vector<uint8_t>(64, 0xFF)));
    EXPECT_TRUE(getDibBits(*bm, odd).empty());
    DibFormat noColours = formatOf(3, 2, 8);
    noColours.colorTable.clear();
    EXPECT_TRUE(getDibBits(*bm, noColours).empty());
    for (int32_t y = 0; y < 2; ++y)
        for (int32_t x = 0; x < 3; ++x)
            EXPECT_EQ(bm->pixel(x, y), before->pixel(x, y));
}

TEST(DibBits, ShorterImagesFillTheBottomWhenBottomUpAndTheTopWhenTopDown) {
    BitmapPtr bm = Bitmap::create(2, 4, 8, kPalette);
    bm->fill(7);
    const std::vector<uint8_t> two = {1, 1, 0, 0, 2, 2, 0, 0};
    ASSERT_TRUE(setDibBits(*bm, formatOf(2, 2, 8), two));
    EXPECT_EQ(bm->pixel(0, 0), 7u);
    EXPECT_EQ(bm->pixel(0, 1), 7u);
    EXPECT_EQ(bm->pixel(0, 2), 2u);
    EXPECT_EQ(bm->pixel(1, 3), 1u);
    bm->fill(7);
    ASSERT_TRUE(setDibBits(*bm, formatOf(2, -2, 8), two));
    EXPECT_EQ(bm->pixel(0, 0), 1u);
    EXPECT_EQ(bm->pixel(0, 1), 2u);
    EXPECT_EQ(bm->pixel(0, 2), 7u);
}

// A 32-bit field is legal in a bit-field layout; its value keeps its top eight bits.
TEST(DibBits, ReadsAFieldAsWideAsThePixel) {
    BitmapPtr bm = Bitmap::create(1, 1, 32);
    DibFormat f = formatOf(1, 1, 32);
    f.redMask = 0xFFFFFFFF;
    f.greenMask = 0;
    f.blueMask = 0;
    const std::vector<uint8_t> bits = {0x00, 0x00, 0x00, 0x80}; // 0x80000000
    ASSERT_TRUE(setDibBits(*bm, f, bits));
    EXPECT_EQ(bm->pixel(0, 0), 0x800000u);
}
