#pragma once
// The inscription every dimension writes, and the leader with a shelf it may stand on.
// An inscription has five pieces in a fixed order (text before, value, upper and lower
// deviation, text after) written in the dimension font "ZYQ Courier"; it is placed by
// the middle of its width on the bottom line of its text and turned about that point.
// The deviations are stacked after the value, and beside them the other pieces are
// raised by a quarter of the text height.

#include "gdi/DeviceContext.h"
#include "gdi/Font.h"
#include "gdi/Types.h"

#include <array>
#include <cstdint>
#include <string>

class TSizeText {
  public:
    enum TPart : int { PartBefore = 1, PartValue = 2, PartUpper = 3, PartLower = 4, PartAfter = 5 };
    static constexpr int PartCount = 5;

    TSizeText();

    void Clear();
    // Parts are numbered 1..5 (TPart), texts are UTF-8.
    const std::string& GetPart(int i) const;
    void SetPart(int i, std::string s);
    // Turns the inscription (and the font's glyphs) by a radians, clockwise on screen.
    void SetAngle(float a);
    // Widths and heights of the parts in the font, as dc measures them.
    void Measure(gdi::DeviceContext& dc);
    int32_t Width(gdi::DeviceContext& dc);
    // Where each part is written, from the last measurement.
    void Layout();
    // The five parts in colour, shifted by (dx, dy); the DC keeps bottom-left alignment.
    void Draw(gdi::DeviceContext& dc, gdi::COLORREF colour, int32_t dx, int32_t dy);
    bool IsEmpty() const;

    gdi::Point Anchor;
    gdi::FontPtr Font;
    float Angle = 0;
    std::array<std::string, PartCount> Parts;
    std::array<int32_t, PartCount> PartWidths{};
    std::array<gdi::Point, PartCount> PartPos{};
    int32_t TotalWidth = 0;
    int32_t MaxHeight = 0;
};

// A leader from StartPoint to EndPoint and, when it carries a text, a horizontal shelf
// from EndPoint to the right (or the left) as long as the text and five pixels more.
class TRemoteLine {
  public:
    TRemoteLine() { Reset(); }

    void Reset();
    // Moves Text onto the shelf and draws leader, shelf and text in colour, shifted by
    // (dx, dy).
    void Draw(gdi::DeviceContext& dc, gdi::COLORREF colour, int32_t dx, int32_t dy);

    gdi::Point StartPoint;
    gdi::Point EndPoint;
    bool ToLeft = false;
    // The owning tool's inscription.
    TSizeText* Text = nullptr;
};

// The dimension arrow: the barbed outline of DrawArrow with the tip at (x, y) along
// (cos, sin), but drawn with the pen and raster mode the DC already has.
void DrawDimArrow(gdi::DeviceContext& dc, int32_t x, int32_t y, bool withShaft, float cos, float sin);
