// Selecting, switching and freeing tools: the order of the steps, what a tool takes
// and gives back, the option dialog's close, and the option buttons kept per class.

#include "ToolTestSupport.h"

#include "tools/base/BttnStateStorage.h"
#include "tools/base/ButtonState.h"
#include "tools/base/Prompts.h"
#include "tools/base/ToolSwitch.h"

#include <QAction>
#include <QActionGroup>
#include <QButtonGroup>
#include <QCoreApplication>
#include <QPointer>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

class ToolSwitchTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetFramework();
        BttnStateStorage = std::make_unique<TBttnStateStorage>();
    }
    void TearDown() override { ResetFramework(); }

    int activeCount() const {
        int count = 0;
        for (TPaintedTool* tool : ActiveTools)
            if (tool) ++count;
        return count;
    }

    TFakeHost host;
};

TEST_F(ToolSwitchTest, ASelectedToolHoldsSurfaceHookAndPromptAndGivesThemBackWhenFreed) {
    SelectTool(ToolClass<TTestToolA>, host.ToolAButton, nullptr);
    TTechBase* tool = CurrentTool.get();
    ASSERT_NE(tool, nullptr);
    EXPECT_EQ(SurfaceEventTool(), tool);
    EXPECT_EQ(host.Cursor, 2);
    EXPECT_EQ(host.Radius, 0.0f);
    EXPECT_EQ(ActiveTools[0], tool);
    EXPECT_EQ(host.Prompt, QString::fromUtf8(SegmentStartPrompt));
    EXPECT_TRUE(host.ToolAAction->isChecked());
    EXPECT_EQ(CurrentToolButton, host.ToolAButton);

    // A state change shows that state's prompt at once.
    tool->SetState(1, 3);
    EXPECT_EQ(host.Prompt, QString::fromUtf8(SegmentEndPrompt));

    SelectTool(nullptr, nullptr, nullptr);
    EXPECT_EQ(CurrentTool, nullptr);
    EXPECT_EQ(SurfaceEventTool(), nullptr);
    EXPECT_EQ(host.Cursor, 1);
    EXPECT_EQ(activeCount(), 0);
    EXPECT_EQ(host.Prompt, QString::fromUtf8(GeneralPrompt));
    EXPECT_FALSE(host.ToolAAction->isChecked());
    EXPECT_EQ(CurrentToolButton, nullptr);
}

TEST_F(ToolSwitchTest, SwitchingFreesTheOldToolButtonAndDialogBeforeTheNewDialogAndTool) {
    SelectTool(ToolClass<TTestToolA>, host.ToolAButton, DialogClass<TTestDialogA>);
    ASSERT_NE(CurrentDialog, nullptr);
    EXPECT_TRUE(CurrentDialog->isVisible());
    EXPECT_EQ(CurrentDialog->parentWidget(), host.Window.get());
    // The dialog exists before the tool, so that the tool can wire it.
    EXPECT_LT(JournalIndex("dialog A made"), JournalIndex("create A"));
    Journal.clear();

    SelectTool(ToolClass<TTestToolB>, host.ToolBButton, DialogClass<TTestDialogB>);
    const std::vector<std::string> expected{"destroy A",     "button A up", "dialog A freed",
                                            "dialog B made", "create B",    "button B down"};
    EXPECT_EQ(Journal, expected);
    EXPECT_EQ(CurrentDialog->objectName(), QStringLiteral("DialogB"));
    // The tool group keeps one button down, yet the old button went up on its own.
    EXPECT_EQ(host.ToolGroup->exclusionPolicy(), QActionGroup::ExclusionPolicy::Exclusive);
}

TEST_F(ToolSwitchTest, ClosingTheOptionDialogSwitchesTheToolOff) {
    SelectTool(ToolClass<TTestToolA>, host.ToolAButton, DialogClass<TTestDialogA>);
    QPointer<TTechDialogBaseForm> dialog = CurrentDialog.get();
    Journal.clear();

    // The close itself is refused: the dialog is let go by the tool switch instead, and
    // deleted only once its own close handling is over.
    EXPECT_FALSE(dialog->close());
    EXPECT_EQ(CurrentTool, nullptr);
    EXPECT_EQ(CurrentDialog, nullptr);
    EXPECT_FALSE(host.ToolAAction->isChecked());
    EXPECT_EQ(host.Prompt, QString::fromUtf8(GeneralPrompt));
    EXPECT_EQ(SurfaceEventTool(), nullptr);
    ASSERT_FALSE(dialog.isNull());
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(JournalIndex("dialog A freed"), -1);

    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(dialog.isNull());
    EXPECT_EQ(JournalCount("dialog A freed"), 1);
}

TEST_F(ToolSwitchTest, EachToolClassFindsItsOptionButtonAsItLeftIt) {
    // Class A switches point capture on.
    SelectTool(ToolClass<TTestToolA>, host.ToolAButton, nullptr);
    EXPECT_TRUE(host.PointCaptAction->isEnabled());
    EXPECT_FALSE(static_cast<TTestSegmentTool*>(CurrentTool.get())->Capture);
    host.PointCaptAction->setChecked(true);

    // Class B has its own memory: it finds the button up, and leaves it up.
    SelectTool(ToolClass<TTestToolB>, host.ToolBButton, nullptr);
    EXPECT_FALSE(host.PointCaptAction->isChecked());
    EXPECT_TRUE(host.PointCaptAction->isEnabled());
    EXPECT_FALSE(static_cast<TTestSegmentTool*>(CurrentTool.get())->Capture);

    // Without a tool that uses it, the button is up and disabled.
    SelectTool(nullptr, nullptr, nullptr);
    EXPECT_FALSE(host.PointCaptAction->isChecked());
    EXPECT_FALSE(host.PointCaptAction->isEnabled());

    SelectTool(ToolClass<TTestToolA>, host.ToolAButton, nullptr);
    EXPECT_TRUE(host.PointCaptAction->isChecked());
    EXPECT_TRUE(static_cast<TTestSegmentTool*>(CurrentTool.get())->Capture);

    SelectTool(ToolClass<TTestToolB>, host.ToolBButton, nullptr);
    EXPECT_FALSE(host.PointCaptAction->isChecked());
    // One record per (button, class).
    EXPECT_EQ(BttnStateStorage->Count(), 2);
    EXPECT_GE(BttnStateStorage->IndexOf(host.PointCaptButton, typeid(TTestToolA)), 0);
    EXPECT_EQ(BttnStateStorage->IndexOf(host.PointCaptButton, typeid(TTestSegmentTool)), -1);
}

TEST_F(ToolSwitchTest, ButtonStoreGivesBackEnabledVisibleAndDownAndIgnoresNoButton) {
    TBttnStateStorage store;
    host.PointCaptAction->setEnabled(true);
    host.PointCaptAction->setChecked(true);
    store.Store(host.PointCaptButton, typeid(TTestToolA));
    store.Store(nullptr, typeid(TTestToolA));
    host.PointCaptAction->setVisible(false);
    store.Store(host.PointCaptButton, typeid(TTestToolB));
    EXPECT_EQ(store.Count(), 2);

    host.PointCaptAction->setVisible(true);
    host.PointCaptAction->setEnabled(false);
    host.PointCaptAction->setChecked(false);
    store.Restore(host.PointCaptButton, typeid(TTestSegmentTool)); // nothing stored
    EXPECT_FALSE(host.PointCaptAction->isChecked());
    store.Restore(host.PointCaptButton, typeid(TTestToolA));
    EXPECT_TRUE(host.PointCaptAction->isEnabled());
    EXPECT_TRUE(host.PointCaptAction->isChecked());
    EXPECT_TRUE(host.PointCaptAction->isVisible());
    store.Restore(host.PointCaptButton, typeid(TTestToolB));
    EXPECT_FALSE(host.PointCaptAction->isVisible());
    store.Restore(nullptr, typeid(TTestToolB));
}

TEST_F(ToolSwitchTest, SetButtonDownLetsTheDownButtonOfAGroupUpAndKeepsTheGroupsRule) {
    // Buttons of their own, in a group that keeps one down.
    QButtonGroup group;
    QToolButton first, second;
    first.setCheckable(true);
    second.setCheckable(true);
    group.addButton(&first);
    group.addButton(&second);
    group.setExclusive(true);
    first.setChecked(true);

    SetButtonDown(&first, false);
    EXPECT_FALSE(first.isChecked());
    EXPECT_TRUE(group.exclusive());
    SetButtonDown(&second, true);
    SetButtonDown(&first, true);
    EXPECT_TRUE(first.isChecked());
    EXPECT_FALSE(second.isChecked());

    // The same for a button made for an action of an action group.
    host.ToolAAction->setChecked(true);
    SetButtonDown(host.ToolAButton, false);
    EXPECT_FALSE(host.ToolAAction->isChecked());
    EXPECT_EQ(host.ToolGroup->exclusionPolicy(), QActionGroup::ExclusionPolicy::Exclusive);
}

TEST_F(ToolSwitchTest, TheStatusPanelFollowsThePromptRules) {
    EXPECT_EQ(StatusPromptText(QStringLiteral("Текст")), QStringLiteral("Текст"));
    EXPECT_EQ(StatusPromptText(QString::fromUtf8(EndOfObjectPrompt)), QString::fromUtf8(GeneralPrompt));
    // An empty request shows the current tool's prompt, or the general one.
    EXPECT_EQ(StatusPromptText(QString()), QString::fromUtf8(GeneralPrompt));
    SelectTool(ToolClass<TTestToolA>, nullptr, nullptr);
    EXPECT_EQ(StatusPromptText(QString()), QString::fromUtf8(SegmentStartPrompt));
    CurrentTool->SetState(1, 7);
    EXPECT_EQ(host.Prompt, QString());
}

struct TFailingCreateTool : TTestSegmentTool {
    void Create() override {
        TTestSegmentTool::Create();
        throw std::runtime_error("no");
    }
};

struct TFailingDestroyTool : TTestSegmentTool {
    void Destroy() override {
        TTestSegmentTool::Destroy();
        throw std::runtime_error("no");
    }
};

TEST_F(ToolSwitchTest, AFailingToolLeavesTheSwitchInAKnownState) {
    // A tool that fails while it is made is taken down again; the dialog made for it
    // stays until the next switch, and the failure goes to the command.
    EXPECT_THROW(SelectTool(ToolClass<TFailingCreateTool>, host.ToolAButton, DialogClass<TTestDialogA>),
                 std::runtime_error);
    EXPECT_EQ(CurrentTool, nullptr);
    EXPECT_EQ(SurfaceEventTool(), nullptr);
    EXPECT_EQ(host.Cursor, 1);
    EXPECT_EQ(ActiveTools[0], nullptr);
    EXPECT_FALSE(host.ToolAAction->isChecked());
    EXPECT_NE(CurrentDialog, nullptr);

    // A tool that fails while it is freed does not stop the switch.
    SelectTool(ToolClass<TFailingDestroyTool>, host.ToolAButton, nullptr);
    EXPECT_EQ(CurrentDialog, nullptr);
    SelectTool(ToolClass<TTestToolB>, host.ToolBButton, nullptr);
    EXPECT_EQ(SurfaceEventTool(), CurrentTool.get());
    EXPECT_EQ(ActiveTools[0], CurrentTool.get());
    EXPECT_EQ(ActiveTools[1], nullptr);
    EXPECT_FALSE(host.ToolAAction->isChecked());
    EXPECT_TRUE(host.ToolBAction->isChecked());
}

} // namespace
