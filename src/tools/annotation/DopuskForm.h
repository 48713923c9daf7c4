#pragma once
// "Обозначение допуска": the question that makes the content of a tolerance frame. Either
// a table (a sign, a value with an optional prefix and material modifier, two datums
// with their modifiers) or one text line, and whether the frame reads upwards. The
// edits write in the symbol font, so that what the user types looks as it will on the
// sketch; the menus beside the edits offer the usual values and datum letters.

#include "tools/base/TechModalDialog.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <string>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QToolButton;
class QWidget;

// What the question answers; strings in UTF-8, each cut to its field's length.
struct TToleranceTable {
    uint8_t TableMode = 1; // 1 cells, 0 text line
    std::string Sign;      // at most 1 character
    std::string Value;     // prefix, value text, modifier; at most 64
    std::string Base1;     // datum letters and modifier; at most 64
    std::string Base2;
    std::string Text; // the text line; at most 64
    uint8_t Vertical = 0;
};

class TDopuskForm : public TTechModalDialog {
    Q_OBJECT
  public:
    explicit TDopuskForm(QWidget* owner = nullptr);
    ~TDopuskForm() override;

    // The answer as the controls stand.
    TToleranceTable Table() const;

    QRadioButton* TableRadioButton;
    QRadioButton* TextRadioButton;
    QWidget* TabelPanel;
    QWidget* TextPanel;
    QComboBox* SignComboBox;
    QRadioButton* RBv1Not;
    QRadioButton* RBvR;
    QRadioButton* RBvD;
    QRadioButton* RBvT;
    QRadioButton* RBvT2;
    QLineEdit* ValueEdit;
    QToolButton* ValueSpeedButton;
    QRadioButton* RBv2Not;
    QRadioButton* RBvM;
    QRadioButton* RBvS;
    QRadioButton* RBvP;
    QLineEdit* Base1Edit;
    QToolButton* Base1SpeedButton;
    QRadioButton* RBb1Not;
    QRadioButton* RBb1M;
    QRadioButton* RBb1S;
    QRadioButton* RBb1P;
    QLineEdit* Base2Edit;
    QToolButton* Base2SpeedButton;
    QRadioButton* RBb2Not;
    QRadioButton* RBb2M;
    QRadioButton* RBb2S;
    QRadioButton* RBb2P;
    QLineEdit* TextEdit;
    QCheckBox* AsVerticalBox;
    QPushButton* OKButton;
    QPushButton* CancelButton;
    // The values (1) and datum letters (2, 3) for the edits.
    QMenu* PopupMenu1;
    QMenu* PopupMenu2;
    QMenu* PopupMenu3;

  private:
    // The controls of one datum, made together.
    struct TDatumControls {
        QGroupBox* Group = nullptr;
        QLineEdit* Edit = nullptr;
        QToolButton* Button = nullptr;
        QMenu* Menu = nullptr;
        std::array<QRadioButton*, 4> Modifiers{};
    };
    QWidget* NewTabelPanel();
    QGroupBox* NewSignGroup();
    QGroupBox* NewValueGroup();
    TDatumControls NewDatumGroup(int number);
    QWidget* NewTextPanel();
    QGroupBox* NewExtraGroup();
    void ChooseMode(bool table);
    QString ValuePrefix() const;

    // None, (M), (S), (P) of the value and of the two datums.
    std::array<QRadioButton*, 4> m_valueModifiers{};
    std::array<QRadioButton*, 4> m_base1Modifiers{};
    std::array<QRadioButton*, 4> m_base2Modifiers{};
};

// Asks for the content of a tolerance frame; nothing when the user cancels.
std::optional<TToleranceTable> AskToleranceTable();
