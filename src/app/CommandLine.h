#pragma once
// The command line: the sketches named with "-open PATH" or "-o PATH", any number of
// times and opened in turn, and the text of --help and --version.
//
// A path arrives as one argument when the shell or the desktop quoted it, and is taken
// whole then, spaces and dots in folder names included. Typed without quotes, a path
// with spaces reaches the program in pieces; the pieces are put together again with
// single spaces as long as the path has no extension yet and the next piece is not an
// option, so "-open /home/me/my sketches/shaft 1.bmp" still opens that file. A value
// that names an existing file is never extended. Option names match in any case; paths
// keep theirs, as file names here are case-sensitive. Other options are ignored, and so
// are their values.

#include <QString>
#include <QStringList>

#include <functional>

// Tells whether a path names an existing file; the parser asks it before it joins
// pieces of an unquoted path.
using TFileExists = std::function<bool(const QString& path)>;

QStringList SketchesToOpen(const QStringList& arguments, const TFileExists& exists = {});

// What the two informational options print.
QString CommandLineUsage();
QString ProgramVersionText();
