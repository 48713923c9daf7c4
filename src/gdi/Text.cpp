// Text output and measurement of a device context, in the face the font mapper
// matches to the selected logical font.

#include "gdi/DeviceContext.h"
#include "gdi/FontMapper.h"

#include <cmath>
#include <numbers>
#include <string>

namespace gdi {

FontPtr createFontIndirect(const LogFont& log) {
    return std::make_shared<const Font>(log);
}

FontPtr stockSystemFont() {
    // The system font: a bold sans face with a 16-pixel cell.
    static const FontPtr font = [] {
        LogFont log;
        log.height = 16;
        log.weight = FW_BOLD;
        log.faceName = "System";
        return createFontIndirect(log);
    }();
    return font;
}

namespace {

constexpr uint8_t DEFAULT_CHARSET = 1;

// Malformed sequences become U+FFFD, one per offending byte.
std::u32string decodeUtf8(std::string_view s) {
    std::u32string out;
    out.reserve(s.size());
    size_t i = 0;
    while (i < s.size()) {
        const auto b = static_cast<unsigned char>(s[i]);
        int extra = b < 0x80             ? 0
                    : (b & 0xE0) == 0xC0 ? 1
                    : (b & 0xF0) == 0xE0 ? 2
                    : (b & 0xF8) == 0xF0 ? 3
                                         : -1;
        char32_t c = extra == 0 ? b : extra == 1 ? (b & 0x1F) : extra == 2 ? (b & 0x0F) : (b & 0x07);
        bool ok = extra >= 0 && i + extra < s.size();
        for (int k = 1; ok && k <= extra; ++k) {
            const auto cb = static_cast<unsigned char>(s[i + k]);
            ok = (cb & 0xC0) == 0x80;
            c = (c << 6) | (cb & 0x3F);
        }
        static constexpr char32_t minimum[] = {0, 0x80, 0x800, 0x10000};
        if (ok && (c < minimum[extra] || c > 0x10FFFF || (c >= 0xD800 && c < 0xE000))) ok = false;
        if (!ok) {
            out += U'\uFFFD';
            ++i;
            continue;
        }
        out += c;
        i += size_t(extra) + 1;
    }
    return out;
}

// Direction of the text line and the "up" of its glyphs on the bitmap (y down), for an
// escapement in tenths of a degree counter-clockwise.
struct Direction {
    double cos = 1;
    double sin = 0;
    int32_t angle = 0; // normalised to [0, 3600)
};

Direction directionOf(int32_t escapement) {
    Direction d;
    d.angle = ((escapement % 3600) + 3600) % 3600;
    if (d.angle % 900 == 0) {
        static constexpr double quarterCos[] = {1, 0, -1, 0};
        static constexpr double quarterSin[] = {0, 1, 0, -1};
        d.cos = quarterCos[d.angle / 900];
        d.sin = quarterSin[d.angle / 900];
    } else {
        const double radians = d.angle * std::numbers::pi / 1800.0;
        d.cos = std::cos(radians);
        d.sin = std::sin(radians);
    }
    return d;
}

struct PointF {
    double x;
    double y;
};

// Fills a convex polygon: pixels whose centres lie inside, the right and bottom edges
// excluded, so that a polygon on whole-pixel corners fills exactly the rectangle.
void fillConvex(DeviceContext& dc, const PointF* pts, int count, const RopMasks& masks) {
    double minY = pts[0].y, maxY = pts[0].y;
    for (int i = 1; i < count; ++i) {
        minY = std::min(minY, pts[i].y);
        maxY = std::max(maxY, pts[i].y);
    }
    const auto firstRow = int32_t(std::ceil(minY - 0.5));
    const auto endRow = int32_t(std::ceil(maxY - 0.5));
    for (int32_t row = firstRow; row < endRow; ++row) {
        const double yc = row + 0.5;
        double left = HUGE_VAL, right = -HUGE_VAL;
        for (int i = 0; i < count; ++i) {
            const PointF& p = pts[i];
            const PointF& q = pts[(i + 1) % count];
            if ((p.y <= yc && yc < q.y) || (q.y <= yc && yc < p.y)) {
                const double x = p.x + (yc - p.y) * (q.x - p.x) / (q.y - p.y);
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
        if (left < right)
            dc.paintSpan(row, int32_t(std::ceil(left - 0.5)), int32_t(std::ceil(right - 0.5)), masks);
    }
}

// The band between two offsets above the baseline (below when negative), along the
// line from the baseline origin for the given length.
void fillBand(DeviceContext& dc, PointF origin, const Direction& dir, double length, double above,
              double below, const RopMasks& masks) {
    // Along the line: (cos, -sin); up from it: (-sin, -cos).
    auto at = [&](double along, double up) {
        return PointF{origin.x + dir.cos * along - dir.sin * up, origin.y - dir.sin * along - dir.cos * up};
    };
    const PointF quad[4] = {at(0, above), at(length, above), at(length, below), at(0, below)};
    fillConvex(dc, quad, 4, masks);
}

void plotGlyph(Bitmap& bitmap, const std::vector<Rect>& clip, const GlyphImage& glyph, int32_t ox, int32_t oy,
               uint32_t value) {
    if (glyph.spans.empty()) return;
    const Rect box{ox + glyph.left, oy + glyph.top, ox + glyph.right, oy + glyph.bottom};
    for (const Rect& c : clip) {
        if (c.top >= box.bottom) break; // banded: nothing further down reaches the glyph
        if (c.bottom <= box.top || c.right <= box.left || c.left >= box.right) continue;
        for (const GlyphSpan& span : glyph.spans) {
            const int32_t y = oy + span.dy;
            if (y < c.top) continue;
            if (y >= c.bottom) break;
            const int32_t a = std::max(ox + span.x1, c.left);
            const int32_t b = std::min(ox + span.x2, c.right);
            if (a >= b) continue;
            if (bitmap.isIndexed()) {
                uint8_t* row = bitmap.indexRow(y);
                std::fill(row + a, row + b, uint8_t(value));
            } else {
                uint32_t* row = bitmap.rgbRow(y);
                std::fill(row + a, row + b, value);
            }
        }
    }
}

} // namespace

bool DeviceContext::textOut(int32_t x, int32_t y, std::string_view text) {
    if (!m_bitmap || !m_font) return false;
    const LogFont& log = m_font->log();
    const std::shared_ptr<FontInstance> font = FontMapper::instance().instanceFor(log);
    if (!font) return false;
    const std::u32string chars = decodeUtf8(text);
    if (chars.empty()) return true;

    if (m_textAlign & TA_UPDATECP) {
        x = m_position.x;
        y = m_position.y;
    }

    // Pen positions along the unturned line; each glyph sits on the turned one.
    std::vector<int32_t> offsets(chars.size());
    int32_t total = 0;
    for (size_t i = 0; i < chars.size(); ++i) {
        offsets[i] = total;
        total += font->advance(chars[i]) + m_charExtra;
    }
    const Direction dir = directionOf(log.escapement);
    const int32_t widthX = int32_t(std::lround(dir.cos * total));
    const int32_t widthY = int32_t(std::lround(-dir.sin * total));

    switch (m_textAlign & TA_CENTER) { // both horizontal bits
    case TA_CENTER:
        x -= widthX / 2;
        y -= widthY / 2;
        break;
    case TA_RIGHT:
        x -= widthX;
        y -= widthY;
        if (m_textAlign & TA_UPDATECP) m_position = {x, y};
        break;
    default:
        if (m_textAlign & TA_UPDATECP) m_position = {x + widthX, y + widthY};
        break;
    }
    const TextMetrics& tm = font->metrics();
    switch (m_textAlign & TA_BASELINE) { // both vertical bits
    case TA_TOP:
        x += int32_t(std::lround(tm.ascent * dir.sin));
        y += int32_t(std::lround(tm.ascent * dir.cos));
        break;
    case TA_BOTTOM:
        x -= int32_t(std::lround(tm.descent * dir.sin));
        y -= int32_t(std::lround(tm.descent * dir.cos));
        break;
    default:
        break;
    }

    // Text is copied onto the bitmap: the raster operation of the DC does not apply.
    const uint32_t mask = m_bitmap->pixelMask();
    const PointF origin{double(x), double(y)};
    if (m_bkMode == OPAQUE)
        fillBand(*this, origin, dir, total, tm.ascent, -tm.descent,
                 ropMasks(R2_COPYPEN, colorToPixel(m_bkColor), mask));

    const uint32_t ink = colorToPixel(m_textColor);
    const std::vector<Rect>& clip = clipRects();
    for (size_t i = 0; i < chars.size(); ++i) {
        const int32_t ox = x + int32_t(std::lround(dir.cos * offsets[i]));
        const int32_t oy = y - int32_t(std::lround(dir.sin * offsets[i]));
        plotGlyph(*m_bitmap, clip, font->glyph(chars[i], dir.angle), ox, oy, ink);
    }

    // Underline and strike-out are bands of their thickness about their position.
    auto drawLine = [&](const TextLine& line) {
        const int32_t top = line.position + line.thickness / 2;
        fillBand(*this, origin, dir, total, top, top - line.thickness, ropMasks(R2_COPYPEN, ink, mask));
    };
    if (log.underline) drawLine(font->underline());
    if (log.strikeOut) drawLine(font->strikeOut());
    return true;
}

Size DeviceContext::textExtent(std::string_view text) const {
    if (!m_font) return {};
    const std::shared_ptr<FontInstance> font = FontMapper::instance().instanceFor(m_font->log());
    if (!font) return {};
    int32_t width = 0;
    for (char32_t c : decodeUtf8(text))
        width += font->advance(c) + m_charExtra;
    return {width, font->metrics().height};
}

TextMetrics DeviceContext::textMetrics() const {
    if (!m_font) return {};
    const LogFont& log = m_font->log();
    const std::shared_ptr<FontInstance> font = FontMapper::instance().instanceFor(log);
    if (!font) return {};
    TextMetrics tm = font->metrics();
    tm.underlined = log.underline;
    tm.charSet = log.charSet == DEFAULT_CHARSET ? font->defaultCharSet() : log.charSet;
    return tm;
}

} // namespace gdi
