#pragma once
// The sheet forms as the build drew them, with the program's face registered as the
// program registers it, and the folders the build installed them to.

#include "SheetForms.h"

#include <string>
#include <vector>

namespace forms_testing {

inline const std::string StdFormsDir = STDFORMS_DIR;
inline const std::string ExchangeExample = EXCHANGE_EXAMPLE;
inline const std::string FieldTableFile = FIELD_TABLE;

// Registers the face on first use and keeps it for the whole run.
const std::vector<forms::SheetForm>& sheetForms();
const forms::SheetForm& sheetForm(const std::string& name);

std::string installed(const std::string& fileName);

} // namespace forms_testing
