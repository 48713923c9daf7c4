#include "app/ConvertCommand.h"

#include <QApplication>
#include <QMainWindow>

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

    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Вериграф технолога"));
    window.resize(1024, 768);
    window.show();
    return app.exec();
}
