#pragma once
// The question for a mark's text: the finish value of a finish sign, the number of a
// surface or the letter of a datum. The edit starts empty every time.

#include "tools/base/TechModalDialog.h"

class QLineEdit;
class QPushButton;

class TRoughForm : public TTechModalDialog {
    Q_OBJECT
  public:
    explicit TRoughForm(QWidget* owner = nullptr);

    QLineEdit* RoughEdit;
    QPushButton* OKButton;
    QPushButton* CancelButton;

  protected:
    void showEvent(QShowEvent* event) override;
};

// True with the typed text on OK, false on Cancel (text untouched).
bool AskRoughValue(QString& text);
