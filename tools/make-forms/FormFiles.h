#pragma once
// What the build installs of a sheet form: its picture, its title-block map and, for
// trying the fill, an exchange text in the code page the fill reads.

#include "SheetForm.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace forms {

// The map: one 6-byte little-endian record a field (kind, x, y), in field order.
std::vector<uint8_t> encodeTitleBlockMap(const std::vector<FormField>& fields);

// Writes the picture and the map into the folder. Throws on any failure.
void writeSheetForm(const SheetForm& form, const std::string& folder);

// A UTF-8 text in the Cyrillic Windows code page. Throws std::runtime_error on a
// character the code page does not have.
std::string utf8ToCp1251(std::string_view text);

// The lines of a UTF-8 text file (LF or CR LF ends), and an exchange text of lines:
// Windows-1251, every line ended by CR LF.
std::vector<std::string> readUtf8Lines(const std::string& path);
std::string exchangeText(const std::vector<std::string>& utf8Lines);

// Counts characters, not bytes.
size_t utf8Length(std::string_view text);

void writeBinaryFile(const std::string& path, std::string_view bytes);

} // namespace forms
