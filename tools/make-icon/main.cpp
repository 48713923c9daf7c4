// make-icon OUT_FOLDER SIDE...: writes the program's icon as
// OUT_FOLDER/SIDExSIDE/apps/verigraf.png for each side, the layout of an icon theme.
#include "AppIcon.h"

#include <QDir>
#include <QString>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: make-icon OUT_FOLDER SIDE...\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    for (int i = 2; i < argc; ++i) {
        const int side = std::atoi(argv[i]);
        if (side < 8 || side > 1024) {
            std::fprintf(stderr, "make-icon: bad size %s\n", argv[i]);
            return 2;
        }
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(out).arg(side);
        if (!QDir().mkpath(folder) ||
            !DrawAppIcon(side).save(folder + QStringLiteral("/verigraf.png"), "PNG")) {
            std::fprintf(stderr, "make-icon: cannot write %s\n", qPrintable(folder));
            return 1;
        }
    }
    return 0;
}
