#pragma once
// The modal "О программе" window: the program's name and version on this platform, and
// an OK button.

#include <QDialog>

class QPushButton;

class TAboutForm : public QDialog {
    Q_OBJECT
  public:
    explicit TAboutForm(QWidget* parent = nullptr);

    // "Вериграф технолога версия 2.1 (Linux, Qt 6.4)": the version and what it runs on.
    static QString ProductLine();

    QPushButton* OKButton = nullptr;
};
