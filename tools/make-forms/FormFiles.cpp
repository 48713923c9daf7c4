#include "FormFiles.h"

#include "document/Cp1251.h"
#include "document/SketchFiles.h"

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>

namespace forms {

std::vector<uint8_t> encodeTitleBlockMap(const std::vector<FormField>& fields) {
    std::vector<uint8_t> out;
    for (const FormField& field : fields)
        for (uint16_t value : {field.record.Kind, field.record.X, field.record.Y}) {
            out.push_back(uint8_t(value));
            out.push_back(uint8_t(value >> 8));
        }
    return out;
}

void writeBinaryFile(const std::string& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), std::streamsize(bytes.size()));
    out.close();
    if (!out) throw std::runtime_error("cannot write " + path);
}

void writeSheetForm(const SheetForm& form, const std::string& folder) {
    const std::filesystem::path dir(folder);
    SaveSketchImage(form.picture, (dir / form.fileName()).string());
    const std::vector<uint8_t> map = encodeTitleBlockMap(form.fields);
    writeBinaryFile((dir / form.mapFileName()).string(),
                    std::string_view(reinterpret_cast<const char*>(map.data()), map.size()));
}

std::string utf8ToCp1251(std::string_view text) {
    // The code page's own decoding, turned round.
    static const std::map<std::string, char> codes = [] {
        std::map<std::string, char> table;
        for (int code = 0; code < 256; ++code)
            table.emplace(Cp1251ToUtf8(std::string(1, char(code))), char(code));
        return table;
    }();
    std::string out;
    for (size_t at = 0; at < text.size();) {
        const uint8_t lead = uint8_t(text[at]);
        const size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        const auto found = codes.find(std::string(text.substr(at, length)));
        if (found == codes.end())
            throw std::runtime_error("no Windows-1251 code for \"" + std::string(text.substr(at, length)) +
                                     "\"");
        out.push_back(found->second);
        at += length;
    }
    return out;
}

std::vector<std::string> readUtf8Lines(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

std::string exchangeText(const std::vector<std::string>& utf8Lines) {
    std::string out;
    for (const std::string& line : utf8Lines)
        out += utf8ToCp1251(line) + "\r\n";
    return out;
}

size_t utf8Length(std::string_view text) {
    size_t n = 0;
    for (char c : text)
        n += (uint8_t(c) & 0xC0) != 0x80;
    return n;
}

} // namespace forms
