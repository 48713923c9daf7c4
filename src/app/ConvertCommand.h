#pragma once
// verigraf --convert IN OUT: a sketch file in any format the editor opens, written as
// .bmp, .ilj or .png, without a display.

#include <ostream>
#include <string>

// Converts and returns the process exit code (0 done, 1 failed); says what went wrong
// on err.
int RunConvertCommand(const std::string& input, const std::string& output, std::ostream& err);

// The usage text for a wrong command line.
std::string ConvertUsage();
