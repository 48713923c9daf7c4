#include "gdi/FontInstance.h"

#include FT_OUTLINE_H
#include FT_SIZES_H
#include FT_TRUETYPE_TABLES_H
#include FT_FONT_FORMATS_H
#include FT_GLYPH_H
#include FT_TRIGONOMETRY_H

#include <algorithm>
#include <cmath>
#include <cstdlib>
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
                                                   const FontRequest& request) {
    if (!face) return nullptr;
    FT_Size size = nullptr;
    if (FT_New_Size(face->handle(), &size) != 0) return nullptr;
    std::shared_ptr<FontInstance> instance(new FontInstance(std::move(face), size));
    if (!instance->setUp(description, request)) return nullptr;
    return instance;
}

FontInstance::FontInstance(std::shared_ptr<FontFace> face, FT_Size size)
    : m_face(std::move(face)), m_size(size) {}

FontInstance::~FontInstance() {
    FT_Done_Size(m_size);
}

bool FontInstance::setUp(const FaceDescription& description, const FontRequest& request) {
    FT_Face face = m_face->handle();
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    const auto* hhea = static_cast<const TT_HoriHeader*>(FT_Get_Sfnt_Table(face, FT_SFNT_HHEA));
    const auto* post = static_cast<const TT_Postscript*>(FT_Get_Sfnt_Table(face, FT_SFNT_POST));
    const bool hasOs2 = os2 && os2->version != 0xFFFF;
    const int32_t unitsPerEm = face->units_per_EM ? face->units_per_EM : 2048;

    // The cell is the one the platform uses: winAscent over winDescent when the face has
    // them (some tools store the descent negated), else the horizontal header's.
    int32_t faceAscent = 0, faceDescent = 0;
    if (hasOs2) {
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

    // Negative heights ask for the em, positive ones for the whole cell, which may come
    // out a pixel short but never taller; nothing asks for the default cell. Absurd
    // sizes are cut down to what memory can hold.
    const int32_t height = request.height == 0 ? 16 : std::clamp(request.height, -kMaxPixels, kMaxPixels);
    const int32_t cellUnits = faceAscent + faceDescent;
    if (height > 0) {
        m_ppem = int32_t(FT_MulDiv(unitsPerEm, height, cellUnits));
        if (m_ppem > 1 && FT_MulDiv(cellUnits, m_ppem, unitsPerEm) > height) --m_ppem;
    } else {
        m_ppem = -height;
    }
    m_ppem = std::clamp(m_ppem, 1, kMaxPixels);

    FT_Activate_Size(m_size);
    if (FT_Set_Pixel_Sizes(face, 0, FT_UInt(m_ppem)) != 0) return false;

    // Every metric is the design value scaled by one 16.16 factor, rounded.
    const FT_Fixed emScale = FT_MulDiv(m_ppem, 1 << 16, unitsPerEm);
    auto scale = [&](int32_t v) { return int32_t(FT_MulFix(v, emScale)); };

    m_fakeBold = request.bold && !description.bold;
    m_fakeItalic = request.italic && !description.italic;

    TextMetrics& tm = m_metrics;
    tm.ascent = scale(faceAscent);
    tm.descent = scale(faceDescent);
    tm.height = tm.ascent + tm.descent;
    tm.internalLeading = scale(cellUnits - unitsPerEm);
    if (hhea)
        tm.externalLeading =
            std::max(0, scale(hhea->Line_Gap - (cellUnits - (hhea->Ascender - hhea->Descender))));
    m_avgWidthUnits = hasOs2 ? os2->xAvgCharWidth : 0;
    tm.aveCharWidth = std::max(1, scale(m_avgWidthUnits));
    tm.maxCharWidth = scale(int32_t(face->bbox.xMax - face->bbox.xMin));
    tm.weight = FW_NORMAL;
    if (m_fakeBold) {
        // Thickened strokes widen every glyph by a pixel.
        tm.weight = FW_BOLD;
        ++tm.aveCharWidth;
        ++tm.maxCharWidth;
    } else if (hasOs2 && (description.bold ? os2->usWeightClass > 500 : os2->usWeightClass <= 500)) {
        tm.weight = os2->usWeightClass;
    }
    tm.italic = description.italic || m_fakeItalic;
    tm.pitchAndFamily = pitchAndFamily(face, os2, description.fixedPitch);
    m_emScale = emScale;
    // Code page 1251 in the face's code page ranges.
    m_defaultCharSet = hasOs2 && (os2->ulCodePageRange1 & 0x4) ? RUSSIAN_CHARSET : ANSI_CHARSET;

    // A width asks for that average character width: the outline is stretched to it.
    if (request.width != 0) {
        m_widthRatio = double(std::abs(request.width)) / double(std::max(1, scale(m_avgWidthUnits)));
        tm.aveCharWidth = int32_t(std::floor(tm.aveCharWidth * m_widthRatio + 0.5));
        tm.maxCharWidth = int32_t(std::floor(tm.maxCharWidth * m_widthRatio + 0.5));
    }

    // Line thicknesses are at least a pixel; positions keep their sign (up from the
    // baseline).
    auto thickness = [&](int32_t units) {
        const int32_t t = scale(units);
        return t == 0 ? 1 : std::abs(t);
    };
    if (post)
        m_underline = {scale(post->underlinePosition), thickness(post->underlineThickness)};
    else
        m_underline = {0, 1};
    if (hasOs2)
        m_strikeOut = {scale(os2->yStrikeoutPosition), thickness(os2->yStrikeoutSize)};
    else
        m_strikeOut = {tm.ascent / 2, tm.ascent / 20 + 1};

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
    // A symbol font's own area comes first; old fonts keep their symbols at the codes
    // themselves.
    if (m_symbolMap && c < 0x100) {
        if (const FT_UInt index = FT_Get_Char_Index(face, 0xF000 + c)) return index;
    }
    return FT_Get_Char_Index(face, c);
}

// The plain matrix of the font (stretch to the asked width, then the slant of a
// synthesised italic), with the turn by angle tenths of a degree after it when asked.
FT_Matrix FontInstance::matrix(int32_t angle) const {
    FT_Matrix m{1 << 16, 0, 0, 1 << 16};
    if (m_widthRatio != 1.0) {
        const FT_Matrix stretch{FT_Fixed(m_widthRatio * 65536), 0, 0, 1 << 16};
        FT_Matrix_Multiply(&stretch, &m);
    }
    if (m_fakeItalic) {
        const FT_Matrix slant{1 << 16, (1 << 16) >> 2, 0, 1 << 16};
        FT_Matrix_Multiply(&slant, &m);
    }
    if (angle % 3600 != 0) {
        // FreeType's own unit vector, not the library's sine and cosine: the turned
        // outlines must land on the same 26.6 points as the reference's.
        FT_Vector unit;
        FT_Vector_Unit(&unit, FT_MulDiv(1 << 16, angle, 10));
        const FT_Matrix turn{unit.x, -unit.y, unit.y, unit.x};
        FT_Matrix_Multiply(&turn, &m);
    }
    return m;
}

// The advance of a glyph along a line drawn with the matrix, in 26.6: synthesised bold
// adds a pixel in the direction of the line, and each part is rounded up to whole
// pixels (the vertical part counted downwards).
FT_Vector FontInstance::advanceVector(FT_Pos baseAdvance, const FT_Matrix& m) const {
    FT_Vector adv{baseAdvance, 0};
    FT_Vector_Transform(&adv, &m);
    // In a fixed-pitch face (the flag is clear for those), a glyph as wide as two
    // average ones is a full-width one and gets exactly twice the rounded average width.
    if (!(m_metrics.pitchAndFamily & TMPF_FIXED_PITCH) && m_avgWidthUnits > 0 && adv.y == 0) {
        const FT_Long average = FT_MulFix(m_avgWidthUnits, m_emScale);
        if (average > 0 && (baseAdvance + 63) >> 6 == FT_MulFix(m_avgWidthUnits * 2, m_emScale)) {
            FT_Vector v{m_avgWidthUnits, 0};
            FT_Vector_Transform(&v, &m);
            adv.x = (FT_MulFix(v.x, m_emScale) * 2) << 6;
        }
    }
    if (m_fakeBold) {
        FT_Vector pixel{1 << 6, 0};
        FT_Vector_Transform(&pixel, &m);
        const FT_Fixed length = FT_Vector_Length(&pixel);
        if (length) {
            adv.x += (pixel.x << 6) / length;
            adv.y += (pixel.y << 6) / length;
        }
    }
    adv.x = (adv.x + 63) & -64;
    adv.y = -((adv.y + 63) & -64);
    return adv;
}

// Glyph images are hinted for monochrome output; measurement asks for the ordinary
// hinting, which may round an advance differently.
FT_Error FontInstance::loadGlyph(FT_UInt glyphIndex, bool forImage) {
    FT_Face face = m_face->handle();
    FT_Activate_Size(m_size);
    FT_Set_Transform(face, nullptr, nullptr);
    FT_Int32 flags = FT_LOAD_IGNORE_GLOBAL_ADVANCE_WIDTH | FT_LOAD_NO_BITMAP;
    if (forImage) flags |= FT_LOAD_TARGET_MONO;
    FT_Error error = FT_Load_Glyph(face, glyphIndex, flags);
    if (error) error = FT_Load_Glyph(face, glyphIndex, flags | FT_LOAD_NO_HINTING);
    return error;
}

const FontInstance::CharEntry& FontInstance::charEntry(char32_t c) {
    if (auto it = m_chars.find(c); it != m_chars.end()) return it->second;
    CharEntry entry;
    entry.glyphIndex = glyphIndex(c);
    const FT_Matrix plain = matrix(0);
    if (loadGlyph(entry.glyphIndex, false) == 0) {
        FT_Vector adv = advanceVector(m_face->handle()->glyph->metrics.horiAdvance, plain);
        adv.y = -adv.y;
        entry.advance = int32_t(FT_Vector_Length(&adv) >> 6);
    }
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

// The hinted outline, thickened when bold is synthesised, turned by the font's matrix
// and rasterised into the box of its turned metrics: the box is that of the unturned
// metrics, cut to the font's ascent and descent, so ink beyond them is lost as the
// reference loses it.
GlyphImage FontInstance::render(FT_UInt glyphIndex, int32_t angle) {
    GlyphImage image;
    if (loadGlyph(glyphIndex, true) != 0) return image;
    FT_GlyphSlot slot = m_face->handle()->glyph;
    const FT_Matrix m = matrix(angle);
    image.cellAdvance = int32_t(advanceVector(slot->metrics.horiAdvance, m).x >> 6);
    if (slot->format != FT_GLYPH_FORMAT_OUTLINE) return image;
    FT_Outline& outline = slot->outline;

    FT_Glyph_Metrics metrics = slot->metrics;
    if (m_fakeBold) {
        FT_Outline_Embolden(&outline, FT_MulDiv(m_ppem, 1 << 6, 24));
        FT_BBox cbox;
        FT_Outline_Get_CBox(&outline, &cbox);
        metrics.width = cbox.xMax - cbox.xMin;
        metrics.height = cbox.yMax - cbox.yMin;
        metrics.horiBearingX = cbox.xMin;
        metrics.horiBearingY = cbox.yMax;
    }
    const FT_Pos top = std::min<FT_Pos>(metrics.horiBearingY, FT_Pos(m_metrics.ascent) * 64);
    const FT_Pos bottom =
        std::max<FT_Pos>(metrics.horiBearingY - metrics.height, -FT_Pos(m_metrics.descent) * 64);

    FT_BBox box{};
    for (int corner = 0; corner < 4; ++corner) {
        FT_Vector v{metrics.horiBearingX + (corner & 1) * metrics.width, (corner & 2) ? bottom : top};
        FT_Vector_Transform(&v, &m);
        if (corner == 0) {
            box = {v.x, v.y, v.x, v.y};
        } else {
            box.xMin = std::min(box.xMin, v.x);
            box.xMax = std::max(box.xMax, v.x);
            box.yMin = std::min(box.yMin, v.y);
            box.yMax = std::max(box.yMax, v.y);
        }
    }
    box.xMin &= -64;
    box.yMin &= -64;
    box.xMax = (box.xMax + 63) & -64;
    box.yMax = (box.yMax + 63) & -64;
    const auto width = int32_t((box.xMax - box.xMin) >> 6);
    const auto rows = int32_t((box.yMax - box.yMin) >> 6);
    if (width <= 0 || rows <= 0 || width > 4 * kMaxPixels || rows > 4 * kMaxPixels) return image;

    FT_Outline_Transform(&outline, &m);
    FT_Outline_Translate(&outline, -box.xMin, -box.yMin);
    const int32_t pitch = ((width + 31) >> 5) << 2;
    std::vector<unsigned char> buffer(size_t(pitch) * size_t(rows));
    FT_Bitmap bitmap{};
    bitmap.rows = unsigned(rows);
    bitmap.width = unsigned(width);
    bitmap.pitch = pitch;
    bitmap.pixel_mode = FT_PIXEL_MODE_MONO;
    bitmap.num_grays = 2;
    bitmap.buffer = buffer.data();
    const auto library = freeTypeLibrary();
    if (FT_Outline_Get_Bitmap(library.get(), &outline, &bitmap) != 0) return image;
    collectSpans(bitmap, int32_t(box.xMin >> 6), -int32_t(box.yMax >> 6), image);
    return image;
}

void FontInstance::collectSpans(const FT_Bitmap& bm, int32_t left, int32_t top, GlyphImage& image) {
    bool any = false;
    for (unsigned row = 0; row < bm.rows; ++row) {
        const unsigned char* bits = bm.buffer + ptrdiff_t(row) * bm.pitch;
        const int32_t dy = top + int32_t(row);
        unsigned x = 0;
        while (x < bm.width) {
            if (!(bits[x >> 3] & (0x80 >> (x & 7)))) {
                ++x;
                continue;
            }
            const unsigned start = x;
            while (x < bm.width && (bits[x >> 3] & (0x80 >> (x & 7))))
                ++x;
            const int32_t x1 = left + int32_t(start);
            const int32_t x2 = left + int32_t(x);
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
}

} // namespace gdi
