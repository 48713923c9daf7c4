#pragma once
// The installation folders, all beside the executable (UTF-8 paths). Set once at
// start-up; the folders of the program's libraries end with a separator, AppDir and
// TempDir do not.

#include <string>

extern std::string AppDir;
extern std::string BlocksDir;
extern std::string SketchesDir;
extern std::string FontsDir;
extern std::string InstrumentDir;
extern std::string TempDir;
extern std::string StdFormsDir;

// Builds the six folder strings from the installation folder (given without a trailing
// separator).
void SetInstallationFolders(const std::string& appDir);
// Empties all seven strings again.
void ClearInstallationFolders();
