#pragma once
// The table of title-block fields another program needs to write the exchange text:
// for each form, the field of each line and how many characters it takes.

#include "SheetForm.h"

#include <string>
#include <vector>

namespace forms {

// Markdown, one section a form; lines are numbered from 1 as editors show them.
std::string fieldTable(const std::vector<SheetForm>& forms);

} // namespace forms
