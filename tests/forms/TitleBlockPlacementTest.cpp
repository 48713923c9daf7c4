// Filling each installed form through the document, as the fill command does: every
// line must land inside its field, on white, and nothing else of the form may change.

#include "FormFiles.h"
#include "FormsTestSupport.h"

#include "document/RotatedText.h"
#include "document/SketchBitmap.h"
#include "document/SketchFiles.h"
#include "document/TechDocument.h"
#include "document/TitleBlock.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>

using namespace forms_testing;

namespace {

constexpr uint32_t White = 15, Black = 0;

// The pixels one exchange line leaves when it is written alone at its record.
std::vector<gdi::Point> inkOf(const TTitleBlockRecord& record, const std::string& text, int32_t width,
                              int32_t height) {
    const gdi::BitmapPtr sheet = CreateSketchDib(width, height);
    sheet->fill(White);
    gdi::DeviceContext dc;
    dc.selectBitmap(sheet);
    DrawRotatedText(dc, record.X, record.Y, text, record.Kind == TitleTextUpward ? 1.5707964f : 0.0f);
    std::vector<gdi::Point> ink;
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x)
            if (sheet->pixel(x, y) != White) ink.push_back({x, y});
    return ink;
}

class TempFile {
  public:
    explicit TempFile(const std::string& bytes) {
        std::random_device rd;
        m_path =
            (std::filesystem::temp_directory_path() / ("verigraf-obmen-" + std::to_string(rd()) + ".txt"))
                .string();
        std::ofstream(m_path, std::ios::binary) << bytes;
    }
    ~TempFile() { std::filesystem::remove(m_path); }
    const std::string& path() const { return m_path; }

  private:
    std::string m_path;
};

// Fills the installed form from the exchange file and holds every line to its field.
// `lines` are what the file holds, in UTF-8.
void expectFillStaysInFields(const forms::SheetForm& form, const std::string& exchangePath,
                             const std::vector<std::string>& lines, const std::string& picture = {}) {
    TTechDocument doc;
    ASSERT_TRUE(doc.LoadSheetForm(installed(form.fileName())));
    const gdi::BitmapPtr blank = doc.FDocBitmap->clone();
    doc.FillTitleBlock(installed(form.mapFileName()), exchangePath);
    const gdi::Bitmap& filled = *doc.FDocBitmap;
    const int32_t width = filled.width(), height = filled.height();
    if (!picture.empty() && std::getenv("VERIGRAF_FILLED_FORMS"))
        SaveSketchImage(doc.FDocBitmap, std::string(std::getenv("VERIGRAF_FILLED_FORMS")) + "/" + picture);

    const std::vector<TTitleBlockRecord> records = ReadTitleBlockMap(installed(form.mapFileName()));
    ASSERT_EQ(records.size(), form.fields.size());
    ASSERT_EQ(lines.size(), form.fields.size());
    std::vector<uint8_t> written(size_t(width) * height, 0);
    for (size_t i = 0; i < lines.size(); ++i) {
        const forms::FormField& field = form.fields[i];
        const std::vector<gdi::Point> ink = inkOf(records[i], lines[i], width, height);
        int outside = 0, overPrint = 0;
        for (const gdi::Point& p : ink) {
            outside += !field.cell.contains(p.x, p.y);
            overPrint += blank->pixel(p.x, p.y) != White;
            written[size_t(p.y) * width + p.x] = 1;
        }
        EXPECT_FALSE(ink.empty()) << field.name;
        EXPECT_EQ(outside, 0) << form.name << ", line " << i + 1 << " \"" << lines[i] << "\" leaves "
                              << field.name;
        EXPECT_EQ(overPrint, 0) << form.name << ", line " << i + 1 << " \"" << lines[i]
                                << "\" covers the print";
    }
    int wrong = 0;
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x) {
            const uint32_t expected = written[size_t(y) * width + x] ? Black : blank->pixel(x, y);
            wrong += filled.pixel(x, y) != expected;
        }
    EXPECT_EQ(wrong, 0) << form.name << ": the fill changed pixels outside its lines";
}

// A value of n characters from the glyphs that reach furthest: accents above the
// capitals, descenders, the wide letters and the overhang of "Щ".
std::string widest(size_t n, size_t start) {
    static const std::vector<std::string> glyphs = {"Щ", "Й", "Ё", "Ж", "Ш", "№", "g",
                                                    "j", "|", "_", "W", "@", "Ф"};
    std::string out;
    for (size_t i = 0; i < n; ++i)
        out += glyphs[(start + i) % glyphs.size()];
    return out;
}

std::string repeated(const std::string& glyph, size_t n) {
    std::string out;
    for (size_t i = 0; i < n; ++i)
        out += glyph;
    return out;
}

} // namespace

TEST(TitleBlockFill, ExampleExchangeLandsInTheFieldsOfTheFirstCard) {
    std::ifstream in(ExchangeExample, std::ios::binary);
    TExchangeTextReader reader(in);
    std::vector<std::string> lines;
    for (std::string line; reader.ReadLine(line);)
        lines.push_back(line);
    expectFillStaysInFields(sheetForm("3.1105-f7"), ExchangeExample, lines, "3.1105-f7-example.bmp");
}

TEST(TitleBlockFill, ValuesAsLongAsTheFieldsTakeStayInsideOnEveryForm) {
    for (const forms::SheetForm& form : sheetForms()) {
        for (const std::string& pass : {std::string("mixed"), std::string("Щ"), std::string("Й")}) {
            SCOPED_TRACE(form.name + ", " + pass);
            std::vector<std::string> lines;
            for (size_t i = 0; i < form.fields.size(); ++i) {
                const size_t n = size_t(form.fields[i].capacity);
                lines.push_back(pass == "mixed" ? widest(n, i) : repeated(pass, n));
            }
            const TempFile exchange(forms::exchangeText(lines));
            expectFillStaysInFields(form, exchange.path(), lines,
                                    pass == "mixed" ? form.name + "-full.bmp" : "");
        }
    }
}
