#pragma once
// Qt's own file dialog as the program's file dialogs use it: in Russian, with the
// overwrite and file-must-exist questions asked in Russian too, and room on the right
// for a preview pane.

#include <QFileDialog>

class TFileChooser : public QFileDialog {
    Q_OBJECT
  public:
    // The top of the preview pane, from the top of the dialog's client area.
    static constexpr int PaneTop = 32;

    TFileChooser(QWidget* owner, const QString& title, AcceptMode acceptMode, FileMode fileMode);

    // Puts the pane to the right of the standard controls; the dialog widens by it.
    void AddPreviewPane(QWidget* pane);

  protected:
    void accept() override;

  private:
    // False when the user would rather not replace the file, or the file to open is not
    // there.
    bool Confirmed();
};
