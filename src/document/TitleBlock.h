#pragma once
// The title-block exchange: a binary map of where each value goes on the sheet form
// (6-byte records), and a text of the values, one a line, in the Cyrillic Windows code
// page.

#include <cstdint>
#include <istream>
#include <span>
#include <string>
#include <vector>

enum TTitleBlockKind : uint16_t {
    TitleTextHorizontal = 2,
    TitleTextUpward = 3, // turned a quarter, reading bottom to top
};

struct TTitleBlockRecord {
    uint16_t Kind = 0;
    uint16_t X = 0; // top-left corner of the text, sketch pixels
    uint16_t Y = 0;
};

inline constexpr size_t MaxTitleBlockRecords = 101;
inline constexpr size_t TitleBlockRecordSize = 6;
// Characters of an exchange line that are used; the rest of the line is skipped.
inline constexpr size_t MaxExchangeLineLength = 255;

// The records of a map, at most MaxTitleBlockRecords; a short tail is ignored.
std::vector<TTitleBlockRecord> ParseTitleBlockMap(std::span<const uint8_t> bytes);

// The records of a map file. Throws std::system_error when the file cannot be read.
std::vector<TTitleBlockRecord> ReadTitleBlockMap(const std::string& path);

// Reads the exchange text a line at a time. Lines end with CR LF, LF or a lone CR.
class TExchangeTextReader {
  public:
    explicit TExchangeTextReader(std::istream& in) : m_in(in) {}
    // The next line in UTF-8, cut to MaxExchangeLineLength characters; false at the end
    // of the text. Throws std::system_error when reading fails.
    bool ReadLine(std::string& line);

  private:
    std::istream& m_in;
};
