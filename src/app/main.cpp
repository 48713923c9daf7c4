#include "app/CommandLine.h"
#include "app/ConvertCommand.h"
#include "app/MainForm.h"
#include "app/Startup.h"
#include "app/VerigrafApplication.h"

#include <QDir>

#include <iostream>
#include <string_view>

namespace {

// --help or --version anywhere on the line: their text, and no window.
bool printedInformation(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument(argv[i]);
        if (argument == "--help" || argument == "-h") {
            std::cout << CommandLineUsage().toStdString();
            return true;
        }
        if (argument == "--version") {
            std::cout << ProgramVersionText().toStdString();
            return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char** argv) {
    // The conversion and the informational options run before any window system is
    // touched, so they work without a display.
    if (argc >= 2 && std::string_view(argv[1]) == "--convert") {
        if (argc != 4) {
            std::cerr << ConvertUsage();
            return 2;
        }
        return RunConvertCommand(argv[2], argv[3], std::cerr);
    }
    if (printedInformation(argc, argv)) return 0;

    TVerigrafApplication app(argc, argv);
    TStartupOptions options;
    options.AppDir = QDir::cleanPath(QCoreApplication::applicationDirPath());
    // Qt has taken its own options out of argv by now.
    for (int i = 1; i < argc; ++i)
        options.Arguments.append(QString::fromLocal8Bit(argv[i]));
    // For checks of an installation: report what the window shows, then end.
    if (qEnvironmentVariableIsSet("VERIGRAF_EXIT_AFTER_START"))
        options.OnMainFormShown = [](TMainForm& form) {
            std::cout << form.windowTitle().toStdString() << std::endl;
            QMetaObject::invokeMethod(&form, &QWidget::close, Qt::QueuedConnection);
        };
    return RunVerigraf(app, options);
}
