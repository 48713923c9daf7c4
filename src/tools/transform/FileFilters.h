#pragma once
// File-type lists of the file dialogs. The program keeps them in the classic form, pairs of
// description and pattern each ended by a NUL and the list ended by one more NUL, with
// several patterns of one pair separated by semicolons; Qt's dialog wants one string
// per pair with the patterns in brackets.

#include <QString>
#include <QStringList>

#include <cstdint>
#include <utility>
#include <vector>

struct TFileFilter {
    QString Description;
    QString Pattern; // e.g. "*.bmp;*.ilj"
};

// The list of the pairs in the classic form; no pairs gives the empty list (two NULs).
QString MakeFilterList(const std::vector<TFileFilter>& filters);

// The pairs of a classic list, up to its terminating empty item. A description without
// its pattern at the end of the text is dropped.
std::vector<TFileFilter> ParseFilterList(const QString& list);

// One Qt name filter per pair, in order: "description (patterns)". Windows matches names
// without regard to case, so each pattern also comes in capitals; sketches copied from
// there often end in ".BMP".
QStringList QtNameFilters(const QString& list);

// The 1-based number of the pair a Qt name filter came from, as the dialog reports it:
// the whole filter, or only its description when the patterns are hidden; 0 for none.
int32_t FilterNumber(const QString& list, const QString& nameFilter);
