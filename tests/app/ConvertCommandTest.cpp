#include "app/ConvertCommand.h"
#include "document/SketchBitmap.h"
#include "document/SketchFiles.h"

#include <QImage>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

std::string fixture(const std::string& name) {
    return std::string(TEST_DATA_DIR) + "/bmp/" + name;
}

struct Folder {
    std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("verigraf-convert-" + std::to_string(::getpid()));
    Folder() { std::filesystem::create_directories(path); }
    ~Folder() { std::filesystem::remove_all(path); }
    std::string operator()(const std::string& name) const { return (path / name).string(); }
};

} // namespace

TEST(ConvertCommand, WritesEveryFormat) {
    Folder dir;
    std::ostringstream err;
    ASSERT_EQ(RunConvertCommand(fixture("sixteen-4bit.bmp"), dir("a.png"), err), 0) << err.str();
    ASSERT_EQ(RunConvertCommand(fixture("sixteen-4bit.bmp"), dir("a.ILJ"), err), 0) << err.str();
    ASSERT_EQ(RunConvertCommand(dir("a.ILJ"), dir("b.bmp"), err), 0) << err.str();
    EXPECT_TRUE(err.str().empty());

    const QImage png(QString::fromStdString(dir("a.png")));
    ASSERT_EQ(png.width(), 9);
    ASSERT_EQ(png.height(), 5);
    const gdi::BitmapPtr back = LoadSketchImage(dir("b.bmp"));
    ASSERT_TRUE(back);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 9; ++x) {
            const gdi::COLORREF c = SketchPalette[(x + 3 * y) % 16];
            EXPECT_EQ(png.pixel(x, y), qRgb(gdi::GetRValue(c), gdi::GetGValue(c), gdi::GetBValue(c)));
            EXPECT_EQ(back->pixel(x, y), uint32_t((x + 3 * y) % 16));
        }
}

TEST(ConvertCommand, SaysWhatWentWrong) {
    Folder dir;
    auto run = [&](const std::string& in, const std::string& out) {
        std::ostringstream err;
        const int code = RunConvertCommand(in, out, err);
        EXPECT_EQ(code, 1) << in << " -> " << out;
        EXPECT_FALSE(std::filesystem::exists(out)) << out;
        return err.str();
    };
    EXPECT_NE(run(dir("missing.bmp"), dir("x.png")).find("не удалось прочитать"), std::string::npos);
    EXPECT_NE(run(fixture("sixteen.ppm"), dir("x.png")).find("неизвестное расширение"), std::string::npos);
    EXPECT_NE(run(fixture("sixteen-4bit.bmp"), dir("x.gif")).find(".bmp, .ilj или .png"), std::string::npos);
    std::ofstream(dir("bad.ilj"), std::ios::binary) << "x\x9c garbage";
    EXPECT_NE(run(dir("bad.ilj"), dir("x.bmp")).find("сжатые данные повреждены"), std::string::npos);
    EXPECT_NE(run(fixture("sixteen-4bit.bmp"), dir("no/such/folder/x.png")).find("не удалось записать"),
              std::string::npos);
    EXPECT_NE(run(fixture("sixteen-4bit.bmp"), dir("no/such/folder/x.ilj")).find("не удалось записать"),
              std::string::npos);
}
