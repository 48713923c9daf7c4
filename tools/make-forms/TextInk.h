#pragma once
// Where the pixels of a text land relative to the point it is drawn at. The sheet forms
// centre their printed labels by the ink itself, and place the exchange values so that
// whatever a line holds stays inside its field.

#include "document/TitleBlock.h"
#include "gdi/DeviceContext.h"

#include <cstdint>
#include <functional>
#include <optional>

namespace forms {

// Inclusive pixel bounds, relative to a reference point.
struct InkBox {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = -1;
    int32_t bottom = -1;

    bool empty() const { return right < left || bottom < top; }
    int32_t width() const { return right - left + 1; }
    int32_t height() const { return bottom - top + 1; }
    void add(int32_t x, int32_t y);
    void add(const InkBox& other);
};

// The ink of whatever draw() puts down when given a DC over a white scratch sketch and
// a reference point; empty when it draws nothing. The scratch reaches `reach` pixels
// from the reference point in every direction.
InkBox measureInk(const std::function<void(gdi::DeviceContext&, gdi::Point)>& draw, int32_t reach = 200);

// How the exchange values (13-pixel "zyq courier", as the title-block fill writes them)
// take up room: the ink of any one character of the Cyrillic code page, and the step
// from one character to the next. The face is monospaced, so a line of n characters
// fits in the union of n such boxes.
class ValueInk {
  public:
    // Measured through the raster layer with the font the registry now provides.
    static ValueInk measure();

    // The record that puts a line of text into the cell (interior pixels, right and
    // bottom excluded) with `gap` white pixels at least between the ink and the cell's
    // edges, and `lead` pixels before the first character; nothing when not even one
    // character fits.
    struct Placement {
        TTitleBlockRecord record;
        int32_t capacity = 0; // characters that fit
    };
    std::optional<Placement> place(TTitleBlockKind kind, const gdi::Rect& cell, int32_t lead,
                                   int32_t gap = 1) const;

    // The ink of n characters written with the record's corner at the origin.
    InkBox lineInk(TTitleBlockKind kind, int32_t n) const;

  private:
    InkBox m_across; // one character written left to right
    InkBox m_upward; // one character turned to read bottom to top
    int32_t m_advance = 0;
};

} // namespace forms
