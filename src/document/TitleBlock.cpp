#include "document/TitleBlock.h"

#include "document/Bytes.h"
#include "document/Cp1251.h"

#include <cerrno>
#include <fstream>
#include <system_error>

std::vector<TTitleBlockRecord> ParseTitleBlockMap(std::span<const uint8_t> data) {
    std::vector<TTitleBlockRecord> records;
    for (size_t at = 0; bytes::fits(data, at, TitleBlockRecordSize) && records.size() < MaxTitleBlockRecords;
         at += TitleBlockRecordSize)
        records.push_back({bytes::u16(data, at), bytes::u16(data, at + 2), bytes::u16(data, at + 4)});
    return records;
}

std::vector<TTitleBlockRecord> ReadTitleBlockMap(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::system_error(errno, std::generic_category(), path);
    // Only the records that are used are read, however long the file.
    std::vector<uint8_t> data(MaxTitleBlockRecords * TitleBlockRecordSize);
    in.read(reinterpret_cast<char*>(data.data()), std::streamsize(data.size()));
    if (in.bad()) throw std::system_error(EIO, std::generic_category(), path);
    data.resize(size_t(in.gcount()));
    return ParseTitleBlockMap(data);
}

bool TExchangeTextReader::ReadLine(std::string& line) {
    line.clear();
    std::string raw;
    char c;
    bool any = false;
    while (m_in.get(c)) {
        any = true;
        if (c == '\n') break;
        if (c == '\r') {
            if (m_in.peek() == '\n') m_in.get(c);
            break;
        }
        if (raw.size() < MaxExchangeLineLength) raw.push_back(c);
    }
    if (m_in.bad()) throw std::system_error(EIO, std::generic_category(), "exchange text");
    if (!any) return false;
    line = Cp1251ToUtf8(raw);
    return true;
}
