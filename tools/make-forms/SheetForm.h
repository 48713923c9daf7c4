#pragma once
// A sheet form: the picture of a printed form, and the fields of its title block that
// the exchange lines are written into, in the order of the lines.

#include "document/TitleBlock.h"
#include "gdi/Bitmap.h"

#include <cstdint>
#include <string>
#include <vector>

namespace forms {

struct FormField {
    std::string name;
    TTitleBlockKind kind = TitleTextHorizontal;
    // The white inside of the field: rules and printed labels lie outside it, and so
    // must every pixel of the value written into it.
    gdi::Rect cell;
    TTitleBlockRecord record;
    // Characters of a value that fit.
    int32_t capacity = 0;
};

struct SheetForm {
    std::string name;      // names the form and its title-block map, without extension
    std::string extension; // ".bmp" or ".ilj"
    gdi::BitmapPtr picture;
    std::vector<FormField> fields;

    std::string fileName() const { return name + extension; }
    std::string mapFileName() const { return name + ".map"; }
};

} // namespace forms
