// The text tool's wiring in the real main window: chosen from its action with its button
// and its font window, keys typed at the window and text an input method commits to the
// surface reaching the text, and the stamp undone by Undo. What the tool draws is tested
// on the tool harness.

#include "AppTestSupport.h"
#include "ToolHarness.h"

#include "app/MainForm.h"
#include "app/TechDrawSurf.h"
#include "tools/base/ButtonState.h"
#include "tools/base/ToolSwitch.h"
#include "tools/draw/FontProperty.h"
#include "tools/draw/Text.h"

#include "document/TechDocument.h"

#include <QAbstractButton>
#include <QAction>
#include <QInputMethodEvent>
#include <QTest>

#include <gtest/gtest.h>

using namespace app_testing;

namespace {

class TextToolWiring : public ::testing::Test {
  protected:
    TextToolWiring() : setup({}, {900, 700}), form(setup.Form()) { setup.NewSketch(200, 150); }
    ~TextToolWiring() override { ResetTextFontSettings(); }

    // A key at the main window, as the keyboard sends it.
    void key(Qt::Key code, const QString& text) {
        QTest::sendKeyEvent(QTest::Click, form.windowHandle(), code, text, Qt::NoModifier);
    }

    TMainFormSetup setup;
    TMainForm& form;
};

TEST_F(TextToolWiring, TypesAtTheWindowAndThroughAnInputMethodAndStampsOneUndoStep) {
    TSketchReference blank;
    form.TextCmd->trigger();
    auto* text = dynamic_cast<TTechText*>(CurrentTool.get());
    ASSERT_NE(text, nullptr);
    EXPECT_NE(dynamic_cast<TFontProperty*>(CurrentDialog.get()), nullptr);
    EXPECT_TRUE(IsButtonDown(form.findChild<QAbstractButton*>(QStringLiteral("TextToolButton"))));
    EXPECT_EQ(form.PromptText(), QString::fromUtf8("Задайте размеры и точку начала текста"));

    PointerEnter({40, 80});
    PointerMove({40, 80});
    Click({40, 80});
    ASSERT_EQ(text->Step, TTechText::StepTyping);
    key(Qt::Key_A, QString::fromUtf8("ф"));
    key(Qt::Key_B, QStringLiteral("b"));
    key(Qt::Key_Return, QStringLiteral("\r"));
    // Enter while typing is a new line, not a click.
    EXPECT_EQ(text->Step, TTechText::StepTyping);
    DrawSurf->setFocus();
    EXPECT_TRUE(DrawSurf->testAttribute(Qt::WA_InputMethodEnabled));
    QInputMethodEvent committed;
    committed.setCommitString(QString::fromUtf8("жё"));
    QCoreApplication::sendEvent(DrawSurf, &committed);
    ASSERT_EQ(text->FLines.size(), 2u);
    EXPECT_EQ(text->FLines[0], QString::fromUtf8("фb"));
    EXPECT_EQ(text->FLines[1], QString::fromUtf8("жё"));

    Click({190, 140});
    EXPECT_EQ(text->Step, TTechText::StepOrigin);
    EXPECT_NE(blank.FirstDifference(), "");
    EXPECT_TRUE(form.UndoCmd->isEnabled());
    form.UndoCmd->trigger();
    EXPECT_EQ(blank.FirstDifference(), "");
}

} // namespace
