#include "tools/transform/FileFilters.h"

QString MakeFilterList(const std::vector<TFileFilter>& filters) {
    QString list;
    for (const TFileFilter& f : filters) {
        list += f.Description;
        list += QChar(0);
        list += f.Pattern;
        list += QChar(0);
    }
    if (filters.empty()) list += QChar(0);
    list += QChar(0);
    return list;
}

std::vector<TFileFilter> ParseFilterList(const QString& list) {
    std::vector<TFileFilter> filters;
    qsizetype at = 0;
    auto nextItem = [&]() -> QString {
        const qsizetype end = list.indexOf(QChar(0), at);
        // An unterminated last item still counts: the list ends there.
        const QString item = list.mid(at, end < 0 ? -1 : end - at);
        at = end < 0 ? list.size() : end + 1;
        return item;
    };
    while (at < list.size()) {
        const QString description = nextItem();
        if (description.isEmpty()) break;
        if (at >= list.size()) break;
        filters.push_back({description, nextItem()});
    }
    return filters;
}

QStringList QtNameFilters(const QString& list) {
    QStringList out;
    for (const TFileFilter& f : ParseFilterList(list)) {
        QStringList patterns;
        for (const QString& p : f.Pattern.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            const QString pattern = p.trimmed();
            if (pattern.isEmpty()) continue;
            patterns << pattern;
            if (pattern.toUpper() != pattern) patterns << pattern.toUpper();
        }
        out << f.Description + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return out;
}

int32_t FilterNumber(const QString& list, const QString& nameFilter) {
    const QStringList full = QtNameFilters(list);
    const qsizetype whole = full.indexOf(nameFilter);
    if (whole >= 0) return int32_t(whole + 1);
    const std::vector<TFileFilter> pairs = ParseFilterList(list);
    for (size_t i = 0; i < pairs.size(); ++i)
        if (pairs[i].Description.simplified() == nameFilter.simplified()) return int32_t(i + 1);
    return 0;
}
