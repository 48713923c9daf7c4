#pragma once
// "Свойства": how a circle is divided, asked by the two circle-division tools: the
// number of parts, the angle the first part starts at and whether the circle itself is
// drawn. OK stays disabled while the number of parts is 0, since nothing can be divided
// into no parts.

#include "tools/base/TechModalDialog.h"

#include <cstdint>

class QCheckBox;
class QLineEdit;
class QPushButton;
class TUpDown;

// Bits of TDivisionSettings::Mask: which values are given.
enum TDivisionMask : int32_t {
    DivisionCircleGiven = 1,
    DivisionAngleGiven = 16,
    DivisionPartsGiven = 256,
    DivisionAllGiven = DivisionCircleGiven | DivisionAngleGiven | DivisionPartsGiven,
};

struct TDivisionSettings {
    int32_t Mask = 0;
    int32_t Circle = 0; // boolean
    int32_t StartAngle = 0;
    int32_t Parts = 0;
};

class TCtPPForm : public TTechModalDialog {
    Q_OBJECT
  public:
    explicit TCtPPForm(QWidget* owner = nullptr);

    // The given values of settings into the controls.
    void Load(const TDivisionSettings& settings);
    // What the controls say, all three given.
    TDivisionSettings Read() const;

    QLineEdit* Edit1;
    TUpDown* UpDown1;
    QLineEdit* Edit2;
    TUpDown* UpDown2;
    QCheckBox* CircleBool;
    QPushButton* CtpAcceptButton;
    QPushButton* CtPCancelButton;

  protected:
    bool CanAccept() const override;

  private:
    void PartsChanged();
};

// Asks for the division with the given values of settings shown; true with settings
// replaced by the answer, false (settings untouched) when cancelled. The status bar
// shows DivisionPrompt meanwhile.
bool AskDivision(TDivisionSettings& settings);

inline constexpr const char* DivisionPrompt = "Задайте параметры для деления окружности на части";
