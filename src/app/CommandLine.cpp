#include "app/CommandLine.h"

#include <QFileInfo>

namespace {

bool isOption(const QString& argument) {
    return argument.size() > 1 && argument.startsWith(QLatin1Char('-'));
}

bool isOpenOption(const QString& argument) {
    const QString name = argument.mid(1);
    return name.compare(QLatin1String("open"), Qt::CaseInsensitive) == 0 ||
           name.compare(QLatin1String("o"), Qt::CaseInsensitive) == 0;
}

// A path is complete once its file name has an extension.
bool hasExtension(const QString& path) {
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1).contains(QLatin1Char('.'));
}

bool existingFile(const QString& path) {
    const QFileInfo info(path);
    return info.exists() && !info.isDir();
}

} // namespace

QStringList SketchesToOpen(const QStringList& arguments, const TFileExists& exists) {
    const TFileExists fileExists = exists ? exists : TFileExists(existingFile);
    QStringList paths;
    qsizetype i = 0;
    while (i < arguments.size()) {
        const QString& argument = arguments[i++];
        if (!isOption(argument)) continue;
        if (i >= arguments.size()) break; // an option at the very end has no value
        QString value = arguments[i++];
        // The pieces of an unquoted path, while they cannot be taken for something else.
        while (!value.isEmpty() && !hasExtension(value) && !fileExists(value) && i < arguments.size() &&
               !isOption(arguments[i]))
            value += QLatin1Char(' ') + arguments[i++];
        if (isOpenOption(argument) && !value.trimmed().isEmpty()) paths.append(value);
    }
    return paths;
}

QString CommandLineUsage() {
    return QStringLiteral("Использование: verigraf [-open ЭСКИЗ]...\n"
                          "               verigraf --convert ВХОДНОЙ_ФАЙЛ ВЫХОДНОЙ_ФАЙЛ\n"
                          "\n"
                          "Вериграф технолога — редактор операционных эскизов.\n"
                          "\n"
                          "  -open ЭСКИЗ, -o ЭСКИЗ  открыть эскиз (.bmp или .ilj) при запуске;\n"
                          "                         путь с пробелами лучше взять в кавычки\n"
                          "  --convert ИЗ В         перевести эскиз в другой формат без окна\n"
                          "                         (.bmp, .ilj или .png, по расширению)\n"
                          "  --help                 показать эту справку\n"
                          "  --version              показать версию программы\n");
}

QString ProgramVersionText() {
    return QStringLiteral("Вериграф технолога %1\n").arg(QStringLiteral(VERIGRAF_VERSION));
}
