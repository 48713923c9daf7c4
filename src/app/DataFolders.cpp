#include "app/DataFolders.h"

#include "document/Folders.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

QString fromPath(const std::string& path) {
    return QDir::cleanPath(QString::fromStdString(path));
}

// Copies the files of from into to, sub-folders included; nothing is overwritten.
void copyShippedFiles(const QString& from, const QString& to) {
    QDirIterator files(from, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    const QDir source(from);
    while (files.hasNext()) {
        const QString file = files.next();
        const QString target = to + QLatin1Char('/') + source.relativeFilePath(file);
        if (QFileInfo::exists(target)) continue;
        QDir().mkpath(QFileInfo(target).path());
        QFile::copy(file, target);
    }
}

} // namespace

QString UserDataFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/verigraf");
}

bool KeepsUserFoldersApart(const QString& appDir) {
    const QFileInfo folder(appDir);
    return !folder.isWritable() || QFileInfo::exists(appDir + QLatin1Char('/') + SharedInstallationMark);
}

void MakeWrittenFolders() {
    const QString appDir = fromPath(AppDir);
    const bool apart = fromPath(DataDir) != appDir;
    for (const std::string* dir : {&BlocksDir, &SketchesDir, &InstrumentDir, &TempDir}) {
        const QString path = fromPath(*dir);
        if (QFileInfo::exists(path)) continue;
        if (!QDir().mkpath(path) || !apart) continue;
        const QString shipped = appDir + QLatin1Char('/') + QFileInfo(path).fileName();
        if (QFileInfo(shipped).isDir()) copyShippedFiles(shipped, path);
    }
}
