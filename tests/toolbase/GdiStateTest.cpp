// The GDI state record, a tool committing into the sketch, and the shared helpers.

#include "ToolTestSupport.h"

#include "tools/base/GdiState.h"
#include "tools/base/ToolDrawing.h"
#include "tools/base/ToolGeometry.h"
#include "tools/base/ToolSwitch.h"

#include "document/Pens.h"
#include "document/RenderBuffer.h"
#include "document/SketchBitmap.h"
#include "document/TechDocument.h"
#include "document/UnDoObj.h"

#include <QAction>

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr gdi::COLORREF White = 0xFFFFFF;
constexpr gdi::COLORREF Black = 0x000000;
constexpr gdi::COLORREF Green = 0x00FF00;
constexpr gdi::COLORREF Red = 0x0000FF;

gdi::BitmapPtr sketchBitmap(int32_t width, int32_t height) {
    auto bitmap = gdi::Bitmap::create(width, height, 4, {SketchPalette.begin(), SketchPalette.end()});
    bitmap->fill(15);
    return bitmap;
}

// Everything a DC carries that a state record may change.
struct TDcSnapshot {
    explicit TDcSnapshot(const gdi::DeviceContext& dc)
        : pen(dc.pen()), brush(dc.brush()), font(dc.font()), rop2(dc.rop2()), bkMode(dc.bkMode()),
          textColor(dc.textColor()), bkColor(dc.bkColor()) {}
    bool operator==(const TDcSnapshot&) const = default;
    gdi::PenPtr pen;
    gdi::BrushPtr brush;
    gdi::FontPtr font;
    int rop2;
    int bkMode;
    gdi::COLORREF textColor;
    gdi::COLORREF bkColor;
};

TEST(GdiStateTest, ApplyingAndRestoringEveryMemberLeavesTheDcAsItWas) {
    CreateSharedPens();
    gdi::DeviceContext dc;
    dc.selectBitmap(sketchBitmap(8, 8));
    dc.selectPen(gdi::createPen(gdi::PS_DOT, 1, Red));
    dc.selectBrush(gdi::createSolidBrush(Red));
    dc.selectFont(gdi::createFontIndirect(gdi::LogFont{}));
    dc.setROP2(gdi::R2_XORPEN);
    dc.setBkMode(gdi::OPAQUE);
    dc.setTextColor(Red);
    const TDcSnapshot before(dc);

    TGdiState state;
    InitStateForPen(state, &dc, gdi::R2_COPYPEN, GreenPen);
    EXPECT_EQ(state.Flags, gsPen | gsRop2);
    EXPECT_EQ(state.LogPen.color, Green);
    const gdi::BrushPtr brush = gdi::stockNullBrush();
    gdi::LogFont log;
    log.height = -13;
    const gdi::FontPtr font = gdi::createFontIndirect(log);
    state.Flags |= gsBrush | gsFont | gsBkMode | gsLogPen;
    state.Brush = brush;
    state.Font = font;
    state.TextColor = Green;
    state.BkMode = gdi::TRANSPARENT;

    TGdiState applied = state;
    EXPECT_TRUE(ApplyState(applied));
    // The given pen wins over the description.
    EXPECT_EQ(dc.pen(), GreenPen);
    EXPECT_EQ(dc.brush(), brush);
    EXPECT_EQ(dc.font(), font);
    EXPECT_EQ(dc.textColor(), Green);
    EXPECT_EQ(dc.rop2(), gdi::R2_COPYPEN);
    EXPECT_EQ(dc.bkMode(), gdi::TRANSPARENT);
    // The record now holds what it replaced.
    EXPECT_EQ(applied.Pen, before.pen);
    EXPECT_EQ(applied.Rop2, gdi::R2_XORPEN);

    RestoreState(applied);
    EXPECT_TRUE(TDcSnapshot(dc) == before);
    EXPECT_EQ(applied.Pen, GreenPen);
    DeleteSharedPens();
}

TEST(GdiStateTest, APenMadeFromItsDescriptionGoesAgainOnRestore) {
    gdi::DeviceContext dc;
    dc.selectBitmap(sketchBitmap(8, 8));
    const TDcSnapshot before(dc);

    TGdiState state;
    InitStateForLogPen(state, &dc, gdi::R2_NOTXORPEN, Red, 3, gdi::PS_DASH);
    EXPECT_EQ(state.Flags, gsLogPen | gsRop2);
    ApplyState(state);
    ASSERT_NE(dc.pen(), nullptr);
    EXPECT_NE(dc.pen(), before.pen);
    EXPECT_EQ(dc.pen()->log().style, gdi::PS_DASH);
    EXPECT_EQ(dc.pen()->log().width, 3);
    EXPECT_EQ(dc.pen()->color(), Red);
    EXPECT_EQ(dc.rop2(), gdi::R2_NOTXORPEN);
    const std::weak_ptr<const gdi::Pen> made = dc.pen();

    RestoreState(state);
    EXPECT_TRUE(TDcSnapshot(dc) == before);
    EXPECT_TRUE(made.expired());
}

// A sketch, its history and the pens, as start-up makes them.
class CommitTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetFramework();
        Document = std::make_unique<TTechDocument>(&documentHost);
        Document->CreateNewDocument(40, 30);
        UndoHistory = std::make_unique<TUnDoObj>();
        CreateSharedPens();
    }
    void TearDown() override {
        ResetFramework();
        DeleteSharedPens();
        UndoHistory.reset();
        Document.reset();
    }

    TFakeHost host;
    TTestDocumentHost documentHost;
};

TEST_F(CommitTest, AToolPreviewsInTheBufferAndCommitsWithOneUndoStep) {
    SelectTool(ToolClass<TTestToolA>, nullptr, nullptr);
    TTechBase& tool = *CurrentTool;
    tool.SurfMouseEnter(5, 5);
    tool.SurfMouseDown(nullptr, Qt::LeftButton, ssLeft, 5, 5);
    tool.SurfMouseUp(nullptr, Qt::LeftButton, {}, 5, 5);
    tool.SurfMouseMove(nullptr, {}, 20, 5);

    // The preview goes into the buffer only, offset by the scroll origin.
    TRenderBuffer buffer(*DocDC);
    buffer.SetSize(30, 20);
    const gdi::Point origin{2, 1};
    buffer.CopyFrom(*DocDC, &origin);
    tool.DrawPreview(buffer.DC(), {0, 0, 30, 20}, origin.x, origin.y);
    EXPECT_EQ(buffer.DC().getPixel(3, 4), Green);
    EXPECT_EQ(buffer.DC().getPixel(17, 4), Green);
    EXPECT_EQ(buffer.DC().getPixel(18, 4), White);
    // The cross-hair, not-xor over white, is drawn twice at its centre and so gone there.
    tool.DrawCursor(buffer.DC(), {0, 0, 30, 20}, origin.x, origin.y);
    EXPECT_NE(buffer.DC().getPixel(18, 0), White);
    EXPECT_NE(buffer.DC().getPixel(0, 4), Green);
    EXPECT_EQ(DocDC->getPixel(10, 5), White);
    EXPECT_FALSE(Document->Modified);
    EXPECT_FALSE(documentHost.CanUndo);
    const int refreshes = documentHost.UndoRefreshes;

    tool.SurfMouseDown(nullptr, Qt::LeftButton, ssLeft, 20, 5);
    EXPECT_EQ(DocDC->getPixel(5, 5), Black);
    EXPECT_EQ(DocDC->getPixel(19, 5), Black);
    EXPECT_EQ(DocDC->getPixel(20, 5), White);
    EXPECT_EQ(UndoHistory->StoredCount, 1);
    EXPECT_TRUE(Document->Modified);
    // The window hears of the new step once.
    EXPECT_EQ(documentHost.UndoRefreshes, refreshes + 1);
    EXPECT_TRUE(documentHost.CanUndo);
    EXPECT_FALSE(documentHost.CanRedo);

    // The one step takes the whole segment back.
    Document->Undo();
    EXPECT_EQ(DocDC->getPixel(5, 5), White);
    EXPECT_EQ(DocDC->getPixel(19, 5), White);
}

// ---- Helpers ------------------------------------------------------------------------------------

TEST(ToolGeometryTest, PointsRoundHalvesToEvenAndRectsNormalise) {
    EXPECT_EQ(RoundPoint(MakePointF(2.5f, 3.5f)), (gdi::Point{2, 4}));
    EXPECT_EQ(RoundPoint(MakePointF(-2.5f, -0.6f)), (gdi::Point{-2, -1}));
    EXPECT_EQ(ToPointF({-7, 9}), MakePointF(-7.0f, 9.0f));
    gdi::Rect rect{10, 20, 3, 4};
    NormalizeRect(rect);
    EXPECT_EQ(rect, (gdi::Rect{3, 4, 10, 20}));
    EXPECT_EQ(RotatedPoint({10, 0}, {0, 0}, float(M_PI / 2)), (gdi::Point{0, 10}));
}

TEST(ToolGeometryTest, ReflectionAboutALine) {
    // About the vertical through x = 10, and about the diagonal.
    EXPECT_EQ(ReflectPoint({13, 7}, {10, 0}, {10, 50}), (gdi::Point{7, 7}));
    EXPECT_EQ(ReflectPoint({13, 7}, {10, 50}, {10, 0}), (gdi::Point{7, 7}));
    EXPECT_EQ(ReflectPoint({5, 1}, {0, 0}, {4, 4}), (gdi::Point{1, 5}));
    // Start point off the origin, horizontal line y = 20.
    EXPECT_EQ(ReflectPoint({-3, 25}, {100, 20}, {50, 20}), (gdi::Point{-3, 15}));
    // A 3-4-5 line: (5, 0) mirrors to (-7/5, 24/5) rounded.
    EXPECT_EQ(ReflectPoint({5, 0}, {0, 0}, {3, 4}), (gdi::Point{-1, 5}));
    EXPECT_EQ(ReflectPoint({8, 9}, {4, 4}, {4, 4}), (gdi::Point{8, 9}));
}

TEST(ToolDrawingTest, RotateFontTurnsByTenthsOfADegree) {
    gdi::LogFont log;
    log.height = -16;
    log.faceName = "zyqverigraf";
    gdi::FontPtr font = gdi::createFontIndirect(log);
    const gdi::FontPtr old = font;
    EXPECT_TRUE(RotateFont(font, 90.0f));
    EXPECT_NE(font, old);
    EXPECT_EQ(font->log().escapement, 900);
    EXPECT_EQ(font->log().orientation, 0);
    EXPECT_EQ(font->log().height, -16);
    EXPECT_EQ(font->log().faceName, "zyqverigraf");
    EXPECT_TRUE(RotateFont(font, -12.25f));
    EXPECT_EQ(font->log().escapement, -122);
    gdi::FontPtr none;
    EXPECT_FALSE(RotateFont(none, 10.0f));
}

TEST(ToolDrawingTest, TransparentCopyLeavesTheDestinationWhereTheSourceHasTheColour) {
    gdi::DeviceContext src;
    src.selectBitmap(sketchBitmap(4, 2));
    // Source row 0: white, black, red, white; row 1: black.
    src.setPixel(1, 0, Black);
    src.setPixel(2, 0, Red);
    for (int x = 0; x < 4; ++x)
        src.setPixel(x, 1, Black);
    gdi::DeviceContext dest;
    dest.selectBitmap(sketchBitmap(10, 6));
    dest.fillRect({0, 0, 10, 6}, gdi::createSolidBrush(Green));
    dest.setTextColor(Red);
    dest.setBkColor(Green);
    src.setBkColor(Red);

    // Given with swapped corners, and stretched to twice the size.
    TransparentCopy(dest, {9, 5, 1, 1}, src, White, {4, 2, 0, 0});
    const gdi::COLORREF expected[2][4] = {{Green, Black, Red, Green}, {Black, Black, Black, Black}};
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 8; ++x)
            EXPECT_EQ(dest.getPixel(1 + x, 1 + y), expected[y / 2][x / 2]) << x << "," << y;
    EXPECT_EQ(dest.getPixel(0, 0), Green);
    EXPECT_EQ(dest.getPixel(9, 5), Green);
    // Both DCs keep their colours.
    EXPECT_EQ(dest.textColor(), Red);
    EXPECT_EQ(dest.bkColor(), Green);
    EXPECT_EQ(src.bkColor(), Red);
}

} // namespace
