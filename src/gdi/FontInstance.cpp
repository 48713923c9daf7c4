#include "gdi/FontInstance.h"

#include FT_OUTLINE_H
#include FT_SIZES_H
#include FT_TRUETYPE_TABLES_H
#include FT_FONT_FORMATS_H

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <string_view>

namespace gdi {

namespace {

// Keeps the image cache of one size within bounds when text is drawn at many angles.
constexpr size_t kMaxCachedGlyphs = 8192;
// The largest em and cell drawn; a glyph image of this size is a few megabytes.
constexpr int32_t kMaxPixels = 8192;

// Pitch and family bits of text metrics. The fixed-pitch bit is set for variable-pitch
// fonts: the interface names it the wrong way round.
constexpr uint8_t TMPF_FIXED_PITCH = 0x01;
constexpr uint8_t TMPF_VECTOR = 0x02;
constexpr uint8_t TMPF_TRUETYPE = 0x04;
constexpr uint8_t TMPF_DEVICE = 0x08;
constexpr uint8_t FF_ROMAN = 0x10;
constexpr uint8_t FF_SWISS = 0x20;
constexpr uint8_t FF_MODERN = 0x30;
constexpr uint8_t FF_SCRIPT = 0x40;
constexpr uint8_t FF_DECORATIVE = 0x50;
constexpr uint8_t ANSI_CHARSET = 0;
constexpr uint8_t SYMBOL_CHARSET = 2;
constexpr uint8_t RUSSIAN_CHARSET = 204;

int32_t mulDiv(int64_t a, int64_t b, int64_t c) {
    if (c == 0) return 0;
    const int64_t p = a * b;
    return int32_t((p >= 0) == (c > 0) ? (p + std::abs(c) / 2) / c : (p - std::abs(c) / 2) / c);
}

uint8_t pitchAndFamily(FT_Face face, const TT_OS2* os2, bool fixedPitch) {
    uint8_t bits = fixedPitch ? 0 : TMPF_FIXED_PITCH;
    const uint8_t familyType = os2 && os2->version != 0xFFFF ? os2->panose[0] : 0;
    const uint8_t serifStyle = os2 && os2->version != 0xFFFF ? os2->panose[1] : 0;
    if (familyType == 3)
        bits |= FF_SCRIPT;
    else if (familyType == 4)
        bits |= FF_DECORATIVE;
    else if (fixedPitch)
        bits |= FF_MODERN;
    else if (serifStyle >= 2 && serifStyle <= 10)
        bits |= FF_ROMAN;
    else if (serifStyle >= 11 && serifStyle <= 15)
        bits |= FF_SWISS;
    bits |= TMPF_VECTOR;
    const char* format = FT_Get_Font_Format(face);
    bits |= format && std::string_view(format) == "CFF" ? TMPF_DEVICE : TMPF_TRUETYPE;
    return bits;
}

} // namespace

std::shared_ptr<FontInstance> FontInstance::create(std::shared_ptr<FontFace> face,
                                                   const FaceDescription& description,
                                                   const FontInstanceSpec& spec) {
    if (!face) return nullptr;
    FT_Size size = nullptr;
    if (FT_New_Size(face->handle(), &size) != 0) return nullptr;
    std::shared_ptr<FontInstance> instance(new FontInstance(std::move(face), size));
    if (!instance->setUp(description, spec)) return nullptr;
    return instance;
}

FontInstance::FontInstance(std::shared_ptr<FontFace> face, FT_Size size)
    : m_face(std::move(face)), m_size(size) {}

FontInstance::~FontInstance() {
    FT_Done_Size(m_size);
}

bool FontInstance::setUp(const FaceDescription& description, const FontInstanceSpec& spec) {
    FT_Face face = m_face->handle();
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    const auto* hhea = static_cast<const TT_HoriHeader*>(FT_Get_Sfnt_Table(face, FT_SFNT_HHEA));
    const auto* post = static_cast<const TT_Postscript*>(FT_Get_Sfnt_Table(face, FT_SFNT_POST));
    const int32_t unitsPerEm = face->units_per_EM ? face->units_per_EM : 2048;

    // The cell is the one the platform uses: winAscent over winDescent when the face has
    // them (some tools store the descent negated), else the horizontal header's.
    int32_t faceAscent = 0, faceDescent = 0;
    if (os2 && os2->version != 0xFFFF) {
        faceAscent = os2->usWinAscent;
        faceDescent = std::abs(int16_t(os2->usWinDescent));
    }
    if (faceAscent + faceDescent == 0) {
        faceAscent = hhea ? hhea->Ascender : face->ascender;
        faceDescent = hhea ? -hhea->Descender : -face->descender;
    }
    if (faceAscent + faceDescent <= 0) {
        faceAscent = unitsPerEm;
        faceDescent = 0;
    }

    // Negative heights ask for the em, positive ones for the whole cell; nothing asks
    // for the default cell. Absurd sizes are cut down to what memory can hold.
    const int32_t height = spec.height == 0 ? 16 : std::clamp(spec.height, -kMaxPixels, kMaxPixels);
    int32_t ascent, descent;
    if (height > 0) {
        m_ppem = mulDiv(unitsPerEm, height, faceAscent + faceDescent);
        ascent = mulDiv(faceAscent, height, faceAscent + faceDescent);
        descent = height - ascent;
    } else {
        m_ppem = -height;
        ascent = mulDiv(faceAscent, m_ppem, unitsPerEm);
        descent = mulDiv(faceDescent, m_ppem, unitsPerEm);
    }
    m_ppem = std::clamp(m_ppem, 1, kMaxPixels);

    const int32_t avgWidthUnits = os2 && os2->version != 0xFFFF ? os2->xAvgCharWidth : 0;
    int32_t xPpem = m_ppem;
    // A width asks for that average character width, the face stretched to it.
    if (spec.width != 0 && avgWidthUnits > 0)
        xPpem = std::clamp(mulDiv(std::abs(int64_t(spec.width)), unitsPerEm, avgWidthUnits), 1, kMaxPixels);

    FT_Activate_Size(m_size);
    if (FT_Set_Pixel_Sizes(face, FT_UInt(xPpem), FT_UInt(m_ppem)) != 0) return false;

    auto scaleY = [&](int32_t v) { return mulDiv(v, m_ppem, unitsPerEm); };
    auto scaleX = [&](int32_t v) { return mulDiv(v, xPpem, unitsPerEm); };

    m_fakeBold = spec.bold && !description.bold;
    m_fakeItalic = spec.italic && !description.italic;

    TextMetrics& tm = m_metrics;
    tm.ascent = ascent;
    tm.descent = descent;
    tm.height = ascent + descent;
    tm.internalLeading = tm.height - m_ppem;
    if (hhea) {
        const int32_t hheaHeight = hhea->Ascender - hhea->Descender;
        tm.externalLeading = std::max(0, scaleY(hhea->Line_Gap - ((faceAscent + faceDescent) - hheaHeight)));
    }
    tm.aveCharWidth = std::max(1, scaleX(avgWidthUnits));
    tm.maxCharWidth = std::max(1, scaleX(int32_t(face->bbox.xMax - face->bbox.xMin)));
    tm.weight = m_fakeBold ? FW_BOLD : description.weight;
    tm.italic = description.italic || m_fakeItalic;
    tm.pitchAndFamily = pitchAndFamily(face, os2, description.fixedPitch);
    // Code page 1251 in the face's code page ranges.
    m_defaultCharSet =
        os2 && os2->version != 0xFFFF && (os2->ulCodePageRange1 & 0x4) ? RUSSIAN_CHARSET : ANSI_CHARSET;

    if (post && post->underlineThickness > 0) {
        m_underline = {scaleY(post->underlinePosition), std::max(1, scaleY(post->underlineThickness))};
    } else {
        m_underline = {0, ascent / 20 + 1};
    }
    if (os2 && os2->version != 0xFFFF && os2->yStrikeoutSize > 0)
        m_strikeOut = {scaleY(os2->yStrikeoutPosition), std::max(1, scaleY(os2->yStrikeoutSize))};
    else
        m_strikeOut = {ascent / 2, m_underline.thickness};

    // Symbol fonts map their characters into the private area at U+F000.
    if (!face->charmap) {
        for (int i = 0; i < face->num_charmaps; ++i) {
            if (face->charmaps[i]->encoding == FT_ENCODING_MS_SYMBOL) {
                FT_Set_Charmap(face, face->charmaps[i]);
                m_symbolMap = true;
                break;
            }
        }
    } else {
        m_symbolMap = face->charmap->encoding == FT_ENCODING_MS_SYMBOL;
    }
    if (m_symbolMap) m_defaultCharSet = SYMBOL_CHARSET;
    return true;
}

FT_UInt FontInstance::glyphIndex(char32_t c) const {
    FT_Face face = m_face->handle();
    FT_UInt index = FT_Get_Char_Index(face, c);
    if (index == 0 && m_symbolMap && c < 0x100) index = FT_Get_Char_Index(face, 0xF000 + c);
    return index;
}

const FontInstance::CharEntry& FontInstance::charEntry(char32_t c) {
    if (auto it = m_chars.find(c); it != m_chars.end()) return it->second;
    CharEntry entry;
    entry.glyphIndex = glyphIndex(c);
    FT_Face face = m_face->handle();
    FT_Activate_Size(m_size);
    FT_Set_Transform(face, nullptr, nullptr);
    if (FT_Load_Glyph(face, entry.glyphIndex, FT_LOAD_TARGET_MONO | FT_LOAD_NO_BITMAP) == 0)
        entry.advance = int32_t((face->glyph->advance.x + 32) >> 6);
    // Synthesised bold widens every stroke by about a pixel; the advance grows with it.
    if (m_fakeBold) entry.advance += 1;
    return m_chars.emplace(c, entry).first->second;
}

int32_t FontInstance::advance(char32_t c) {
    return charEntry(c).advance;
}

const GlyphImage& FontInstance::glyph(char32_t c, int32_t angle) {
    const FT_UInt index = charEntry(c).glyphIndex;
    const uint64_t key = uint64_t(uint32_t(angle)) << 32 | index;
    if (auto it = m_glyphs.find(key); it != m_glyphs.end()) return it->second;
    if (m_glyphs.size() >= kMaxCachedGlyphs) m_glyphs.clear();
    return m_glyphs.emplace(key, render(index, angle)).first->second;
}

GlyphImage FontInstance::render(FT_UInt glyphIndex, int32_t angle) {
    GlyphImage image;
    FT_Face face = m_face->handle();
    FT_Activate_Size(m_size);

    // Slant first (a quarter of the height, as synthesised italics lean), then turn.
    double xx = 1, xy = m_fakeItalic ? 0.25 : 0, yx = 0, yy = 1;
    if (angle != 0) {
        const double radians = angle * std::numbers::pi / 1800.0;
        double c = std::cos(radians), s = std::sin(radians);
        if (angle % 900 == 0) { // exact quarter turns, free of rounding noise
            c = std::round(c);
            s = std::round(s);
        }
        const double nxx = c * xx - s * yx, nxy = c * xy - s * yy;
        const double nyx = s * xx + c * yx, nyy = s * xy + c * yy;
        xx = nxx, xy = nxy, yx = nyx, yy = nyy;
    }
    const bool transformed = angle != 0 || m_fakeItalic;
    FT_Matrix matrix{FT_Fixed(std::lround(xx * 65536)), FT_Fixed(std::lround(xy * 65536)),
                     FT_Fixed(std::lround(yx * 65536)), FT_Fixed(std::lround(yy * 65536))};
    FT_Set_Transform(face, transformed ? &matrix : nullptr, nullptr);
    const FT_Error loaded = FT_Load_Glyph(face, glyphIndex, FT_LOAD_TARGET_MONO | FT_LOAD_NO_BITMAP);
    FT_Set_Transform(face, nullptr, nullptr);
    if (loaded != 0) return image;

    FT_GlyphSlot slot = face->glyph;
    if (m_fakeBold && slot->format == FT_GLYPH_FORMAT_OUTLINE) {
        // A pixel at text sizes, more for large text, as the platform thickens strokes.
        const FT_Pos strength = std::max<FT_Pos>(64, FT_Pos(m_ppem) * 64 / 24);
        FT_Outline_Embolden(&slot->outline, strength);
    }
    if (FT_Render_Glyph(slot, FT_RENDER_MODE_MONO) != 0) return image;

    const FT_Bitmap& bm = slot->bitmap;
    if (bm.pixel_mode != FT_PIXEL_MODE_MONO) return image;
    bool any = false;
    for (unsigned row = 0; row < bm.rows; ++row) {
        const unsigned char* bits = bm.buffer + ptrdiff_t(row) * bm.pitch;
        const int32_t dy = int32_t(row) - slot->bitmap_top;
        unsigned x = 0;
        while (x < bm.width) {
            if (!(bits[x >> 3] & (0x80 >> (x & 7)))) {
                ++x;
                continue;
            }
            const unsigned start = x;
            while (x < bm.width && (bits[x >> 3] & (0x80 >> (x & 7))))
                ++x;
            const int32_t x1 = slot->bitmap_left + int32_t(start);
            const int32_t x2 = slot->bitmap_left + int32_t(x);
            image.spans.push_back({dy, x1, x2});
            if (!any) {
                image.left = x1, image.right = x2, image.top = dy, image.bottom = dy + 1;
                any = true;
            } else {
                image.left = std::min(image.left, x1);
                image.right = std::max(image.right, x2);
                image.bottom = dy + 1;
            }
        }
    }
    return image;
}

} // namespace gdi
