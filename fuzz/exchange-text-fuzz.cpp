// Exchange texts: every line comes out as valid UTF-8 of at most 255 characters.
#include "document/TitleBlock.h"

#include <cstdlib>
#include <sstream>

namespace {

bool validUtf8(const std::string& s, size_t& characters) {
    characters = 0;
    for (size_t i = 0; i < s.size(); ++characters) {
        const unsigned char c = s[i];
        const size_t length = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : 0;
        if (length == 0 || i + length > s.size()) return false;
        for (size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(s[i + k]) >> 6) != 2) return false;
        i += length;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    TExchangeTextReader reader(in);
    std::string line;
    for (size_t n = 0; n < MaxTitleBlockRecords && reader.ReadLine(line); ++n) {
        size_t characters = 0;
        if (!validUtf8(line, characters) || characters > MaxExchangeLineLength) std::abort();
    }
    return 0;
}
