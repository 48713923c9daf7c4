#include "app/CommandLine.h"

QStringList SketchesToOpen(const QStringList& arguments) {
    return SketchesToOpenFromLine(arguments.join(QLatin1Char(' ')));
}

QStringList SketchesToOpenFromLine(const QString& line) {
    QStringList paths;
    qsizetype pos = 0;
    for (;;) {
        const qsizetype dash = line.indexOf(QLatin1Char('-'), pos);
        if (dash < 0) break;
        const qsizetype nameEnd = line.indexOf(QLatin1Char(' '), dash);
        if (nameEnd < 0) break;
        const QString name = line.mid(dash + 1, nameEnd - dash - 1);
        const qsizetype valueStart = nameEnd + 1;
        const qsizetype dot = line.indexOf(QLatin1Char('.'), valueStart);
        const qsizetype valueEnd = dot < 0 ? -1 : line.indexOf(QLatin1Char(' '), dot);
        // A value that runs to the end of the line is taken whole.
        const QString value =
            valueEnd < 0 ? line.mid(valueStart) : line.mid(valueStart, valueEnd - valueStart);
        if (name.compare(QLatin1String("open"), Qt::CaseInsensitive) == 0 ||
            name.compare(QLatin1String("o"), Qt::CaseInsensitive) == 0) {
            if (!value.trimmed().isEmpty()) paths.append(value);
        }
        if (valueEnd < 0) break;
        pos = valueEnd;
    }
    return paths;
}
