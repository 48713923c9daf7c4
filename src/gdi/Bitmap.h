#pragma once
// A device-independent bitmap. Indexed kinds (1, 4 and 8 bits per pixel) keep one byte
// per pixel in memory, whatever their depth, so that drawing never has to pick nibbles
// or bits apart; the 32-bit kind keeps one 0x00RRGGBB word per pixel, as the packed
// DIB layout and screen images order them. The packed layout exists only at the
// boundary (DibBits.h).

#include "gdi/Types.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace gdi {

class Bitmap;
using BitmapPtr = std::shared_ptr<Bitmap>;

class Bitmap {
  public:
    // bitsPerPixel is 1, 4, 8 or 32. Indexed kinds need a colour table of at most
    // 2^bpp entries (a shorter one is padded with black; a 1-bit bitmap without one is
    // black and white). Pixels start at value 0.
    static BitmapPtr create(int32_t width, int32_t height, int bitsPerPixel,
                            std::vector<COLORREF> colorTable = {});
    // A bitmap of the same kind and colour table as this one ("compatible").
    BitmapPtr createCompatible(int32_t width, int32_t height) const;
    BitmapPtr clone() const;

    int32_t width() const { return m_width; }
    int32_t height() const { return m_height; }
    int bitsPerPixel() const { return m_bpp; }
    bool isIndexed() const { return m_bpp <= 8; }
    Rect bounds() const { return {0, 0, m_width, m_height}; }
    const std::vector<COLORREF>& colorTable() const { return m_colorTable; }
    void setColorTable(std::vector<COLORREF> table);

    // The mask of meaningful bits in a pixel value: 0x1, 0xF, 0xFF or 0xFFFFFF.
    uint32_t pixelMask() const { return m_mask; }

    // Pixel values: a colour-table index for indexed kinds, 0x00RRGGBB for 32 bits.
    uint32_t pixel(int32_t x, int32_t y) const {
        return isIndexed() ? m_index[size_t(y) * m_width + x] : m_rgb[size_t(y) * m_width + x];
    }
    void setPixel(int32_t x, int32_t y, uint32_t value) {
        if (isIndexed())
            m_index[size_t(y) * m_width + x] = uint8_t(value);
        else
            m_rgb[size_t(y) * m_width + x] = value;
    }
    uint8_t* indexRow(int32_t y) { return m_index.data() + size_t(y) * m_width; }
    const uint8_t* indexRow(int32_t y) const { return m_index.data() + size_t(y) * m_width; }
    uint32_t* rgbRow(int32_t y) { return m_rgb.data() + size_t(y) * m_width; }
    const uint32_t* rgbRow(int32_t y) const { return m_rgb.data() + size_t(y) * m_width; }

    // Colour of a pixel value, and the pixel value nearest to a colour.
    COLORREF pixelToColor(uint32_t value) const;
    uint32_t colorToPixel(COLORREF color) const;

    void fill(uint32_t value);

  private:
    Bitmap(int32_t width, int32_t height, int bpp, std::vector<COLORREF> colorTable);

    int32_t m_width;
    int32_t m_height;
    int m_bpp;
    uint32_t m_mask;
    std::vector<COLORREF> m_colorTable;
    std::vector<uint8_t> m_index;
    std::vector<uint32_t> m_rgb;
};

} // namespace gdi
