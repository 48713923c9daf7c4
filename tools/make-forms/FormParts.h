#pragma once
// Pieces that several sheet forms share: the frame, the table of copies, the tables of
// changes and of the people who sign, and the columns of the binding margin.
//
// Widths follow the usual title blocks: 7 mm for the change number, 10 for the sheet,
// 23 for the document number or the surname, then signature and date. The date column
// is 13 mm and the signature 12, so that a date like "12.24" fits the 13-pixel values.

#include "SheetFormBuilder.h"

#include <string>
#include <vector>

namespace forms {

inline constexpr double A4Short = 210;
inline constexpr double A4Long = 297;

// The frame: 20 mm binding margin on the left, 5 mm on the other sides.
MmRect frameOf(double widthMm, double heightMm);
void drawFrame(SheetFormBuilder& b, const MmRect& frame);

// The form's name printed above the frame's top right corner.
void formCaption(SheetFormBuilder& b, const MmRect& frame, const std::string& text);

// "Дубл.", "Взам.", "Подл." rows of 5 mm under the frame's top at the left, with their
// three fields; its right edge and bottom are drawn heavy.
void copiesTable(SheetFormBuilder& b, double left, double top, double width);

// Rows of changes from `top` (dataRows of them, then the row of column labels) in the
// 65 mm at the frame's left. The first row gets its fields when asked.
void changeRows(SheetFormBuilder& b, double top, int dataRows, bool fillFirst, Stroke columns = Stroke::Thin);

// One row a person for each role, from `top`: role, surname, signature, date; the
// surname and the date are fields. An empty role is a spare row without fields.
void roleRows(SheetFormBuilder& b, double top, const std::vector<std::string>& roles,
              Stroke columns = Stroke::Thin);

// A label over its value: the label in the 5 mm strip at the top of `area`, the field in
// the rest, a thin rule between.
void labelledField(SheetFormBuilder& b, const MmRect& area, const std::string& label,
                   const std::string& field, FieldStyle style = {});

// A section of the column along the binding margin (8 to 20 mm from the sheet's left),
// its label and value reading upwards.
void marginColumn(SheetFormBuilder& b, double top, double bottom, const std::string& label,
                  const std::string& field);

// The printed code of the document kind, large, in its own cell.
void documentCode(SheetFormBuilder& b, const MmRect& cell, const std::string& code);

} // namespace forms
