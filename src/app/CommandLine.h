#pragma once
// The sketches named on the command line: "-open PATH" or "-o PATH", any number of
// times. The arguments after the program are joined with single spaces and read as one
// line, so a path with spaces in its folder names needs no quotes: a value ends at the
// first space after its first dot (the extension's), or at the end of the line. Option
// names match in any case; paths keep theirs, as file names here are case-sensitive.

#include <QString>
#include <QStringList>

QStringList SketchesToOpen(const QStringList& arguments);

// The same for a line already joined.
QStringList SketchesToOpenFromLine(const QString& line);
