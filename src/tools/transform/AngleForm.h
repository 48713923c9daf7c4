#pragma once
// "Повернуть на угол": the question of how far to turn a fragment, in degrees. The
// arrows step whole degrees from -360 to 360, but any number typed is taken, with a
// point or a comma before its fraction. OK stays disabled while the text is not a
// number, so that a typing slip cannot be taken for an answer.

#include "tools/base/TechModalDialog.h"

#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class TUpDown;

class TAngleForm : public TTechModalDialog {
    Q_OBJECT
  public:
    explicit TAngleForm(QWidget* owner = nullptr);

    // The typed angle in degrees; none while the text is not a finite number.
    std::optional<double> Degrees() const;

    QLabel* EditLabel;
    QLineEdit* LabeledEdit1;
    TUpDown* UpDown1;
    QPushButton* OKButton;
    QPushButton* CancelButton;

  protected:
    bool CanAccept() const override;

  private:
    void TextChanged();
};

// Asks for an angle; true with angle set to the answer in radians (clockwise on the
// screen for a positive number), false (angle untouched) when cancelled.
bool AskAngle(float& angle);
