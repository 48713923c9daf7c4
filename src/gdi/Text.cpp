// Text output and measurement of a device context, in the face the font mapper
// matches to the selected logical font.

#include "gdi/DeviceContext.h"
#include "gdi/FontMapper.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <string>
#include <vector>

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

// The text line's direction: cosine and sine of the escapement, counter-clockwise.
struct Direction {
    double cos = 1;
    double sin = 0;
};

Direction directionOf(int32_t escapement) {
    if (escapement == 0) return {};
    const double radians = escapement * std::numbers::pi / 1800.0;
    return {std::cos(radians), std::sin(radians)};
}

// Truncation toward zero, as the reference turns its fractional positions into pixels;
// positions beyond the coordinate range stop at its ends.
int32_t truncated(double v) {
    constexpr double lowest = std::numeric_limits<int32_t>::min();
    constexpr double highest = std::numeric_limits<int32_t>::max();
    return int32_t(std::clamp(std::trunc(v), lowest, highest));
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

    // On a turned line, or with extra spacing, each glyph's pen position is the measured
    // advance before it turned onto the line and cut to whole pixels, so that rounding
    // never piles up. A plain line is measured the same way but its glyphs step by the
    // advances that come with their images (below).
    const Direction dir = directionOf(log.escapement);
    std::vector<Point> pens(chars.size());
    Point width{0, 0};
    int64_t total = 0;
    for (size_t i = 0; i < chars.size(); ++i) {
        pens[i] = width;
        total += font->advance(chars[i]) + m_charExtra;
        width = {truncated(dir.cos * double(total)), truncated(-dir.sin * double(total))};
    }

    switch (m_textAlign & TA_CENTER) { // both horizontal bits
    case TA_CENTER:
        x -= width.x / 2;
        y -= width.y / 2;
        break;
    case TA_RIGHT:
        x -= width.x;
        y -= width.y;
        if (m_textAlign & TA_UPDATECP) m_position = {x, y};
        break;
    default:
        if (m_textAlign & TA_UPDATECP) m_position = {x + width.x, y + width.y};
        break;
    }
    const TextMetrics& tm = font->metrics();
    switch (m_textAlign & TA_BASELINE) { // both vertical bits
    case TA_TOP:
        y = truncated(y + tm.ascent * dir.cos);
        x = truncated(x + tm.ascent * dir.sin);
        break;
    case TA_BOTTOM:
        y = truncated(y - tm.descent * dir.cos);
        x = truncated(x - tm.descent * dir.sin);
        break;
    default:
        break;
    }

    // The background is the upright cell of the line's extent, whatever the escapement;
    // a line running leftwards has none.
    const uint32_t mask = m_bitmap->pixelMask();
    if (m_bkMode == OPAQUE && width.x > 0 && tm.height > 0) {
        const RopMasks bk = ropMasks(R2_COPYPEN, colorToPixel(m_bkColor), mask);
        for (int32_t row = y - tm.ascent; row < y + tm.descent; ++row)
            paintSpan(row, x, x + width.x, bk);
    }

    // Text is copied onto the bitmap: the raster operation of the DC does not apply.
    const uint32_t ink = colorToPixel(m_textColor);
    const std::vector<Rect>& clip = clipRects();
    const bool plain = log.escapement == 0 && m_charExtra == 0;
    int64_t pen = 0;
    for (size_t i = 0; i < chars.size(); ++i) {
        const GlyphImage& image = font->glyph(chars[i], log.escapement);
        const Point at = plain ? Point{truncated(double(x + pen)), y} : Point{x + pens[i].x, y + pens[i].y};
        plotGlyph(*m_bitmap, clip, image, at.x, at.y, ink);
        pen += image.cellAdvance;
    }

    if (log.underline) drawTextLine(font->underline(), {x, y}, width, log.escapement);
    if (log.strikeOut) drawTextLine(font->strikeOut(), {x, y}, width, log.escapement);
    return true;
}

// Underline and strike-out are polygons filled with the text colour under the DC's
// raster operation and fill mode, centred on their position across the line.
void DeviceContext::drawTextLine(const TextLine& line, Point origin, Point width, int32_t escapement) {
    const Direction dir = directionOf(escapement);
    const double offset = line.position + line.thickness / 2;
    Point pts[5];
    pts[0] = {truncated(origin.x - offset * dir.sin), truncated(origin.y - offset * dir.cos)};
    pts[1] = {truncated(origin.x + width.x - offset * dir.sin),
              truncated(origin.y + width.y - offset * dir.cos)};
    pts[2] = {truncated(pts[1].x + line.thickness * dir.sin), truncated(pts[1].y + line.thickness * dir.cos)};
    pts[3] = {truncated(pts[0].x + line.thickness * dir.sin), truncated(pts[0].y + line.thickness * dir.cos)};
    pts[4] = pts[0];
    const PenPtr pen = selectPen(stockNullPen());
    const BrushPtr brush = selectBrush(createSolidBrush(m_textColor));
    polygon(pts, 5);
    selectPen(pen);
    selectBrush(brush);
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
