#pragma once
// Working the program's file dialogs as a user would: waiting for Qt's dialog to list a
// file, clicking it, typing a name, and reading the preview pane's pixels off the screen.

#include "../tools/ModalScript.h"
#include "tools/transform/TechFilesDialog.h"

#include <QColor>
#include <QFileDialog>
#include <QImage>
#include <QTemporaryDir>

#include <string>

inline const QColor PaneGrey(128, 128, 128);
inline const QColor PaneWhite(255, 255, 255);

// Clicks the file or folder in the dialog's list, once the list shows it.
void ClickInList(QFileDialog* dialog, const QString& path);
// Types the name into the name box and presses the accept button later, from the event
// loop, so that a question it raises can be answered by the next step.
void TypeNameAndAccept(QFileDialog* dialog, const QString& name);
void PressCancel(QFileDialog* dialog);

// What the pane shows inside its sunken edge, as drawn on the screen.
QImage PaneClientPixels();
// True when every pixel of the image has the colour.
bool AllOf(const QImage& image, const QColor& color);

// The dialog of a step, as the program's dialogs are Qt's file dialogs.
QFileDialog* FileDialogOf(QWidget* dialog);

// Runs the dialog with its modal steps; all of them must run.
bool ExecuteWith(TTechFilesDialog& dialog, std::vector<ModalScript::Step> steps);

// A folder of test files, removed with the object.
class TTestFolder {
  public:
    TTestFolder();
    QString Path(const QString& name) const { return m_dir.filePath(name); }
    QString Folder() const { return m_dir.path(); }
    // A sketch whose left half is red and right half blue.
    void WriteSketch(const QString& name, int32_t width, int32_t height) const;
    void WriteBytes(const QString& name, const std::string& bytes) const;

  private:
    QTemporaryDir m_dir;
};
