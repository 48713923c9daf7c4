#pragma once
// Brushes: solid, hatched (the six 8 x 8 hatch patterns), pattern (an 8 x 8 tile of a
// bitmap) and null.

#include "gdi/Bitmap.h"
#include "gdi/Types.h"

#include <memory>

namespace gdi {

enum class BrushStyle { Solid, Null, Hatched, Pattern };

class Brush {
  public:
    Brush(BrushStyle style, COLORREF color, int hatch, BitmapPtr pattern = nullptr)
        : m_style(style), m_color(color), m_hatch(hatch), m_pattern(std::move(pattern)) {}
    BrushStyle style() const { return m_style; }
    COLORREF color() const { return m_color; }
    int hatch() const { return m_hatch; }
    const BitmapPtr& pattern() const { return m_pattern; }
    bool isNull() const { return m_style == BrushStyle::Null; }

  private:
    BrushStyle m_style;
    COLORREF m_color;
    int m_hatch;
    BitmapPtr m_pattern;
};

using BrushPtr = std::shared_ptr<const Brush>;

BrushPtr createSolidBrush(COLORREF color);
BrushPtr createHatchBrush(int hatchStyle, COLORREF color);
BrushPtr createPatternBrush(BitmapPtr pattern);
BrushPtr stockWhiteBrush();
BrushPtr stockBlackBrush();
BrushPtr stockGrayBrush();
BrushPtr stockNullBrush();

// The 8 x 8 hatch pattern: bit (7 - x) of row y is set where the hatch line lies.
uint8_t hatchRow(int hatchStyle, int y);

} // namespace gdi
