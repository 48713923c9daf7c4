#pragma once
// The description at the front of a device-independent bitmap: information header,
// bit-field masks and colour table. Both sketch file formats and the packed blocks of
// the undo history start with one.

#include "gdi/Types.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

enum TDibCompression : uint32_t {
    BI_RGB = 0,
    BI_RLE8 = 1,
    BI_RLE4 = 2,
    BI_BITFIELDS = 3,
    BI_JPEG = 4,
    BI_PNG = 5,
    BI_ALPHABITFIELDS = 6,
};

// Size of the information header every writer of ours produces.
inline constexpr uint32_t InfoHeaderSize = 40;

struct TDibDescription {
    uint32_t headerSize = 0;
    int32_t width = 0;
    int32_t height = 0; // negative: rows stored top-down
    int bitCount = 0;
    uint32_t compression = BI_RGB;
    uint32_t sizeImage = 0; // as the header gives it
    std::vector<gdi::COLORREF> colorTable;
    uint32_t redMask = 0, greenMask = 0, blueMask = 0; // bit fields; all zero: the default
    size_t tableEnd = 0; // offset of the first byte after header, masks and colour table

    int32_t absHeight() const { return height < 0 ? -height : height; }
    bool topDown() const { return height < 0; }
    bool isRle() const { return compression == BI_RLE4 || compression == BI_RLE8; }
    // Bytes of one uncompressed row, padded to 4 bytes.
    size_t stride() const { return ((size_t(width) * size_t(bitCount) + 31) / 32) * 4; }
};

// Colour-table entries a depth implies: 2, 16, 256, or 0 for direct colour.
uint32_t ColorCountForBits(int bitCount);

// Reads the description at the start of `data`. Everything the header claims is checked
// against the data and against the limits of a sane sketch; anything that does not hold
// throws SketchFileError.
//
// `tableLimit`, when given, is where the pixels begin: a colour table running past it is
// cut short there, as some writers leave out unused entries without saying so.
TDibDescription ParseDibDescription(std::span<const uint8_t> data, std::optional<size_t> tableLimit = {});

// The size of the whole block (description and pixels) that a description implies,
// from the first bytes of the block: the header and any masks after it are enough.
// Throws SketchFileError as ParseDibDescription does.
size_t ImpliedDibSize(std::span<const uint8_t> data);
