// The circle, the arc and the hexagon on the tool harness, with the centre-mark
// question answered as a user would: driven in sketch pixels and checked pixel for pixel
// against the same figures drawn by the raster layer directly.

#include "ModalScript.h"
#include "ToolHarness.h"

#include "tools/draw/Arc.h"
#include "tools/draw/ArcForm.h"
#include "tools/draw/Circle.h"
#include "tools/draw/SixVertex.h"
#include "tools/draw/UpDown.h"

#include "document/Pens.h"
#include "document/TechDocument.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QToolButton>

#include <gtest/gtest.h>

#include <vector>

namespace {

const QString CirclePrompt = QString::fromUtf8("Задайте положение центра (Ctrl+сдвиг - изменение радиуса)");
const QString MarkPrompt = QString::fromUtf8("Укажите вариант отметки координат центра фигуры.");
constexpr gdi::COLORREF White = 0xFFFFFF;
constexpr gdi::COLORREF Red = 0x0000FF;

// A step that checks the flag of the mark and presses OK.
ModalScript::Step chooseMark(const char* flag) {
    return [flag](QWidget* dialog) {
        child<QRadioButton>(dialog, flag)->setChecked(true);
        child<QPushButton>(dialog, "AcceptButton")->click();
    };
}

ModalScript::Step cancelMark() {
    return [](QWidget* dialog) { child<QPushButton>(dialog, "CancelButton")->click(); };
}

void pressKey(QWidget* dialog, int key) {
    QWidget* target = dialog->focusWidget() ? dialog->focusWidget() : dialog;
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
}

// A click that fixes the figure, the question answered by step.
void fixWith(gdi::Point at, ModalScript::Step step) {
    ModalScript script({std::move(step)});
    Click(at);
    EXPECT_EQ(script.StepsDone(), 1u);
    EXPECT_FALSE(script.Stuck());
}

// The outline of an ellipse, polygon or arc as the tools draw theirs: the line pen and
// no filling.
class TOutline {
  public:
    explicit TOutline(gdi::DeviceContext& dc) : m_dc(dc) {
        m_pen = dc.selectPen(LinePen);
        m_brush = dc.selectBrush(gdi::stockNullBrush());
    }
    ~TOutline() {
        m_dc.selectBrush(m_brush);
        m_dc.selectPen(m_pen);
    }

  private:
    gdi::DeviceContext& m_dc;
    gdi::PenPtr m_pen;
    gdi::BrushPtr m_brush;
};

void expectCircle(TSketchReference& expected, gdi::Point c, int32_t r) {
    TOutline outline(expected.DC());
    expected.DC().ellipse(c.x - r, c.y - r, c.x + r, c.y + r);
}

bool isInk(int32_t x, int32_t y) {
    return DocDC->getPixel(x, y) != White;
}

// Whether any ink lies in the rectangle, right and bottom included.
bool inkIn(int32_t left, int32_t top, int32_t right, int32_t bottom) {
    for (int32_t y = top; y <= bottom; ++y)
        for (int32_t x = left; x <= right; ++x)
            if (isInk(x, y)) return true;
    return false;
}

TEST(Circle, CtrlSizesItRightClickResetsItAndThePointerReturnsToTheCentre) {
    TToolHarness harness;
    TTestHost& host = harness.Host;
    auto& tool = harness.Select<TCircle>();
    EXPECT_EQ(host.Prompt, CirclePrompt);
    EXPECT_EQ(host.Cursor, 2);

    PointerEnter({100, 75});
    PointerMove({100, 75});
    EXPECT_EQ(tool.FCentre, (gdi::Point{100, 75}));
    EXPECT_EQ(host.Radius, 75.0f);

    KeyDown(Qt::Key_Control);
    EXPECT_EQ(host.Cursor, 10);
    EXPECT_EQ(tool.Step, TRadialShape::StepRadius);
    // Only sideways movement counts, and the centre stays.
    PointerMove({130, 110});
    EXPECT_EQ(tool.FRadius, 105);
    EXPECT_EQ(host.Radius, 105.0f);
    EXPECT_EQ(tool.FCentre, (gdi::Point{100, 75}));
    PointerMove({10, 110});
    EXPECT_EQ(tool.FRadius, 1);
    PointerMove({40, 20});
    EXPECT_EQ(tool.FRadius, 31);

    KeyUp(Qt::Key_Control);
    EXPECT_EQ(host.Pointer, SketchToScreen({100, 75}));
    EXPECT_EQ(host.Cursor, 2);
    EXPECT_EQ(tool.Step, TRadialShape::StepCentre);
    PointerMove({100, 75});
    EXPECT_EQ(tool.FRadius, 31);

    Click({50, 40}, Qt::RightButton);
    EXPECT_EQ(tool.FCentre, (gdi::Point{50, 40}));
    EXPECT_EQ(tool.FRadius, 75);
    EXPECT_EQ(host.Radius, 75.0f);
}

TEST(Circle, IsFixedWithTheChosenCentreMarkInOneUndoStepOrNotAtAllOnCancel) {
    TToolHarness harness;
    TTestHost& host = harness.Host;
    LineLogPen = {gdi::PS_SOLID, 1, Red};
    RecreateLinePen();
    TSketchReference blank;
    TSketchReference expected;
    harness.Select<TCircle>();
    PointerEnter({100, 75});
    PointerMove({100, 75});
    KeyDown(Qt::Key_Control);
    PointerMove({70, 75});
    KeyUp(Qt::Key_Control);
    PointerMove({100, 75});

    QString promptWhileAsked;
    QString title;
    QPoint placed;
    fixWith({100, 75}, [&](QWidget* dialog) {
        promptWhileAsked = host.Prompt;
        title = dialog->windowTitle();
        placed = dialog->pos();
        EXPECT_TRUE(child<QRadioButton>(dialog, "AxisLineFlag")->isChecked());
        EXPECT_EQ(host.Radius, 0.0f);
        child<QPushButton>(dialog, "AcceptButton")->click();
    });
    EXPECT_EQ(promptWhileAsked, MarkPrompt);
    // Beside the pointer: to its right and a little above it.
    EXPECT_EQ(placed, host.Pointer + QPoint(50, -50));
    EXPECT_EQ(title, QString::fromUtf8("Координаты центра"));
    EXPECT_EQ(host.Prompt, CirclePrompt);
    EXPECT_EQ(host.Radius, 45.0f);

    // The axes reach ten pixels beyond the circle each way, dash-dot in the line colour.
    expectCircle(expected, {100, 75}, 45);
    gdi::PenPtr old = expected.DC().selectPen(gdi::createPen(gdi::PS_DASHDOT, 1, Red));
    expected.DC().moveTo(100, 20);
    expected.DC().lineTo(100, 131);
    expected.DC().moveTo(45, 75);
    expected.DC().lineTo(156, 75);
    expected.DC().selectPen(old);
    EXPECT_EQ(expected.FirstDifference(), "");
    EXPECT_EQ(DocDC->getPixel(100, 20), Red);
    EXPECT_EQ(DocDC->getPixel(100, 19), White);

    // Cancel leaves the sketch and its history alone. Near the screen's far corner the
    // question goes to the left of the pointer and higher up.
    PointerMove({60, 60});
    const QSize screen = QGuiApplication::primaryScreen()->size();
    host.Pointer = QPoint(screen.width() - 20, screen.height() - 20);
    fixWith({60, 60}, [&](QWidget* dialog) {
        placed = dialog->pos();
        cancelMark()(dialog);
    });
    EXPECT_EQ(placed, host.Pointer + QPoint(-200, -80));
    EXPECT_EQ(expected.FirstDifference(), "");
    Document->Undo();
    EXPECT_EQ(blank.FirstDifference(), "");
    EXPECT_FALSE(harness.DocumentHost.CanUndo);
}

TEST(Circle, TheMarkQuestionTakesEnterAndEscAndEachMarkDraws) {
    TToolHarness harness;
    TSketchReference expected;
    auto& tool = harness.Select<TCircle>();
    PointerEnter({40, 40});
    PointerMove({40, 40});
    KeyDown(Qt::Key_Control);
    PointerMove({-20, 40});
    KeyUp(Qt::Key_Control);
    PointerMove({40, 40});
    ASSERT_EQ(tool.FRadius, 15);

    // Enter in the question answers it (a cross) and does not click on the surface too.
    fixWith({40, 40}, [](QWidget* dialog) {
        child<QRadioButton>(dialog, "CrossFlag")->setChecked(true);
        pressKey(dialog, Qt::Key_Return);
    });
    expectCircle(expected, {40, 40}, 15);
    expected.Line({35, 40}, {46, 40});
    expected.Line({40, 35}, {40, 46});
    EXPECT_EQ(expected.FirstDifference(), "");

    PointerMove({120, 40});
    fixWith({120, 40}, chooseMark("PointFlag"));
    expectCircle(expected, {120, 40}, 15);
    expected.DC().setPixel(120, 40, LineLogPen.color);
    PointerMove({40, 100});
    fixWith({40, 100}, chooseMark("EmptyFlag"));
    expectCircle(expected, {40, 100}, 15);
    EXPECT_EQ(expected.FirstDifference(), "");

    PointerMove({120, 100});
    fixWith({120, 100}, [](QWidget* dialog) { pressKey(dialog, Qt::Key_Escape); });
    EXPECT_EQ(expected.FirstDifference(), "");
    EXPECT_EQ(tool.Step, TRadialShape::StepCentre);
}

TEST(Arc, PresetsAndTheWholeCircleRunCounterClockwiseOnTheScreen) {
    TToolHarness harness(200, 200);
    TArcForm form;
    TSketchReference expected;
    harness.Select<TArc>();
    const gdi::Point c{100, 100};
    TOutline outline(expected.DC());

    // From = To: the whole circle.
    PointerEnter(c);
    PointerMove(c);
    fixWith(c, chooseMark("EmptyFlag"));
    expected.DC().arc(25, 25, 175, 175, 175, 100, 175, 100);
    EXPECT_EQ(expected.FirstDifference(), "");
    EXPECT_TRUE(isInk(100, 25) && isInk(100, 174) && isInk(25, 100));
    Document->Undo();

    // Preset 1, 0 to 180: the upper half.
    TSketchReference upper;
    form.SelArc(1);
    EXPECT_EQ(form.FromEdit->text(), "0");
    EXPECT_EQ(form.ToEdit->text(), "180");
    fixWith(c, chooseMark("EmptyFlag"));
    {
        TOutline pen(upper.DC());
        upper.DC().arc(25, 25, 175, 175, 175, 100, 25, 100);
    }
    EXPECT_EQ(upper.FirstDifference(), "");
    EXPECT_TRUE(inkIn(0, 0, 199, 98));
    EXPECT_FALSE(inkIn(0, 102, 199, 199));
    Document->Undo();

    // Preset 7, 270 to 0: the lower right quarter.
    TSketchReference quarter;
    form.SelArc(7);
    EXPECT_EQ(form.FromEdit->text(), "270");
    EXPECT_EQ(form.ToEdit->text(), "0");
    fixWith(c, chooseMark("EmptyFlag"));
    {
        TOutline pen(quarter.DC());
        quarter.DC().arc(25, 25, 175, 175, 100, 175, 175, 100);
    }
    EXPECT_EQ(quarter.FirstDifference(), "");
    EXPECT_TRUE(inkIn(102, 102, 199, 199));
    EXPECT_FALSE(inkIn(0, 0, 98, 199) || inkIn(0, 0, 199, 98));
}

TEST(Arc, TheFormClampsRevertsAndStepsItsDegreesIntoTheTool) {
    TToolHarness harness;
    TArcForm form;
    auto& tool = harness.Select<TArc>();
    form.FromEdit->setText("400");
    emit form.FromEdit->editingFinished();
    EXPECT_EQ(form.FromEdit->text(), "360");
    EXPECT_FLOAT_EQ(tool.FFromAngle, ArcAngleOfDegrees(360));
    form.ToEdit->setText("-90");
    emit form.ToEdit->editingFinished();
    EXPECT_FLOAT_EQ(tool.FToAngle, ArcAngleOfDegrees(-90));
    form.ToEdit->setText("abc");
    emit form.ToEdit->editingFinished();
    EXPECT_EQ(form.ToEdit->text(), "-90");
    EXPECT_FLOAT_EQ(tool.FToAngle, ArcAngleOfDegrees(-90));
    // A preset button stays down until another is chosen or it is clicked again.
    form.PresetButtons[8]->click();
    EXPECT_EQ(form.FromEdit->text(), "0");
    EXPECT_EQ(form.ToEdit->text(), "45");
    EXPECT_FLOAT_EQ(tool.FToAngle, ArcAngleOfDegrees(45));
    form.PresetButtons[9]->click();
    EXPECT_FALSE(form.PresetButtons[8]->isChecked());
    EXPECT_TRUE(form.PresetButtons[9]->isChecked());
    form.PresetButtons[9]->click();
    EXPECT_FALSE(form.PresetButtons[9]->isChecked());
    form.ToEdit->setText("-90");
    emit form.ToEdit->editingFinished();
    form.UpDown2->Step(1);
    EXPECT_EQ(form.ToEdit->text(), "-89");
    EXPECT_FLOAT_EQ(tool.FToAngle, ArcAngleOfDegrees(-89));
    // The angles keep the user's degrees with the sign turned for the downward y axis.
    EXPECT_NEAR(tool.FToAngle, 89.0 * 3.14159265 / 180.0, 1e-5);
}

TEST(SixVertex, BothOrientationsPutTheirVerticesOnTheAxes) {
    for (int tag : {0, 1}) {
        TToolHarness harness;
        TSketchReference expected;
        auto& tool = harness.Select<TSixVertex>();
        tool.SetOrientationTag(tag);
        PointerEnter({100, 75});
        PointerMove({100, 75});
        KeyDown(Qt::Key_Control);
        PointerMove({85, 75});
        KeyUp(Qt::Key_Control);
        PointerMove({100, 75});
        ASSERT_EQ(tool.FRadius, 60);
        fixWith({100, 75}, chooseMark("EmptyFlag"));

        // Upright: corners above and below the centre; turned: left and right of it.
        const std::vector<gdi::Point> vertices =
            tag == 0
                ? std::vector<gdi::Point>{{100, 15}, {48, 45}, {48, 105}, {100, 135}, {152, 105}, {152, 45}}
                : std::vector<gdi::Point>{{40, 75}, {70, 127}, {130, 127}, {160, 75}, {130, 23}, {70, 23}};
        {
            TOutline outline(expected.DC());
            expected.DC().polygon(vertices.data(), int(vertices.size()));
        }
        EXPECT_EQ(expected.FirstDifference(), "") << "tag " << tag;
    }
}

} // namespace
