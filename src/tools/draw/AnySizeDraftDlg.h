#pragma once
// "Новый эскиз" for a blank sheet of any size: its width and height in millimetres.
// A size that cannot make a sketch (nought, or more than a sketch can hold) is refused
// with the limit in millimetres, and the dialog stays open with what was typed, so
// that the user only corrects the number.

#include "tools/base/TechModalDialog.h"

class QLabel;
class QLineEdit;
class QPushButton;
class TUpDown;

class TAnySizeDraftDlg : public TTechModalDialog {
    Q_OBJECT
  public:
    explicit TAnySizeDraftDlg(QWidget* parent = nullptr);

    QLineEdit* EditWidth;
    QLineEdit* EditHeight;
    TUpDown* UpDownWidth;
    TUpDown* UpDownHeight;
    QPushButton* AcceptButton;
    QPushButton* CancelButton;

    // Why the typed size cannot make a sketch; empty when it can.
    QString SizeRefusal() const;
    // OK: closes only for a size that can make a sketch.
    void accept() override;

  protected:
    bool CanAccept() const override;

  private:
    void EditsChange();
};
