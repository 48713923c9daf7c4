#pragma once
// Texts written by the programs we exchange data with are in the Cyrillic Windows code
// page; inside the program text is UTF-8.

#include <string>
#include <string_view>

std::string Cp1251ToUtf8(std::string_view text);
