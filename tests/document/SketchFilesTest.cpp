#include "document/SketchFiles.h"
#include "SketchTestSupport.h"
#include "document/FileErrors.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

using namespace testing_support;

TEST(SketchFiles, SavedSketchesReadBackInBothFormats) {
    TempFolder dir;
    for (auto [w, h] : {std::pair{1, 1}, {3, 2}, {794, 1123}, {1123, 794}, {17, 5}}) {
        const gdi::BitmapPtr sketch = patternSketch(w, h, w + h);
        for (const char* ext : {".bmp", ".ilj"}) {
            const std::string path = dir.path("s" + std::to_string(w) + ext);
            SaveSketchImage(sketch, path);
            const gdi::BitmapPtr back = LoadSketchImage(path);
            ASSERT_TRUE(back) << path;
            EXPECT_EQ(GetBitmapSize(back), GetBitmapSize(sketch));
            EXPECT_EQ(indices(*back), indices(*sketch)) << path;
        }
    }
}

TEST(SketchFiles, FormatFollowsTheExtensionInAnyCase) {
    EXPECT_EQ(SketchFormatOf("/a/b.bmp"), TSketchFormat::Bmp);
    EXPECT_EQ(SketchFormatOf("/a/b.BmP"), TSketchFormat::Bmp);
    EXPECT_EQ(SketchFormatOf("C.ILJ"), TSketchFormat::Ilj);
    EXPECT_EQ(SketchFormatOf("/a.ilj/b"), TSketchFormat::None);
    EXPECT_EQ(SketchFormatOf("b.png"), TSketchFormat::None);
    EXPECT_EQ(SketchFormatOf("bmp"), TSketchFormat::None);

    TempFolder dir;
    const gdi::BitmapPtr sketch = patternSketch(9, 4);
    SaveSketchImage(sketch, dir.path("upper.ILJ"));
    const std::vector<uint8_t> bytes = readFile(dir.path("upper.ILJ"));
    EXPECT_EQ(bytes[0], 0x78); // compressed, not a bitmap file
    ASSERT_TRUE(LoadSketchImage(dir.path("upper.ILJ")));
    // The same compressed bytes under another extension are not read.
    writeFile(dir.path("upper.png"), bytes);
    EXPECT_FALSE(LoadSketchImage(dir.path("upper.png")));
    EXPECT_THROW(SaveSketchImage(sketch, dir.path("x.png")), SketchFileError);
    EXPECT_FALSE(std::filesystem::exists(dir.path("x.png")));
}

TEST(SketchFiles, UnreadableFilesGiveNoneOrSayWhy) {
    TempFolder dir;
    EXPECT_FALSE(LoadSketchImage(dir.path("missing.bmp")));
    std::filesystem::create_directory(dir.path("folder.bmp"));
    EXPECT_FALSE(LoadSketchImage(dir.path("folder.bmp")));
    writeFile(dir.path("empty.bmp"), {});
    EXPECT_FALSE(LoadSketchImage(dir.path("empty.bmp")));
    try {
        ReadSketchFile(dir.path("missing.bmp"));
        FAIL();
    } catch (const SketchFileError& e) {
        EXPECT_STREQ(e.what(), "файл или папка не найдены");
    }
    // A damaged compressed file is not quietly ignored.
    writeFile(dir.path("bad.ilj"), {0x78, 0x9C, 0x01});
    EXPECT_THROW(LoadSketchImage(dir.path("bad.ilj")), DecompressionError);
}

TEST(SketchFiles, SavingReplacesTheOldFileOnlyWhenTheNewOneIsComplete) {
    TempFolder dir;
    const std::string path = dir.path("sketch.bmp");
    SaveSketchImage(patternSketch(5, 5, 1), path);
    ::chmod(path.c_str(), 0640);
    const gdi::BitmapPtr second = patternSketch(6, 6, 2);
    SaveSketchImage(second, path);
    EXPECT_EQ(indices(*LoadSketchImage(path)), indices(*second));
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u); // the replaced file's permissions are kept
    // Nothing but the sketch is left in the folder.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path("")), {}), 1);

    // A folder that cannot be written: the save fails and the old file is whole.
    if (::geteuid() != 0) {
        ::chmod(dir.path("").c_str(), 0500);
        EXPECT_THROW(SaveSketchImage(patternSketch(7, 7), path), SketchFileError);
        ::chmod(dir.path("").c_str(), 0700);
        EXPECT_EQ(indices(*LoadSketchImage(path)), indices(*second));
    }
    // Nothing to save.
    EXPECT_THROW(SaveSketchImage(nullptr, path), SketchFileError);
    EXPECT_EQ(indices(*LoadSketchImage(path)), indices(*second));
    // The path is a folder: renaming over it fails, and the temporary file goes.
    std::filesystem::create_directory(dir.path("taken.ilj"));
    EXPECT_THROW(SaveSketchImage(second, dir.path("taken.ilj")), SketchFileError);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path("")), {}), 2);
}
