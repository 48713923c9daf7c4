#pragma once
// The installation folders (UTF-8 paths). Set once at start-up; the folders of the
// program's libraries end with a separator, AppDir and TempDir do not.
//
// Fonts and StdForms are always beside the executable. The folders the program writes
// into (Blocks, Эскизы, Instrument, Temp) are beside it too when the program runs from
// a folder of its own, and in the user's data folder when it is installed for everybody.

#include <string>

extern std::string AppDir;
extern std::string BlocksDir;
extern std::string SketchesDir;
extern std::string FontsDir;
extern std::string InstrumentDir;
extern std::string TempDir;
extern std::string StdFormsDir;
// The folder that holds the four written folders: AppDir, or the user's data folder.
extern std::string DataDir;

// Builds the folder strings from the installation folder (given without a trailing
// separator), all of them beside the executable.
void SetInstallationFolders(const std::string& appDir);
// Moves the four written folders into dataDir (given without a trailing separator).
void SetDataFolders(const std::string& dataDir);
// Empties all the strings again.
void ClearInstallationFolders();
