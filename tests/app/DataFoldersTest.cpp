// Where the written folders go: beside a program that runs from a folder of its own,
// into the user's data folder for an installation, with the shipped files copied there
// once and never over what the user has.
#include "AppTestSupport.h"

#include "app/DataFolders.h"
#include "app/Startup.h"
#include "document/Folders.h"

#include <QByteArray>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

using namespace app_testing;
namespace fs = std::filesystem;

namespace {

void write(const fs::path& path, const std::string& text) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

std::string read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// XDG_DATA_HOME pointed at a folder of the test for as long as the object lives.
class TDataHome {
  public:
    TDataHome() : m_old(qgetenv("XDG_DATA_HOME")), m_had(qEnvironmentVariableIsSet("XDG_DATA_HOME")) {
        qputenv("XDG_DATA_HOME", QByteArray::fromStdString(Folder.Path().string()));
    }
    ~TDataHome() {
        if (m_had)
            qputenv("XDG_DATA_HOME", m_old);
        else
            qunsetenv("XDG_DATA_HOME");
        ClearInstallationFolders();
    }
    fs::path Program() const { return Folder.Path() / "verigraf"; }
    TTempFolder Folder;

  private:
    QByteArray m_old;
    bool m_had;
};

} // namespace

TEST(DataFolders, AProgramInAFolderOfItsOwnWritesBesideItself) {
    TDataHome home;
    TInstallation inst;
    ASSERT_FALSE(KeepsUserFoldersApart(inst.AppDir()));
    ASSERT_TRUE(PrepareFolders(inst.AppDir()));
    EXPECT_EQ(DataDir, AppDir);
    EXPECT_EQ(BlocksDir, AppDir + "/Blocks/");
    for (const char* dir : {"Blocks", "Эскизы", "Instrument", "Temp"})
        EXPECT_TRUE(fs::is_directory(inst.Folder.Path() / dir)) << dir;
    EXPECT_FALSE(fs::exists(home.Program()));
}

TEST(DataFolders, AnInstallationWritesIntoTheUsersDataFolder) {
    TDataHome home;
    TInstallation inst;
    write(inst.Folder.Path() / SharedInstallationMark, "");
    write(inst.Folder.Path() / "Blocks" / "bolt.blk", "shipped bolt");
    write(inst.Folder.Path() / "Instrument" / "cutters" / "drill.ins", "shipped drill");
    ASSERT_TRUE(KeepsUserFoldersApart(inst.AppDir()));
    EXPECT_EQ(UserDataFolder().toStdString(), home.Program().string());

    ASSERT_TRUE(PrepareFolders(inst.AppDir()));
    EXPECT_EQ(DataDir, home.Program().string());
    EXPECT_EQ(BlocksDir, home.Program().string() + "/Blocks/");
    EXPECT_EQ(SketchesDir, home.Program().string() + "/Эскизы/");
    EXPECT_EQ(InstrumentDir, home.Program().string() + "/Instrument/");
    EXPECT_EQ(TempDir, home.Program().string() + "/Temp");
    // What the program only reads stays in the installation.
    EXPECT_EQ(FontsDir, inst.Folder.Path().string() + "/Fonts/");
    EXPECT_EQ(StdFormsDir, inst.Folder.Path().string() + "/StdForms/");
    for (const char* dir : {"Blocks", "Эскизы", "Instrument", "Temp"})
        EXPECT_TRUE(fs::is_directory(home.Program() / dir)) << dir;
    // Nothing new is made in the installation.
    EXPECT_FALSE(fs::exists(inst.Folder.Path() / "Эскизы"));
    EXPECT_FALSE(fs::exists(inst.Folder.Path() / "Temp"));
    EXPECT_EQ(read(home.Program() / "Blocks" / "bolt.blk"), "shipped bolt");
    EXPECT_EQ(read(home.Program() / "Instrument" / "cutters" / "drill.ins"), "shipped drill");

    // The user changes one, removes the other; a newer installation ships both again.
    write(home.Program() / "Blocks" / "bolt.blk", "my bolt");
    fs::remove(home.Program() / "Instrument" / "cutters" / "drill.ins");
    write(inst.Folder.Path() / "Blocks" / "bolt.blk", "new shipped bolt");
    write(inst.Folder.Path() / "Blocks" / "nut.blk", "new shipped nut");
    ASSERT_TRUE(PrepareFolders(inst.AppDir()));
    EXPECT_EQ(read(home.Program() / "Blocks" / "bolt.blk"), "my bolt");
    EXPECT_FALSE(fs::exists(home.Program() / "Instrument" / "cutters" / "drill.ins"));
    EXPECT_FALSE(fs::exists(home.Program() / "Blocks" / "nut.blk"));
}

TEST(DataFolders, AnInstallationWithoutItsSheetFormsStillFails) {
    TDataHome home;
    TInstallation inst(true, false);
    write(inst.Folder.Path() / SharedInstallationMark, "");
    EXPECT_FALSE(PrepareFolders(inst.AppDir()));
    EXPECT_FALSE(fs::exists(home.Program()));
}
