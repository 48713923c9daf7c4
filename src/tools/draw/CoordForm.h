#pragma once
// "Координаты центра": the form that asks how the centre of a figure is marked. It is
// made for each question, so it always starts on axis lines; Enter answers OK and Esc
// Cancel wherever the focus is.

#include "tools/base/TechModalDialog.h"

#include <cstdint>

class QPushButton;
class QRadioButton;

class TCoordForm : public TTechModalDialog {
    Q_OBJECT
  public:
    explicit TCoordForm(QWidget* owner = nullptr);

    // The mark of the checked button (TCentreMarkKind).
    uint8_t Kind() const;

    QRadioButton* CrossFlag;
    QRadioButton* AxisLineFlag;
    QRadioButton* PointFlag;
    QRadioButton* EmptyFlag;
    QPushButton* AcceptButton;
    QPushButton* CancelButton;
};

// Puts a small question form beside the pointer, to its right and a little above it,
// or to its left and higher up where the screen would cut it off.
void PlaceNearPointer(QWidget& form);
