// The replay of drawing cases: text commands read as the reference's runner reads them,
// with face names and texts running to the end of the line.

#include "CaseReplay.h"
#include "SketchPage.h"
#include "gdi/DeviceContext.h"
#include "gdi/FontMapper.h"
#include "gdi/FontRegistry.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>

using namespace gdi;
using namespace gdi_test;

namespace {

const std::string kDejaVuDir = "/usr/share/fonts/truetype/dejavu";

// The pixel rows a case leaves, as the replay writes them.
std::string drawnRows(const std::string& cases, const std::string& fontsDir) {
    std::istringstream in(cases);
    std::ostringstream out;
    const auto results = gdi_replay::replayCases(in, &out, fontsDir);
    EXPECT_EQ(results.size(), 1u);
    const std::string text = out.str();
    return text.substr(text.find("expect\n"));
}

std::string rowsOf(const Bitmap& bm) {
    std::string rows = "expect\n";
    for (int32_t y = 0; y < bm.height(); ++y) {
        for (int32_t x = 0; x < bm.width(); ++x)
            rows += "0123456789abcdef"[bm.pixel(x, y) & 15];
        rows += "\n";
    }
    return rows + "end\n";
}

class CaseReplay : public ::testing::Test {
  protected:
    void SetUp() override {
        FontRegistry::instance().clear();
        FontMapper::instance().clear();
    }
    void TearDown() override {
        FontRegistry::instance().clear();
        FontMapper::instance().clear();
    }
};

} // namespace

TEST_F(CaseReplay, TextCommandsKeepSpacesInFaceNamesAndTexts) {
    if (!std::filesystem::exists(kDejaVuDir + "/DejaVuSans.ttf"))
        GTEST_SKIP() << "DejaVu Sans is not installed";
    const std::string cases = "case spaced\n"
                              "size 80 30\n"
                              "fontfile DejaVuSans.ttf\n"
                              "font -13 300 300 700 0 1 1 0 0 DejaVu Sans\n"
                              "textcolor 0x0000ff\n"
                              "textalign 24\n"
                              "bkmode transparent\n"
                              "textout 4 24   a  b\n"
                              "draw\n";
    const std::string replayed = drawnRows(cases, kDejaVuDir);

    // The same text written directly: the face name keeps its space, the text keeps all
    // but the one separator after the coordinates.
    ASSERT_TRUE(FontRegistry::instance().addFontFile(kDejaVuDir + "/DejaVuSans.ttf"));
    const BitmapPtr page = whitePage(80, 30);
    DeviceContext dc;
    dc.selectBitmap(page);
    LogFont log;
    log.height = -13;
    log.escapement = log.orientation = 300;
    log.weight = 700;
    log.underline = true;
    log.faceName = "DejaVu Sans";
    dc.selectFont(createFontIndirect(log));
    dc.setTextColor(0x0000FF);
    dc.setTextAlign(TA_BASELINE);
    dc.setBkMode(TRANSPARENT);
    dc.textOut(4, 24, "  a  b");
    EXPECT_EQ(replayed, rowsOf(*page));

    dc.textOut(4, 24, "a  b"); // without the leading spaces the line lands elsewhere
    EXPECT_NE(replayed, rowsOf(*page));
}

TEST_F(CaseReplay, AMissingFontFileFailsTheCase) {
    std::istringstream in(
        "case nofont\nsize 4 4\nfontfile no-such-font.ttf\nexpect\nffff\nffff\nffff\nffff\nend\n");
    const auto results = gdi_replay::replayCases(in, nullptr, "/nonexistent");
    ASSERT_EQ(results.size(), 1u);
    EXPECT_FALSE(results[0].passed);
    EXPECT_NE(results[0].message.find("cannot add font"), std::string::npos);
}
