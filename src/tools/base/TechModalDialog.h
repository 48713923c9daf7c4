#pragma once
// The base of the program's modal dialogs (new sketch, sheet size, and the questions
// the tools ask): Enter answers OK and Esc Cancel wherever the focus is inside the
// dialog, also in controls that would take the keys for themselves.

#include <QDialog>

class QKeyEvent;

class TTechModalDialog : public QDialog {
    Q_OBJECT
  public:
    explicit TTechModalDialog(QWidget* owner = nullptr);

  protected:
    // What Enter does: OK, unless the dialog answers otherwise (an OK button that can be
    // disabled, a value to check first).
    virtual void EnterPressed() { accept(); }

  private:
    bool FormKeyDown(QKeyEvent& event);
};
