// Ellipses, arcs and wide pens: the geometry's invariants and the drawing properties the
// reference cases cannot show one by one (each pixel painted once, clipping that agrees
// with unclipped drawing, dash patterns running round a curve).

#include "SketchPage.h"
#include "gdi/EllipseGeometry.h"
#include "gdi/WidePen.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <utility>

using namespace gdi;
using namespace gdi_test;

namespace {

using PixelSet = std::set<std::pair<int32_t, int32_t>>;

PixelSet pixelsOf(const std::vector<Point>& pts) {
    PixelSet s;
    for (const Point& p : pts)
        s.insert({p.x, p.y});
    return s;
}

PixelSet pixelsWhere(const Bitmap& bm, uint32_t value) {
    PixelSet s;
    for (int32_t y = 0; y < bm.height(); ++y)
        for (int32_t x = 0; x < bm.width(); ++x)
            if (bm.pixel(x, y) == value) s.insert({x, y});
    return s;
}

// Draws the same figure with the given setup on a fresh white page.
template <class Draw> DeviceContext drawn(int32_t w, int32_t h, Draw&& draw) {
    DeviceContext dc = whiteDC(w, h);
    draw(dc);
    return dc;
}

} // namespace

TEST(EllipseGeometry, OutlineIsAClosedSymmetricChainOfNeighbours) {
    for (int32_t w = 3; w < 48; ++w) {
        for (int32_t h = 3; h < 48; ++h) {
            const Rect box{5, 7, 5 + w, 7 + h};
            const std::vector<Point> pts = ellipseOutline(box);
            ASSERT_FALSE(pts.empty());
            for (size_t i = 0; i < pts.size(); ++i) {
                const Point a = pts[i];
                const Point b = pts[(i + 1) % pts.size()];
                ASSERT_LE(std::abs(a.x - b.x), 1) << w << "x" << h << " step " << i;
                ASSERT_LE(std::abs(a.y - b.y), 1) << w << "x" << h << " step " << i;
                ASSERT_TRUE(box.contains(a.x, a.y)) << w << "x" << h;
            }
            // The chain is the upper right quarter and its three mirror images.
            PixelSet mirrored;
            for (const Point& p : ellipseQuarter(box)) {
                const int32_t mx = box.left + box.right - 1 - p.x;
                const int32_t my = box.top + box.bottom - 1 - p.y;
                mirrored.insert({{p.x, p.y}, {mx, p.y}, {p.x, my}, {mx, my}});
            }
            ASSERT_EQ(pixelsOf(pts), mirrored) << w << "x" << h;
        }
    }
    EXPECT_TRUE(ellipseOutline({0, 0, 2, 9}).empty());
}

TEST(EllipseGeometry, ArcsRunCounterClockwiseBetweenTheirRays) {
    const Rect box{0, 0, 41, 31};
    const Point centre{20, 15};
    const Point right{10, 0}, up{0, -10}, left{-10, 0}, down{0, 10};

    // Equal rays give the whole outline.
    EXPECT_EQ(pixelsOf(arcOutline(box, up, up)), pixelsOf(ellipseOutline(box)));

    // From the right ray to the upward one: the upper right quarter only, from the right
    // end of the middle row to just short of the middle column.
    const std::vector<Point> quarter = arcOutline(box, right, up);
    ASSERT_GE(quarter.size(), 2u);
    for (const Point& p : quarter) {
        EXPECT_GE(p.x, centre.x);
        EXPECT_LE(p.y, centre.y);
    }
    EXPECT_EQ(quarter.front().x, box.right - 1);
    EXPECT_GT(quarter.back().x, centre.x);

    // The other way round covers the remaining three quarters.
    const PixelSet rest = pixelsOf(arcOutline(box, up, right));
    EXPECT_TRUE(rest.count({box.left, centre.y}));
    EXPECT_TRUE(rest.count({centre.x, box.bottom - 1}));
    EXPECT_FALSE(rest.count({box.right - 4, box.top + 3}));
    EXPECT_EQ(pixelsOf(arcOutline(box, left, down)).count({box.left, centre.y}), 1u);
}

TEST(EllipseGeometry, RegionRowsAreSymmetricAndInsideTheShrunkBox) {
    for (int32_t w = 2; w < 40; ++w) {
        for (int32_t h = 2; h < 40; h += 3) {
            const std::vector<RowSpan> rows = ellipticRegionRows(10, 20, 10 + w, 20 + h);
            ASSERT_EQ(int32_t(rows.size()), h - 1);
            for (size_t i = 0; i < rows.size(); ++i) {
                const RowSpan& r = rows[i];
                const RowSpan& m = rows[rows.size() - 1 - i];
                EXPECT_EQ(r.y, 20 + int32_t(i));
                EXPECT_GE(r.left, 10);
                EXPECT_LE(r.right, 10 + w - 1);
                EXPECT_EQ(r.left, m.left);
                EXPECT_EQ(r.right, m.right);
            }
        }
    }
    // Reversed corners describe the same region.
    const std::vector<RowSpan> a = ellipticRegionRows(3, 4, 20, 17);
    const std::vector<RowSpan> b = ellipticRegionRows(20, 17, 3, 4);
    ASSERT_EQ(a.size(), b.size());
    for (size_t i = 0; i < a.size(); ++i)
        EXPECT_EQ(a[i].left, b[i].left);
}

// Under R2_NOT a pixel painted twice would come back white: the inverted pixels must be
// exactly those a copying pen and brush cover.
TEST(WidePen, PaintsEveryPixelOfAFigureOnce) {
    auto ellipse = [](DeviceContext& dc) { dc.ellipse(6, 5, 47, 30); };
    auto arc = [](DeviceContext& dc) { dc.arc(10, 30, 50, 58, 50, 40, 10, 40); };
    auto zigzag = [](DeviceContext& dc) {
        const Point pts[] = {{3, 3}, {40, 50}, {45, 10}, {3, 40}, {3, 40}, {50, 20}};
        drawWideLines(dc, pts, 6, true);
    };
    auto star = [](DeviceContext& dc) {
        const Point pts[] = {{28, 2}, {40, 55}, {4, 20}, {52, 20}, {14, 55}};
        dc.setPolyFillMode(WINDING);
        dc.polygon(pts, 5);
    };
    auto rectangle = [](DeviceContext& dc) { dc.rectangle(5, 8, 50, 40); };
    for (int32_t width = 2; width <= 8; ++width) {
        auto black = [&](int rop, auto draw) {
            const DeviceContext dc = drawn(56, 60, [&](DeviceContext& dc) {
                dc.selectPen(createPen(PS_SOLID, width, 0x000000));
                dc.selectBrush(createSolidBrush(0x000000));
                dc.setROP2(rop);
                draw(dc);
            });
            return pixelsWhere(*dc.bitmap(), kBlack);
        };
        EXPECT_EQ(black(R2_NOT, ellipse), black(R2_COPYPEN, ellipse)) << "ellipse, width " << width;
        EXPECT_EQ(black(R2_NOT, arc), black(R2_COPYPEN, arc)) << "arc, width " << width;
        EXPECT_EQ(black(R2_NOT, zigzag), black(R2_COPYPEN, zigzag)) << "lines, width " << width;
        EXPECT_EQ(black(R2_NOT, star), black(R2_COPYPEN, star)) << "polygon, width " << width;
        EXPECT_EQ(black(R2_NOT, rectangle), black(R2_COPYPEN, rectangle)) << "rectangle, width " << width;
    }
}

// Direct pixel writes are taken only where nothing clips; drawing through a clip
// rectangle or past the bitmap's edges must give the same pixels as drawing in the open.
TEST(Ellipse, ClippedDrawingAgreesWithUnclippedDrawing) {
    struct Pen {
        int style;
        int32_t width;
        int rop;
    };
    const Pen pens[] = {{PS_SOLID, 1, R2_COPYPEN},
                        {PS_SOLID, 1, R2_XORPEN},
                        {PS_DASHDOT, 1, R2_COPYPEN},
                        {PS_SOLID, 4, R2_NOTXORPEN}};
    for (const Pen& pen : pens) {
        auto draw = [&](DeviceContext& dc, int32_t dx, int32_t dy) {
            dc.selectPen(createPen(pen.style, pen.width, 0x0000FF));
            dc.selectBrush(createSolidBrush(0x00FF00));
            dc.setROP2(pen.rop);
            dc.setBkColor(0xFF0000);
            dc.ellipse(dx + 4, dy + 6, dx + 70, dy + 50);
            dc.arc(dx + 10, dy + 10, dx + 60, dy + 40, dx + 70, dy, dx, dy + 45);
        };
        const DeviceContext open = drawn(80, 60, [&](DeviceContext& dc) { draw(dc, 0, 0); });

        const Rect window{20, 15, 61, 43};
        DeviceContext clipped = whiteDC(80, 60);
        const Region clip(window);
        clipped.selectClipRegion(&clip);
        draw(clipped, 0, 0);
        // The part of the page the bitmap edges leave: the same figure shifted so that the
        // window's corner lands on the bitmap's origin.
        DeviceContext shifted = whiteDC(window.width(), window.height());
        draw(shifted, -window.left, -window.top);

        ASSERT_TRUE(pixelsAre(*clipped.bitmap(),
                              [&](int32_t x, int32_t y) {
                                  return window.contains(x, y) ? open.bitmap()->pixel(x, y) : kWhite;
                              }))
            << "clipped, style " << pen.style;
        ASSERT_TRUE(pixelsAre(
            *shifted.bitmap(),
            [&](int32_t x, int32_t y) { return open.bitmap()->pixel(x + window.left, y + window.top); }))
            << "shifted, style " << pen.style;
    }
}

// The dash pattern runs on round the whole curve (18 on, 6 off for PS_DASH); the gaps take
// the background colour unless the background is transparent.
TEST(Ellipse, StyledPensRunTheirPatternRoundTheCurve) {
    for (const int mode : {OPAQUE, TRANSPARENT}) {
        const DeviceContext dc = drawn(220, 220, [&](DeviceContext& dc) {
            dc.selectPen(createPen(PS_DASH, 1, 0x000000));
            dc.selectBrush(stockNullBrush());
            dc.setBkMode(mode);
            dc.setBkColor(0x0000FF);
            dc.ellipse(10, 10, 210, 210);
        });
        const size_t dashes = pixelsWhere(*dc.bitmap(), kBlack).size();
        const size_t gaps = pixelsWhere(*dc.bitmap(), 2).size();
        const size_t outline = pixelsOf(ellipseOutline({10, 10, 210, 210})).size();
        EXPECT_NEAR(double(dashes) / double(outline), 0.75, 0.02);
        if (mode == OPAQUE)
            EXPECT_EQ(dashes + gaps, outline);
        else
            EXPECT_EQ(gaps, 0u);
    }
}

TEST(Ellipse, DegenerateBoxes) {
    auto draw = [](int32_t l, int32_t t, int32_t r, int32_t b) {
        const DeviceContext dc = drawn(40, 40, [&](DeviceContext& dc) {
            dc.selectBrush(createSolidBrush(0x00FF00));
            dc.ellipse(l, t, r, b);
            dc.arc(l, t, r, b, 0, 0, 0, 0);
        });
        PixelSet touched;
        for (uint32_t v = 0; v < 15; ++v)
            touched.merge(pixelsWhere(*dc.bitmap(), v));
        return touched;
    };
    EXPECT_TRUE(draw(5, 5, 5, 30).empty());
    EXPECT_TRUE(draw(5, 9, 30, 9).empty());
    EXPECT_EQ(draw(30, 25, 4, 3), draw(4, 3, 30, 25));
    EXPECT_EQ(draw(4, 25, 30, 3), draw(4, 3, 30, 25));
}
