#include "document/PackedDib.h"

#include "document/Bytes.h"
#include "document/FileErrors.h"
#include "document/SketchBitmap.h"
#include "gdi/Color.h"
#include "gdi/DibBits.h"

#include <array>
#include <bit>
#include <cstring>

static_assert(std::endian::native == std::endian::little, "the nibble packing assumes little-endian words");

namespace {

void putInfoHeader(TPackedDib& out, const gdi::Bitmap& bitmap, uint32_t imageSize) {
    bytes::put32(out, InfoHeaderSize);
    bytes::put32(out, uint32_t(bitmap.width()));
    bytes::put32(out, uint32_t(bitmap.height()));
    bytes::put16(out, 1);
    bytes::put16(out, uint16_t(bitmap.bitsPerPixel()));
    bytes::put32(out, BI_RGB);
    bytes::put32(out, imageSize);
    bytes::put32(out, SketchPixelsPerMetre);
    bytes::put32(out, SketchPixelsPerMetre);
    bytes::put32(out, 0);
    bytes::put32(out, 0);
}

void putColorTable(TPackedDib& out, const gdi::Bitmap& bitmap) {
    const uint32_t count = ColorCountForBits(bitmap.bitsPerPixel());
    const auto& table = bitmap.colorTable();
    for (uint32_t i = 0; i < count; ++i) {
        const gdi::COLORREF c = i < table.size() ? table[i] : 0;
        out.push_back(uint8_t(gdi::GetBValue(c)));
        out.push_back(uint8_t(gdi::GetGValue(c)));
        out.push_back(uint8_t(gdi::GetRValue(c)));
        out.push_back(0);
    }
}

// Eight byte-per-pixel values into four bytes of nibbles, first pixel high.
inline uint32_t packEight(const uint8_t* src) {
    uint64_t v;
    std::memcpy(&v, src, 8);
    v &= 0x0F0F0F0F0F0F0F0Full;
    uint64_t r = ((v << 4) & 0x00F000F000F000F0ull) | ((v >> 8) & 0x000F000F000F000Full);
    r = (r | (r >> 8)) & 0x0000FFFF0000FFFFull;
    r = (r | (r >> 16)) & 0xFFFFFFFFull;
    return uint32_t(r);
}

void packNibbleRow(const uint8_t* src, int32_t width, uint8_t* dst) {
    int32_t x = 0;
    for (; x + 8 <= width; x += 8) {
        const uint32_t four = packEight(src + x);
        std::memcpy(dst + x / 2, &four, 4);
    }
    for (; x + 2 <= width; x += 2)
        dst[x / 2] = uint8_t(((src[x] & 0xF) << 4) | (src[x + 1] & 0xF));
    if (x < width) dst[x / 2] = uint8_t((src[x] & 0xF) << 4);
}

// Sketch colour index for every index of a colour table; indices past its end are black.
std::array<uint8_t, 256> sketchIndexMap(const std::vector<gdi::COLORREF>& table) {
    static const std::vector<gdi::COLORREF> sketch = SketchColorTable();
    std::array<uint8_t, 256> map{};
    for (size_t i = 0; i < table.size() && i < map.size(); ++i)
        map[i] = uint8_t(gdi::nearestColorIndex(sketch, table[i]));
    return map;
}

int32_t bitmapRow(const TDibDescription& d, int32_t storedRow) {
    return d.topDown() ? storedRow : d.absHeight() - 1 - storedRow;
}

void unpackNibbles(const TDibDescription& d, std::span<const uint8_t> pixels, gdi::Bitmap& bm) {
    const auto map = sketchIndexMap(d.colorTable);
    // One lookup gives both pixels of a byte, already in memory order.
    std::array<uint16_t, 256> pair;
    for (unsigned b = 0; b < 256; ++b)
        pair[b] = uint16_t(map[b >> 4] | (map[b & 0xF] << 8));
    const size_t stride = d.stride();
    const int32_t width = d.width;
    for (int32_t r = 0; r < d.absHeight(); ++r) {
        const uint8_t* src = pixels.data() + size_t(r) * stride;
        uint8_t* dst = bm.indexRow(bitmapRow(d, r));
        int32_t x = 0;
        for (; x + 2 <= width; x += 2)
            std::memcpy(dst + x, &pair[src[x / 2]], 2);
        if (x < width) dst[x] = map[src[x / 2] >> 4];
    }
}

// Run-length data: runs, escapes for end of row, end of picture, a jump ahead, and
// literal stretches padded to whole 16-bit words. Pixels the data never reaches stay
// black; pixels past the right edge are dropped.
void decodeRle(const TDibDescription& d, std::span<const uint8_t> data, gdi::Bitmap& bm) {
    const auto map = sketchIndexMap(d.colorTable);
    const bool four = d.compression == BI_RLE4;
    const int64_t width = d.width;
    const int64_t height = d.absHeight();
    int64_t x = 0, y = 0;
    auto put = [&](uint8_t value) {
        if (x < width) bm.indexRow(int32_t(height - 1 - y))[x] = map[value];
        ++x;
    };
    size_t i = 0;
    while (y < height && i + 2 <= data.size()) {
        const uint8_t count = data[i];
        const uint8_t value = data[i + 1];
        i += 2;
        if (count > 0) {
            for (unsigned k = 0; k < count && x < width; ++k)
                put(four ? (k & 1 ? value & 0xF : value >> 4) : value);
            continue;
        }
        switch (value) {
        case 0: // end of row
            x = 0;
            ++y;
            break;
        case 1: // end of picture
            return;
        case 2: // jump ahead
            if (i + 2 > data.size()) return;
            x += data[i];
            y += data[i + 1];
            i += 2;
            break;
        default: { // literal pixels
            const size_t length = four ? (value + 1u) / 2 : value;
            if (i + length > data.size()) return;
            for (unsigned k = 0; k < value && x < width; ++k)
                put(four ? (k & 1 ? data[i + k / 2] & 0xF : data[i + k / 2] >> 4) : data[i + k]);
            i += (length + 1) & ~size_t(1);
            break;
        }
        }
    }
}

gdi::DibFormat formatOf(const TDibDescription& d) {
    gdi::DibFormat f;
    f.width = d.width;
    f.height = d.height;
    f.bitsPerPixel = d.bitCount;
    f.colorTable = d.colorTable;
    f.redMask = d.redMask;
    f.greenMask = d.greenMask;
    f.blueMask = d.blueMask;
    return f;
}

} // namespace

TPackedDib PackBitmap(const gdi::BitmapPtr& bitmap) {
    if (!bitmap || bitmap->width() <= 0 || bitmap->height() <= 0) return {};
    const gdi::Bitmap& bm = *bitmap;
    const int32_t width = bm.width();
    const int32_t height = bm.height();
    if (bm.bitsPerPixel() != 4) {
        gdi::DibFormat format;
        format.width = width;
        format.height = height;
        format.bitsPerPixel = bm.bitsPerPixel();
        format.colorTable = bm.colorTable();
        std::vector<uint8_t> pixels = gdi::getDibBits(bm, format);
        if (pixels.size() != format.imageSize()) return {};
        TPackedDib block;
        putInfoHeader(block, bm, uint32_t(pixels.size()));
        putColorTable(block, bm);
        block.insert(block.end(), pixels.begin(), pixels.end());
        return block;
    }
    const size_t stride = ((size_t(width) * 4 + 31) / 32) * 4;
    const size_t imageSize = stride * size_t(height);
    TPackedDib block;
    block.reserve(InfoHeaderSize + 16 * 4 + imageSize);
    putInfoHeader(block, bm, uint32_t(imageSize));
    putColorTable(block, bm);
    const size_t pixelsAt = block.size();
    block.resize(pixelsAt + imageSize);
    for (int32_t r = 0; r < height; ++r)
        packNibbleRow(bm.indexRow(height - 1 - r), width, block.data() + pixelsAt + size_t(r) * stride);
    return block;
}

gdi::BitmapPtr DibToSketch(const TDibDescription& d, std::span<const uint8_t> pixels) {
    if (d.isRle()) {
        if (d.sizeImage > pixels.size())
            throw SketchFileError("сжатых данных меньше, чем указано в заголовке");
        if (d.sizeImage != 0) pixels = pixels.first(d.sizeImage);
    } else if (pixels.size() / d.stride() < size_t(d.absHeight())) {
        throw SketchFileError("точек в файле меньше, чем указано в заголовке");
    }
    gdi::BitmapPtr bitmap = CreateSketchDib(d.width, d.absHeight());
    if (!bitmap) throw SketchFileError("не хватает памяти для рисунка");
    if (d.isRle())
        decodeRle(d, pixels, *bitmap);
    else if (d.bitCount == 4)
        unpackNibbles(d, pixels, *bitmap);
    else if (!gdi::setDibBits(*bitmap, formatOf(d), pixels))
        throw SketchFileError("точки рисунка не удалось преобразовать");
    return bitmap;
}

gdi::BitmapPtr UnpackBitmapOrThrow(std::span<const uint8_t> block) {
    const TDibDescription d = ParseDibDescription(block);
    return DibToSketch(d, block.subspan(d.tableEnd));
}

gdi::BitmapPtr UnpackBitmap(std::span<const uint8_t> block) {
    if (block.empty()) return nullptr;
    try {
        return UnpackBitmapOrThrow(block);
    } catch (const SketchFileError&) {
        return nullptr;
    }
}
