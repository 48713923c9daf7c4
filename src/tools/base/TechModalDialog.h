#pragma once
// The base of the program's modal dialogs (new sketch, sheet size, and the questions
// the tools ask): Enter answers OK and Esc Cancel wherever the focus is inside the
// dialog, also in controls that would take the keys for themselves.

#include <QDialog>

class QKeyEvent;
class QPushButton;

class TTechModalDialog : public QDialog {
    Q_OBJECT
  public:
    explicit TTechModalDialog(QWidget* owner = nullptr);

  protected:
    // A button of the dialog, found by its name; it is never the default button, since
    // Enter and Esc belong to the dialog.
    QPushButton* NewButton(const char* name, const char* caption);
    // Whether Enter may answer OK now; a dialog whose OK button can be disabled says so.
    // (A dialog with a value to check before it closes does so in its accept.)
    virtual bool CanAccept() const { return true; }

  private:
    bool FormKeyDown(QKeyEvent& event);
};
