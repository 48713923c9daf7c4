#include "app/CommandLine.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// None of the paths below exists, unless a test says otherwise.
const TFileExists nothingExists = [](const QString&) { return false; };

QStringList open(const QStringList& arguments) {
    return SketchesToOpen(arguments, nothingExists);
}

} // namespace

TEST(CommandLine, AQuotedPathIsTakenWhole) {
    // The path that used to be cut at the space after the folder's dot.
    EXPECT_EQ(open({"-open", "/home/user/work.v2/part 1.bmp"}), QStringList{"/home/user/work.v2/part 1.bmp"});
    EXPECT_EQ(open({"-open", "/home/me/my sketches/shaft 1.bmp"}),
              QStringList{"/home/me/my sketches/shaft 1.bmp"});
    // Several spaces and a dot in the middle of the file name stay as they are.
    EXPECT_EQ(open({"-o", "/a/b  c/v1.2 final.ilj"}), QStringList{"/a/b  c/v1.2 final.ilj"});
    // A path without an extension is taken whole too, also when more follows.
    EXPECT_EQ(open({"-open", "/a/sketch", "-o", "/b/2.ilj"}), (QStringList{"/a/sketch", "/b/2.ilj"}));
}

TEST(CommandLine, AnUnquotedPathIsPutTogetherWhereItCannotBeMisread) {
    // The shell split it at its spaces; the pieces join up to the extension.
    EXPECT_EQ(open({"-open", "/home/me/my", "sketches/shaft", "1.bmp"}),
              QStringList{"/home/me/my sketches/shaft 1.bmp"});
    // A dot in a folder name does not end the path: only the file name's does.
    EXPECT_EQ(open({"-open", "/home/user/work.v2/part", "1.bmp"}),
              QStringList{"/home/user/work.v2/part 1.bmp"});
    // After the extension the path is complete: the rest is not part of it.
    EXPECT_EQ(open({"-o", "/a/b", "c/d.ilj", "extra.bmp"}), QStringList{"/a/b c/d.ilj"});
    // A next option ends the pieces.
    EXPECT_EQ(open({"-open", "/a/my", "-o", "/b/2.ilj"}), (QStringList{"/a/my", "/b/2.ilj"}));
    // Without an extension the pieces run to the end.
    EXPECT_EQ(open({"-open", "/a/my", "sketch"}), QStringList{"/a/my sketch"});
    // A piece that names an existing file is not extended.
    const TFileExists onlyPlain = [](const QString& path) { return path == "/a/plain"; };
    EXPECT_EQ(SketchesToOpen({"-open", "/a/plain", "other"}, onlyPlain), QStringList{"/a/plain"});
}

TEST(CommandLine, OptionNamesInAnyCaseAndPathsAsGiven) {
    EXPECT_EQ(open({"-OPEN", "/Home/Me/Part.BMP"}), QStringList{"/Home/Me/Part.BMP"});
    EXPECT_EQ(open({"-O", "/x/A.ilj"}), QStringList{"/x/A.ilj"});
    EXPECT_EQ(open({"-oPeN", "/x/B.ilj"}), QStringList{"/x/B.ilj"});
}

TEST(CommandLine, SeveralOpensInTurnAndOtherOptionsIgnored) {
    EXPECT_EQ(open({"-x", "what.ever", "-open", "/a/1.bmp", "-o", "/b/2.ilj"}),
              (QStringList{"/a/1.bmp", "/b/2.ilj"}));
    EXPECT_EQ(open({"-print", "/a/1.bmp"}), QStringList{});
    // The value of another option is not taken for a sketch, in pieces or not.
    EXPECT_EQ(open({"-style", "my", "theme", "-o", "/b/2.ilj"}), QStringList{"/b/2.ilj"});
}

TEST(CommandLine, WhatIsNotAnOptionWithAValueOpensNothing) {
    EXPECT_TRUE(open({}).isEmpty());
    EXPECT_TRUE(open({"/a/1.bmp"}).isEmpty());
    // An option at the very end has no value.
    EXPECT_TRUE(open({"-open"}).isEmpty());
    // An empty or blank value opens nothing, and does not swallow what follows.
    EXPECT_TRUE(open({"-open", ""}).isEmpty());
    EXPECT_TRUE(open({"-open", "   "}).isEmpty());
    EXPECT_EQ(open({"-open", "", "-o", "/b/2.ilj"}), QStringList{"/b/2.ilj"});
    EXPECT_TRUE(open({"-open", "", "stray"}).isEmpty());
}

TEST(CommandLine, TheRealFileSystemIsAskedByDefault) {
    // An existing file without an extension stands alone; a missing one is joined up.
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile file(dir.filePath("plain"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_EQ(SketchesToOpen({"-o", dir.filePath("plain"), "next"}), QStringList{dir.filePath("plain")});
    EXPECT_EQ(SketchesToOpen({"-o", dir.filePath("missing"), "next"}),
              QStringList{dir.filePath("missing next")});
}

TEST(CommandLine, HelpAndVersionTexts) {
    const QString usage = CommandLineUsage();
    for (const char* part : {"-open", "-o ", "--convert", "--help", "--version"})
        EXPECT_TRUE(usage.contains(QString::fromLatin1(part))) << part;
    EXPECT_TRUE(ProgramVersionText().startsWith(QStringLiteral("Вериграф технолога ")));
    EXPECT_TRUE(ProgramVersionText().contains(QStringLiteral(VERIGRAF_VERSION)));
}
