#pragma once
// The base of every tool option dialog: a tool window of the main window that lives as
// long as its tool. Closing the window does not close it: the close is refused and the
// tool is switched off instead, which frees the dialog too (once its own close handling
// has returned).

#include <QWidget>

class TTechDialogBaseForm : public QWidget {
    Q_OBJECT
  public:
    explicit TTechDialogBaseForm(QWidget* owner = nullptr);

    // While the dialog is the active window, Enter gives the focus back to the main
    // window instead of clicking on the surface.
    bool EnterActivatesMain = false;

    // The dialog is inside its own close handling, so it must outlive the call.
    bool InCloseQuery() const { return m_inCloseQuery; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    bool m_inCloseQuery = false;
};
