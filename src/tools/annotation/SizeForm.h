#pragma once
// "Задание размерной надписи": the dialog in which the user writes a dimension's
// inscription (text before, value, deviations, text after) and chooses whether it goes
// on a shelf. The value can get a leading sign (thread "M", radius "R", diameter "$",
// which the dimension font shows as the diameter sign), and the value and deviations
// the degree, minute and second signs. Deviations are written with the font's raised
// and lowered glyphs (DeviationGlyphs), so the dialog hands them over converted.

#include "tools/base/TechModalDialog.h"

#include <QString>

#include <array>
#include <cstdint>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

// Bits of TSizeDialogData::Flags on the way in; on the way out the flags are
// SizeDialogAccepted after OK.
inline constexpr uint8_t SizeDialogHasValue = 0x20;
inline constexpr uint8_t SizeDialogHasShelfState = 0x80;
inline constexpr uint8_t SizeDialogAccepted = 255;

// What the tool gives the dialog and gets back.
struct TSizeDialogData {
    static constexpr int TextLimit = 255;
    static constexpr int DeviationLimit = 16;
    static constexpr int ValueLimit = 32;

    uint8_t Flags = 0;
    QString AfterText;
    QString BeforeText;
    // Converted to lowered and raised glyphs.
    QString LowerText;
    QString UpperText;
    QString ValueText;
    bool Shelf = false;
    bool ShelfEnabled = false;
};

// A character and the Windows-1251 codes of its raised and lowered forms in the
// dimension font.
struct TDeviationGlyph {
    char Character;
    uint8_t Raised;
    uint8_t Lowered;
};
extern const std::array<TDeviationGlyph, 14> DeviationGlyphs;

enum class TDeviationForm { Raised, Lowered };
// Every character of the table replaced by its form; the rest kept.
QString ConvertDeviation(const QString& text, TDeviationForm form);

// The value with its leading sign changed to that of tag (0 none, 1 "M", 2 "R", 3 "$").
QString ApplyValueSymbol(const QString& value, int tag);

class TSizeForm : public TTechModalDialog {
    Q_OBJECT
  public:
    explicit TSizeForm(QWidget* owner = nullptr);
    ~TSizeForm() override;

    void SetData(const TSizeDialogData& data);
    // The boxes' texts, the deviations converted.
    void GetData(TSizeDialogData& data) const;

    QLineEdit* EditBefore;
    QRadioButton* RadioNo;
    QRadioButton* Radio1;
    QRadioButton* Radio2;
    QRadioButton* Radio3;
    QLineEdit* EditValue;
    QPushButton* DegreeSpeedButton;
    QPushButton* MinuteSpeedButton;
    QPushButton* SecundeSpeedButton;
    QLineEdit* EditUpIndex;
    std::array<QPushButton*, 6> SpeedButtons{};
    QLineEdit* EditDownIndex;
    QLineEdit* EditAfter;
    QCheckBox* ShaftCheckBox;
    QPushButton* OKButton;
    QPushButton* CancelButton;

  private:
    QWidget* MakeTextGroup();
    QWidget* MakeSymbolGroup();
    QWidget* MakeDeviationRow(QLineEdit* edit, int firstButton);
    void SymbolClick(int tag);
    void ShowSymbolOf(const QString& value);
};

// Shows the dialog filled from data; after OK copies the results into data (Flags
// SizeDialogAccepted) and returns true.
bool ExecuteSizeDialog(TSizeDialogData& data);
