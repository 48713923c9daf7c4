#pragma once
// The five sheet forms a new sketch can begin from, drawn with the title-block face
// (registered before) and placed for its ink.

#include "SheetForm.h"
#include "TextInk.h"

#include <vector>

namespace forms {

// A design-document sheet, A4 upright, with the main title block of 185 x 55 mm.
SheetForm designSheet(const ValueInk& ink);
// Process sketch cards, A4 across: the first sheet with the full title block and the
// following sheets with the short one, in two arrangements: the title block at the
// bottom ("3.1105-f7", "3.1105-f7a") and at the top ("form8", "form8a").
SheetForm sketchCardFirst(const ValueInk& ink);
SheetForm sketchCardNext(const ValueInk& ink);
SheetForm headedCardFirst(const ValueInk& ink);
SheetForm headedCardNext(const ValueInk& ink);

std::vector<SheetForm> allSheetForms(const ValueInk& ink);

} // namespace forms
