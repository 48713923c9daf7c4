#include "document/PackedDib.h"
#include "SketchTestSupport.h"
#include "document/SketchBitmap.h"

#include "gdi/DibBits.h"

#include <gtest/gtest.h>

#include <random>

using namespace testing_support;

namespace {

uint32_t field32(const TPackedDib& b, size_t at) {
    return uint32_t(b[at]) | (uint32_t(b[at + 1]) << 8) | (uint32_t(b[at + 2]) << 16) |
           (uint32_t(b[at + 3]) << 24);
}

} // namespace

TEST(PackedDib, A4SketchBlockHasTheSketchLayout) {
    const gdi::BitmapPtr sketch = patternSketch(794, 1123);
    const TPackedDib block = PackBitmap(sketch);
    ASSERT_EQ(block.size(), 449304u);
    EXPECT_EQ(field32(block, 0), 40u);
    EXPECT_EQ(field32(block, 4), 794u);
    EXPECT_EQ(field32(block, 8), 1123u);
    EXPECT_EQ(block[12] | block[13] << 8, 1);
    EXPECT_EQ(block[14] | block[15] << 8, 4);
    EXPECT_EQ(field32(block, 16), 0u);      // no compression
    EXPECT_EQ(field32(block, 20), 449200u); // pixel bytes: 400 a row
    EXPECT_EQ(field32(block, 24), 3782u);
    EXPECT_EQ(field32(block, 28), 3782u);
    EXPECT_EQ(field32(block, 32), 0u);
    EXPECT_EQ(field32(block, 36), 0u);
    for (size_t i = 0; i < 16; ++i) {
        const gdi::COLORREF c = SketchPalette[i];
        EXPECT_EQ(block[40 + 4 * i], gdi::GetBValue(c));
        EXPECT_EQ(block[41 + 4 * i], gdi::GetGValue(c));
        EXPECT_EQ(block[42 + 4 * i], gdi::GetRValue(c));
        EXPECT_EQ(block[43 + 4 * i], 0);
    }
    // Rows bottom-up, the left pixel of each pair in the high nibble; 794 pixels take
    // 397 bytes, padded with zeros to 400.
    const size_t bottom = 104;
    EXPECT_EQ(block[bottom], (sketch->pixel(0, 1122) << 4) | sketch->pixel(1, 1122));
    EXPECT_EQ(block[bottom + 396], (sketch->pixel(792, 1122) << 4) | sketch->pixel(793, 1122));
    EXPECT_EQ(block[bottom + 397], 0);
    EXPECT_EQ(block[bottom + 399], 0);
    const size_t top = 104 + 1122 * 400;
    EXPECT_EQ(block[top + 1], (sketch->pixel(2, 0) << 4) | sketch->pixel(3, 0));
}

TEST(PackedDib, RoundTripKeepsEveryPixelForAnyWidth) {
    for (int32_t width = 1; width <= 21; ++width) {
        for (int32_t height : {1, 2, 5}) {
            const gdi::BitmapPtr sketch = patternSketch(width, height, width);
            const TPackedDib block = PackBitmap(sketch);
            const size_t stride = ((size_t(width) * 4 + 31) / 32) * 4;
            ASSERT_EQ(block.size(), 104 + stride * size_t(height)) << width;
            const gdi::BitmapPtr back = UnpackBitmap(block);
            ASSERT_TRUE(back) << width;
            EXPECT_EQ(back->width(), width);
            EXPECT_EQ(back->height(), height);
            EXPECT_EQ(back->bitsPerPixel(), 4);
            EXPECT_EQ(indices(*back), indices(*sketch)) << width << " x " << height;
        }
    }
    // Width 3: two bytes of pixels padded to four.
    EXPECT_EQ(PackBitmap(patternSketch(3, 1)).size(), 104u + 4u);
}

TEST(PackedDib, ForeignColourTablesMapToTheNearestSketchColour) {
    TPackedDib block = PackBitmap(patternSketch(4, 2));
    // Index 0 becomes almost white, index 1 almost red; the pixels keep their indices.
    block[40] = 250, block[41] = 251, block[42] = 249;
    block[44] = 10, block[45] = 5, block[46] = 240;
    for (size_t i = 104; i < block.size(); ++i)
        block[i] = 0x01;
    const gdi::BitmapPtr back = UnpackBitmap(block);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->pixel(0, 0), 15u);
    EXPECT_EQ(back->pixel(1, 0), 2u);
}

TEST(PackedDib, MalformedBlocksGiveNoBitmap) {
    EXPECT_FALSE(UnpackBitmap({}));
    EXPECT_FALSE(PackBitmap(nullptr).size());
    const TPackedDib good = PackBitmap(patternSketch(10, 10));
    // Cut anywhere short of the last pixel byte.
    for (size_t length : {size_t(3), size_t(39), size_t(40), size_t(100), good.size() - 1}) {
        const TPackedDib cut(good.begin(), good.begin() + long(length));
        EXPECT_FALSE(UnpackBitmap(cut)) << length;
    }
    auto withField = [&](size_t at, uint32_t value) {
        TPackedDib b = good;
        for (int i = 0; i < 4; ++i)
            b[at + i] = uint8_t(value >> (8 * i));
        return b;
    };
    EXPECT_FALSE(UnpackBitmap(withField(0, 0)));          // header size
    EXPECT_FALSE(UnpackBitmap(withField(0, 1000)));       // header size
    EXPECT_FALSE(UnpackBitmap(withField(4, 0)));          // width
    EXPECT_FALSE(UnpackBitmap(withField(4, 30001)));      // width beyond a sane sketch
    EXPECT_FALSE(UnpackBitmap(withField(8, 0x80000000))); // height
    EXPECT_FALSE(UnpackBitmap(withField(4, 20000)));      // more pixels than the block holds
    EXPECT_FALSE(UnpackBitmap(withField(16, 4)));         // JPEG inside
}

TEST(SketchBitmap, SaneSizesAndCreation) {
    EXPECT_TRUE(IsSaneSketchSize(1, 1));
    EXPECT_TRUE(IsSaneSketchSize(30000, 13000));
    EXPECT_FALSE(IsSaneSketchSize(30000, 30000)); // 900 million pixels
    EXPECT_FALSE(IsSaneSketchSize(30001, 1));
    EXPECT_FALSE(IsSaneSketchSize(0, 5));
    EXPECT_FALSE(IsSaneSketchSize(5, -1));
    EXPECT_FALSE(CreateSketchDib(0, 10));
    const gdi::BitmapPtr bm = CreateSketchDib(7, 3);
    ASSERT_TRUE(bm);
    EXPECT_EQ(bm->bitsPerPixel(), 4);
    EXPECT_EQ(bm->colorTable(), SketchColorTable());
    EXPECT_EQ(GetBitmapSize(bm), (gdi::Size{7, 3}));
    EXPECT_EQ(GetBitmapSize(nullptr), (gdi::Size{0, 0}));
    const TPalettePtr palette = CreateSketchPalette();
    ASSERT_EQ(palette->palPalEntry.size(), 16u);
    EXPECT_EQ(palette->palVersion, 0x300);
    EXPECT_EQ(palette->palPalEntry[12].peBlue, 0xFF);
    EXPECT_EQ(palette->palPalEntry[12].peRed, 0);
}

TEST(PackedDib, NibblePathMapsColoursAsTheRasterLayerDoes) {
    // 4-bit pixels are unpacked by hand for speed; they must come out exactly as the
    // layer's own conversion makes them, whatever the colour table.
    std::mt19937 rng(11);
    for (int round = 0; round < 20; ++round) {
        TDibDescription d;
        d.headerSize = 40;
        d.width = 1 + int32_t(rng() % 23);
        d.height = (round % 2 ? -1 : 1) * (1 + int32_t(rng() % 5));
        d.bitCount = 4;
        for (size_t i = 0, n = 1 + rng() % 16; i < n; ++i)
            d.colorTable.push_back(rng() & 0xFFFFFF);
        std::vector<uint8_t> pixels(d.stride() * size_t(d.absHeight()));
        for (uint8_t& b : pixels)
            b = uint8_t(rng());
        const gdi::BitmapPtr ours = DibToSketch(d, pixels);
        const gdi::BitmapPtr layers = CreateSketchDib(d.width, d.absHeight());
        gdi::DibFormat f;
        f.width = d.width;
        f.height = d.height;
        f.bitsPerPixel = 4;
        f.colorTable = d.colorTable;
        ASSERT_TRUE(gdi::setDibBits(*layers, f, pixels));
        EXPECT_EQ(indices(*ours), indices(*layers)) << round;
    }
}
