#pragma once
// What the dimension tests share: the program's dimension face loaded into the raster
// layer, the dimension dialog answered as a user fills it, and the expected pictures of
// arrows and inscriptions drawn through the raster layer alone.

#include "ModalScript.h"

#include "gdi/DeviceContext.h"
#include "gdi/Types.h"

#include <QString>

#include <string>

// Loads "ZYQ Courier" from the build's fonts, once.
void UseDimensionFont();

// What the user types into the dimension dialog before OK.
struct TSizeAnswer {
    QString Before;
    QString Value;
    QString Upper;
    QString Lower;
    QString After;
    bool Shelf = false;
};
ModalScript::Step AnswerSize(TSizeAnswer answer);
ModalScript::Step CancelSize();

// Runs the click at point with the dialog answered by step; the dialog must come.
void ClickWithDialog(gdi::Point point, ModalScript::Step step);

// The five pieces as they should stand: the middle of their width at anchor on the
// bottom line, deviations stacked after the value, the rest raised beside them, the
// whole turned by angle (radians, clockwise on screen). Texts in UTF-8.
struct TExpectedText {
    std::string Before, Value, Upper, Lower, After;
};
void DrawExpectedText(gdi::DeviceContext& dc, gdi::Point anchor, float angle, const TExpectedText& text,
                      gdi::COLORREF colour);
// The width of the pieces in the dimension face.
int32_t ExpectedTextWidth(const TExpectedText& text);

// A solid one-pixel segment, last pixel left out.
void DrawSegment(gdi::DeviceContext& dc, gdi::Point from, gdi::Point to, gdi::COLORREF colour);
