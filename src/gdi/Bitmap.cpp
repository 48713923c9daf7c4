#include "gdi/Bitmap.h"

#include "gdi/Color.h"

#include <algorithm>
#include <stdexcept>

namespace gdi {

namespace {
uint32_t maskFor(int bpp) {
    switch (bpp) {
    case 1:
        return 0x1;
    case 4:
        return 0xF;
    case 8:
        return 0xFF;
    default:
        return 0xFFFFFF;
    }
}
} // namespace

Bitmap::Bitmap(int32_t width, int32_t height, int bpp, std::vector<COLORREF> colorTable)
    : m_width(width), m_height(height), m_bpp(bpp), m_mask(maskFor(bpp)) {
    const size_t count = size_t(width) * size_t(height);
    if (isIndexed()) {
        m_index.assign(count, 0);
        // A monochrome bitmap made without colours is black and white.
        if (bpp == 1 && colorTable.empty()) colorTable = {0x000000, 0xFFFFFF};
        setColorTable(std::move(colorTable));
    } else {
        m_rgb.assign(count, 0);
    }
}

BitmapPtr Bitmap::create(int32_t width, int32_t height, int bitsPerPixel, std::vector<COLORREF> colorTable) {
    if (width < 0 || height < 0) throw std::invalid_argument("negative bitmap size");
    if (bitsPerPixel != 1 && bitsPerPixel != 4 && bitsPerPixel != 8 && bitsPerPixel != 32)
        throw std::invalid_argument("unsupported bitmap depth");
    return BitmapPtr(new Bitmap(width, height, bitsPerPixel, std::move(colorTable)));
}

BitmapPtr Bitmap::createCompatible(int32_t width, int32_t height) const {
    return create(width, height, m_bpp, m_colorTable);
}

BitmapPtr Bitmap::clone() const {
    return BitmapPtr(new Bitmap(*this));
}

void Bitmap::setColorTable(std::vector<COLORREF> table) {
    if (!isIndexed()) return;
    table.resize(size_t(1) << m_bpp, 0);
    m_colorTable = std::move(table);
}

COLORREF Bitmap::pixelToColor(uint32_t value) const {
    if (isIndexed()) return value < m_colorTable.size() ? m_colorTable[value] : 0;
    return rgbPixelToColor(value);
}

uint32_t Bitmap::colorToPixel(COLORREF color) const {
    if (isIndexed()) return nearestColorIndex(m_colorTable, color & 0xFFFFFF);
    return colorToRgbPixel(color);
}

void Bitmap::fill(uint32_t value) {
    if (isIndexed())
        std::fill(m_index.begin(), m_index.end(), uint8_t(value));
    else
        std::fill(m_rgb.begin(), m_rgb.end(), value);
}

} // namespace gdi
