// The tolerance question worked as a user would: the prefix and modifiers turned into
// the symbol font's characters, values and datum letters taken from the menus beside
// the edits, the text line with its panel, fields cut to their length, and Esc.

#include "ModalScript.h"
#include "ToolHarness.h"

#include "tools/annotation/DopuskForm.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <utility>

namespace {

QString Text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

const QString FormPrompt = Text("Выберите или введите те данные, которые необходимы для таблицы");

// Opens a menu with its button and chooses the entry with caption; false when the menu
// did not open or has no such entry.
bool choose(QWidget* dialog, const char* button, const char* menuName, const char* caption) {
    child<QToolButton>(dialog, button)->click();
    auto* menu = child<QMenu>(dialog, menuName);
    if (!menu->isVisible()) return false;
    for (QToolButton* entry : menu->findChildren<QToolButton*>())
        if (entry->text() == QString::fromUtf8(caption)) {
            entry->click();
            return !menu->isVisible();
        }
    return false;
}

std::optional<TToleranceTable> ask(std::function<void(QWidget*)> answer) {
    std::optional<TToleranceTable> table;
    ModalScript script({std::move(answer)});
    table = AskToleranceTable();
    EXPECT_EQ(script.StepsDone(), 1u);
    return table;
}

// The question needs no sketch, only a main window to tell its prompt.
class TDopuskQuestion : public ::testing::Test {
  protected:
    TTestHost Host;
};

TEST_F(TDopuskQuestion, PrefixModifiersAndMenusMakeTheSymbolFontsCharacters) {
    TTestHost& host = Host;
    QString promptWhileAsked;
    bool menusWorked = false;
    const std::optional<TToleranceTable> table = ask([&](QWidget* dialog) {
        promptWhileAsked = host.Prompt;
        EXPECT_EQ(dialog->windowTitle(), Text("Обозначение допуска"));
        EXPECT_TRUE(child<QWidget>(dialog, "TabelPanel")->isEnabled());
        EXPECT_FALSE(child<QWidget>(dialog, "TextPanel")->isEnabled());
        EXPECT_EQ(child<QLineEdit>(dialog, "ValueEdit")->font().family(), "zyqverigraf");
        auto* signs = child<QComboBox>(dialog, "SignComboBox");
        EXPECT_EQ(signs->count(), 15);
        signs->setCurrentIndex(signs->findText("f"));
        child<QRadioButton>(dialog, "RBvD")->click();
        child<QRadioButton>(dialog, "RBvS")->click();
        child<QRadioButton>(dialog, "RBb2P")->click();
        menusWorked = choose(dialog, "ValueSpeedButton", "PopupMenu1", "0,0012") &&
                      choose(dialog, "ValueSpeedButton", "PopupMenu1", "0,012") &&
                      choose(dialog, "Base2SpeedButton", "PopupMenu3", "Я") &&
                      choose(dialog, "Base1SpeedButton", "PopupMenu2", "Щ") &&
                      !choose(dialog, "ValueSpeedButton", "PopupMenu1", "0,0011");
        child<QPushButton>(dialog, "OKButton")->click();
    });
    EXPECT_TRUE(menusWorked);
    EXPECT_EQ(promptWhileAsked, FormPrompt);
    EXPECT_NE(host.Prompt, FormPrompt);
    ASSERT_TRUE(table);
    EXPECT_EQ(table->TableMode, 1);
    EXPECT_EQ(table->Sign, "f");
    // "Диаметр" is the font's "n" in front of the value, (S) its "s" after it.
    EXPECT_EQ(table->Value, "n0,012s");
    EXPECT_EQ(table->Base1, "Щ");
    EXPECT_EQ(table->Base2, "Яp");
    EXPECT_TRUE(table->Text.empty());
    EXPECT_EQ(table->Vertical, 0);

    // The other prefixes; the value is cut to its field with the prefix and modifier.
    const std::optional<TToleranceTable> long_ = ask([](QWidget* dialog) {
        child<QRadioButton>(dialog, "RBvT2")->click();
        child<QRadioButton>(dialog, "RBvM")->click();
        child<QLineEdit>(dialog, "ValueEdit")->setText(QString(70, QLatin1Char('7')));
        child<QLineEdit>(dialog, "Base1Edit")->setText(Text("АБ"));
        child<QRadioButton>(dialog, "RBb1M")->click();
        child<QPushButton>(dialog, "OKButton")->click();
    });
    ASSERT_TRUE(long_);
    EXPECT_TRUE(long_->Sign.empty());
    EXPECT_EQ(long_->Value, "T/2" + std::string(61, '7'));
    EXPECT_EQ(long_->Base1, "АБm");
}

TEST_F(TDopuskQuestion, ATextLineTakesItsOwnPanelAndEscCancels) {
    bool panelsSwapped = false;
    const std::optional<TToleranceTable> line = ask([&](QWidget* dialog) {
        child<QLineEdit>(dialog, "ValueEdit")->setText("5");
        child<QRadioButton>(dialog, "TextRadioButton")->click();
        panelsSwapped = !child<QWidget>(dialog, "TabelPanel")->isEnabled() &&
                        child<QWidget>(dialog, "TextPanel")->isEnabled();
        auto* text = child<QLineEdit>(dialog, "TextEdit");
        text->setFocus();
        for (int i = 0; i < 70; ++i) {
            QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::ShiftModifier, "A");
            QApplication::sendEvent(text, &key);
        }
        child<QCheckBox>(dialog, "AsVerticalBox")->setChecked(true);
        // Enter anywhere answers OK.
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(text, &enter);
    });
    EXPECT_TRUE(panelsSwapped);
    ASSERT_TRUE(line);
    EXPECT_EQ(line->TableMode, 0);
    EXPECT_EQ(line->Text, std::string(64, 'A'));
    EXPECT_TRUE(line->Value.empty());
    EXPECT_TRUE(line->Sign.empty());
    EXPECT_EQ(line->Vertical, 1);

    const std::optional<TToleranceTable> none = ask([](QWidget* dialog) {
        QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(child<QLineEdit>(dialog, "ValueEdit"), &esc);
    });
    EXPECT_FALSE(none);
}

} // namespace
