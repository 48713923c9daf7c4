// The block and instrument commands in the real main window: each chooses its tool with
// the block window set up for its kind, and the main window's "Завершить" stamps the
// block. What the tools draw is tested on the tool harness.

#include "AppTestSupport.h"
#include "ToolHarness.h"

#include "app/MainForm.h"
#include "tools/base/ToolSwitch.h"
#include "tools/blocks/Block.h"
#include "tools/blocks/BlockModifForm.h"
#include "tools/draw/ColorPanel.h"

#include <QAbstractButton>
#include <QAction>

#include <gtest/gtest.h>

using namespace app_testing;

namespace {

TEST(BlockCommands, ChooseTheirToolWithItsWindowAndCompleteStampsTheBlock) {
    TMainFormSetup setup({}, {900, 700});
    TMainForm& form = setup.Form();
    setup.NewSketch(400, 300);
    ASSERT_TRUE(form.InstrumentCmd->isEnabled());
    form.InstrumentCmd->trigger();
    ASSERT_NE(dynamic_cast<TInstrument*>(CurrentTool.get()), nullptr);
    auto* window = dynamic_cast<TBlockModifForm*>(CurrentDialog.get());
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8("Инструмент"));
    EXPECT_EQ(window->BlockColor->Color(), 0x0000FFu);

    form.BlockCmd->trigger();
    auto* block = dynamic_cast<TBlock*>(CurrentTool.get());
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(dynamic_cast<TInstrument*>(block), nullptr);
    window = dynamic_cast<TBlockModifForm*>(CurrentDialog.get());
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8("Блоки"));
    EXPECT_TRUE(CurrentToolButton && CurrentToolButton->isChecked());

    TSketchReference expected;
    window->AddNewLineButton->click();
    block->AddSegmentFromTo({20, 20}, {80, 40});
    form.CompleteCmd->trigger();
    expected.Line({20, 20}, {80, 40}, gdi::createPen(gdi::PS_SOLID, 1, 0x000000));
    EXPECT_EQ(expected.FirstDifference(), "");
    EXPECT_TRUE(form.UndoCmd->isEnabled());
}

} // namespace
