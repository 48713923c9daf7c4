#pragma once
// The pixels of a blit's source rectangle in the kind of the destination bitmap.
// Colour sources reach indexed destinations through the nearest colour-table entry; a
// colour source becomes monochrome as 1 where it shows the source DC's background colour
// and 0 elsewhere; a monochrome source takes the destination DC's text colour for 0 bits
// and its background colour for 1 bits. A source that is the destination bitmap itself is
// read before anything is written.

#include "gdi/Bitmap.h"
#include "gdi/Color.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace gdi {

class SourceRows {
  public:
    SourceRows(const Bitmap& source, const Rect& region, const Bitmap& target, COLORREF sourceBkColor,
               COLORREF targetTextColor, COLORREF targetBkColor);

    const Rect& region() const { return m_region; }
    // The source is of the target's kind and read as it is.
    bool isDirect() const { return m_path == Path::Same; }

    // Pixels x .. x + n - 1 of row y (inside the region), converted, into out. T is
    // uint8_t for indexed targets and uint32_t for 32-bit ones.
    template <class T> void read(int32_t y, int32_t x, int32_t n, T* out);
    // The whole region row y, converted; element i is pixel region().left + i. Valid until
    // the next call.
    template <class T> const T* row(int32_t y);

  private:
    enum class Path { Same, Table, Matcher, MonoKey };

    template <class T> void convert(const Bitmap& bm, int32_t y, int32_t x, int32_t n, T* out);

    const Bitmap* m_source;
    BitmapPtr m_copy;                 // the region, when the source is also the target
    int32_t m_copyX = 0, m_copyY = 0; // where the copy's origin lies in the source
    Rect m_region;
    Path m_path = Path::Same;
    uint32_t m_table[256] = {};
    uint32_t m_monoKey = 0;
    std::optional<ColorMatcher> m_matcher;
    std::vector<uint8_t> m_indexRow;
    std::vector<uint32_t> m_rgbRow;
};

} // namespace gdi
