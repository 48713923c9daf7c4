#pragma once
// Logical fonts. A font is a description; the glyphs come from the face the font
// registry (FontRegistry.h) matches to it when text is drawn or measured.

#include "gdi/Types.h"

#include <memory>
#include <string>

namespace gdi {

struct LogFont {
    int32_t height = 0; // negative: character height in pixels; positive: cell height
    int32_t width = 0;
    int32_t escapement = 0; // tenths of a degree, counter-clockwise
    int32_t orientation = 0;
    int32_t weight = FW_NORMAL;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    uint8_t charSet = 1;
    uint8_t outPrecision = 0;
    uint8_t clipPrecision = 0;
    uint8_t quality = 0;
    uint8_t pitchAndFamily = 0;
    std::string faceName; // UTF-8
};

class Font {
  public:
    explicit Font(const LogFont& log) : m_log(log) {}
    const LogFont& log() const { return m_log; }

  private:
    LogFont m_log;
};

using FontPtr = std::shared_ptr<const Font>;

FontPtr createFontIndirect(const LogFont& log);
// The font a fresh DC has selected (the system font).
FontPtr stockSystemFont();

// A line drawn along the text (underline, strike-out): its position above the baseline
// (negative: below) and its thickness, in pixels.
struct TextLine {
    int32_t position = 0;
    int32_t thickness = 1;
};

struct TextMetrics {
    int32_t height = 0;
    int32_t ascent = 0;
    int32_t descent = 0;
    int32_t internalLeading = 0;
    int32_t externalLeading = 0;
    int32_t aveCharWidth = 0;
    int32_t maxCharWidth = 0;
    int32_t weight = FW_NORMAL;
    bool italic = false;
    bool underlined = false;
    uint8_t pitchAndFamily = 0;
    uint8_t charSet = 1;
};

} // namespace gdi
