// The two circle-division tools on the tool harness, their questions answered as a user
// would: the division points and the segments repeated around the centre, the small
// circles on their pitch circle with their marks, each as one undo step; and the number
// of parts that cannot be 0.

#include "ModalScript.h"
#include "ToolHarness.h"

#include "tools/draw/Circle.h"
#include "tools/draw/CtPPForm.h"
#include "tools/draw/DivCircleByCircle.h"
#include "tools/draw/DivCircleByPart.h"
#include "tools/draw/SegmentLine.h"

#include "document/Pens.h"
#include "document/TechDocument.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <utility>
#include <vector>

namespace {

const QString CirclePrompt = QString::fromUtf8("Задайте положение центра (Ctrl+сдвиг - изменение радиуса)");
const QString SegmentPrompt = QString::fromUtf8("Задайте конечную точку линии (Enter - ОК, Esc - отказ)");
constexpr gdi::COLORREF White = 0xFFFFFF;
constexpr double Pi = 3.14159265358979323846;

// Fills in the settings question and presses OK.
ModalScript::Step settings(const char* parts, const char* angle, bool circle) {
    return [=](QWidget* dialog) {
        child<QLineEdit>(dialog, "Edit1")->setText(QString::fromLatin1(parts));
        child<QLineEdit>(dialog, "Edit2")->setText(QString::fromLatin1(angle));
        child<QCheckBox>(dialog, "CircleBool")->setChecked(circle);
        child<QPushButton>(dialog, "CtpAcceptButton")->click();
    };
}

ModalScript::Step press(const char* button) {
    return [button](QWidget* dialog) { child<QPushButton>(dialog, button)->click(); };
}

ModalScript::Step mark(const char* flag, QString* title = nullptr) {
    return [=](QWidget* dialog) {
        if (title) *title = dialog->windowTitle();
        child<QRadioButton>(dialog, flag)->setChecked(true);
        child<QPushButton>(dialog, "AcceptButton")->click();
    };
}

void pressEnter(QWidget* target) {
    QKeyEvent event(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// Runs action with the questions it opens answered by steps, all of them.
void answering(std::vector<ModalScript::Step> steps, const std::function<void()>& action) {
    ModalScript script(std::move(steps));
    action();
    EXPECT_EQ(script.StepsDone(), script.StepCount());
    EXPECT_FALSE(script.Stuck());
}

// The point at radius and angle (degrees, clockwise on the screen) about centre.
gdi::Point polar(gdi::Point centre, double radius, double degrees) {
    const double a = degrees * Pi / 180.0;
    return {centre.x + int32_t(std::lround(radius * std::cos(a))),
            centre.y + int32_t(std::lround(radius * std::sin(a)))};
}

void outlineCircle(gdi::DeviceContext& dc, gdi::Point c, int32_t r) {
    gdi::PenPtr pen = dc.selectPen(LinePen);
    gdi::BrushPtr brush = dc.selectBrush(gdi::stockNullBrush());
    dc.ellipse(c.x - r, c.y - r, c.x + r, c.y + r);
    dc.selectBrush(brush);
    dc.selectPen(pen);
}

TEST(DivCircleByPart, SixteenPointsAndSixteenSpokesAreOneUndoStep) {
    TToolHarness harness(240, 200);
    TTestHost& host = harness.Host;
    TSketchReference blank;
    TSketchReference expected;
    const gdi::Point c{120, 100};

    QString promptWhileAsked;
    TDivCircleByPart* tool = nullptr;
    answering({[&](QWidget* dialog) {
                  promptWhileAsked = host.Prompt;
                  settings("16", "0", false)(dialog);
              }},
              [&] { tool = &harness.Select<TDivCircleByPart>(); });
    EXPECT_EQ(promptWhileAsked, QString::fromUtf8(DivisionPrompt));
    EXPECT_EQ(host.Prompt, CirclePrompt);
    PointerEnter(c);
    PointerMove(c);
    answering({mark("PointFlag")}, [&] { Click(c); });
    // The segment starts at the first division point, the circle's rightmost point.
    auto* segment = dynamic_cast<TSegmentLine*>(tool->FSubTool.get());
    ASSERT_NE(segment, nullptr);
    EXPECT_EQ(segment->FStart, (gdi::Point{195, 100}));
    EXPECT_EQ(host.Prompt, SegmentPrompt);
    // The status bar, refreshed, shows what the sub-tool at work asks for.
    host.SetPromptText(QString());
    EXPECT_EQ(host.Prompt, SegmentPrompt);

    expected.DC().setPixel(c.x, c.y, LineLogPen.color);
    for (int k = 0; k < 16; ++k)
        expected.DC().setPixel(polar(c, 75, 22.5 * k).x, polar(c, 75, 22.5 * k).y, LineLogPen.color);
    EXPECT_EQ(expected.FirstDifference(), "");

    PointerMove({215, 100});
    Click({215, 100});
    for (int k = 0; k < 16; ++k)
        expected.Line(polar(c, 75, 22.5 * k), polar(c, 95, 22.5 * k));
    EXPECT_EQ(expected.FirstDifference(), "");
    Document->Undo();
    EXPECT_EQ(blank.FirstDifference(), "");
    EXPECT_FALSE(harness.DocumentHost.CanUndo);

    // A right click ends the segments and asks again; Cancel brings the defaults back.
    Document->Redo();
    QString refreshedWhileAsked;
    answering({[&](QWidget* dialog) {
                  host.SetPromptText(QString());
                  refreshedWhileAsked = host.Prompt;
                  press("CtPCancelButton")(dialog);
              }},
              [&] {
                  Click({215, 100}, Qt::RightButton);
              });
    EXPECT_EQ(refreshedWhileAsked, QString::fromUtf8(DivisionPrompt));
    EXPECT_EQ(tool->FSettings.Parts, 16);
    EXPECT_EQ(tool->FSettings.Circle, 1);
    EXPECT_EQ(tool->FSettings.Mask, 273);
    EXPECT_NE(dynamic_cast<TCircle*>(tool->FSubTool.get()), nullptr);
}

TEST(DivCircleByPart, StartAngleNinetyBeginsAtTheTopAndTheCircleIsDrawn) {
    TToolHarness harness(240, 200);
    TSketchReference expected;
    const gdi::Point c{120, 100};
    TDivCircleByPart* tool = nullptr;
    answering({settings("4", "90", true)}, [&] { tool = &harness.Select<TDivCircleByPart>(); });
    PointerEnter(c);
    PointerMove(c);
    answering({mark("EmptyFlag")}, [&] { Click(c); });
    auto* segment = dynamic_cast<TSegmentLine*>(tool->FSubTool.get());
    ASSERT_NE(segment, nullptr);
    EXPECT_EQ(segment->FStart, (gdi::Point{120, 25}));
    outlineCircle(expected.DC(), c, 75);
    EXPECT_EQ(expected.FirstDifference(), "");

    // Four parts: the segment comes back a quarter turn on each time.
    PointerMove({120, 45});
    Click({120, 45});
    expected.Line({120, 25}, {120, 45});
    expected.Line({195, 100}, {175, 100});
    expected.Line({120, 175}, {120, 155});
    expected.Line({45, 100}, {65, 100});
    EXPECT_EQ(expected.FirstDifference(), "");

    // A right click asks again (the settings stay); cancelling the next centre mark
    // abandons that circle and asks once more.
    answering({press("CtpAcceptButton")}, [&] { Click({120, 45}, Qt::RightButton); });
    EXPECT_EQ(tool->FSettings.Parts, 4);
    EXPECT_EQ(tool->FSettings.StartAngle, 90);
    PointerMove({60, 60});
    answering({press("CancelButton"), press("CtpAcceptButton")}, [&] { Click({60, 60}); });
    EXPECT_EQ(expected.FirstDifference(), "");
    EXPECT_NE(dynamic_cast<TCircle*>(tool->FSubTool.get()), nullptr);
}

TEST(DivisionSettings, NoPartsCannotBeAccepted) {
    TToolHarness harness;
    bool disabledAtZero = false;
    bool stayedOpen = false;
    TDivisionSettings answer;
    answer.Mask = DivisionPartsGiven | DivisionCircleGiven;
    answer.Parts = 6;
    answering({[&](QWidget* dialog) {
                  auto* parts = child<QLineEdit>(dialog, "Edit1");
                  EXPECT_EQ(parts->text(), "6");
                  EXPECT_EQ(child<QCheckBox>(dialog, "CircleBool")->text(), QString::fromUtf8("Нет"));
                  parts->setText("0");
                  disabledAtZero = !child<QPushButton>(dialog, "CtpAcceptButton")->isEnabled();
                  pressEnter(parts);
                  stayedOpen = dialog->isVisible();
                  parts->setText("3");
                  pressEnter(parts);
              }},
              [&] { EXPECT_TRUE(AskDivision(answer)); });
    EXPECT_TRUE(disabledAtZero);
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(answer.Parts, 3);
    EXPECT_EQ(answer.Mask, 273);
}

// Each of the six small circles' axis marks, worked out independently in double
// precision: the pitch arc through the centre and the radial line, ten pixels beyond.
void expectAxisMarks(TSketchReference& expected, gdi::Point c, int32_t pitch, int32_t small,
                     const std::vector<gdi::Point>& centres) {
    gdi::DeviceContext& dc = expected.DC();
    gdi::PenPtr old = dc.selectPen(gdi::createPen(gdi::PS_DASHDOT, 1, LineLogPen.color));
    const double a = small + 10;
    for (gdi::Point q : centres) {
        const double dx = q.x - c.x;
        const double dy = q.y - c.y;
        const double t = std::hypot(dx, dy);
        const double ux = dx / t;
        const double uy = dy / t;
        const double x = (t * t + pitch * pitch - a * a) / (2 * t);
        const double e = std::sqrt(pitch * pitch - x * x);
        auto at = [&](double px, double py) {
            return gdi::Point{int32_t(std::nearbyint(px)), int32_t(std::nearbyint(py))};
        };
        const gdi::Point from = at(c.x + x * ux - e * uy, c.y + x * uy + e * ux);
        const gdi::Point to = at(c.x + x * ux + e * uy, c.y + x * uy - e * ux);
        dc.arc(c.x - pitch, c.y - pitch, c.x + pitch, c.y + pitch, from.x, from.y, to.x, to.y);
        const gdi::Point in = at(c.x + (pitch - a) * ux, c.y + (pitch - a) * uy);
        const gdi::Point out = at(c.x + (pitch + a) * ux, c.y + (pitch + a) * uy);
        dc.moveTo(in.x, in.y);
        dc.lineTo(out.x, out.y);
    }
    dc.selectPen(old);
}

TEST(DivCircleByCircle, SixCirclesOnAPitchCircleOfSixtyWithAxisMarks) {
    TToolHarness harness(200, 200);
    TTestHost& host = harness.Host;
    TSketchReference blank;
    TSketchReference expected;
    const gdi::Point c{100, 100};
    auto& tool = harness.Select<TDivCircleByCircle>();
    PointerEnter(c);
    PointerMove(c);
    KeyDown(Qt::Key_Control);
    PointerMove({110, 130}, ssCtrl);
    EXPECT_EQ(tool.FPitchRadius, 60);
    EXPECT_EQ(tool.FCentre, c);
    EXPECT_EQ(host.Radius, 60.0f);
    KeyUp(Qt::Key_Control);
    EXPECT_EQ(host.Pointer, SketchToScreen(c));
    PointerMove(c);

    QString commonTitle;
    answering({press("CtpAcceptButton"), mark("EmptyFlag", &commonTitle)}, [&] { Click(c); });
    EXPECT_EQ(commonTitle, QString::fromUtf8("Общий центр"));
    EXPECT_EQ(tool.Step, TDivCircleByCircle::StepSmall);
    EXPECT_EQ(tool.FSmallRadius, 20);
    EXPECT_EQ(host.Radius, 20.0f);
    EXPECT_EQ(host.Prompt, QString::fromUtf8("Задайте размеры окружностей. (Enter - ОК, Esc - отказ)"));

    QString smallTitle;
    answering({mark("AxisLineFlag", &smallTitle)}, [&] { Click(c); });
    EXPECT_EQ(smallTitle, QString::fromUtf8("Центры окружностей"));
    EXPECT_EQ(tool.Step, TDivCircleByCircle::StepPitch);

    const std::vector<gdi::Point> centres{{160, 100}, {130, 152}, {70, 152}, {40, 100}, {70, 48}, {130, 48}};
    EXPECT_EQ(tool.SmallCentres(), centres);
    expectAxisMarks(expected, c, 60, 20, centres);
    for (gdi::Point q : centres)
        outlineCircle(expected.DC(), q, 20);
    EXPECT_EQ(expected.FirstDifference(), "");
    // The first mark's radial line starts ten pixels inside the small circle.
    EXPECT_EQ(DocDC->getPixel(130, 100), LineLogPen.color);
    EXPECT_EQ(DocDC->getPixel(129, 100), White);

    Document->Undo();
    EXPECT_EQ(blank.FirstDifference(), "");
    EXPECT_FALSE(harness.DocumentHost.CanUndo);
}

TEST(DivCircleByCircle, SmallCirclesOfNoSizeAreNotDrawnAndCancelResetsTheRadii) {
    TToolHarness harness(200, 200);
    TTestHost& host = harness.Host;
    TSketchReference expected;
    const gdi::Point c{100, 100};
    auto& tool = harness.Select<TDivCircleByCircle>();
    PointerEnter(c);
    PointerMove(c);
    answering({settings("4", "45", false), mark("CrossFlag")}, [&] { Click(c); });
    // Four circles of radius (2 x 50) div 4, the first at 45 degrees up and right.
    EXPECT_EQ(tool.FSmallRadius, 25);
    EXPECT_EQ(tool.SmallCentres().front(), (gdi::Point{135, 65}));
    expected.Line({95, 100}, {106, 100});
    expected.Line({100, 95}, {100, 106});

    PointerMove({70, 100});
    EXPECT_EQ(tool.FSmallRadius, -5);
    EXPECT_EQ(host.Radius, -5.0f);
    answering({}, [&] { Click({70, 100}); });
    EXPECT_EQ(tool.Step, TDivCircleByCircle::StepSmall);
    EXPECT_EQ(expected.FirstDifference(), "");

    // Sized up again, the circles go down with their crosses turned to the centre.
    PointerMove({80, 100});
    EXPECT_EQ(tool.FSmallRadius, 5);
    answering({mark("CrossFlag")}, [&] { Click({80, 100}); });
    EXPECT_EQ(tool.Step, TDivCircleByCircle::StepPitch);
    EXPECT_EQ(DocDC->getPixel(135, 65), LineLogPen.color);
    EXPECT_EQ(DocDC->getPixel(131, 69), LineLogPen.color);

    answering({press("CtPCancelButton")}, [&] { Click(c); });
    EXPECT_EQ(tool.Step, TDivCircleByCircle::StepPitch);
    EXPECT_EQ(tool.FPitchRadius, 50);
    EXPECT_EQ(tool.FSmallRadius, 50);
}

} // namespace
