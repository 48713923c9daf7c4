#include "document/Folders.h"

std::string AppDir;
std::string BlocksDir;
std::string SketchesDir;
std::string FontsDir;
std::string InstrumentDir;
std::string TempDir;
std::string StdFormsDir;

void SetInstallationFolders(const std::string& appDir) {
    AppDir = appDir;
    while (AppDir.size() > 1 && AppDir.back() == '/')
        AppDir.pop_back();
    BlocksDir = AppDir + "/Blocks/";
    SketchesDir = AppDir + "/Эскизы/";
    FontsDir = AppDir + "/Fonts/";
    InstrumentDir = AppDir + "/Instrument/";
    TempDir = AppDir + "/Temp";
    StdFormsDir = AppDir + "/StdForms/";
}

void ClearInstallationFolders() {
    for (std::string* s :
         {&AppDir, &BlocksDir, &SketchesDir, &FontsDir, &InstrumentDir, &TempDir, &StdFormsDir})
        s->clear();
}
