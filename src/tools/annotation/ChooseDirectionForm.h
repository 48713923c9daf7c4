#pragma once
// "Выберите направление": nine buttons in a square, the middle one for the automatic
// direction and around it the eight fixed ones, each at the side where the surface lies
// (the mark points from there through the middle). It opens with its middle under the
// pointer; a click on any button answers.

#include "tools/base/TechModalDialog.h"

#include <QPoint>

#include <array>
#include <cstdint>

class QButtonGroup;
class QToolButton;

class TChooseDirectionForm : public TTechModalDialog {
    Q_OBJECT
  public:
    explicit TChooseDirectionForm(QWidget* owner = nullptr);

    // The button of direction (0 automatic, 1..8 fixed) pressed; the rest up.
    void Press(uint8_t direction);
    // The direction of the pressed button.
    uint8_t Pressed() const;
    // Opens with the middle of AutoButton at screen.
    void CentreAt(QPoint screen);

    QToolButton* AutoButton;
    // By direction; [0] is AutoButton.
    std::array<QToolButton*, 9> Buttons{};
    QButtonGroup* Group;
};

// Asks for a direction with the given one pressed; a click sets direction to the
// button's, closing the window otherwise leaves it. True when a button answered.
bool AskDirection(uint8_t& direction);
