#pragma once
// "Новый эскиз" for a blank sheet of any size: its width and height in millimetres.

#include <QDialog>

class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class TUpDown;

class TAnySizeDraftDlg : public QDialog {
    Q_OBJECT
  public:
    explicit TAnySizeDraftDlg(QWidget* parent = nullptr);

    QLineEdit* EditWidth;
    QLineEdit* EditHeight;
    TUpDown* UpDownWidth;
    TUpDown* UpDownHeight;
    QPushButton* AcceptButton;
    QPushButton* CancelButton;

  private:
    void EditsChange();
    bool FormKeyDown(QKeyEvent& event);
};
