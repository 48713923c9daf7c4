#include "document/Folders.h"

std::string AppDir;
std::string BlocksDir;
std::string SketchesDir;
std::string FontsDir;
std::string InstrumentDir;
std::string TempDir;
std::string StdFormsDir;
std::string DataDir;

void SetInstallationFolders(const std::string& appDir) {
    AppDir = appDir;
    while (AppDir.size() > 1 && AppDir.back() == '/')
        AppDir.pop_back();
    FontsDir = AppDir + "/Fonts/";
    StdFormsDir = AppDir + "/StdForms/";
    SetDataFolders(AppDir);
}

void SetDataFolders(const std::string& dataDir) {
    DataDir = dataDir;
    while (DataDir.size() > 1 && DataDir.back() == '/')
        DataDir.pop_back();
    BlocksDir = DataDir + "/Blocks/";
    SketchesDir = DataDir + "/Эскизы/";
    InstrumentDir = DataDir + "/Instrument/";
    TempDir = DataDir + "/Temp";
}

void ClearInstallationFolders() {
    for (std::string* s :
         {&AppDir, &BlocksDir, &SketchesDir, &FontsDir, &InstrumentDir, &TempDir, &StdFormsDir, &DataDir})
        s->clear();
}
