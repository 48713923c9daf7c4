#include "document/TitleBlock.h"
#include "SketchTestSupport.h"
#include "document/Cp1251.h"
#include "document/TechDocument.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace testing_support;

namespace {

std::vector<uint8_t> mapBytes(const std::vector<TTitleBlockRecord>& records) {
    std::vector<uint8_t> out;
    for (const auto& r : records)
        for (uint16_t v : {r.Kind, r.X, r.Y}) {
            out.push_back(uint8_t(v));
            out.push_back(uint8_t(v >> 8));
        }
    return out;
}

std::vector<std::string> lines(const std::string& text) {
    std::istringstream in(text);
    TExchangeTextReader reader(in);
    std::vector<std::string> out;
    std::string line;
    while (reader.ReadLine(line))
        out.push_back(line);
    return out;
}

} // namespace

TEST(TitleBlock, MapRecords) {
    std::vector<TTitleBlockRecord> many;
    for (uint16_t i = 0; i < 150; ++i)
        many.push_back({2, i, uint16_t(1000 + i)});
    const auto used = ParseTitleBlockMap(mapBytes(many));
    ASSERT_EQ(used.size(), 101u);
    EXPECT_EQ(used[100].X, 100);
    EXPECT_EQ(used[100].Y, 1100);

    std::vector<uint8_t> thirteen = mapBytes({{3, 0x1234, 0xFFFF}, {2, 7, 8}});
    thirteen.push_back(0x02);
    const auto two = ParseTitleBlockMap(thirteen);
    ASSERT_EQ(two.size(), 2u);
    EXPECT_EQ(two[0].Kind, 3);
    EXPECT_EQ(two[0].X, 0x1234);
    EXPECT_EQ(two[0].Y, 0xFFFF);
    EXPECT_TRUE(ParseTitleBlockMap({}).empty());
}

TEST(TitleBlock, ExchangeTextLines) {
    EXPECT_EQ(lines("one\r\ntwo\r\n"), (std::vector<std::string>{"one", "two"}));
    EXPECT_EQ(lines("one\ntwo"), (std::vector<std::string>{"one", "two"}));
    EXPECT_EQ(lines("a\r\n\r\nb\rc"), (std::vector<std::string>{"a", "", "b", "c"}));
    EXPECT_TRUE(lines("").empty());
    // Only the first 255 characters count; the rest of the line is skipped.
    const std::string longLine(300, 'x');
    const auto cut = lines(longLine + "\r\nnext");
    ASSERT_EQ(cut.size(), 2u);
    EXPECT_EQ(cut[0], std::string(255, 'x'));
    EXPECT_EQ(cut[1], "next");
    // Windows-1251 letters, 255 of them before the cut, come out as UTF-8.
    const std::string ivanov = "\xC8\xE2\xE0\xED\xEE\xE2 \xB8\xA8 \xB9";
    EXPECT_EQ(lines(ivanov + "\r\n"), (std::vector<std::string>{"Иванов ёЁ №"}));
    EXPECT_EQ(lines(std::string(300, '\xFF'))[0].size(), 255u * 2);
}

TEST(TitleBlock, Cp1251Table) {
    std::string all;
    for (int c = 0x80; c <= 0xFF; ++c)
        all.push_back(char(c));
    const std::string utf8 = Cp1251ToUtf8(all);
    EXPECT_EQ(utf8.substr(0, 4), "ЂЃ");
    EXPECT_NE(utf8.find("€"), std::string::npos);
    EXPECT_EQ(utf8.substr(utf8.size() - 4), "юя");
    EXPECT_EQ(Cp1251ToUtf8("plain 7-bit"), "plain 7-bit");
}

namespace {

struct CountingHost : TDocumentHost {
    int invalidations = 0;
    void InvalidateSurface() override { ++invalidations; }
};

int blackIn(const gdi::Bitmap& bm, gdi::Rect r) {
    int n = 0;
    for (int32_t y = std::max(0, r.top); y < std::min(bm.height(), r.bottom); ++y)
        for (int32_t x = std::max(0, r.left); x < std::min(bm.width(), r.right); ++x)
            n += bm.pixel(x, y) == 0;
    return n;
}

} // namespace

TEST(TitleBlock, FillDrawsEachValueAtItsPlace) {
    TempFolder dir;
    CountingHost host;
    TTechDocument doc(&host);
    doc.CreateNewDocument(400, 300);
    doc.Modified = false;
    writeFile(dir.path("form.map"), mapBytes({{2, 20, 30}, {1, 20, 100}, {3, 200, 250}, {2, 300, 30}}));
    writeFile(dir.path("obmen.txt"),
              std::vector<uint8_t>{'W', '\r', '\n', 'W', 'W', '\r', '\n', 'W', 'W', 'W', 'W', 'W', 'W', 'W',
                                   'W', 'W', 'W', '\r', '\n'});
    doc.FillTitleBlock(dir.path("form.map"), dir.path("obmen.txt"));
    const gdi::Bitmap& bm = *doc.FDocBitmap;
    EXPECT_GT(blackIn(bm, {20, 30, 40, 45}), 0);  // horizontal, hanging below its corner
    EXPECT_EQ(blackIn(bm, {0, 0, 400, 29}), 0);   // nothing above the texts' top edges
    EXPECT_EQ(blackIn(bm, {0, 90, 150, 130}), 0); // kind 1 draws nothing
    // Kind 3 uses the third line (ten letters, the second was consumed by kind 1) and
    // reads upwards from its corner, the letters standing to the right of it.
    EXPECT_GT(blackIn(bm, {200, 170, 215, 200}), 0);
    EXPECT_EQ(blackIn(bm, {150, 251, 400, 300}), 0);
    EXPECT_EQ(blackIn(bm, {280, 0, 400, 300}), 0); // the text ran out before record 4
    EXPECT_EQ(host.invalidations, 1);
    EXPECT_FALSE(doc.Modified);

    // A missing file: nothing happens at all.
    doc.FillTitleBlock(dir.path("none.map"), dir.path("obmen.txt"));
    doc.FillTitleBlock(dir.path("form.map"), dir.path("obmen.fff"));
    EXPECT_EQ(host.invalidations, 1);
}
