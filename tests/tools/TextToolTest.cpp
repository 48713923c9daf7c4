// The text tool on the tool harness, in the program's own face: typing and deleting
// lines, the frame taken by its border and its handle, stamping and discarding, and the
// font window; the stamped pixels are checked against the raster layer's own text.

#include "ModalScript.h"
#include "ToolHarness.h"

#include "tools/base/AppMessageHook.h"
#include "tools/base/CursorIds.h"
#include "tools/draw/ColorForm.h"
#include "tools/draw/FontProperty.h"
#include "tools/draw/Text.h"

#include "document/TechDocument.h"
#include "document/UnDoObj.h"

#include "gdi/Brush.h"
#include "gdi/FontRegistry.h"

#include <QComboBox>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <numbers>

namespace {

constexpr gdi::COLORREF Red = 0x0000FF;

// The program's text face is installed, and the font settings are as at start.
class TextTool : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(gdi::FontRegistry::instance().addFontFile(FONTS_DIR "/ZYQVerigraf.ttf"));
        ResetTextFontSettings();
        TextLogFont.faceName = "zyq courier";
    }
    void TearDown() override {
        gdi::FontRegistry::instance().removeFontFile(FONTS_DIR "/ZYQVerigraf.ttf");
        ResetTextFontSettings();
    }

    TToolHarness harness{200, 150};
};

// A key as the keyboard gives it: its code and the text it types.
void press(int key, const QString& text = {}) {
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, text);
    bool handled = false;
    if (TTechBase* tool = AppMessageTool()) tool->AppMessage(event, handled);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    if (TTechBase* tool = AppMessageTool()) tool->AppMessage(release, handled);
}

void type(const QString& text) {
    for (QChar c : text)
        press(c.isLetter() ? int(c.toUpper().unicode()) : int(c.unicode()), QString(c));
}

std::vector<QString> lines(std::initializer_list<const char*> texts) {
    std::vector<QString> result;
    for (const char* text : texts)
        result.push_back(QString::fromUtf8(text));
    return result;
}

// The font the text is written in, at the given escapement, for measuring and drawing.
gdi::FontPtr textFont(int32_t escapement) {
    gdi::LogFont log = TextLogFont;
    log.escapement = escapement;
    return gdi::createFontIndirect(log);
}

gdi::Size extentOf(const char* text) {
    gdi::DeviceContext dc;
    dc.selectFont(textFont(0));
    return dc.textExtent(text);
}

// Starts a text at origin on the harness's tool.
TTechText& startText(gdi::Point origin) {
    auto& tool = dynamic_cast<TTechText&>(*CurrentTool);
    PointerEnter(origin);
    PointerMove(origin);
    Click(origin);
    return tool;
}

TEST_F(TextTool, TypesLinesAndDeletesThemWithTheFrameFollowing) {
    auto& text = harness.Select<TTechText>();
    EXPECT_EQ(harness.Host.Cursor, IBeamCursor);
    EXPECT_EQ(harness.Host.Prompt, QString::fromUtf8("Задайте размеры и точку начала текста"));
    EXPECT_EQ(text.FFont, nullptr);
    startText({40, 60});
    EXPECT_EQ(text.Step, TTechText::StepTyping);
    EXPECT_TRUE(text.KeysSuspended);
    EXPECT_EQ(
        harness.Host.Prompt,
        QString::fromUtf8("Текст можно сдвинуть или повернуть (закрепить - щелчок за пределами рамки)"));
    const int32_t h = extentOf("a").cy;
    ASSERT_GT(h, 0);
    // The empty text's frame is one blank wide.
    EXPECT_EQ(text.FFrame[0], (gdi::Point{37, 63 - h}));
    EXPECT_EQ(text.FFrame[2], (gdi::Point{37 + extentOf(" ").cx + 3, 66}));

    type(QStringLiteral("abc"));
    press(Qt::Key_Return, QStringLiteral("\r"));
    type(QString::fromUtf8("dé"));
    EXPECT_EQ(text.FLines, lines({"abc", "dé"}));
    EXPECT_EQ(text.FFrame[1], (gdi::Point{37 + extentOf("abc").cx + 3, 63 - h}));
    EXPECT_EQ(text.FFrame[3], (gdi::Point{37, 63 - h + 2 * h + 3}));

    for (int i = 0; i < 3; ++i)
        press(Qt::Key_Backspace, QStringLiteral("\b"));
    EXPECT_EQ(text.FLines, lines({"abc"}));
    EXPECT_EQ(text.FFrame[3], (gdi::Point{37, 63 - h + h + 3}));
    // Control characters never reach the text; Delete carries one.
    press(Qt::Key_Delete, QString(QChar(0x7F)));
    press(Qt::Key_Tab, QStringLiteral("\t"));
    EXPECT_EQ(text.FLines, lines({"abc"}));

    // Backspace on the only, empty line leaves it there.
    Click({40, 60}, Qt::RightButton);
    startText({40, 60});
    press(Qt::Key_Backspace, QStringLiteral("\b"));
    EXPECT_EQ(text.FLines, lines({""}));
    EXPECT_EQ(text.Step, TTechText::StepTyping);
}

TEST_F(TextTool, TakesRussianTextFromKeysAndFromAnInputMethod) {
    auto& text = harness.Select<TTechText>();
    startText({40, 60});
    type(QString::fromUtf8("Вал ø"));
    // An input method's text comes to the focused widget, not to the window.
    QWidget focused;
    QInputMethodEvent composing(QStringLiteral("ж"), {});
    QCoreApplication::sendEvent(&focused, &composing);
    QInputMethodEvent committed;
    committed.setCommitString(QString::fromUtf8("ёж😀"));
    QCoreApplication::sendEvent(&focused, &committed);
    EXPECT_EQ(text.FLines, lines({"Вал øёж😀"}));
    // The pair of surrogates goes with one Backspace.
    press(Qt::Key_Backspace, QStringLiteral("\b"));
    EXPECT_EQ(text.FLines, lines({"Вал øёж"}));
}

TEST_F(TextTool, StampsWhatTheRasterLayerWritesAsOneUndoStep) {
    TextColor = Red;
    auto& text = harness.Select<TTechText>();
    TSketchReference before;
    TSketchReference expected;
    startText({60, 100});
    type(QString::fromUtf8("Ось"));
    press(Qt::Key_Return, QStringLiteral("\r"));
    type(QStringLiteral("A1"));
    // The handle dragged straight up from the frame's top-left corner: the text reads
    // upwards.
    Click(text.FFrame[1]);
    EXPECT_EQ(text.Step, TTechText::StepRotating);
    EXPECT_FALSE(text.KeysSuspended);
    PointerMove({text.FFrame[0].x, text.FFrame[0].y - 40});
    EXPECT_FLOAT_EQ(text.FAngle, std::numbers::pi_v<float> / 2);
    EXPECT_EQ(text.FFont->log().escapement, 900);
    // The frame turned with it: its top edge now runs up the screen.
    EXPECT_EQ(text.FFrame[1].x, text.FFrame[0].x);
    EXPECT_LT(text.FFrame[1].y, text.FFrame[0].y);
    // Enter ends the turn as a click would.
    press(Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_EQ(text.Step, TTechText::StepTyping);
    EXPECT_EQ(text.FLines.size(), 2u);
    EXPECT_EQ(before.FirstDifference(), "");

    Click({190, 10});
    EXPECT_EQ(text.Step, TTechText::StepOrigin);
    EXPECT_TRUE(text.FLines.empty());
    EXPECT_EQ(UndoHistory->StoredCount, 1);

    // Each line on its baseline; the second one stands a line's height to the right.
    gdi::DeviceContext& dc = expected.DC();
    dc.selectFont(textFont(900));
    dc.setTextColor(Red);
    dc.setBkMode(gdi::TRANSPARENT);
    dc.setTextAlign(gdi::TA_BASELINE);
    dc.textOut(60, 100, "Ось");
    dc.textOut(60 + extentOf("A1").cy, 100, "A1");
    EXPECT_EQ(expected.FirstDifference(), "");
    EXPECT_NE(before.FirstDifference(), "");
    Document->Undo();
    EXPECT_EQ(before.FirstDifference(), "");
}

TEST_F(TextTool, PreviewAndFrameAreDrawnWhereTheViewShowsThem) {
    auto& text = harness.Select<TTechText>();
    TSketchReference blank;
    startText({60, 80});
    type(QStringLiteral("abc"));
    // The view shows the sketch from (10, 20) on.
    gdi::DeviceContext preview;
    preview.selectBitmap(gdi::Bitmap::create(120, 100, 32));
    preview.fillRect({0, 0, 120, 100}, gdi::createSolidBrush(0xFFFFFF));
    text.DrawPreview(preview, {0, 0, 120, 100}, 10, 20);
    gdi::DeviceContext expected;
    expected.selectBitmap(gdi::Bitmap::create(120, 100, 32));
    expected.fillRect({0, 0, 120, 100}, gdi::createSolidBrush(0xFFFFFF));
    expected.selectFont(textFont(0));
    expected.setBkMode(gdi::TRANSPARENT);
    expected.setTextAlign(gdi::TA_BASELINE);
    expected.textOut(50, 60, "abc");
    for (int32_t y = 0; y < 100; ++y)
        for (int32_t x = 0; x < 120; ++x)
            ASSERT_EQ(preview.getPixel(x, y), expected.getPixel(x, y)) << x << "," << y;

    // The frame in blue while typing, the handle magenta with a black edge.
    text.DrawCursor(preview, {0, 0, 120, 100}, 10, 20);
    const gdi::Point topLeft{text.FFrame[0].x - 10, text.FFrame[0].y - 20};
    const gdi::Point handle{text.FFrame[1].x - 10, text.FFrame[1].y - 20};
    EXPECT_EQ(preview.getPixel(topLeft.x + 5, topLeft.y), 0xFF0000u);
    EXPECT_EQ(preview.getPixel(handle.x, handle.y), 0xFF00FFu);
    EXPECT_EQ(preview.getPixel(handle.x - 4, handle.y), 0x000000u);
    // Nothing of it went into the sketch.
    EXPECT_EQ(blank.FirstDifference(), "");
}

TEST_F(TextTool, EscAndTheRightButtonDiscardTheText) {
    auto& text = harness.Select<TTechText>();
    TSketchReference before;
    startText({40, 60});
    type(QStringLiteral("abc"));
    press(Qt::Key_Escape, QStringLiteral("\x1b"));
    EXPECT_EQ(text.Step, TTechText::StepOrigin);
    EXPECT_TRUE(text.FLines.empty());

    // While moving, Esc is a right click.
    startText({40, 60});
    type(QStringLiteral("abc"));
    const gdi::Point left = text.FFrame[0];
    Click({left.x, left.y + 4});
    ASSERT_EQ(text.Step, TTechText::StepMoving);
    PointerMove({left.x + 10, left.y + 4});
    press(Qt::Key_Escape, QStringLiteral("\x1b"));
    EXPECT_EQ(text.Step, TTechText::StepOrigin);
    EXPECT_TRUE(text.FLines.empty());

    startText({40, 60});
    type(QStringLiteral("abc"));
    Click({150, 120}, Qt::RightButton);
    EXPECT_EQ(text.Step, TTechText::StepOrigin);
    EXPECT_EQ(UndoHistory->StoredCount, 0);
    EXPECT_EQ(before.FirstDifference(), "");
}

TEST_F(TextTool, MovesByTheBorderAndIgnoresClicksInsideTheFrame) {
    auto& text = harness.Select<TTechText>();
    startText({40, 60});
    type(QStringLiteral("abcdef"));
    const TTechText::TFrame frame = text.FFrame;
    const gdi::Point middle{(frame[0].x + frame[2].x) / 2, (frame[0].y + frame[2].y) / 2};

    // The cursor tells what a press would take.
    PointerMove(frame[1]);
    EXPECT_EQ(harness.Host.Cursor, RotateCursor);
    PointerMove({middle.x, frame[2].y + 5});
    EXPECT_EQ(harness.Host.Cursor, MoveCursor);
    PointerMove(middle);
    EXPECT_EQ(harness.Host.Cursor, IBeamCursor);

    // Inside, away from the border: nothing happens.
    Click(middle);
    EXPECT_EQ(text.Step, TTechText::StepTyping);
    EXPECT_EQ(text.FLines, lines({"abcdef"}));
    EXPECT_EQ(UndoHistory->StoredCount, 0);

    Click({middle.x, frame[2].y - 5});
    ASSERT_EQ(text.Step, TTechText::StepMoving);
    // Keys click and move while the frame is held.
    EXPECT_FALSE(text.KeysSuspended);
    PointerMove({middle.x + 7, frame[2].y - 5 + 20});
    PointerMove({middle.x + 12, frame[2].y - 5 + 30});
    EXPECT_EQ(text.FOrigin, (gdi::Point{52, 90}));
    for (size_t i = 0; i < frame.size(); ++i)
        EXPECT_EQ(text.FFrame[i], (gdi::Point{frame[i].x + 12, frame[i].y + 30}));
    Click({middle.x + 12, frame[2].y - 5 + 30});
    EXPECT_EQ(text.Step, TTechText::StepTyping);
    EXPECT_TRUE(text.KeysSuspended);
    type(QStringLiteral("g"));
    EXPECT_EQ(text.FLines, lines({"abcdefg"}));
}

TEST_F(TextTool, FontWindowSetsTheFontOfTheTextBeingTyped) {
    TextLogFont.faceName.clear();
    SelectTool(ToolClass<TTechText>, nullptr, DialogClass<TFontProperty>);
    auto& form = dynamic_cast<TFontProperty&>(*CurrentDialog);
    auto& text = dynamic_cast<TTechText&>(*CurrentTool);
    EXPECT_EQ(form.windowTitle(), QString::fromUtf8("Параметры шрифта"));
    // The program's face is chosen the first time.
    EXPECT_EQ(QString::fromStdString(TextLogFont.faceName).toLower(), QStringLiteral("zyq courier"));
    EXPECT_EQ(form.FontsCombo->currentText().toLower(), QStringLiteral("zyq courier"));
    EXPECT_EQ(form.FontsCombo->count(), int(TFontProperty::TrueTypeFamilies().size()));
    ASSERT_EQ(form.HeightComboBox->count(), 11);
    EXPECT_EQ(form.HeightComboBox->currentText(), QStringLiteral("3,50"));
    EXPECT_EQ(TextLogFont.height, TextFontHeight(3.5f, ScreenPixelsPerInchY()));
    EXPECT_EQ(TextFontHeight(3.5f, 96), -17);

    startText({40, 100});
    type(QStringLiteral("abc"));
    const int32_t smallWidth = text.FFrame[1].x - text.FFrame[0].x;
    form.HeightComboBox->setCurrentIndex(form.HeightComboBox->findText(QStringLiteral("40,00")));
    EXPECT_FLOAT_EQ(TextHeightMm, 40.0f);
    // 40 mm are 151 points: 201 pixels at 96 pixels per inch.
    EXPECT_EQ(TextLogFont.height, TextFontHeight(40.0f, ScreenPixelsPerInchY()));
    EXPECT_EQ(TextFontHeight(40.0f, 96), -201);
    EXPECT_EQ(text.FFont->log().height, TextLogFont.height);
    EXPECT_GT(text.FFrame[1].x - text.FFrame[0].x, 5 * smallWidth);

    form.BoldButton->click();
    form.UnderlineButton->click();
    EXPECT_EQ(text.FFont->log().weight, 700);
    EXPECT_TRUE(text.FFont->log().underline);
    form.BoldButton->click();
    EXPECT_EQ(TextLogFont.weight, 400);

    ModalScript pick({[](QWidget* dialog) {
        auto& palette = dynamic_cast<TColorForm&>(*dialog);
        palette.SelectColor(Red);
        child<QPushButton>(dialog, "OKButton")->click();
    }});
    QTest::mouseClick(form.ColorPanel, Qt::RightButton);
    EXPECT_EQ(pick.StepsDone(), 1u);
    EXPECT_EQ(TextColor, Red);
    EXPECT_EQ(text.FColor, Red);
    EXPECT_EQ(form.ColorPanel->Color(), Red);

    // A later window shows the settings as they were left.
    const QString other = form.FontsCombo->itemText(form.FontsCombo->currentIndex() == 0 ? 1 : 0);
    form.FontsCombo->setCurrentText(other);
    EXPECT_EQ(QString::fromStdString(text.FFont->log().faceName), other);
    FreeCurrentTool();
    SelectTool(ToolClass<TTechText>, nullptr, DialogClass<TFontProperty>);
    auto& again = dynamic_cast<TFontProperty&>(*CurrentDialog);
    EXPECT_EQ(again.FontsCombo->currentText(), other);
    EXPECT_EQ(again.HeightComboBox->currentText(), QStringLiteral("40,00"));
    EXPECT_TRUE(again.UnderlineButton->isChecked());
    EXPECT_FALSE(again.BoldButton->isChecked());
    EXPECT_EQ(again.ColorPanel->Color(), Red);
}

} // namespace
