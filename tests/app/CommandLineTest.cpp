#include "app/CommandLine.h"

#include <gtest/gtest.h>

TEST(CommandLine, PathsRunToTheSpaceAfterTheirExtension) {
    // Quoted by the shell: one argument with spaces.
    EXPECT_EQ(SketchesToOpen({"-open", "/home/me/my sketches/shaft 1.bmp"}),
              QStringList{"/home/me/my sketches/shaft 1.bmp"});
    // Unquoted: the shell split it; joined again it reads the same.
    EXPECT_EQ(SketchesToOpen({"-open", "/home/me/my", "sketches/shaft", "1.bmp"}),
              QStringList{"/home/me/my sketches/shaft 1.bmp"});
    // A space after the extension ends the value.
    EXPECT_EQ(SketchesToOpenFromLine("-o /a/b c/d.ilj "), QStringList{"/a/b c/d.ilj"});
}

TEST(CommandLine, OptionNamesInAnyCaseAndPathsAsGiven) {
    EXPECT_EQ(SketchesToOpen({"-OPEN", "/Home/Me/Part.BMP"}), QStringList{"/Home/Me/Part.BMP"});
    EXPECT_EQ(SketchesToOpen({"-O", "/x/A.ilj"}), QStringList{"/x/A.ilj"});
}

TEST(CommandLine, SeveralOpensInTurnAndOtherOptionsIgnored) {
    EXPECT_EQ(SketchesToOpen({"-x", "what.ever", "-open", "/a/1.bmp", "-o", "/b/2.ilj"}),
              (QStringList{"/a/1.bmp", "/b/2.ilj"}));
    EXPECT_EQ(SketchesToOpen({"-print", "/a/1.bmp"}), QStringList{});
}

TEST(CommandLine, WhatIsNotAnOptionWithAValueOpensNothing) {
    EXPECT_TRUE(SketchesToOpen({}).isEmpty());
    EXPECT_TRUE(SketchesToOpen({"/a/1.bmp"}).isEmpty());
    // An option at the very end has no value, nor has one followed by an empty or blank one.
    EXPECT_TRUE(SketchesToOpen({"-open"}).isEmpty());
    EXPECT_TRUE(SketchesToOpen({"-open", ""}).isEmpty());
    EXPECT_TRUE(SketchesToOpenFromLine("-open   ").isEmpty());
    // A value without a dot runs to the end of the line.
    EXPECT_EQ(SketchesToOpen({"-open", "/a/sketch"}), QStringList{"/a/sketch"});
}
