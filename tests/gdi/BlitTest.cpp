#include "gdi/Color.h"
#include "gdi/DeviceContext.h"

#include <gtest/gtest.h>

#include <random>

using namespace gdi;

namespace {

const std::vector<COLORREF> kPalette = {0x000000, 0x000080, 0x0000FF, 0x008000, 0x008080, 0x00FF00,
                                        0x00FFFF, 0x800000, 0x800080, 0x808000, 0x808080, 0xC0C0C0,
                                        0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};

// A DC with its own bitmap.
struct Surface {
    DeviceContext dc;
    Surface(int32_t w, int32_t h, int bpp) {
        dc.selectBitmap(Bitmap::create(w, h, bpp, bpp <= 8 && bpp > 1 ? kPalette : std::vector<COLORREF>{}));
    }
    Bitmap& bm() { return *dc.bitmap(); }
    uint32_t at(int32_t x, int32_t y) { return bm().pixel(x, y); }
};

// Random palette indices, or their colours on a 32-bit bitmap.
void scribble(Bitmap& bm, unsigned seed) {
    std::mt19937 rng(seed);
    for (int32_t y = 0; y < bm.height(); ++y)
        for (int32_t x = 0; x < bm.width(); ++x) {
            const uint32_t index = rng() % 16;
            bm.setPixel(x, y, bm.isIndexed() ? index : colorToRgbPixel(kPalette[index]));
        }
}

} // namespace

// The classic transparent copy: a monochrome mask made from the picture's background
// colour, the mask ANDed in, the picture with its background blacked out ORed on top.
TEST(Blit, MaskedCopyKeepsTheDestinationWhereThePictureHasItsBackground) {
    for (int bpp : {4, 32}) {
        Surface picture(12, 9, 4), dest(12, 9, bpp);
        picture.bm().fill(15); // white background
        for (int32_t y = 2; y < 7; ++y)
            for (int32_t x = 3; x < 10; ++x)
                picture.bm().setPixel(x, y, 1 + (x + y) % 14);
        scribble(dest.bm(), 7);
        const BitmapPtr before = dest.bm().clone();

        Surface mask(12, 9, 1);
        picture.dc.setBkColor(0xFFFFFF);
        ASSERT_TRUE(mask.dc.bitBlt(0, 0, 12, 9, &picture.dc, 0, 0, SRCCOPY));
        // The picture with its background blacked out: the mask's 1 bits arrive as black
        // (the background colour) and its 0 bits as white (the text colour).
        Surface cutout(12, 9, 4);
        cutout.dc.bitBlt(0, 0, 12, 9, &picture.dc, 0, 0, SRCCOPY);
        cutout.dc.setTextColor(0xFFFFFF);
        cutout.dc.setBkColor(0x000000);
        cutout.dc.bitBlt(0, 0, 12, 9, &mask.dc, 0, 0, SRCAND);

        dest.dc.setTextColor(0x000000);
        dest.dc.setBkColor(0xFFFFFF);
        ASSERT_TRUE(dest.dc.bitBlt(0, 0, 12, 9, &mask.dc, 0, 0, SRCAND));
        ASSERT_TRUE(dest.dc.bitBlt(0, 0, 12, 9, &cutout.dc, 0, 0, SRCPAINT));

        for (int32_t y = 0; y < 9; ++y)
            for (int32_t x = 0; x < 12; ++x) {
                const bool inside = x >= 3 && x < 10 && y >= 2 && y < 7;
                const COLORREF want =
                    inside ? kPalette[1 + (x + y) % 14] : before->pixelToColor(before->pixel(x, y));
                EXPECT_EQ(dest.bm().pixelToColor(dest.at(x, y)), want) << bpp << " bits at " << x << "," << y;
            }
    }
}

TEST(Blit, ColourToMonochromeMarksTheSourceBackgroundColour) {
    Surface indexed(16, 1, 4), mono(16, 1, 1);
    for (int32_t x = 0; x < 16; ++x)
        indexed.bm().setPixel(x, 0, uint32_t(x));
    // An indexed source matches the palette entry nearest to its DC's background colour.
    indexed.dc.setBkColor(0x0000FE);
    mono.dc.setBkColor(0x00FF00); // the destination's colours play no part
    mono.dc.bitBlt(0, 0, 16, 1, &indexed.dc, 0, 0, SRCCOPY);
    for (int32_t x = 0; x < 16; ++x)
        EXPECT_EQ(mono.at(x, 0), x == 2 ? 1u : 0u) << x;

    // A true-colour source has to match exactly.
    Surface rgb(3, 1, 32);
    rgb.bm().setPixel(0, 0, 0x302010);
    rgb.bm().setPixel(1, 0, 0x302011);
    rgb.bm().setPixel(2, 0, 0x302010);
    rgb.dc.setBkColor(RGB(0x30, 0x20, 0x10));
    mono.dc.bitBlt(0, 0, 3, 1, &rgb.dc, 0, 0, SRCCOPY);
    EXPECT_EQ(mono.at(0, 0), 1u);
    EXPECT_EQ(mono.at(1, 0), 0u);
    EXPECT_EQ(mono.at(2, 0), 1u);
}

TEST(Blit, MonochromeToColourTakesTheDestinationTextAndBackgroundColours) {
    Surface mono(8, 1, 1), indexed(8, 1, 4), rgb(8, 1, 32);
    for (int32_t x = 0; x < 8; ++x)
        mono.bm().setPixel(x, 0, x & 1);
    mono.dc.setTextColor(0xFFFF00); // the source's colours play no part
    mono.dc.setBkColor(0xFF00FF);
    for (DeviceContext* dc : {&indexed.dc, &rgb.dc}) {
        dc->setTextColor(0x123456);
        dc->setBkColor(0xFEDCBA);
        ASSERT_TRUE(dc->bitBlt(0, 0, 8, 1, &mono.dc, 0, 0, SRCCOPY));
    }
    for (int32_t x = 0; x < 8; ++x) {
        EXPECT_EQ(indexed.at(x, 0), (x & 1) ? 11u : 1u) << "nearest entries of the two colours";
        EXPECT_EQ(rgb.at(x, 0), (x & 1) ? 0xBADCFEu : 0x563412u);
    }
    // Stretched and with a brush-using operation the same colours apply.
    indexed.dc.selectBrush(createSolidBrush(0xFF0000));
    indexed.dc.setTextColor(0x0000FF);
    indexed.dc.setBkColor(0x00FF00);
    indexed.bm().fill(1);
    indexed.dc.stretchBlt(0, 0, 8, 1, &mono.dc, 0, 0, 4, 1, 0x00B8074A); // ((D ^ P) & S) ^ P
    const uint32_t d = 1, p = 12;
    for (int32_t x = 0; x < 8; ++x) {
        const uint32_t s = ((x / 2) & 1) ? 5 : 2;
        EXPECT_EQ(indexed.at(x, 0), (((d ^ p) & s) ^ p) & 0xF) << x;
    }
}

TEST(Blit, IndexedAndTrueColourConvertThroughColours) {
    // Wide enough for every step size of the row conversion and a ragged end, from an
    // odd place in the source.
    Surface wideIndexed(90, 4, 4), wideRgb(90, 4, 32);
    scribble(wideIndexed.bm(), 7);
    wideRgb.dc.bitBlt(1, 0, 83, 4, &wideIndexed.dc, 5, 0, SRCCOPY);
    for (int32_t y = 0; y < 4; ++y)
        for (int32_t x = 0; x < 90; ++x)
            EXPECT_EQ(wideRgb.at(x, y),
                      x >= 1 && x < 84 ? colorToRgbPixel(kPalette[wideIndexed.at(x + 4, y)]) : 0u)
                << x << "," << y;

    Surface indexed(16, 4, 4), rgb(16, 4, 32);
    scribble(indexed.bm(), 3);
    rgb.dc.bitBlt(0, 0, 16, 4, &indexed.dc, 0, 0, SRCCOPY);
    for (int32_t y = 0; y < 4; ++y)
        for (int32_t x = 0; x < 16; ++x)
            EXPECT_EQ(rgb.at(x, y), colorToRgbPixel(kPalette[indexed.at(x, y)]));

    // Off-palette colours land on the nearest entry.
    std::mt19937 rng(5);
    for (int32_t y = 0; y < 4; ++y)
        for (int32_t x = 0; x < 16; ++x)
            rgb.bm().setPixel(x, y, rng() & 0xFFFFFF);
    indexed.dc.bitBlt(0, 0, 16, 4, &rgb.dc, 0, 0, SRCCOPY);
    for (int32_t y = 0; y < 4; ++y)
        for (int32_t x = 0; x < 16; ++x)
            EXPECT_EQ(indexed.at(x, y), nearestColorIndex(kPalette, rgbPixelToColor(rgb.at(x, y))));
}

// Copies within one bitmap read the source before writing, whichever way they move.
TEST(Blit, OverlappingCopiesWithinOneBitmap) {
    for (const Point move : {Point{3, 2}, Point{-3, -2}, Point{4, -1}, Point{-2, 3}}) {
        for (uint32_t rop : {uint32_t(SRCCOPY), uint32_t(SRCINVERT)}) {
            Surface s(20, 15, 4), reference(20, 15, 4);
            scribble(s.bm(), 11);
            Surface snapshot(20, 15, 4);
            snapshot.dc.bitBlt(0, 0, 20, 15, &s.dc, 0, 0, SRCCOPY);
            reference.dc.bitBlt(0, 0, 20, 15, &s.dc, 0, 0, SRCCOPY);
            reference.dc.bitBlt(2 + move.x, 3 + move.y, 12, 9, &snapshot.dc, 2, 3, rop);
            s.dc.bitBlt(2 + move.x, 3 + move.y, 12, 9, &s.dc, 2, 3, rop);
            for (int32_t y = 0; y < 15; ++y)
                for (int32_t x = 0; x < 20; ++x)
                    ASSERT_EQ(s.at(x, y), reference.at(x, y))
                        << move.x << "," << move.y << " at " << x << "," << y;
        }
    }
}

// The paint path: an indexed sketch enlarged onto a true-colour screen image.
TEST(Blit, EnlargingOntoTrueColourRepeatsEachPixelAndMirrors) {
    Surface sketch(10, 7, 4), screen(40, 28, 32);
    scribble(sketch.bm(), 9);
    screen.bm().fill(0x777777);
    ASSERT_TRUE(screen.dc.stretchBlt(1, 2, 30, 21, &sketch.dc, 0, 0, 10, 7, SRCCOPY));
    for (int32_t y = 0; y < 28; ++y)
        for (int32_t x = 0; x < 40; ++x) {
            const bool inside = x >= 1 && x < 31 && y >= 2 && y < 23;
            const uint32_t want =
                inside ? colorToRgbPixel(kPalette[sketch.at((x - 1) / 3, (y - 2) / 3)]) : 0x777777u;
            ASSERT_EQ(screen.at(x, y), want) << x << "," << y;
        }

    // Negative extents on one side mirror; on both sides they cancel out.
    ASSERT_TRUE(screen.dc.stretchBlt(30, 0, -30, 21, &sketch.dc, 0, 0, 10, 7, SRCCOPY));
    for (int32_t y = 0; y < 21; ++y)
        for (int32_t x = 1; x <= 30; ++x)
            ASSERT_EQ(screen.at(x, y), colorToRgbPixel(kPalette[sketch.at((30 - x) / 3, y / 3)]))
                << x << "," << y;
    ASSERT_TRUE(screen.dc.stretchBlt(30, 20, -30, -21, &sketch.dc, 9, 6, -10, -7, SRCCOPY));
    for (int32_t y = 0; y < 21; ++y)
        for (int32_t x = 1; x <= 30; ++x)
            ASSERT_EQ(screen.at(x, y), colorToRgbPixel(kPalette[sketch.at((x - 1) / 3, y / 3)]))
                << x << "," << y;
}

TEST(Blit, StretchedCopiesStayInsideTheClipRegion) {
    Surface sketch(10, 7, 4), plain(40, 28, 32), clipped(40, 28, 32);
    scribble(sketch.bm(), 4);
    const Region clip =
        Region::combine(Region(Rect{5, 3, 17, 20}), Region(Rect{12, 10, 38, 25}), RegionOp::Or);
    clipped.dc.selectClipRegion(&clip);
    for (uint32_t rop : {uint32_t(SRCCOPY), uint32_t(SRCINVERT)}) {
        plain.bm().fill(0x101010);
        clipped.bm().fill(0x101010);
        plain.dc.stretchBlt(0, 0, 35, 27, &sketch.dc, 0, 0, 10, 7, rop);
        clipped.dc.stretchBlt(0, 0, 35, 27, &sketch.dc, 0, 0, 10, 7, rop);
        for (int32_t y = 0; y < 28; ++y)
            for (int32_t x = 0; x < 40; ++x)
                ASSERT_EQ(clipped.at(x, y), clip.contains(x, y) ? plain.at(x, y) : 0x101010u)
                    << x << "," << y;
    }
}

// Shrinking combines the source pixels of each destination pixel on their values.
TEST(Blit, ShrinkingFollowsTheStretchMode) {
    Surface src(4, 4, 4), dst(2, 2, 4);
    scribble(src.bm(), 21);
    auto shrink = [&](int mode) {
        dst.dc.setStretchMode(mode);
        dst.bm().fill(0);
        dst.dc.stretchBlt(0, 0, 2, 2, &src.dc, 0, 0, 4, 4, SRCCOPY);
    };
    auto block = [&](int32_t bx, int32_t by, auto op) {
        uint32_t v = src.at(2 * bx, 2 * by);
        for (int32_t i = 1; i < 4; ++i)
            v = op(v, src.at(2 * bx + i % 2, 2 * by + i / 2));
        return v;
    };
    shrink(BLACKONWHITE);
    for (int32_t y = 0; y < 2; ++y)
        for (int32_t x = 0; x < 2; ++x)
            EXPECT_EQ(dst.at(x, y), block(x, y, [](uint32_t a, uint32_t b) { return a & b; }))
                << x << "," << y;
    shrink(WHITEONBLACK);
    for (int32_t y = 0; y < 2; ++y)
        for (int32_t x = 0; x < 2; ++x)
            EXPECT_EQ(dst.at(x, y), block(x, y, [](uint32_t a, uint32_t b) { return a | b; }))
                << x << "," << y;
    // One source pixel survives: the last of its columns, the first of its rows.
    shrink(COLORONCOLOR);
    for (int32_t y = 0; y < 2; ++y)
        for (int32_t x = 0; x < 2; ++x)
            EXPECT_EQ(dst.at(x, y), src.at(2 * x + 1, 2 * y)) << x << "," << y;

    // A single destination column leaves the last source column out.
    Surface column(1, 2, 4);
    column.dc.stretchBlt(0, 0, 1, 2, &src.dc, 0, 0, 2, 2, SRCCOPY);
    EXPECT_EQ(column.at(0, 0), src.at(0, 0));
    EXPECT_EQ(column.at(0, 1), src.at(0, 1));
}

TEST(Blit, PatternFillsHonourTheBackgroundModeAndNegativeExtents) {
    Surface s(16, 8, 4);
    s.bm().fill(7);
    s.dc.selectBrush(createHatchBrush(HS_VERTICAL, 0x000000));
    s.dc.setBkMode(TRANSPARENT);
    ASSERT_TRUE(s.dc.patBlt(0, 0, 16, 4, PATINVERT));
    s.dc.setBkMode(OPAQUE);
    s.dc.setBkColor(0x0000FF);
    ASSERT_TRUE(s.dc.patBlt(16, 8, -16, -4, PATCOPY)); // covers rows 5..8 and columns 1..16
    for (int32_t x = 0; x < 16; ++x) {
        EXPECT_EQ(s.at(x, 1), 7u) << "black lines invert nothing and the gaps are left";
        EXPECT_EQ(s.at(x, 4), 7u);
        EXPECT_EQ(s.at(x, 6), x == 0 ? 7u : ((x & 7) == 4 ? 0u : 2u)) << x;
    }
    s.dc.selectBrush(createHatchBrush(HS_VERTICAL, 0xFFFFFF));
    s.dc.setBkMode(TRANSPARENT);
    ASSERT_TRUE(s.dc.patBlt(0, 0, 16, 1, PATINVERT));
    ASSERT_TRUE(s.dc.patBlt(0, 2, 16, 1, DSTINVERT));
    for (int32_t x = 0; x < 16; ++x) {
        EXPECT_EQ(s.at(x, 0), (x & 7) == 4 ? 8u : 7u) << "white lines invert, gaps stay";
        EXPECT_EQ(s.at(x, 2), 8u) << "DSTINVERT ignores the brush";
    }
}

TEST(Blit, MonochromeBitmapsMapPenBrushAndPixelColours) {
    Surface mono(8, 8, 1);
    mono.dc.setBkColor(0xFFFFFF);
    mono.dc.setPixel(0, 0, 0x808080);
    EXPECT_EQ(mono.at(0, 0), 1u) << "a single pixel takes the nearest colour";
    EXPECT_EQ(mono.dc.colorToPixel(0x808080), 0u) << "a coloured pen stands out from a white background";
    EXPECT_EQ(mono.dc.colorToPixel(0xFFFFFF), 1u);
    mono.dc.setBkColor(0x000000);
    EXPECT_EQ(mono.dc.colorToPixel(0x0000FF), 1u) << "and from a black one";
    EXPECT_EQ(mono.dc.colorToPixel(0x000000), 0u);

    // Solid brushes of other colours than black and white are dithered; these tiles are
    // what the reference paints.
    const struct {
        COLORREF color;
        uint8_t rows[8];
    } tiles[] = {
        {0x808080, {0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA}},
        {0x4080C0, {0x55, 0xAA, 0x55, 0xAE, 0x55, 0xAA, 0x55, 0xEE}},
        {0x0000FF, {0x00, 0xAA, 0x04, 0xAA, 0x00, 0xAA, 0x44, 0xAA}},
    };
    for (const auto& t : tiles) {
        mono.dc.fillRect({0, 0, 8, 8}, createSolidBrush(t.color));
        for (int32_t y = 0; y < 8; ++y) {
            uint8_t bits = 0;
            for (int32_t x = 0; x < 8; ++x)
                bits |= uint8_t(mono.at(x, y) << (7 - x));
            EXPECT_EQ(bits, t.rows[y]) << std::hex << t.color << " row " << y;
        }
    }
}
