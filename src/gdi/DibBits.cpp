#include "gdi/DibBits.h"

namespace gdi {

size_t DibFormat::stride() const {
    if (width <= 0) return 0;
    return ((size_t(width) * size_t(bitsPerPixel) + 31) / 32) * 4;
}
std::vector<uint8_t> getDibBits(const Bitmap&, const DibFormat&) {
    return {};
}
bool setDibBits(Bitmap&, const DibFormat&, std::span<const uint8_t>) {
    return false;
}

} // namespace gdi
