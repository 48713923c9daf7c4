#include "app/Startup.h"

#include "app/Cursors.h"
#include "app/DataFolders.h"
#include "app/ExceptionHandler.h"
#include "app/IntroForm.h"
#include "app/MainForm.h"
#include "app/VerigrafApplication.h"
#include "document/Folders.h"
#include "document/Pens.h"
#include "document/TechDocument.h"
#include "document/UnDoObj.h"
#include "gdi/FontRegistry.h"
#include "tools/draw/Text.h"

#include <QDir>
#include <QMessageBox>
#include <QScreen>
#include <QThread>

#include <memory>

namespace {

const char* const ProgramFontFiles[] = {"ZYQVerigraf.ttf", "ZYQ(gdt).ttf"};

QString programTitle() {
    return QString::fromUtf8(ProgramTitle);
}

void showSplash(int milliseconds) {
    TIntroForm intro;
    intro.show();
    intro.repaint();
    // Let the window system put the window on screen; after that the thread sleeps and
    // nothing else happens until the splash goes.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    if (milliseconds > 0) QThread::msleep(ulong(milliseconds));
}

void showStartFailure() {
    QMessageBox box(QMessageBox::Critical, QString(), programTitle(), QMessageBox::Ok);
    box.exec();
}

bool askToRunWithoutFonts() {
    QMessageBox box(QMessageBox::Warning, programTitle(),
                    QStringLiteral("Не все шрифты были загружены корректно.\n"
                                   "Из-за этого текстовая информация может отображаться некорректно.\n"
                                   "Хотите ли вы запустить программу?"),
                    QMessageBox::Yes | QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void shutDown(std::unique_ptr<TGloblaExceptionHandler>& handler, TVerigrafApplication& app) {
    UndoHistory.reset();
    RemoveProgramFonts();
    DeleteSharedPens();
    Document.reset();
    app.SetExceptionHandler(nullptr);
    handler.reset();
}

} // namespace

bool PrepareFolders(const QString& appDir) {
    SetInstallationFolders(appDir.toStdString());
    const QDir root;
    if (!root.exists(QString::fromStdString(FontsDir)) || !root.exists(QString::fromStdString(StdFormsDir)))
        return false;
    if (KeepsUserFoldersApart(appDir)) SetDataFolders(UserDataFolder().toStdString());
    MakeWrittenFolders();
    return true;
}

bool InstallProgramFonts() {
    bool allAdded = true;
    for (const char* file : ProgramFontFiles)
        if (!gdi::FontRegistry::instance().addFontFile(FontsDir + file)) allAdded = false;
    // Text drawn later finds the fonts through the registry; matches made before are
    // dropped by it, so there is nobody to tell.
    return allAdded || askToRunWithoutFonts();
}

void RemoveProgramFonts() {
    gdi::FontRegistry::instance().removeFontFile(FontsDir + ProgramFontFiles[1]);
    gdi::FontRegistry::instance().removeFontFile(FontsDir + ProgramFontFiles[0]);
}

int RunVerigraf(TVerigrafApplication& app, const TStartupOptions& options) {
    auto handler = std::make_unique<TGloblaExceptionHandler>();
    app.SetExceptionHandler(handler.get());

    showSplash(options.SplashMilliseconds);

    Document = std::make_unique<TTechDocument>();

    int exitCode = 0;
    std::unique_ptr<TMainForm> mainForm;
    try {
        bool ready = PrepareFolders(options.AppDir);
        if (ready) {
            CreateSharedPens();
            ResetTextFontSettings();
            ready = InstallProgramFonts();
        }
        if (ready) {
            UndoHistory = std::make_unique<TUnDoObj>();
            RegisterCursors();
            mainForm = std::make_unique<TMainForm>(options.Arguments);
            // Without a window manager a maximised window keeps its design size.
            if (const QScreen* screen = mainForm->screen())
                mainForm->setGeometry(screen->availableGeometry());
            mainForm->showMaximized();
            if (options.OnMainFormShown) options.OnMainFormShown(*mainForm);
            exitCode = app.exec();
        } else {
            showStartFailure();
            exitCode = 1;
        }
    } catch (const std::bad_alloc&) {
        handler->HandleException(std::current_exception());
        exitCode = TGloblaExceptionHandler::OutOfMemoryExitCode;
    } catch (...) {
        // Start-up cannot go on without what failed.
        exitCode = 1;
    }

    shutDown(handler, app);
    // The window goes last, after everything it showed has been given back.
    mainForm.reset();
    UnregisterCursors();
    return exitCode;
}
