#pragma once
// The small drawing frame every special mark is drawn in. A mark is described in
// millimetres in its own frame: the local X axis runs along the mark's direction and the
// local Y axis is X turned a quarter clockwise on the screen. The renderer maps such
// points onto sketch pixels about an origin, and owns the pen, brush and raster mode it
// selects between Begin and Finish, so that the DC is left as it was found.
//
// SetMarkFont gives marks their lettering: a font whose face name matches nothing, so
// that the raster layer's font mapper picks the face by the record's other fields (a
// proportional serif face of the installation).

#include "gdi/DeviceContext.h"
#include "gdi/Types.h"

#include <string_view>

// Sketch pixels per millimetre, for marks as for sheet sizes and text heights.
inline constexpr double MarkPixelsPerMm = 3.7824;

class TMarkRenderer {
  public:
    TMarkRenderer() = default;
    ~TMarkRenderer();
    TMarkRenderer(const TMarkRenderer&) = delete;
    TMarkRenderer& operator=(const TMarkRenderer&) = delete;

    // A solid pen of width and colour, the hollow brush and the raster mode, all
    // remembered for Finish.
    void Begin(gdi::DeviceContext& dc, int rop2, int32_t penWidth, gdi::COLORREF colour);
    void Finish();
    void SetOrigin(gdi::Point origin) { Origin = origin; }
    void SetRotation(float cos, float sin) {
        Cos = cos;
        Sin = sin;
    }

    // Millimetres in the frame. The end pixel of a line is not painted.
    void MoveTo(double x, double y);
    void LineTo(double x, double y);
    // A circle of diameter d about (x, y), outlined.
    void Circle(double x, double y, double d);
    // Counter-clockwise on the screen, from local angle a to local angle b (radians).
    void Arc(double x, double y, double r, double a, double b);
    // Pixels, not millimetres: the points turned with the frame about the origin and
    // filled in colour (winding rule).
    void FillPolygon(const gdi::Point* points, int count, gdi::COLORREF colour);
    // Pixels, not millimetres: the text in the DC's current font, the middle of its
    // extent at (x, y) of the frame. Nothing when the text cannot be measured.
    void TextCentred(std::string_view text, double x, double y);

    // Where a frame point in millimetres, or in pixels, lands on the sketch.
    gdi::Point Map(double x, double y) const;
    gdi::Point MapPixels(double x, double y) const;

    bool Active = false;
    gdi::Point Origin;
    gdi::BrushPtr OldBrush;
    float Cos = 1;
    float Sin = 0;
    gdi::DeviceContext* DC = nullptr;
    gdi::PenPtr Pen;
    gdi::COLORREF Colour = 0;
    int OldROP = gdi::R2_COPYPEN;

  private:
    gdi::PenPtr m_oldPen;
};

// Selects the mark font turned by angle degrees (counter-clockwise) into dc; it stays
// selected, the font it replaces is let go.
void SetMarkFont(gdi::DeviceContext& dc, int32_t angle);
// The face name SetMarkFont asks for; it belongs to no font.
inline constexpr const char* MarkFontFace = "MS Sans Serif0";
