#include "document/DibHeader.h"

#include "document/Bytes.h"
#include "document/FileErrors.h"
#include "document/SketchBitmap.h"

#include <bit>
#include <string>

uint32_t ColorCountForBits(int bitCount) {
    switch (bitCount) {
    case 1:
        return 2;
    case 4:
        return 16;
    case 8:
        return 256;
    default:
        return 0;
    }
}

namespace {

bool isKnownDepth(int bitCount) {
    return bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 16 || bitCount == 24 ||
           bitCount == 32;
}

void checkCompression(const TDibDescription& d) {
    switch (d.compression) {
    case BI_RGB:
        return;
    case BI_RLE8:
        if (d.bitCount != 8) break;
        return;
    case BI_RLE4:
        if (d.bitCount != 4) break;
        return;
    case BI_BITFIELDS:
    case BI_ALPHABITFIELDS:
        if (d.bitCount != 16 && d.bitCount != 32) break;
        return;
    case BI_JPEG:
    case BI_PNG:
        throw SketchFileError("рисунки со сжатием JPEG или PNG внутри не поддерживаются");
    default:
        throw SketchFileError("неизвестный способ сжатия " + std::to_string(d.compression));
    }
    throw SketchFileError("способ сжатия не подходит к глубине цвета " + std::to_string(d.bitCount));
}

// Each channel one run of bits inside the pixel, no longer than 16 bits, the channels
// apart from each other, and at least one of them present.
bool plausibleMasks(const TDibDescription& d) {
    const uint64_t pixelBits = (uint64_t(1) << d.bitCount) - 1;
    uint32_t seen = 0;
    for (uint32_t mask : {d.redMask, d.greenMask, d.blueMask}) {
        if (mask == 0) continue;
        const uint32_t run = mask >> std::countr_zero(mask);
        if ((run & (run + 1)) != 0 || std::popcount(run) > 16) return false;
        if ((mask & ~pixelBits) != 0 || (mask & seen) != 0) return false;
        seen |= mask;
    }
    return seen != 0;
}

} // namespace

namespace {

// The header fields and where the colour table lies; the table itself is read only when
// asked, so that the size of a whole block can be known from its first bytes.
TDibDescription parse(std::span<const uint8_t> data, std::optional<size_t> tableLimit, bool readTable) {
    if (!bytes::fits(data, 0, 4)) throw SketchFileError("нет заголовка точечного рисунка");
    TDibDescription d;
    d.headerSize = bytes::u32(data, 0);
    const bool core = d.headerSize == 12;
    if (!core && d.headerSize != 40 && d.headerSize != 52 && d.headerSize != 56 && d.headerSize != 108 &&
        d.headerSize != 124)
        throw SketchFileError("неизвестный заголовок точечного рисунка (" + std::to_string(d.headerSize) +
                              " байт)");
    if (!bytes::fits(data, 0, d.headerSize)) throw SketchFileError("файл обрывается в заголовке рисунка");

    uint32_t colorsUsed = 0;
    int64_t height = 0;
    if (core) {
        d.width = bytes::u16(data, 4);
        height = bytes::u16(data, 6);
        d.bitCount = bytes::u16(data, 10);
    } else {
        d.width = bytes::i32(data, 4);
        height = bytes::i32(data, 8);
        d.bitCount = bytes::u16(data, 14);
        d.compression = bytes::u32(data, 16);
        d.sizeImage = bytes::u32(data, 20);
        colorsUsed = bytes::u32(data, 32);
    }
    if (!isKnownDepth(d.bitCount) || (core && (d.bitCount == 16 || d.bitCount == 32)))
        throw SketchFileError("неподдерживаемая глубина цвета: " + std::to_string(d.bitCount) + " бит");
    checkCompression(d);
    const int64_t absHeight = height < 0 ? -height : height;
    if (!IsSaneSketchSize(d.width, absHeight))
        throw SketchFileError("недопустимые размеры рисунка: " + std::to_string(d.width) + " × " +
                              std::to_string(height));
    if (height < 0 && d.isRle()) throw SketchFileError("сжатый рисунок не может храниться сверху вниз");
    d.height = int32_t(height);
    const uint64_t pixelBytes = d.isRle() ? d.sizeImage : uint64_t(d.stride()) * uint64_t(absHeight);
    if (pixelBytes > MaxPixelDataBytes) throw SketchFileError("данных рисунка больше допустимого");

    size_t tableStart = d.headerSize;
    if (d.compression == BI_BITFIELDS || d.compression == BI_ALPHABITFIELDS) {
        // Masks follow a short header; longer headers carry them in their own fields.
        if (d.headerSize == 40) tableStart += d.compression == BI_ALPHABITFIELDS ? 16 : 12;
        if (!bytes::fits(data, 40, 12)) throw SketchFileError("файл обрывается в масках цветов");
        d.redMask = bytes::u32(data, 40);
        d.greenMask = bytes::u32(data, 44);
        d.blueMask = bytes::u32(data, 48);
        if (!plausibleMasks(d)) throw SketchFileError("неверные маски цветов");
    }

    uint32_t count = ColorCountForBits(d.bitCount);
    if (colorsUsed != 0 && colorsUsed < count) count = colorsUsed;
    const size_t entrySize = core ? 3 : 4;
    if (tableLimit && *tableLimit >= tableStart && tableStart + count * entrySize > *tableLimit)
        count = uint32_t((*tableLimit - tableStart) / entrySize);
    d.tableEnd = tableStart + count * entrySize;
    if (!readTable) return d;
    if (!bytes::fits(data, tableStart, count * entrySize))
        throw SketchFileError("файл обрывается в таблице цветов");
    d.colorTable.reserve(count);
    for (uint32_t i = 0; i < count; ++i) {
        const size_t at = tableStart + i * entrySize;
        d.colorTable.push_back(gdi::RGB(data[at + 2], data[at + 1], data[at]));
    }
    return d;
}

} // namespace

TDibDescription ParseDibDescription(std::span<const uint8_t> data, std::optional<size_t> tableLimit) {
    return parse(data, tableLimit, true);
}

size_t ImpliedDibSize(std::span<const uint8_t> data) {
    const TDibDescription d = parse(data, {}, false);
    if (!d.isRle()) return d.tableEnd + d.stride() * size_t(d.absHeight());
    if (d.sizeImage != 0) return d.tableEnd + d.sizeImage;
    // Run-length data at its least efficient: a two-byte run for every pixel, and the
    // end-of-row escapes.
    return d.tableEnd + (size_t(d.width) * 2 + 2) * size_t(d.absHeight()) + 2;
}
