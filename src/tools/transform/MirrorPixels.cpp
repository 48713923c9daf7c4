#include "tools/transform/MirrorPixels.h"

#include "tools/base/ToolGeometry.h"

#include <algorithm>
#include <array>

namespace {

constexpr gdi::COLORREF White = 0xFFFFFF;

// Writes pixel values of one bitmap into a DC as its setPixel writes their colours.
// Indexed sources have at most 256 values, so each value's colour, its nearest pixel in
// the DC and the raster masks are worked out before the loop; other sources go through
// setPixel itself.
class TPixelWriter {
  public:
    TPixelWriter(gdi::DeviceContext& dest, const gdi::Bitmap& source) : m_dest(dest), m_source(source) {
        if (!source.isIndexed() || !dest.bitmap()) return;
        m_indexed = true;
        const uint32_t mask = dest.bitmap()->pixelMask();
        for (uint32_t v = 0; v < m_masks.size(); ++v) {
            const gdi::COLORREF colour = source.pixelToColor(v);
            m_white[v] = colour == White;
            m_masks[v] = gdi::ropMasks(dest.rop2(), dest.bitmap()->colorToPixel(colour), mask);
        }
    }

    bool IsWhite(uint32_t value) const {
        return m_indexed ? m_white[value & 0xFF] : m_source.pixelToColor(value) == White;
    }
    void Write(int32_t x, int32_t y, uint32_t value) {
        if (m_indexed)
            m_dest.paintPixel(x, y, m_masks[value & 0xFF]);
        else
            m_dest.setPixel(x, y, m_source.pixelToColor(value));
    }

  private:
    gdi::DeviceContext& m_dest;
    const gdi::Bitmap& m_source;
    bool m_indexed = false;
    std::array<gdi::RopMasks, 256> m_masks{};
    std::array<bool, 256> m_white{};
};

} // namespace

void TurnQuarter(gdi::DeviceContext& dest, const gdi::DeviceContext& copy, gdi::Point at, int32_t size) {
    const gdi::BitmapPtr& source = copy.bitmap();
    if (!source) return;
    size = std::min({size, source->width(), source->height()});
    TPixelWriter writer(dest, *source);
    for (int32_t y = 0; y < size; ++y)
        for (int32_t x = 0; x < size; ++x)
            writer.Write(at.x + size - 1 - y, at.y + x, source->pixel(x, y));
}

void AddMirrorImage(gdi::DeviceContext& dest, const gdi::DeviceContext& copy, gdi::Rect window, gdi::Point a,
                    gdi::Point b) {
    const gdi::BitmapPtr& source = copy.bitmap();
    if (!source) return;
    const int32_t width = std::min(window.width(), source->width());
    const int32_t height = std::min(window.height(), source->height());
    const TReflection reflect(a, b);
    TPixelWriter writer(dest, *source);
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x) {
            const uint32_t value = source->pixel(x, y);
            if (writer.IsWhite(value)) continue;
            const gdi::Point image = reflect({window.left + x, window.top + y});
            writer.Write(image.x, image.y, value);
        }
}
