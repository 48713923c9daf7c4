#pragma once
// A face at one size, with the bold and italic a logical font asks for synthesised when
// the face lacks them: the metrics, the advance widths and the monochrome glyph images
// that text is measured and drawn with. Advances and images are kept once made, images
// per angle of rotation, so that a line drawn again costs no rasterisation.

#include "gdi/Font.h"
#include "gdi/FontFace.h"

#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

namespace gdi {

// A run of set pixels of a glyph image: row dy, columns [x1, x2), relative to the origin
// of the glyph on the baseline (y down).
struct GlyphSpan {
    int32_t dy;
    int32_t x1;
    int32_t x2;
};

struct GlyphImage {
    std::vector<GlyphSpan> spans; // by row, then column
    // Bounds of the spans relative to the origin; empty for a blank glyph.
    int32_t left = 0, top = 0, right = 0, bottom = 0;
    // The step of the pen after the image along the x axis. It comes with the image,
    // hinted for monochrome output, and may differ from the measured advance by a pixel.
    int32_t cellAdvance = 0;
};

struct FontRequest {
    int32_t height = 0; // as a logical font gives it
    int32_t width = 0;
    bool bold = false;
    bool italic = false;
};

class FontInstance {
  public:
    // nullptr when FreeType cannot size the face.
    static std::shared_ptr<FontInstance>
    create(std::shared_ptr<FontFace> face, const FaceDescription& description, const FontRequest& request);
    ~FontInstance();
    FontInstance(const FontInstance&) = delete;
    FontInstance& operator=(const FontInstance&) = delete;

    // Metrics of the face at this size; the underline flag and the character set are
    // the logical font's business and left at their defaults.
    const TextMetrics& metrics() const { return m_metrics; }
    // The character set a logical font asking for the default one gets.
    uint8_t defaultCharSet() const { return m_defaultCharSet; }
    const TextLine& underline() const { return m_underline; }
    const TextLine& strikeOut() const { return m_strikeOut; }
    int32_t pixelsPerEm() const { return m_ppem; }

    // Unrotated advance width in pixels, synthesised boldness included: what text is
    // measured with.
    int32_t advance(char32_t c);
    // The glyph turned by angle tenths of a degree counter-clockwise (any angle; the
    // escapement as the logical font gives it).
    const GlyphImage& glyph(char32_t c, int32_t angle);

  private:
    struct CharEntry {
        FT_UInt glyphIndex = 0;
        int32_t advance = 0;
    };

    FontInstance(std::shared_ptr<FontFace> face, FT_Size size);
    bool setUp(const FaceDescription& description, const FontRequest& request);
    const CharEntry& charEntry(char32_t c);
    FT_UInt glyphIndex(char32_t c) const;
    FT_Matrix matrix(int32_t angle) const;
    FT_Vector advanceVector(FT_Pos baseAdvance, const FT_Matrix& m) const;
    FT_Error loadGlyph(FT_UInt glyphIndex, bool forImage);
    GlyphImage render(FT_UInt glyphIndex, int32_t angle);
    static void collectSpans(const FT_Bitmap& bitmap, int32_t left, int32_t top, GlyphImage& image);

    std::shared_ptr<FontFace> m_face; // declared first: the size must go before the face
    FT_Size m_size;
    int32_t m_ppem = 0;
    bool m_fakeBold = false;
    bool m_fakeItalic = false;
    bool m_symbolMap = false;
    double m_widthRatio = 1.0;
    FT_Fixed m_emScale = 0;
    int32_t m_avgWidthUnits = 0;
    TextMetrics m_metrics;
    uint8_t m_defaultCharSet = 0;
    TextLine m_underline;
    TextLine m_strikeOut;
    std::unordered_map<char32_t, CharEntry> m_chars;
    std::unordered_map<uint64_t, GlyphImage> m_glyphs;
};

} // namespace gdi
