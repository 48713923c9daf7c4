#include "gdi/DibBits.h"

#include "gdi/Color.h"

#include <algorithm>
#include <optional>

namespace gdi {

namespace {

bool validDepth(int bpp) {
    return bpp == 1 || bpp == 4 || bpp == 8 || bpp == 16 || bpp == 24 || bpp == 32;
}
bool indexedDepth(int bpp) {
    return bpp <= 8;
}

// One colour channel of a bit-field layout.
struct Field {
    int shift = 0;
    int length = 0;
};

Field fieldOf(uint32_t mask) {
    Field f;
    if (!mask) return f;
    while (!(mask & 1)) {
        mask >>= 1;
        ++f.shift;
    }
    while (mask & 1) {
        mask >>= 1;
        ++f.length;
    }
    return f;
}

// Channel layout of the 16- and 32-bit kinds; zero masks mean the default.
struct Fields {
    Field red, green, blue;
};

Fields fieldsOf(const DibFormat& format) {
    uint32_t r = format.redMask, g = format.greenMask, b = format.blueMask;
    if (!r && !g && !b) {
        if (format.bitsPerPixel == 16) {
            r = 0x7C00;
            g = 0x03E0;
            b = 0x001F;
        } else {
            r = 0xFF0000;
            g = 0x00FF00;
            b = 0x0000FF;
        }
    }
    return {fieldOf(r), fieldOf(g), fieldOf(b)};
}

// A channel read from its field, widened to 8 bits by repeating its top bits once below
// it (5 bits abcde become abcdeabc); written back by keeping the top bits of the channel.
int getChannel(uint32_t value, Field f) {
    if (f.length == 0) return 0;
    // A field may be all 32 bits wide; build its mask in 64 bits.
    uint32_t v = (value >> f.shift) & uint32_t((uint64_t(1) << f.length) - 1);
    if (f.length >= 8) return int(v >> (f.length - 8));
    v <<= 8 - f.length;
    return int((v | v >> f.length) & 0xFF);
}

uint32_t putChannel(int channel, Field f) {
    if (f.length == 0) return 0;
    const uint32_t v =
        f.length >= 8 ? uint32_t(channel) << (f.length - 8) : uint32_t(channel) >> (8 - f.length);
    return v << f.shift;
}

uint32_t readValue(const uint8_t* row, int32_t x, int bpp) {
    switch (bpp) {
    case 1:
        return (row[x >> 3] >> (7 - (x & 7))) & 1;
    case 4:
        return (x & 1) ? row[x >> 1] & 0x0F : row[x >> 1] >> 4;
    case 8:
        return row[x];
    case 16:
        return uint32_t(row[2 * x]) | uint32_t(row[2 * x + 1]) << 8;
    case 24:
        return uint32_t(row[3 * x]) | uint32_t(row[3 * x + 1]) << 8 | uint32_t(row[3 * x + 2]) << 16;
    default:
        return uint32_t(row[4 * x]) | uint32_t(row[4 * x + 1]) << 8 | uint32_t(row[4 * x + 2]) << 16 |
               uint32_t(row[4 * x + 3]) << 24;
    }
}

// The raw values of a packed row.
void decodeRow(const uint8_t* row, int bpp, int32_t n, uint32_t* out) {
    switch (bpp) {
    case 8:
        for (int32_t x = 0; x < n; ++x)
            out[x] = row[x];
        return;
    case 24:
        for (int32_t x = 0; x < n; ++x, row += 3)
            out[x] = uint32_t(row[0]) | uint32_t(row[1]) << 8 | uint32_t(row[2]) << 16;
        return;
    case 32:
        for (int32_t x = 0; x < n; ++x, row += 4)
            out[x] =
                uint32_t(row[0]) | uint32_t(row[1]) << 8 | uint32_t(row[2]) << 16 | uint32_t(row[3]) << 24;
        return;
    default:
        for (int32_t x = 0; x < n; ++x)
            out[x] = readValue(row, x, bpp);
    }
}

void writeValue(uint8_t* row, int32_t x, int bpp, uint32_t v) {
    switch (bpp) {
    case 1:
        row[x >> 3] |= uint8_t((v & 1) << (7 - (x & 7)));
        return;
    case 4:
        row[x >> 1] |= uint8_t((x & 1) ? (v & 0x0F) : (v & 0x0F) << 4);
        return;
    case 8:
        row[x] = uint8_t(v);
        return;
    case 16:
        row[2 * x] = uint8_t(v);
        row[2 * x + 1] = uint8_t(v >> 8);
        return;
    case 24:
        row[3 * x] = uint8_t(v);
        row[3 * x + 1] = uint8_t(v >> 8);
        row[3 * x + 2] = uint8_t(v >> 16);
        return;
    default:
        for (int i = 0; i < 4; ++i)
            row[4 * x + i] = uint8_t(v >> (8 * i));
    }
}

// The packed row that holds bitmap row y, or -1 when the format has no such row.
// Bottom-up rows count from the bottom of the bitmap.
int32_t packedRowOf(const DibFormat& format, int32_t bitmapHeight, int32_t y) {
    const int32_t rows = std::min(format.absHeight(), bitmapHeight);
    const int32_t j = format.height < 0 ? y : bitmapHeight - 1 - y;
    return j >= 0 && j < rows ? j : -1;
}

// Whether packed indices can be taken over as they are: same depth, same colours.
bool sameIndices(const Bitmap& bitmap, const DibFormat& format) {
    if (!bitmap.isIndexed() || format.bitsPerPixel != bitmap.bitsPerPixel()) return false;
    std::vector<COLORREF> table = format.colorTable;
    if (table.size() > bitmap.colorTable().size()) return false;
    table.resize(bitmap.colorTable().size(), 0);
    for (COLORREF& c : table)
        c &= 0xFFFFFF;
    return table == bitmap.colorTable();
}

} // namespace

size_t DibFormat::stride() const {
    if (width <= 0 || !validDepth(bitsPerPixel)) return 0;
    return ((size_t(width) * size_t(bitsPerPixel) + 31) / 32) * 4;
}

std::vector<uint8_t> getDibBits(const Bitmap& bitmap, const DibFormat& format) {
    const size_t stride = format.stride();
    if (!stride || format.height == 0) return {};
    const int bpp = format.bitsPerPixel;
    if (indexedDepth(bpp) && (format.colorTable.empty() || format.colorTable.size() > (size_t(1) << bpp)))
        return {};
    std::vector<uint8_t> out(format.imageSize(), 0);
    const bool copyIndices = sameIndices(bitmap, format);
    const Fields fields = fieldsOf(format);
    std::optional<ColorMatcher> matcher;
    if (indexedDepth(bpp) && !copyIndices) matcher.emplace(format.colorTable);
    const int32_t width = std::min(format.width, bitmap.width());
    for (int32_t y = 0; y < bitmap.height(); ++y) {
        const int32_t j = packedRowOf(format, bitmap.height(), y);
        if (j < 0) continue;
        uint8_t* row = out.data() + size_t(j) * stride;
        for (int32_t x = 0; x < width; ++x) {
            const uint32_t pixel = bitmap.pixel(x, y);
            uint32_t v;
            if (copyIndices) {
                v = pixel;
            } else {
                const COLORREF c = bitmap.pixelToColor(pixel);
                if (matcher)
                    v = matcher->nearest(c);
                else if (bpp == 24)
                    v = colorToRgbPixel(c);
                else
                    v = putChannel(GetRValue(c), fields.red) | putChannel(GetGValue(c), fields.green) |
                        putChannel(GetBValue(c), fields.blue);
            }
            writeValue(row, x, bpp, v);
        }
    }
    return out;
}

bool setDibBits(Bitmap& bitmap, const DibFormat& format, std::span<const uint8_t> bits) {
    const size_t stride = format.stride();
    if (!stride || format.height == 0 || bits.size() < format.imageSize()) return false;
    const int bpp = format.bitsPerPixel;
    const bool copyIndices = sameIndices(bitmap, format);
    const Fields fields = fieldsOf(format);
    std::optional<ColorMatcher> matcher;
    if (bitmap.isIndexed() && !copyIndices) matcher.emplace(bitmap.colorTable());
    auto colorOf = [&](uint32_t v) -> COLORREF {
        if (indexedDepth(bpp)) return v < format.colorTable.size() ? format.colorTable[v] & 0xFFFFFF : 0;
        if (bpp == 24) return rgbPixelToColor(v);
        return RGB(getChannel(v, fields.red), getChannel(v, fields.green), getChannel(v, fields.blue));
    };
    const int32_t width = std::min(format.width, bitmap.width());
    std::vector<uint32_t> values(size_t(std::max(width, 0)));
    for (int32_t y = 0; y < bitmap.height(); ++y) {
        const int32_t j = packedRowOf(format, bitmap.height(), y);
        if (j < 0) continue;
        decodeRow(bits.data() + size_t(j) * stride, bpp, width, values.data());
        if (copyIndices) {
            uint8_t* out = bitmap.indexRow(y);
            for (int32_t x = 0; x < width; ++x)
                out[x] = uint8_t(values[x]);
        } else if (matcher) {
            // Neighbouring pixels mostly repeat: reuse the last answer.
            uint8_t* out = bitmap.indexRow(y);
            uint32_t last = values.empty() ? 0 : ~values[0], index = 0;
            for (int32_t x = 0; x < width; ++x) {
                if (values[x] != last) {
                    last = values[x];
                    index = matcher->nearest(colorOf(last));
                }
                out[x] = uint8_t(index);
            }
        } else {
            uint32_t* out = bitmap.rgbRow(y);
            for (int32_t x = 0; x < width; ++x)
                out[x] = colorToRgbPixel(colorOf(values[x]));
        }
    }
    return true;
}

} // namespace gdi
