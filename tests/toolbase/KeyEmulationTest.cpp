// Enter, Esc and the arrows while a tool holds the message hook: clicks and pointer
// moves at zoom 5, nothing outside the surface or while a dialog of the tool is open,
// and the rule of the dialogs that give Enter back to the main window.

#include "ToolTestSupport.h"

#include "tools/base/BttnStateStorage.h"
#include "tools/base/ToolSwitch.h"

#include <QAction>
#include <QApplication>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

class TArcLikeDialog : public TTechDialogBaseForm {
  public:
    explicit TArcLikeDialog(QWidget* owner) : TTechDialogBaseForm(owner) { EnterActivatesMain = true; }
};

// Activation reaches the widgets some time after it was asked for.
bool becomesActive(QWidget* window) {
    for (int i = 0; i < 100 && !window->isActiveWindow(); ++i)
        QTest::qWait(10);
    return window->isActiveWindow();
}

class KeyEmulationTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetFramework();
        BttnStateStorage = std::make_unique<TBttnStateStorage>();
        host.ZoomFactor = 5;
        host.Scroll = {10, 20};
        // Client (17, 33) is sketch ((17 + 10) / 5, (33 + 20) / 5).
        host.Pointer = host.SurfaceOrigin + QPoint(17, 33);
        host.Window->resize(200, 100);
        host.Window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(host.Window.get()));
    }
    void TearDown() override { ResetFramework(); }

    // A key pressed and released in the main window, as the window system delivers it.
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, QWidget* window = nullptr) {
        QWidget* target = window ? window : host.Window.get();
        QTest::keyClick(target->windowHandle(), Qt::Key(key), modifiers);
    }

    static std::string down(int key) { return "key down " + std::to_string(key); }
    static std::string up(int key) { return "key up " + std::to_string(key); }

    TFakeHost host;
};

TEST_F(KeyEmulationTest, EnterAndEscClickAtThePointerOnce) {
    SelectTool(ToolClass<TTestToolA>, nullptr, nullptr);
    Journal.clear();
    press(Qt::Key_Return);
    std::vector<std::string> expected{down(Qt::Key_Return), "left 5,10 down +left", "left 5,10 up",
                                      up(Qt::Key_Return)};
    EXPECT_EQ(Journal, expected);

    Journal.clear();
    press(Qt::Key_Escape);
    expected = {down(Qt::Key_Escape), "right 5,10 down +right", "right 5,10 up", up(Qt::Key_Escape)};
    EXPECT_EQ(Journal, expected);

    // The keypad's Enter is Enter too, and the modifiers go with the click.
    Journal.clear();
    press(Qt::Key_Enter, Qt::ControlModifier);
    EXPECT_EQ(JournalCount("left 5,10 down +left +ctrl"), 1);
    EXPECT_EQ(JournalCount("left 5,10 up +ctrl"), 1);
    // The click did what a mouse click does.
    EXPECT_EQ(CurrentTool->Step, 3);
}

TEST_F(KeyEmulationTest, AKeyThatIsAShortcutReachesTheToolFirstAndStillActs) {
    QAction deleteCmd(host.Window.get());
    deleteCmd.setShortcut(Qt::Key_Delete);
    host.Window->addAction(&deleteCmd);
    QObject::connect(&deleteCmd, &QAction::triggered, [] { Note("DeleteCmd"); });
    SelectTool(ToolClass<TTestToolA>, nullptr, nullptr);
    Journal.clear();
    press(Qt::Key_Delete);
    const std::vector<std::string> expected{down(Qt::Key_Delete), "DeleteCmd", up(Qt::Key_Delete)};
    EXPECT_EQ(Journal, expected);
}

TEST_F(KeyEmulationTest, OutsideTheSurfaceEnterAndEscDoNothing) {
    SelectTool(ToolClass<TTestToolA>, nullptr, nullptr);
    for (const QPoint client : {QPoint(300, 33), QPoint(17, 200), QPoint(-1, 33), QPoint(17, -1)}) {
        host.Pointer = host.SurfaceOrigin + client;
        Journal.clear();
        press(Qt::Key_Return);
        press(Qt::Key_Escape);
        const std::vector<std::string> expected{down(Qt::Key_Return), up(Qt::Key_Return),
                                                down(Qt::Key_Escape), up(Qt::Key_Escape)};
        EXPECT_EQ(Journal, expected) << client.x() << "," << client.y();
    }
    // The last client pixel is still inside.
    host.Pointer = host.SurfaceOrigin + QPoint(299, 199);
    Journal.clear();
    press(Qt::Key_Return);
    EXPECT_EQ(JournalCount("left 61,43 down +left"), 1);
}

TEST_F(KeyEmulationTest, ArrowsMoveThePointerByOneSketchPixel) {
    SelectTool(ToolClass<TTestToolA>, nullptr, nullptr);
    const QPoint start = host.Pointer;
    press(Qt::Key_Right);
    EXPECT_EQ(host.Pointer, start + QPoint(5, 0));
    press(Qt::Key_Down);
    press(Qt::Key_Down);
    EXPECT_EQ(host.Pointer, start + QPoint(5, 10));
    press(Qt::Key_Left);
    press(Qt::Key_Up);
    EXPECT_EQ(host.Pointer, start + QPoint(0, 5));
    // Also from outside the surface.
    host.Pointer = {0, 0};
    press(Qt::Key_Left);
    EXPECT_EQ(host.Pointer, QPoint(-5, 0));
}

TEST_F(KeyEmulationTest, KeysAreLeftAloneWhileSuspendedOrWithoutATool) {
    SelectTool(ToolClass<TTestToolA>, nullptr, nullptr);
    CurrentTool->KeysSuspended = true;
    Journal.clear();
    const QPoint start = host.Pointer;
    press(Qt::Key_Return);
    press(Qt::Key_Right);
    // The tool still sees the keys; only the emulation is off.
    const std::vector<std::string> expected{down(Qt::Key_Return), up(Qt::Key_Return), down(Qt::Key_Right),
                                            up(Qt::Key_Right)};
    EXPECT_EQ(Journal, expected);
    EXPECT_EQ(host.Pointer, start);

    SelectTool(nullptr, nullptr, nullptr);
    Journal.clear();
    press(Qt::Key_Return);
    press(Qt::Key_Right);
    EXPECT_TRUE(Journal.empty());
    EXPECT_EQ(host.Pointer, start);
}

TEST_F(KeyEmulationTest, EnterInADialogThatAsksForItGoesBackToTheMainWindow) {
    SelectTool(ToolClass<TTestToolA>, nullptr, DialogClass<TArcLikeDialog>);
    TTechDialogBaseForm* dialog = CurrentDialog.get();
    dialog->activateWindow();
    ASSERT_TRUE(becomesActive(dialog));
    Journal.clear();
    press(Qt::Key_Return, Qt::NoModifier, dialog);
    EXPECT_EQ(host.Activations, 1);
    EXPECT_EQ(JournalCount("left 5,10 down +left"), 0);
    // Esc is not concerned.
    press(Qt::Key_Escape, Qt::NoModifier, dialog);
    EXPECT_EQ(JournalCount("right 5,10 down +right"), 1);

    // Once the main window is active, Enter clicks again.
    host.Window->activateWindow();
    ASSERT_TRUE(becomesActive(host.Window.get()));
    press(Qt::Key_Return);
    EXPECT_EQ(host.Activations, 1);
    EXPECT_EQ(JournalCount("left 5,10 down +left"), 1);
}

} // namespace
