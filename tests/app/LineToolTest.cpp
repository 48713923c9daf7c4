// The line tools' wiring in the real main window: chosen from their actions, their
// option buttons on the tool bar, the preview on the surface, the finish command and
// the line-style list. What the tools draw is tested on the tool harness.

#include "AppTestSupport.h"
#include "ToolHarness.h"

#include "app/MainForm.h"
#include "app/TechDrawSurf.h"
#include "tools/base/ButtonState.h"
#include "tools/base/ToolSwitch.h"
#include "tools/draw/SegmentLine.h"
#include "tools/draw/SmoothLine.h"

#include "document/Pens.h"
#include "document/SketchBitmap.h"
#include "document/TechDocument.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QMouseEvent>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

using namespace app_testing;

namespace {

constexpr int Width = 200;
constexpr int Height = 150;
constexpr gdi::COLORREF White = 0xFFFFFF;

void sendMouse(QWidget* w, QEvent::Type type, QPoint pos, Qt::MouseButton button = Qt::NoButton) {
    const Qt::MouseButtons buttons =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent event(type, QPointF(pos), QPointF(w->mapToGlobal(pos)), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

class LineTool : public ::testing::Test {
  protected:
    LineTool() : setup({}, {900, 700}), form(setup.Form()) { setup.NewSketch(Width, Height); }

    TTechDrawSurf* surf() { return form.DrawSurf; }
    void enter(QPoint at) {
        QEnterEvent event{QPointF(at), QPointF(at), QPointF(surf()->mapToGlobal(at))};
        QApplication::sendEvent(surf(), &event);
    }
    void move(QPoint at) { sendMouse(surf(), QEvent::MouseMove, at); }
    void click(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        sendMouse(surf(), QEvent::MouseButtonPress, at, button);
        sendMouse(surf(), QEvent::MouseButtonRelease, at, button);
    }
    QAbstractButton* button(const char* name) {
        return form.findChild<QAbstractButton*>(QString::fromLatin1(name));
    }
    void toggle(const char* name) { button(name)->click(); }

    TMainFormSetup setup;
    TMainForm& form;
};

TEST_F(LineTool, TheActionsChooseTheToolsAndTheOptionButtonsReachThem) {
    TSketchReference expected;
    form.CreateSegmentLineCmd->trigger();
    auto* tool = dynamic_cast<TSegmentLine*>(CurrentTool.get());
    ASSERT_NE(tool, nullptr);
    EXPECT_TRUE(IsButtonDown(button("CreateLineButton")));
    EXPECT_TRUE(IsButtonEnabled(button("PointCaptButton")));
    EXPECT_TRUE(form.OrthogonallyCmd->isEnabled());
    EXPECT_EQ(form.PromptText(),
              QString::fromUtf8("Задайте начальную точку линии (Enter или лев.кнопка мыши)"));

    // The buttons' clicks reach the tool; a segment drawn on the surface keeps to them.
    toggle("OrthogonallyToolButton");
    toggle("PointCaptButton");
    EXPECT_TRUE(tool->FOrthogonal);
    EXPECT_TRUE(tool->FPointCapture);
    toggle("PointCaptButton");
    EXPECT_FALSE(tool->FPointCapture);
    enter({20, 20});
    click({20, 20});
    move({60, 60});
    click({60, 60});
    click({60, 60}, Qt::RightButton);
    expected.Line({20, 20}, {60, 20});
    EXPECT_EQ(expected.FirstDifference(), "");

    // Each line tool class keeps its own buttons; with no tool they are off.
    form.CreateSolidLineCmd->trigger();
    ASSERT_NE(dynamic_cast<TSmoothLine*>(CurrentTool.get()), nullptr);
    EXPECT_FALSE(IsButtonDown(button("OrthogonallyToolButton")));
    EXPECT_FALSE(form.OrthogonallyCmd->isEnabled());
    form.CreateSegmentLineCmd->trigger();
    EXPECT_TRUE(IsButtonDown(button("OrthogonallyToolButton")));
    SelectTool(nullptr, nullptr, nullptr);
    EXPECT_FALSE(IsButtonEnabled(button("PointCaptButton")));
    EXPECT_FALSE(IsButtonDown(button("OrthogonallyToolButton")));
}

TEST_F(LineTool, TheRubberSegmentIsPaintedGreenAndFinishDrawsItWithoutClosingTheChain) {
    TSketchReference blank;
    TSketchReference expected;
    form.CreateSegmentLineCmd->trigger();
    enter({20, 40});
    click({20, 40});
    move({100, 80});
    const QImage shown = surf()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown.pixel(60, 60), 0xFF00FF00u);
    EXPECT_EQ(DocDC->getPixel(60, 60), White);
    form.CompleteCmd->trigger();
    EXPECT_EQ(CurrentTool->Step, 3);
    expected.Line({20, 40}, {100, 80});
    EXPECT_EQ(expected.FirstDifference(), "");
    form.UndoCmd->trigger();
    EXPECT_EQ(blank.FirstDifference(), "");
}

TEST_F(LineTool, DashedAndWideStylesFromTheStyleList) {
    form.CreateSegmentLineCmd->trigger();
    for (int item : {3, 2}) {
        form.LinesStyleListChange(item);
        TSketchReference expected;
        expected.Line({10, 20}, {190, 130});
        enter({10, 20});
        click({10, 20});
        move({190, 130});
        click({190, 130});
        click({190, 130}, Qt::RightButton);
        EXPECT_EQ(expected.FirstDifference(), "") << "item " << item;
        form.UndoCmd->trigger();
    }
}

} // namespace
