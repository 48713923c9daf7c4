// The eraser, recolouring, hatching and the eyedropper on the tool harness, the sketch
// compared pixel for pixel with the same operations done through the raster layer.

#include "ModalScript.h"
#include "ToolHarness.h"

#include "tools/base/CursorIds.h"
#include "tools/draw/ColorForm.h"
#include "tools/draw/EyeDropper.h"
#include "tools/draw/FillForm.h"
#include "tools/draw/Filling.h"
#include "tools/draw/Rubber.h"

#include "document/Pens.h"
#include "document/TechDocument.h"
#include "document/UnDoObj.h"

#include "gdi/Brush.h"

#include <QPushButton>

#include <gtest/gtest.h>

namespace {

constexpr gdi::COLORREF Black = 0x000000;
constexpr gdi::COLORREF Red = 0x0000FF;
constexpr gdi::COLORREF White = 0xFFFFFF;
constexpr gdi::COLORREF Green = 0x008000;

void line(gdi::DeviceContext& dc, gdi::Point from, gdi::Point to, gdi::COLORREF colour) {
    gdi::PenPtr old = dc.selectPen(gdi::createPen(gdi::PS_SOLID, 1, colour));
    dc.moveTo(from.x, from.y);
    dc.lineTo(to.x, to.y);
    dc.selectPen(old);
}

// A black frame and a red stroke across the sketch.
void drawInk() {
    gdi::BrushPtr old = DocDC->selectBrush(gdi::stockNullBrush());
    DocDC->rectangle(40, 30, 120, 90);
    DocDC->selectBrush(old);
    line(*DocDC, {0, 60}, {200, 60}, Red);
}

void fill(gdi::DeviceContext& dc, const gdi::Rect& r, gdi::COLORREF colour) {
    dc.fillRect(r, gdi::createSolidBrush(colour));
}

TEST(Eraser, PaintsItsSquareWhiteAlongThePathAsOneUndoStep) {
    TToolHarness harness;
    drawInk();
    TSketchReference before;
    TSketchReference expected;
    auto& eraser = harness.Select<TRubber>();
    EXPECT_EQ(harness.Host.Cursor, NoCursor);
    EXPECT_EQ(harness.Host.Prompt,
              QString::fromUtf8(
                  "Активизируйте резинку (Enter или лев.кнопка мыши, Ctrl+сдвиг - изменение размера)"));
    PointerEnter({40, 30});
    PointerMove({40, 30});
    Click({40, 30});
    EXPECT_EQ(eraser.Step, TRubber::StepActive);
    EXPECT_EQ(harness.Host.Prompt, QString::fromUtf8("Прекратить стирание (Esc или правая кнопка мыши)"));
    PointerMove({50, 30});
    // Off the surface nothing is erased, and the square is still on when it comes back.
    PointerLeave();
    PointerMove({120, 90});
    PointerEnter({120, 90});
    EXPECT_EQ(eraser.Step, TRubber::StepActive);
    Click({120, 90}, Qt::RightButton);
    PointerMove({150, 60});
    fill(expected.DC(), {20, 10, 60, 50}, White);
    fill(expected.DC(), {30, 10, 70, 50}, White);
    EXPECT_EQ(expected.FirstDifference(), "");
    EXPECT_EQ(UndoHistory->StoredCount, 1);
    Document->Undo();
    EXPECT_EQ(before.FirstDifference(), "");
}

TEST(Eraser, CtrlResizesBetweenTwoAndAHundredAndPutsThePointerBackOnTheCentre) {
    TToolHarness harness;
    auto& eraser = harness.Select<TRubber>();
    PointerEnter({100, 70});
    PointerMove({100, 70});
    EXPECT_EQ(eraser.FSquare, (gdi::Rect{80, 50, 120, 90}));
    KeyDown(Qt::Key_Control);
    PointerMove({200, 70}, ssCtrl);
    EXPECT_EQ(eraser.FSquare, (gdi::Rect{50, 20, 150, 120}));
    PointerMove({150, 70}, ssCtrl);
    EXPECT_EQ(eraser.FSquare.width(), 2);
    PointerMove({163, 70}, ssCtrl);
    EXPECT_EQ(eraser.FSquare, (gdi::Rect{86, 56, 114, 84}));
    KeyUp(Qt::Key_Control);
    gdi::Point pointer;
    ASSERT_TRUE(PointerSketchPos(pointer));
    EXPECT_EQ(pointer, (gdi::Point{100, 70}));
    // A new eraser starts at 40 x 40 again.
    auto& next = harness.Select<TRubber>();
    EXPECT_EQ(next.FSquare.width(), 40);
}

TEST(Recolouring, TurnsTheOldColourIntoTheNewAndLeavesEveryOtherColour) {
    TToolHarness harness;
    drawInk();
    TSketchReference expected;
    harness.Select<TSmartRubber>();
    PointerEnter({40, 60});
    PointerMove({40, 60});
    Click({40, 60});
    PointerMove({60, 60});
    Click({60, 60});
    // Old black to new white: the frame goes where the square passed, the red stroke stays.
    for (int y = 40; y < 80; ++y)
        for (int x = 20; x < 80; ++x)
            if (expected.DC().getPixel(x, y) == Black) expected.DC().setPixel(x, y, White);
    EXPECT_EQ(expected.FirstDifference(), "");

    // The same colour for both changes nothing.
    TSketchReference unchanged;
    RubberOldColor = RubberNewColor = Red;
    Click({150, 60});
    PointerMove({180, 60});
    EXPECT_EQ(unchanged.FirstDifference(), "");
    RubberOldColor = Black;
    RubberNewColor = White;
}

TEST(Filling, HatchesAClosedAreaSolidFillsAndLeaksThroughAGap) {
    TToolHarness harness;
    drawInk();
    Document->FillColorValue = Green;
    TSketchReference expected;
    auto& filling = harness.Select<TFilling>();
    EXPECT_EQ(filling.FHatch, 3);
    EXPECT_EQ(harness.Host.Prompt, QString::fromUtf8("Укажите замкнутую область для штриховки или заливки"));
    PointerEnter({60, 40});
    Click({60, 40});
    auto hatch = [&](gdi::Point at, const gdi::BrushPtr& brush) {
        gdi::BrushPtr old = expected.DC().selectBrush(brush);
        expected.DC().setBkMode(gdi::TRANSPARENT);
        expected.DC().floodFill(at.x, at.y, expected.DC().getPixel(at.x, at.y), gdi::FLOODFILLSURFACE);
        expected.DC().selectBrush(old);
    };
    hatch({60, 40}, gdi::createHatchBrush(3, Green));
    EXPECT_EQ(expected.FirstDifference(), "");

    filling.FHatch = TFilling::SolidFill;
    Click({60, 80});
    hatch({60, 80}, gdi::createSolidBrush(Green));
    EXPECT_EQ(expected.FirstDifference(), "");

    // A gap in the frame lets the hatch from outside into the frame.
    filling.FHatch = 0;
    DocDC->setPixel(40, 45, White);
    expected.DC().setPixel(40, 45, White);
    TSketchReference beforeLeak;
    Click({10, 10});
    hatch({10, 10}, gdi::createHatchBrush(0, Green));
    EXPECT_EQ(expected.FirstDifference(), "");
    int changedInside = 0;
    for (int y = 31; y < 60; ++y)
        for (int x = 41; x < 120; ++x)
            if (DocDC->getPixel(x, y) != beforeLeak.DC().getPixel(x, y)) ++changedInside;
    EXPECT_GT(changedInside, 0);
    EXPECT_EQ(UndoHistory->StoredCount, 3);
}

TEST(FillForm, ASampleGivesItsStyleToTheHatchingTool) {
    TToolHarness harness;
    SelectTool(ToolClass<TFilling>, nullptr, DialogClass<TFillForm>);
    auto& form = dynamic_cast<TFillForm&>(*CurrentDialog);
    auto& filling = dynamic_cast<TFilling&>(*CurrentTool);
    EXPECT_EQ(form.FSelected, form.BDDrawSurf);
    form.SelFill(form.SolidDrawSurf);
    EXPECT_EQ(filling.FHatch, TFilling::SolidFill);
    EXPECT_TRUE(form.SolidDrawSurf->Selected());
    EXPECT_FALSE(form.BDDrawSurf->Selected());
    form.SelFill(form.CrossDrawSurf);
    EXPECT_EQ(filling.FHatch, 4);
    form.SelFill(form.HDrawSurf);
    EXPECT_EQ(filling.FHatch, 0);
    // The chosen sample is painted on light blue, the others on white, each with its
    // hatch in black.
    auto count = [](TFillSample* sample, QRgb colour) {
        const QImage shown = sample->grab().toImage().convertToFormat(QImage::Format_RGB32);
        int n = 0;
        for (int y = 1; y < shown.height() - 1; ++y)
            for (int x = 1; x < shown.width() - 1; ++x)
                if ((shown.pixel(x, y) & 0xFFFFFF) == colour) ++n;
        return n;
    };
    EXPECT_GT(count(form.HDrawSurf, 0x8CDCFA), 0);
    EXPECT_GT(count(form.HDrawSurf, 0x000000), 0);
    EXPECT_EQ(count(form.VDrawSurf, 0x8CDCFA), 0);
    EXPECT_GT(count(form.VDrawSurf, 0x000000), 0);
}

TEST(EyeDropper, TakesTheLineColourWhileTheButtonIsHeld) {
    TToolHarness harness;
    drawInk();
    LineLogPen.color = Black;
    RecreateLinePen();
    auto& dropper = harness.Select<TEyeDropper>();
    PointerEnter({100, 60});
    harness.Host.LineColor = White;
    // A press on the red stroke, then a drag over the paper.
    dropper.SurfMouseDown(nullptr, Qt::LeftButton, ssLeft, 100, 60);
    EXPECT_EQ(LineLogPen.color, Red);
    EXPECT_EQ(LinePen->color(), Red);
    EXPECT_EQ(harness.Host.LineColor, Red);
    PointerMove({100, 10});
    EXPECT_EQ(LineLogPen.color, White);
    dropper.SurfMouseUp(nullptr, Qt::LeftButton, {}, 100, 10);
    PointerMove({40, 30});
    EXPECT_EQ(LineLogPen.color, White);
    // Red chosen on the line-colour panel meanwhile: picking white again is a change.
    LineLogPen.color = Red;
    dropper.Changed();
    Click({100, 10});
    EXPECT_EQ(LineLogPen.color, White);
    LineLogPen.color = Black;
    RecreateLinePen();
}

TEST(ColourChoice, OkKeepsAColourOutsideThePaletteAndCancelChangesNothing) {
    gdi::COLORREF colour = 0x123456;
    ModalScript ok({[](QWidget* dialog) { child<QPushButton>(dialog, "OKButton")->click(); }});
    EXPECT_TRUE(PickColor(colour));
    EXPECT_EQ(colour, 0x123456u);
    colour = Red;
    ModalScript pick({[](QWidget* dialog) {
        auto& form = dynamic_cast<TColorForm&>(*dialog);
        EXPECT_EQ(form.SelectedColor(), Red);
        child<QPushButton>(dialog, "CancelButton")->click();
    }});
    EXPECT_FALSE(PickColor(colour));
    EXPECT_EQ(colour, Red);
}

} // namespace
