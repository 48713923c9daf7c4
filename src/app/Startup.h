#pragma once
// The program from start to end: the start-up steps in their fixed order, the message
// loop, and the shut-down that gives everything back in the reverse order.

#include <QString>
#include <QStringList>

#include <functional>

class TMainForm;
class TVerigrafApplication;

struct TStartupOptions {
    // The installation folder: the executable's folder, without a trailing separator.
    QString AppDir;
    // The command line after the program.
    QStringList Arguments;
    // How long the splash window stays; the measurements of start-up leave it out.
    int SplashMilliseconds = 1000;
    // Called once the main window is shown, before the message loop runs.
    std::function<void(TMainForm&)> OnMainFormShown;
};

// Runs the program and answers its exit code: 0 after a normal end, 1 when the
// installation was not usable, the exception handler's code after running out of memory.
int RunVerigraf(TVerigrafApplication& app, const TStartupOptions& options);

// Steps of the start-up that can fail, for the entry and for tests. The folders step
// builds the folder strings, checks Fonts and StdForms and creates the missing written
// folders, beside the program or in the user's data folder (DataFolders.h); the fonts step adds the two
// program fonts, asking whether to go on if one cannot be added.
bool PrepareFolders(const QString& appDir);
bool InstallProgramFonts();
void RemoveProgramFonts();
