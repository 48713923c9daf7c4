// The sheet-form files the build installs: pictures, maps, the table of fields and the
// example exchange text.

#include "FormFiles.h"
#include "FormsTestSupport.h"

#include "document/Cp1251.h"
#include "document/SketchFiles.h"
#include "document/TitleBlock.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

using namespace forms_testing;

namespace {

std::string readText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

struct TableRow {
    int line = 0;
    std::string field, reads;
    int characters = 0;
};

// The rows of FIELDS.md by form: "## name" starts a form, "| n | field | reads | chars |"
// is a row.
std::map<std::string, std::vector<TableRow>> documentedFields() {
    std::map<std::string, std::vector<TableRow>> out;
    std::istringstream in(readText(FieldTableFile));
    std::string line, form;
    while (std::getline(in, line)) {
        if (line.rfind("## ", 0) == 0) form = line.substr(3);
        if (form.empty() || line.rfind("| ", 0) != 0 || line.rfind("| Line", 0) == 0) continue;
        std::vector<std::string> cells;
        std::istringstream row(line.substr(1));
        for (std::string cell; std::getline(row, cell, '|');)
            cells.push_back(cell.substr(1, cell.size() - 2));
        if (cells.size() == 4)
            out[form].push_back({std::stoi(cells[0]), cells[1], cells[2], std::stoi(cells[3])});
    }
    return out;
}

} // namespace

TEST(SheetFormFiles, EveryFormLoadsWithItsSizeAsDrawn) {
    struct Expected {
        const char* file;
        int32_t width, height;
    };
    const Expected expected[] = {{"konstra4.bmp", 794, 1123},
                                 {"3.1105-f7.bmp", 1123, 794},
                                 {"3.1105-f7a.bmp", 1123, 794},
                                 {"form8.ilj", 1123, 794},
                                 {"form8a.ilj", 1123, 794}};
    ASSERT_EQ(sheetForms().size(), std::size(expected));
    for (const Expected& e : expected) {
        SCOPED_TRACE(e.file);
        const gdi::BitmapPtr loaded = LoadSketchImage(installed(e.file));
        ASSERT_TRUE(loaded);
        EXPECT_EQ(loaded->width(), e.width);
        EXPECT_EQ(loaded->height(), e.height);

        const forms::SheetForm& form = sheetForm(std::filesystem::path(e.file).stem().string());
        ASSERT_EQ(form.fileName(), e.file);
        ASSERT_EQ(form.picture->width(), loaded->width());
        ASSERT_EQ(form.picture->height(), loaded->height());
        int differing = 0, black = 0;
        for (int32_t y = 0; y < loaded->height(); ++y)
            for (int32_t x = 0; x < loaded->width(); ++x) {
                differing += loaded->pixelToColor(loaded->pixel(x, y)) !=
                             form.picture->pixelToColor(form.picture->pixel(x, y));
                black += loaded->pixelToColor(loaded->pixel(x, y)) == 0;
            }
        EXPECT_EQ(differing, 0);
        // A printed form, not an empty sheet: the frame alone is some thousands of pixels.
        EXPECT_GT(black, 5000);
    }
}

TEST(SheetFormFiles, MapsHoldOneRecordAFieldInFieldOrder) {
    for (const forms::SheetForm& form : sheetForms()) {
        SCOPED_TRACE(form.name);
        const std::string path = installed(form.mapFileName());
        ASSERT_EQ(std::filesystem::file_size(path), form.fields.size() * TitleBlockRecordSize);
        const std::vector<TTitleBlockRecord> records = ReadTitleBlockMap(path);
        ASSERT_EQ(records.size(), form.fields.size());
        for (size_t i = 0; i < records.size(); ++i) {
            EXPECT_EQ(records[i].Kind, form.fields[i].record.Kind) << form.fields[i].name;
            EXPECT_EQ(records[i].X, form.fields[i].record.X) << form.fields[i].name;
            EXPECT_EQ(records[i].Y, form.fields[i].record.Y) << form.fields[i].name;
        }
    }
}

TEST(SheetFormFiles, FieldTableDocumentsEveryLineOfEveryForm) {
    const auto documented = documentedFields();
    ASSERT_EQ(documented.size(), sheetForms().size());
    for (const forms::SheetForm& form : sheetForms()) {
        SCOPED_TRACE(form.name);
        ASSERT_TRUE(documented.count(form.name));
        const std::vector<TableRow>& rows = documented.at(form.name);
        ASSERT_EQ(rows.size(), form.fields.size());
        for (size_t i = 0; i < rows.size(); ++i) {
            const forms::FormField& field = form.fields[i];
            EXPECT_EQ(rows[i].line, int(i + 1));
            EXPECT_EQ(rows[i].field, field.name);
            EXPECT_EQ(rows[i].reads, field.kind == TitleTextUpward ? "upwards" : "across") << field.name;
            EXPECT_EQ(rows[i].characters, field.capacity) << field.name;
        }
    }
}

TEST(SheetFormFiles, ExampleExchangeFillsEveryFieldOfTheFirstCard) {
    const std::string bytes = readText(ExchangeExample);
    const forms::SheetForm& card = sheetForm("3.1105-f7");
    // Windows-1251 with CR LF ends, line for line the UTF-8 source.
    std::istringstream in(bytes);
    TExchangeTextReader reader(in);
    std::vector<std::string> lines;
    for (std::string line; reader.ReadLine(line);)
        lines.push_back(line);
    EXPECT_EQ(lines, forms::readUtf8Lines(EXCHANGE_SOURCE));
    size_t lineEnds = 0;
    for (size_t at = bytes.find("\r\n"); at != std::string::npos; at = bytes.find("\r\n", at + 2))
        ++lineEnds;
    EXPECT_EQ(lineEnds, lines.size());
    EXPECT_EQ(size_t(std::count(bytes.begin(), bytes.end(), '\n')), lines.size());
    // The face draws these codes as the small figures of tolerance deviations, not as
    // the letters and signs of the code page.
    for (const char code : bytes) {
        const uint8_t b = uint8_t(code);
        EXPECT_FALSE(b == 0x9B || (b >= 0xA0 && b <= 0xB8) || b == 0xBA) << "code " << int(b);
    }
    ASSERT_EQ(lines.size(), card.fields.size());
    for (size_t i = 0; i < lines.size(); ++i) {
        EXPECT_FALSE(lines[i].empty()) << card.fields[i].name;
        EXPECT_LE(forms::utf8Length(lines[i]), size_t(card.fields[i].capacity)) << card.fields[i].name;
    }
}

TEST(ExchangeEncoding, WritesTheCodePageTheFillReads) {
    std::string all;
    for (int code = 1; code < 256; ++code)
        all.push_back(char(code));
    EXPECT_EQ(forms::utf8ToCp1251(Cp1251ToUtf8(all)), all);
    EXPECT_EQ(forms::exchangeText({"Лист", "", "№ 5"}), "\xCB\xE8\xF1\xF2\r\n\r\n\xB9 5\r\n");
    // Characters the code page lacks are refused, not written as something else.
    EXPECT_THROW(forms::utf8ToCp1251("вал 中"), std::runtime_error);
    EXPECT_THROW(forms::utf8ToCp1251("Ő"), std::runtime_error);
}
