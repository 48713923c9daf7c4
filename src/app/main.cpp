#include "app/ConvertCommand.h"
#include "app/Startup.h"
#include "app/VerigrafApplication.h"

#include <QDir>

#include <iostream>
#include <string_view>

int main(int argc, char** argv) {
    // The conversion runs before any window system is touched, so it works without a
    // display.
    if (argc >= 2 && std::string_view(argv[1]) == "--convert") {
        if (argc != 4) {
            std::cerr << ConvertUsage();
            return 2;
        }
        return RunConvertCommand(argv[2], argv[3], std::cerr);
    }

    TVerigrafApplication app(argc, argv);
    TStartupOptions options;
    options.AppDir = QDir::cleanPath(QCoreApplication::applicationDirPath());
    // Qt has taken its own options out of argv by now.
    for (int i = 1; i < argc; ++i)
        options.Arguments.append(QString::fromLocal8Bit(argv[i]));
    return RunVerigraf(app, options);
}
