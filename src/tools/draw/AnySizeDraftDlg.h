#pragma once
// "Новый эскиз" for a blank sheet of any size: its width and height in millimetres.

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

  protected:
    bool CanAccept() const override;

  private:
    void EditsChange();
};
