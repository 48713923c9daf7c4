// Turning a picture: the routine against a plain, slow rendering of the same weighted
// spreading worked out here pixel by pixel through the DC, and the cases whose outcome
// can be told without it (the unturned picture moved half a pixel, the bigger box of a
// slanted turn, the report of the work).

#include "document/RotateBitmap.h"
#include "document/SketchBitmap.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr gdi::COLORREF White = 0xFFFFFF;
constexpr gdi::COLORREF Black = 0x000000;

using Colour = std::array<float, 3>; // red, green, blue
// picture[bottomUpRow][column]
using Picture = std::vector<std::vector<Colour>>;

Colour split(gdi::COLORREF c) {
    return {float(c & 0xFF), float((c >> 8) & 0xFF), float((c >> 16) & 0xFF)};
}

// The weighted spreading written out as plainly as it can be: no shortcuts, every
// source pixel of every pass blended into up to four neighbours.
gdi::BitmapPtr plainTurn(const gdi::BitmapPtr& original, float c, float s, int passes) {
    gdi::DeviceContext in;
    in.selectBitmap(original);
    const int w = original->width(), h = original->height();
    float xs[4] = {0, float(w), float(w), 0}, ys[4] = {0, 0, float(h), float(h)};
    int minX = 1 << 30, maxX = -(1 << 30), minY = 1 << 30, maxY = -(1 << 30);
    for (int i = 0; i < 4; ++i) {
        const int x = int(std::nearbyint(xs[i] * c - ys[i] * s));
        const int y = int(std::nearbyint(xs[i] * s + ys[i] * c));
        minX = std::min(minX, x), maxX = std::max(maxX, x);
        minY = std::min(minY, y), maxY = std::max(maxY, y);
    }
    const int nw = maxX - minX, nh = maxY - minY;
    Picture from(h, std::vector<Colour>(w));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            from[h - 1 - y][x] = split(in.getPixel(x, y));
    Picture to(nh, std::vector<Colour>(nw, Colour{255, 255, 255}));
    const auto blend = [&](int x, int r, float weight, const Colour& colour) {
        for (int k = 0; k < 3; ++k)
            to[r][x][k] = std::nearbyint((1.0f - weight) * to[r][x][k] + weight * colour[k]);
    };
    for (int pass = 0; pass < passes; ++pass)
        for (int x = 0; x < w; ++x)
            for (int r = 0; r < h; ++r) {
                const float dx = float(x - w / 2), dr = float(r - h / 2);
                const float fx = dx * c - dr * s + float(nw / 2);
                const float fr = dx * s + dr * c + float(nh / 2);
                const int ix = int(std::trunc(fx)), ir = int(std::trunc(fr));
                const float ox = fx - (float(ix) + 0.5f), orr = fr - (float(ir) + 0.5f);
                const int sx = (ox > 0) - (ox < 0), sr = (orr > 0) - (orr < 0);
                const float ax = std::abs(ox), ar = std::abs(orr);
                const bool firstIn = ix >= 0 && ix < nw && ir >= 0 && ir < nh;
                const bool lastIn = ix + sx >= 0 && ix + sx < nw && ir + sr >= 0 && ir + sr < nh;
                if (!firstIn || !lastIn) continue;
                blend(ix, ir, (1 - ax) * (1 - ar), from[r][x]);
                if (sx) blend(ix + sx, ir, ax * (1 - ar), from[r][x]);
                if (sr) blend(ix, ir + sr, (1 - ax) * ar, from[r][x]);
                if (sx && sr) blend(ix + sx, ir + sr, ax * ar, from[r][x]);
            }
    gdi::DeviceContext out;
    out.selectBitmap(CreateSketchDib(nw, nh));
    for (int y = 0; y < nh; ++y)
        for (int x = 0; x < nw; ++x) {
            const Colour& p = to[nh - 1 - y][x];
            out.setPixel(x, y, gdi::RGB(int(p[0]), int(p[1]), int(p[2])));
        }
    return out.bitmap();
}

// A drawing with no symmetry in several sketch colours.
gdi::BitmapPtr drawing(int w, int h) {
    gdi::DeviceContext dc;
    dc.selectBitmap(CreateSketchDib(w, h));
    dc.fillRect({0, 0, w, h}, gdi::createSolidBrush(White));
    dc.selectPen(gdi::createPen(gdi::PS_SOLID, 1, Black));
    dc.moveTo(3, 4);
    dc.lineTo(w - 5, h / 2);
    dc.lineTo(w / 3, h - 2);
    dc.fillRect({w / 2, 2, w / 2 + 6, 7}, gdi::createSolidBrush(0x0000FF));
    dc.setPixel(w - 3, h - 4, 0xFF0000);
    dc.setPixel(1, h - 2, 0x808080);
    return dc.bitmap();
}

gdi::BitmapPtr turned(const gdi::BitmapPtr& picture, float c, float s, TRotateProgress progress = {}) {
    gdi::DeviceContext dc;
    dc.selectBitmap(picture->clone());
    RotateBitmap({&dc, c, s, 5, std::move(progress), nullptr});
    return dc.bitmap();
}

// Where two pictures first differ, or empty.
std::string difference(const gdi::Bitmap& got, const gdi::Bitmap& want) {
    if (got.width() != want.width() || got.height() != want.height())
        return "size " + std::to_string(got.width()) + "x" + std::to_string(got.height()) + " instead of " +
               std::to_string(want.width()) + "x" + std::to_string(want.height());
    for (int y = 0; y < got.height(); ++y)
        for (int x = 0; x < got.width(); ++x)
            if (got.pixel(x, y) != want.pixel(x, y))
                return "pixel (" + std::to_string(x) + ", " + std::to_string(y) + ") is " +
                       std::to_string(got.pixel(x, y)) + " instead of " + std::to_string(want.pixel(x, y));
    return {};
}

int countColour(const gdi::Bitmap& bitmap, gdi::COLORREF colour) {
    int count = 0;
    for (int y = 0; y < bitmap.height(); ++y)
        for (int x = 0; x < bitmap.width(); ++x)
            count += bitmap.pixelToColor(bitmap.pixel(x, y)) == colour;
    return count;
}

} // namespace

TEST(RotateBitmap, TurnsLikeThePlainSpreadingAtManyAngles) {
    const gdi::BitmapPtr picture = drawing(41, 30);
    for (float degrees : {30.0f, -17.0f, 45.0f, 90.0f, 123.5f, 180.0f, 271.0f}) {
        SCOPED_TRACE(degrees);
        const float a = degrees * std::numbers::pi_v<float> / 180;
        const gdi::BitmapPtr got = turned(picture, std::cos(a), std::sin(a));
        EXPECT_EQ(difference(*got, *plainTurn(picture, std::cos(a), std::sin(a), 5)), "");
        // The drawing survives the turn.
        EXPECT_GT(got->width() * got->height() - countColour(*got, White), 40);
    }
}

TEST(RotateBitmap, UnturnedPictureMovesHalfAPixelAndLosesItsLeftColumnAndBottomRow) {
    gdi::DeviceContext dc;
    dc.selectBitmap(CreateSketchDib(20, 16));
    dc.fillRect({0, 0, 20, 16}, gdi::createSolidBrush(White));
    dc.fillRect({0, 0, 1, 16}, gdi::createSolidBrush(Black));
    dc.fillRect({0, 15, 20, 16}, gdi::createSolidBrush(Black));
    dc.setPixel(10, 6, Black);
    const gdi::BitmapPtr got = turned(dc.bitmap(), 1, 0);
    ASSERT_EQ(got->width(), 20);
    ASSERT_EQ(got->height(), 16);
    // A quarter of the pixel goes to its place and to the left, lower and lower-left
    // neighbours each, which the white around it lightens again: four grey pixels.
    // Nothing of the black left column and bottom row is left.
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 20; ++x) {
            const bool spread = (x == 9 || x == 10) && (y == 6 || y == 7);
            EXPECT_EQ(got->pixelToColor(got->pixel(x, y)), spread ? 0xC0C0C0 : White) << x << ", " << y;
        }
    EXPECT_EQ(difference(*got, *plainTurn(dc.bitmap(), 1, 0, 5)), "");
}

TEST(RotateBitmap, SlantedTurnEnlargesTheSketchWithWhiteCornersAndHalfTurnPutsItUpsideDown) {
    const gdi::BitmapPtr picture = drawing(40, 30);
    const float r = std::sqrt(0.5f);
    const gdi::BitmapPtr slanted = turned(picture, r, r);
    // The box of the turned corners: (40, 0) -> (28, 28), (40, 30) -> (7, 49),
    // (0, 30) -> (-21, 21).
    EXPECT_EQ(slanted->width(), 49);
    EXPECT_EQ(slanted->height(), 49);
    for (gdi::Point corner : {gdi::Point{0, 0}, {48, 0}, {0, 48}, {48, 48}})
        EXPECT_EQ(slanted->pixelToColor(slanted->pixel(corner.x, corner.y)), White);

    // The blue dot near the bottom right ends near the top left.
    const gdi::BitmapPtr upsideDown = turned(picture, -1, 0);
    EXPECT_EQ(upsideDown->width(), 40);
    EXPECT_EQ(upsideDown->height(), 30);
    int blueX = -1, blueY = -1;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x)
            if (upsideDown->pixelToColor(upsideDown->pixel(x, y)) == 0xFF0000) blueX = x, blueY = y;
    EXPECT_LE(blueX, 4);
    EXPECT_LE(blueY, 5);
    EXPECT_EQ(difference(*upsideDown, *plainTurn(picture, -1, 0, 5)), "");
}

TEST(RotateBitmap, ReportsStartTotalEveryColumnNewSizeAndEnd) {
    const gdi::BitmapPtr picture = drawing(40, 30);
    std::vector<std::array<intptr_t, 3>> calls;
    int marker = 0;
    gdi::DeviceContext dc;
    dc.selectBitmap(picture->clone());
    TRotateRequest request{&dc, std::sqrt(0.5f), std::sqrt(0.5f), 5, {}, &marker};
    request.Progress = [&](int32_t code, intptr_t value, intptr_t extra) {
        if (code != RotateStepDone || calls.empty() || calls.back()[0] != RotateStepDone)
            calls.push_back({code, value, extra});
        else
            ++calls.back()[1];
        return 0;
    };
    RotateBitmap(request);
    ASSERT_EQ(calls.size(), 5u);
    EXPECT_EQ(calls[0], (std::array<intptr_t, 3>{RotateStart, intptr_t(&request), intptr_t(&marker)}));
    EXPECT_EQ(calls[1], (std::array<intptr_t, 3>{RotateTotal, 6 * 40 + 49, 0}));
    // Every step counted once: the reading, five passes and the writing.
    EXPECT_EQ(calls[2][0], RotateStepDone);
    EXPECT_EQ(calls[2][1] + 1, 6 * 40 + 49);
    EXPECT_EQ(calls[3], (std::array<intptr_t, 3>{RotateSized, 49, 49}));
    EXPECT_EQ(calls[4][0], RotateFinished);
    EXPECT_EQ(dc.bitmap()->width(), 49);

    // A cosine far from any turn asks for a size no sketch may have: the picture stays
    // and the work ends at once.
    const gdi::BitmapPtr kept = dc.bitmap();
    calls.clear();
    request.Cos = 1e6f;
    RotateBitmap(request);
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[1][0], RotateTotal);
    EXPECT_EQ(calls[2][0], RotateFinished);
    EXPECT_EQ(dc.bitmap(), kept);

    // Without a bitmap there is nothing to turn and nothing more to report.
    gdi::DeviceContext empty;
    calls.clear();
    request.DC = &empty;
    RotateBitmap(request);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0][0], RotateStart);
    EXPECT_EQ(empty.bitmap(), nullptr);
}
