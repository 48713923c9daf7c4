// The dimension tools in the real main window: each chosen from its action, and the
// leader's arrow buttons, pop-up menu and "Отказ от точки" reaching it. What the tools
// draw is tested on the tool harness.

#include "AppTestSupport.h"

#include "app/MainForm.h"
#include "app/TechDrawSurf.h"
#include "tools/annotation/DiametralSize.h"
#include "tools/annotation/FreeLine.h"
#include "tools/annotation/RadialSize.h"
#include "tools/annotation/RadiusSize.h"
#include "tools/annotation/SizeLine.h"
#include "tools/base/ToolSwitch.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMouseEvent>

#include <gtest/gtest.h>

using namespace app_testing;

namespace {

void sendMouse(QWidget* w, QEvent::Type type, QPoint pos, Qt::MouseButton button) {
    const Qt::MouseButtons buttons =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent event(type, QPointF(pos), QPointF(w->mapToGlobal(pos)), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

void click(QWidget* w, QPoint at, Qt::MouseButton button) {
    sendMouse(w, QEvent::MouseButtonPress, at, button);
    sendMouse(w, QEvent::MouseButtonRelease, at, button);
}

TEST(SizeToolsInMainWindow, ActionsMakeTheToolsAndTheLeadersCommandsReachIt) {
    TMainFormSetup setup({}, {900, 700});
    TMainForm& form = setup.Form();
    setup.NewSketch(600, 400);
    form.SizeLineCmd->trigger();
    EXPECT_NE(dynamic_cast<TSizeLine*>(CurrentTool.get()), nullptr);
    form.DiametralSizeCmd->trigger();
    EXPECT_NE(dynamic_cast<TDiametralSize*>(CurrentTool.get()), nullptr);
    form.RadiusSizeCmd->trigger();
    EXPECT_NE(dynamic_cast<TRadiusSize*>(CurrentTool.get()), nullptr);
    form.RadialSizeCmd->trigger();
    EXPECT_NE(dynamic_cast<TRadialSize*>(CurrentTool.get()), nullptr);
    EXPECT_FALSE(form.FreePoint1->isEnabled());

    form.FreeLineCmd->trigger();
    auto* tool = dynamic_cast<TFreeLine*>(CurrentTool.get());
    ASSERT_NE(tool, nullptr);
    ASSERT_TRUE(form.FreePoint1->isEnabled());
    form.FreePoint1->trigger();
    EXPECT_TRUE(tool->ArrowAtStart);
    EXPECT_FALSE(tool->ArrowAtEnd);

    click(form.DrawSurf, {40, 40}, Qt::LeftButton);
    EXPECT_EQ(tool->Step, TFreeLine::StepEnd);
    click(form.DrawSurf, {80, 40}, Qt::RightButton);
    EXPECT_TRUE(form.FreeLinePopup->isVisible());
    form.FreeLinePopup->hide();
    form.CancelFreeLineCmd->trigger();
    EXPECT_EQ(tool->Step, TFreeLine::StepStart);
}

} // namespace
