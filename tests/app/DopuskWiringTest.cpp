// The tolerance frame tool in the real main window: chosen from its action, its menu
// opened by the right button, and the menu's items reaching it, the question included.
// What the tool draws is tested on the tool harness.

#include "AppTestSupport.h"

#include "app/MainForm.h"
#include "app/TechDrawSurf.h"
#include "document/Folders.h"
#include "tools/annotation/Dopusk.h"
#include "tools/base/ToolSwitch.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QFontInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QWindow>

#include <gtest/gtest.h>

#include <filesystem>

using namespace app_testing;

namespace {

void rightClick(QWidget* w, QPoint pos) {
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        const Qt::MouseButtons buttons = type == QEvent::MouseButtonPress ? Qt::RightButton : Qt::NoButton;
        QMouseEvent event(type, QPointF(pos), QPointF(w->mapToGlobal(pos)), Qt::RightButton, buttons,
                          Qt::NoModifier);
        QApplication::sendEvent(w, &event);
    }
}

TEST(DopuskInMainWindow, TheActionChoosesTheToolAndItsMenuReachesIt) {
    TMainFormSetup setup({}, {900, 700});
    TMainForm& form = setup.Form();
    setup.NewSketch(600, 400);
    ASSERT_TRUE(form.CreateDopuskTableCmd->isEnabled());
    form.CreateDopuskTableCmd->trigger();
    auto* tool = dynamic_cast<TDopusk*>(CurrentTool.get());
    ASSERT_NE(tool, nullptr);

    rightClick(form.DrawSurf, {100, 100});
    EXPECT_TRUE(form.DopuskPopup->isVisible());
    form.DopuskPopup->hide();

    form.withTriangle->trigger();
    EXPECT_EQ(tool->BranchKind, 2);
    EXPECT_EQ(tool->Step, TDopusk::StepBranch);
    EXPECT_TRUE(form.withTriangle->isChecked());
    EXPECT_FALSE(form.withoutAny->isChecked());
    form.withoutAny->trigger();
    EXPECT_EQ(tool->BranchKind, 0);

    // The question's edits write in the installed symbol font.
    std::filesystem::create_directories(FontsDir);
    std::filesystem::copy_file(VERIGRAF_BIN_DIR "/Fonts/ZYQ(gdt).ttf", FontsDir + "ZYQ(gdt).ttf");
    QString editFont;
    AnswerModal([&editFont](QWidget* dialog) {
        editFont = QFontInfo(dialog->findChild<QLineEdit*>("TextEdit")->font()).family();
        dialog->findChild<QRadioButton*>("TextRadioButton")->click();
        dialog->findChild<QLineEdit*>("TextEdit")->setText("A");
        dialog->findChild<QPushButton*>("OKButton")->click();
    });
    form.findChild<QAction*>("DopuskEditTable")->trigger();
    EXPECT_EQ(tool->Step, TDopusk::StepFollow);
    EXPECT_EQ(tool->TextLine, "A");
    EXPECT_EQ(editFont, "zyqverigraf");

    // Keys on the open menu are the menu's: Enter there does not drop the frame under
    // the pointer.
    QCursor::setPos(form.DrawSurf->mapToGlobal(QPoint(100, 100)));
    rightClick(form.DrawSurf, {100, 100});
    ASSERT_TRUE(form.DopuskPopup->isVisible());
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(form.DopuskPopup->windowHandle(), &enter);
    EXPECT_EQ(tool->Step, TDopusk::StepFollow);
    form.DopuskPopup->hide();

    form.findChild<QAction*>("DopuskCancel")->trigger();
    EXPECT_EQ(tool->Step, TDopusk::StepEmpty);
    EXPECT_TRUE(tool->TextLine.empty());

    // Another tool does not take the frame's items for its own.
    form.FourVertexCmd->trigger();
    const uint8_t step = CurrentTool->Step;
    form.findChild<QAction*>("DopuskComplete")->trigger();
    form.withArrow->trigger();
    EXPECT_EQ(CurrentTool->Step, step);
}

} // namespace
