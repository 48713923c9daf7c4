#pragma once
// "Добавить в библиотеку": the name under which the block being edited goes into its
// library folder. The name becomes part of a path, so a name that would lead out of the
// folder or that no file could carry is refused on the spot, and the user may correct it.

#include "tools/base/TechModalDialog.h"

#include <QString>

#include <string>

class QLabel;
class QLineEdit;

class TAddToLibraryForm : public TTechModalDialog {
    Q_OBJECT
  public:
    explicit TAddToLibraryForm(QWidget* owner = nullptr);

    QLabel* Label1;
    QLineEdit* Edit1;
    QPushButton* OKButton;
    QPushButton* CancelButton;

  public slots:
    // An empty name goes as a cancel; a name no library file can take stays, refused.
    void accept() override;
};

// Whether a name can be a library file's name in its folder: not empty, no path
// separator, no "..", no control character, not too long for the file system with its
// extension. Empty is a cancel, not a refusal, and is answered true here.
bool LibraryNameAcceptable(const QString& name);

struct TLibraryName {
    bool Confirmed = false;
    QString Name;
};
// Asks the name; confirmed only for OK with a name that is not empty.
TLibraryName AskLibraryName();

// True when path may be written: a new file, or Yes to the question whether the file
// that is there is to be replaced.
bool ConfirmLibraryReplace(const std::string& path);
// Tells the user that the block could not be written to path; the block stays in the
// tool to be saved elsewhere.
void TellBlockNotSaved(const std::string& path);
