// The rectangle and the window transforms in the real main window: chosen from their
// actions, the rectangle's commands and pop-up menu reaching it, and a window dragged
// on the surface. What the tools draw is tested on the tool harness.

#include "AppTestSupport.h"
#include "ToolHarness.h"

#include "app/MainForm.h"
#include "app/TechDrawSurf.h"
#include "tools/base/ToolSwitch.h"
#include "tools/draw/FourVertex.h"
#include "tools/transform/Mirror.h"
#include "tools/transform/MirrorSimetricAxis.h"

#include "document/Pens.h"
#include "document/TechDocument.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMouseEvent>

#include <gtest/gtest.h>

#include <array>
#include <utility>

using namespace app_testing;

namespace {

void sendMouse(QWidget* w, QEvent::Type type, QPoint pos, Qt::MouseButton button = Qt::NoButton) {
    const Qt::MouseButtons buttons =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent event(type, QPointF(pos), QPointF(w->mapToGlobal(pos)), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

class RectangleAndMirror : public ::testing::Test {
  protected:
    RectangleAndMirror() : setup({}, {900, 700}), form(setup.Form()) { setup.NewSketch(1000, 800); }

    TTechDrawSurf* surf() { return form.DrawSurf; }
    void move(QPoint at) { sendMouse(surf(), QEvent::MouseMove, at); }
    void click(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        sendMouse(surf(), QEvent::MouseButtonPress, at, button);
        sendMouse(surf(), QEvent::MouseButtonRelease, at, button);
    }

    TMainFormSetup setup;
    TMainForm& form;
};

TEST_F(RectangleAndMirror, TheRectanglesCommandsReachItFromTheMenusAndGoWithIt) {
    TSketchReference blank;
    TSketchReference expected;
    EXPECT_FALSE(form.CompleteRightCmd->isEnabled());
    form.FourVertexCmd->trigger();
    auto* tool = dynamic_cast<TFourVertex*>(CurrentTool.get());
    ASSERT_NE(tool, nullptr);
    EXPECT_TRUE(form.CompleteRightCmd->isEnabled());
    EXPECT_TRUE(form.CompleteDownCmd->isEnabled());

    // The figure is on the surface in green, over a sketch still blank.
    const gdi::Point top = tool->FPoints[2];
    const QImage shown = surf()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown.pixel(top.x + 50, top.y), 0xFF00FF00u);
    EXPECT_EQ(blank.FirstDifference(), "");

    // The right button opens the rectangle's menu.
    click({top.x - 40, top.y - 40}, Qt::RightButton);
    EXPECT_TRUE(form.FourVertexPopup->isVisible());
    form.FourVertexPopup->hide();

    const std::array<gdi::Point, 4> cell{tool->FPoints[1], tool->FPoints[2], tool->FPoints[3],
                                         tool->FPoints[4]};
    form.CompleteRightCmd->trigger();
    gdi::PenPtr oldPen = expected.DC().selectPen(LinePen);
    gdi::BrushPtr oldBrush = expected.DC().selectBrush(gdi::stockNullBrush());
    expected.DC().polygon(cell.data(), 4);
    expected.DC().selectBrush(oldBrush);
    expected.DC().selectPen(oldPen);
    EXPECT_EQ(expected.FirstDifference(), "");
    EXPECT_EQ(tool->FPoints[1], cell[3]);
    EXPECT_TRUE(form.UndoCmd->isEnabled());

    form.DrawAxisLine->trigger();
    EXPECT_EQ(tool->Step, TFourVertex::StepAxis);
    form.UndoLastAction->trigger();
    EXPECT_EQ(tool->Step, TFourVertex::StepSelect);
    EXPECT_EQ(tool->FPoints[1], cell[0]);

    // Another tool takes the commands' place; they no longer do anything.
    form.MirrorUpDownCmd->trigger();
    EXPECT_FALSE(form.CompleteRightCmd->isEnabled());
    form.DrawAxisLine->trigger();
    form.UndoLastAction->trigger();
    EXPECT_EQ(expected.FirstDifference(), "");
}

TEST_F(RectangleAndMirror, EachMirrorActionChoosesItsToolAndAWindowDraggedOnTheSurfaceFlips) {
    const std::pair<QAction*, bool (*)(TTechBase*)> actions[] = {
        {form.MirrorLeftRightCmd, [](TTechBase* t) { return dynamic_cast<TMirrorLeftRight*>(t) != nullptr; }},
        {form.MirrorDiagonalCmd, [](TTechBase* t) { return dynamic_cast<TMirrorDiagonal*>(t) != nullptr; }},
        {form.MirrorSimetricAxisCmd,
         [](TTechBase* t) { return dynamic_cast<TMirrorSimetricAxis*>(t) != nullptr; }},
        {form.MirrorUpDownCmd, [](TTechBase* t) { return dynamic_cast<TMirrorUpDown*>(t) != nullptr; }},
    };
    for (const auto& [action, isIt] : actions) {
        action->trigger();
        EXPECT_TRUE(isIt(CurrentTool.get())) << action->objectName().toStdString();
    }

    gdi::PenPtr old = DocDC->selectPen(gdi::stockBlackPen());
    DocDC->moveTo(10, 12);
    DocDC->lineTo(50, 12);
    DocDC->selectPen(old);
    TSketchReference before;
    TSketchReference expected;
    expected.DC().fillRect({0, 0, 60, 40}, gdi::stockWhiteBrush());
    expected.Line({10, 27}, {50, 27}, gdi::stockBlackPen());
    click({0, 0});
    move({60, 40});
    click({60, 40});
    EXPECT_EQ(expected.FirstDifference(), "");
    form.UndoCmd->trigger();
    EXPECT_EQ(before.FirstDifference(), "");
}

} // namespace
