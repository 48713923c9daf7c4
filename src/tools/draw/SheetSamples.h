#pragma once
// The small pictures of the sheets in the new-sketch dialog, made when the dialog opens
// so that they always show the forms that are installed.

#include "tools/draw/SheetChoices.h"

#include <QImage>
#include <QString>

inline constexpr int SampleSide = 150;

// The sheet seen small: kept in proportion, framed, centred on a transparent square of
// SampleSide pixels, so that whatever lies behind shows around the page. A form file
// that is missing or unreadable gives a blank page of the sheet's shape with the file's
// name on it.
QImage MakeSheetSample(const TSheetChoice& choice, const QString& stdFormsDir);

// Where a sheet form lives: the folder and the file name.
QString SheetFormPath(const QString& stdFormsDir, const char* fileName);
