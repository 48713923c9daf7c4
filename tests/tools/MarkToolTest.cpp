// The special-marks tool on the harness: marks attached to the nearest line and turned
// away from it, fixed directions, the finish value, the clutch letter and the two
// callouts, each compared with the same strokes and text drawn through the raster layer.

#include "ModalScript.h"
#include "ToolHarness.h"

#include "tools/annotation/ChooseDirectionForm.h"
#include "tools/annotation/Mark.h"
#include "tools/annotation/MarkForm.h"

#include "document/TechDocument.h"
#include "document/UnDoObj.h"

#include "gdi/Region.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr gdi::COLORREF Black = 0x000000;
constexpr gdi::COLORREF Green = 0x00FF00;
constexpr gdi::COLORREF Navy = 0x800000;
constexpr gdi::COLORREF Red = 0x0000FF;
const QString PointPrompt = QString::fromUtf8("Укажите точку для знака (Enter - ОК, Esc - меню направлений)");

void line(gdi::DeviceContext& dc, gdi::Point from, gdi::Point to) {
    gdi::PenPtr old = dc.selectPen(gdi::createPen(gdi::PS_SOLID, 1, Black));
    dc.moveTo(from.x, from.y);
    dc.lineTo(to.x, to.y);
    dc.selectPen(old);
}

void lines(gdi::DeviceContext& dc, std::initializer_list<std::pair<gdi::Point, gdi::Point>> segments) {
    for (const auto& [from, to] : segments)
        line(dc, from, to);
}

// The lettering of marks: 16 pixels high, turned by tenths of a degree, a face name
// that belongs to no font and a proportional serif asked for.
gdi::FontPtr markFont(int32_t escapement) {
    gdi::LogFont log;
    log.height = -16;
    log.escapement = log.orientation = escapement;
    log.pitchAndFamily = 16;
    log.faceName = "MS Sans Serif0";
    return gdi::createFontIndirect(log);
}

void text(gdi::DeviceContext& dc, gdi::Point at, const char* s, int32_t escapement = 0) {
    gdi::FontPtr old = dc.selectFont(markFont(escapement));
    dc.setBkMode(gdi::TRANSPARENT);
    dc.textOut(at.x, at.y, s);
    dc.selectFont(old);
}

gdi::Size extent(const char* s) {
    gdi::DeviceContext dc;
    dc.selectFont(markFont(0));
    return dc.textExtent(s);
}

int countColour(gdi::DeviceContext& dc, gdi::COLORREF colour) {
    const gdi::Rect r = dc.bitmap()->bounds();
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            if (dc.getPixel(x, y) == colour) ++n;
    return n;
}

// The preview over a copy of the sketch: how many pixels of colour it shows.
int previewPixels(TMark& mark, gdi::COLORREF colour) {
    TSketchReference shown;
    mark.DrawPreview(shown.DC(), {}, 0, 0);
    return countColour(shown.DC(), colour);
}

ModalScript::Step answer(const char* value) {
    return [value](QWidget* dialog) {
        auto* edit = child<QLineEdit>(dialog, "RoughEdit");
        EXPECT_TRUE(edit->text().isEmpty());
        EXPECT_TRUE(edit->hasFocus());
        edit->setText(QString::fromUtf8(value));
        child<QPushButton>(dialog, "OKButton")->click();
    };
}

void clickAnswered(gdi::Point at, ModalScript::Step step) {
    ModalScript script({std::move(step)});
    Click(at);
    EXPECT_EQ(script.StepsDone(), 1u);
    EXPECT_FALSE(script.Stuck());
}

TEST(Mark, ASupportStandsUprightOnTheNearestLineAndOnlyNearALine) {
    TToolHarness harness;
    line(*DocDC, {0, 100}, {200, 100});
    TSketchReference expected;
    auto& mark = harness.Select<TMark>();
    EXPECT_EQ(harness.Host.Prompt, QString::fromUtf8("Выбирайте знак для работы"));
    EXPECT_EQ(harness.Host.Cursor, 10);
    PointerEnter({50, 95});
    Click({50, 95}); // no mark chosen yet
    EXPECT_EQ(UndoHistory->StoredCount, 0);

    mark.SelectKind(111);
    EXPECT_EQ(harness.Host.Prompt, PointPrompt);
    PointerMove({50, 95});
    EXPECT_EQ(mark.Anchor, (gdi::Point{50, 99}));
    EXPECT_EQ(mark.DirCos, 0.0f);
    EXPECT_EQ(mark.DirSin, -1.0f);
    EXPECT_GT(previewPixels(mark, Green), 0);
    Click({50, 95});
    // The V opens upwards from the line; the cross bar lies 5 mm (19 pixels) above it.
    lines(expected.DC(), {{{50, 99}, {59, 80}}, {{50, 99}, {41, 80}}, {{31, 80}, {69, 80}}});
    EXPECT_EQ(expected.FirstDifference(), "");
    EXPECT_EQ(UndoHistory->StoredCount, 1);

    // Eleven pixels off any line: a red preview, and the click does nothing.
    PointerMove({150, 89});
    EXPECT_FALSE(mark.Placeable);
    EXPECT_EQ(mark.Anchor, (gdi::Point{150, 89}));
    EXPECT_GT(previewPixels(mark, Red), 0);
    EXPECT_EQ(previewPixels(mark, Green), 0);
    Click({150, 89});
    EXPECT_EQ(expected.FirstDifference(), "");
    EXPECT_EQ(UndoHistory->StoredCount, 1);
    // Ten pixels off diagonally still reaches the line, at the nearest pixel.
    PointerMove({150, 92});
    EXPECT_TRUE(mark.Placeable);
    EXPECT_EQ(mark.Anchor, (gdi::Point{150, 99}));
    // Beyond the sheet's edge nothing is drawn to attach to.
    PointerMove({3, 3});
    EXPECT_FALSE(mark.Placeable);
    Click({3, 3});
    EXPECT_EQ(UndoHistory->StoredCount, 1);
}

TEST(Mark, EscChoosesAFixedDirectionThatStampsAnywhere) {
    TToolHarness harness;
    auto& mark = harness.Select<TMark>();
    mark.SelectKind(111);
    PointerEnter({50, 40});
    PointerMove({50, 40});
    EXPECT_GT(previewPixels(mark, Red), 0);
    TSketchReference expected;
    QPoint autoCentre;
    ModalScript script({[&](QWidget* dialog) {
        auto* autoButton = child<QToolButton>(dialog, "AutoButton");
        EXPECT_TRUE(autoButton->isChecked());
        autoCentre = autoButton->mapToGlobal(autoButton->rect().center());
        // Middle left: the surface on the left, the mark pointing right.
        child<QToolButton>(dialog, "DirButton5")->click();
    }});
    Key(Qt::Key_Escape);
    EXPECT_EQ(script.StepsDone(), 1u);
    EXPECT_EQ(autoCentre, harness.Host.Pointer);
    EXPECT_EQ(mark.Direction, 5);
    EXPECT_FALSE(mark.KeysSuspended);
    EXPECT_EQ(mark.PreviewColor(), Navy);
    EXPECT_GT(previewPixels(mark, Navy), 0);
    Click({50, 40});
    lines(expected.DC(), {{{50, 40}, {69, 49}}, {{50, 40}, {69, 31}}, {{69, 21}, {69, 59}}});
    EXPECT_EQ(expected.FirstDifference(), "");

    // The window shows the current direction; closing it keeps that direction.
    ModalScript keep({[](QWidget* dialog) {
        EXPECT_TRUE(child<QToolButton>(dialog, "DirButton5")->isChecked());
        dialog->close();
    }});
    Click({50, 40}, Qt::RightButton);
    EXPECT_EQ(keep.StepsDone(), 1u);
    EXPECT_EQ(mark.Direction, 5);

    // The clamp seen from above starts upright, attached to nothing.
    line(*DocDC, {0, 100}, {200, 100});
    mark.SelectKind(212);
    EXPECT_EQ(mark.Direction, 7);
    PointerMove({50, 95});
    EXPECT_EQ(mark.Anchor, (gdi::Point{50, 95}));
    EXPECT_EQ(mark.DirSin, -1.0f);
    EXPECT_FALSE(mark.Placeable);
    // A fixed direction on a drawn pixel is placeable.
    PointerMove({50, 100});
    EXPECT_EQ(mark.PreviewColor(), Green);
}

TEST(Mark, TheFinishValueOnAVerticalLineIsWrittenTurnedByAQuarter) {
    TToolHarness harness;
    line(*DocDC, {100, 0}, {100, 150});
    auto& mark = harness.Select<TMark>();
    mark.SelectKind(2);
    PointerEnter({110, 60});
    PointerMove({110, 60});
    EXPECT_EQ(mark.Anchor, (gdi::Point{101, 60}));
    // A cancelled value draws nothing and leaves nothing to undo.
    TSketchReference before;
    clickAnswered({110, 60}, [](QWidget* dialog) { child<QPushButton>(dialog, "CancelButton")->click(); });
    EXPECT_EQ(before.FirstDifference(), "");
    EXPECT_EQ(UndoHistory->StoredCount, 0);

    TSketchReference expected;
    clickAnswered({110, 60}, answer("Ra 3,2"));
    // The sign points right: M(10,5) L(0,0) L(5,-2.5) at 3.7824 pixels per mm.
    gdi::DeviceContext& dc = expected.DC();
    dc.moveTo(139, 79);
    dc.lineTo(101, 60);
    dc.lineTo(120, 51);
    const gdi::Size size = extent("Ra 3,2");
    text(dc, {101 + 20 + size.cy, 60 - size.cx}, "Ra 3,2", -900);
    EXPECT_EQ(expected.FirstDifference(), "");
    EXPECT_EQ(UndoHistory->StoredCount, 1);

    // The sign of the rest of the surfaces stands upright in its own frame with its
    // value level, 20 pixels above its foot; Enter answers the value.
    mark.SelectKind(21);
    PointerMove({40, 120});
    TSketchReference upright;
    clickAnswered({40, 120}, [](QWidget* dialog) {
        child<QLineEdit>(dialog, "RoughEdit")->setText(QStringLiteral("6,3"));
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(dialog->focusWidget(), &enter);
    });
    gdi::DeviceContext& up = upright.DC();
    up.moveTo(59, 82);
    up.lineTo(40, 120);
    up.lineTo(31, 101);
    up.moveTo(89, 82);
    up.lineTo(70, 120);
    up.lineTo(61, 101);
    gdi::BrushPtr old = up.selectBrush(gdi::stockNullBrush());
    // Arcs of radius 5.3 mm (20 pixels) about local (8, -1.3) mm.
    up.arc(50, 95, 90, 135, 87, 125, 87, 105);
    up.arc(50, 95, 90, 135, 53, 105, 53, 125);
    up.selectBrush(old);
    text(up, {40, 100}, "6,3");
    EXPECT_EQ(upright.FirstDifference(), "");
}

TEST(Mark, ClutchLetterStandsUprightAndClosingTheWindowEndsTheTool) {
    TToolHarness harness;
    line(*DocDC, {100, 0}, {100, 150});
    SelectTool(ToolClass<TMark>, nullptr, DialogClass<TMarkForm>);
    auto& form = dynamic_cast<TMarkForm&>(*CurrentDialog);
    auto& mark = dynamic_cast<TMark&>(*CurrentTool);
    EXPECT_EQ(form.windowTitle(), QString::fromUtf8("Спецзнаки"));
    form.ActionOf(111)->trigger();
    form.ActionOf(211)->trigger();
    EXPECT_EQ(mark.Kind, 211);
    EXPECT_FALSE(form.ActionOf(111)->isChecked());
    EXPECT_TRUE(form.ActionOf(211)->isChecked());
    form.ClutchButtons[5]->click();
    EXPECT_EQ(mark.ClutchLetter, "EM");
    TSketchReference expected;
    // Left of the line: the clamp points left, the letter still reads upright.
    PointerEnter({92, 50});
    PointerMove({92, 50});
    EXPECT_EQ(mark.Anchor, (gdi::Point{99, 50}));
    Click({92, 50});
    gdi::DeviceContext& dc = expected.DC();
    dc.moveTo(99, 50);
    dc.lineTo(88, 56);
    dc.lineTo(88, 44);
    dc.lineTo(99, 50);
    line(dc, {88, 50}, {61, 50});
    // Local (9, -5) mm of a clamp turned to the left is 34 pixels left, 19 below.
    const gdi::Size size = extent("EM");
    text(dc, {99 - 34 - size.cx / 2, 50 + 19 - size.cy / 2}, "EM");
    EXPECT_EQ(expected.FirstDifference(), "");

    form.ClutchButtons[0]->click();
    EXPECT_TRUE(mark.ClutchLetter.isEmpty());
    form.close();
    QApplication::processEvents();
    EXPECT_EQ(CurrentTool, nullptr);
    EXPECT_EQ(CurrentDialog, nullptr);
}

TEST(Mark, ASurfaceNumberCircleTouchesTheEndOfItsAxisLeader) {
    TToolHarness harness;
    auto& mark = harness.Select<TMark>();
    mark.SelectKind(10000);
    PointerEnter({60, 80});
    PointerMove({60, 80});
    // Only an X marks the point on the surface before the leader starts.
    EXPECT_GT(previewPixels(mark, Black), 0);
    EXPECT_EQ(previewPixels(mark, Green), 0);
    Click({60, 80});
    EXPECT_EQ(mark.SubStep, TMark::SubPlace);
    PointerMove({100, 79});
    EXPECT_GT(previewPixels(mark, Green), 0);
    // A click on the anchor itself asks nothing.
    Click({60, 80});
    EXPECT_EQ(UndoHistory->StoredCount, 0);

    TSketchReference expected;
    clickAnswered({100, 79}, answer("12"));
    // Horizontal, 41 pixels: the length sqrt(1601) plus one.
    line(expected.DC(), {60, 80}, {101, 80});
    const gdi::Size size = extent("12");
    const double length = std::sqrt(1601.0);
    const double q = std::max(10.0, std::sqrt(double(size.cx * size.cx + size.cy * size.cy)) / 2 + 1);
    const int32_t cx = 60 + int32_t(std::nearbyint(length + q));
    const int32_t r = int32_t(std::nearbyint(q));
    EXPECT_LE(std::abs(cx - r - 101), 1); // the circle meets the leader's end
    text(expected.DC(), {cx - size.cx / 2, 80 - size.cy / 2}, "12");
    gdi::BrushPtr old = expected.DC().selectBrush(gdi::stockNullBrush());
    expected.DC().ellipse(cx - r, 80 - r, cx + r, 80 + r);
    expected.DC().selectBrush(old);
    EXPECT_EQ(expected.FirstDifference(), "");
    EXPECT_EQ(UndoHistory->StoredCount, 1);
    // More callouts may follow from the same point; the right button starts a new one.
    EXPECT_EQ(mark.SubStep, TMark::SubPlace);
    Click({60, 80}, Qt::RightButton);
    EXPECT_EQ(mark.SubStep, TMark::SubPoint);
}

TEST(Mark, ADatumStandsOnItsTriangleBelowTheFramedLetter) {
    TToolHarness harness;
    auto& mark = harness.Select<TMark>();
    mark.SelectKind(10001);
    PointerEnter({100, 120});
    Click({100, 120});
    PointerMove({100, 70});
    TSketchReference expected;
    clickAnswered({100, 70}, answer("A"));
    gdi::DeviceContext& dc = expected.DC();
    const gdi::Size size = extent("A");
    const int32_t a = size.cy / 2; // a square box of the letter's height
    gdi::BrushPtr old = dc.selectBrush(gdi::stockNullBrush());
    dc.moveTo(100 - a, 70 - a);
    dc.lineTo(100 + a, 70 - a);
    dc.lineTo(100 + a, 70 + a);
    dc.lineTo(100 - a, 70 + a);
    dc.lineTo(100 - a, 70 - a);
    dc.selectBrush(old);
    // From the middle of the lower edge down to 2.5 mm above the anchor.
    line(dc, {100, 70 + a}, {100, 111});
    text(dc, {100 - size.cx / 2, 70 - size.cy / 2}, "A");
    const gdi::Point triangle[] = {{91, 120}, {109, 120}, {100, 102}};
    dc.fillRegion(gdi::Region::fromPolygon(triangle, 3, gdi::WINDING), gdi::createSolidBrush(Black));
    EXPECT_EQ(expected.FirstDifference(), "");
}

TEST(ChooseDirectionForm, PressesTheGivenDirectionAndAnswersWithTheClickedOne) {
    TToolHarness harness;
    uint8_t direction = 3;
    ModalScript script({[](QWidget* dialog) {
        EXPECT_EQ(dialog->windowTitle(), QString::fromUtf8("Выберите направление"));
        EXPECT_EQ(dialog->size(), QSize(114, 113));
        EXPECT_TRUE(child<QToolButton>(dialog, "DirButton3")->isChecked());
        child<QToolButton>(dialog, "AutoButton")->click();
    }});
    EXPECT_TRUE(AskDirection(direction));
    EXPECT_EQ(direction, 0);
}

} // namespace
