// The mark tool's wiring in the real main window: "Спецзнаки" chooses the tool with its
// window and button, a mark picked in the window is stamped on the surface and undone
// by Undo, and closing the window ends the tool. What the marks draw is tested on the
// tool harness.

#include "AppTestSupport.h"
#include "ToolHarness.h"

#include "app/MainForm.h"
#include "tools/annotation/Mark.h"
#include "tools/annotation/MarkForm.h"
#include "tools/base/ButtonState.h"
#include "tools/base/ToolSwitch.h"

#include "document/TechDocument.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>

#include <gtest/gtest.h>

using namespace app_testing;

namespace {

TEST(MarkToolWiring, TheCommandChoosesTheToolWithItsWindowAndClosingTheWindowEndsIt) {
    TMainFormSetup setup({}, {900, 700});
    TMainForm& form = setup.Form();
    setup.NewSketch(200, 150);
    DocDC->moveTo(0, 100);
    DocDC->lineTo(200, 100);
    TSketchReference before;
    EXPECT_TRUE(form.MarkCmd->isEnabled());
    form.MarkCmd->trigger();
    ASSERT_NE(dynamic_cast<TMark*>(CurrentTool.get()), nullptr);
    auto* marks = dynamic_cast<TMarkForm*>(CurrentDialog.get());
    ASSERT_NE(marks, nullptr);
    auto* button = form.findChild<QAbstractButton*>(QStringLiteral("MarkToolButton"));
    EXPECT_TRUE(IsButtonDown(button));
    EXPECT_EQ(form.PromptText(), QString::fromUtf8("Выбирайте знак для работы"));

    marks->ActionOf(111)->trigger();
    EXPECT_EQ(form.PromptText(),
              QString::fromUtf8("Укажите точку для знака (Enter - ОК, Esc - меню направлений)"));
    PointerEnter({50, 95});
    PointerMove({50, 95});
    Click({50, 95});
    EXPECT_NE(before.FirstDifference(), "");
    form.UndoCmd->trigger();
    EXPECT_EQ(before.FirstDifference(), "");

    marks->close();
    QApplication::processEvents();
    EXPECT_EQ(CurrentTool, nullptr);
    EXPECT_EQ(CurrentDialog, nullptr);
    EXPECT_FALSE(IsButtonDown(button));
}

} // namespace
