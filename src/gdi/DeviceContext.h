#pragma once
// A memory device context: a selected bitmap, the selected pen, brush and font, and the
// drawing state, with the drawing operations on top. Selecting an object returns the
// one it replaces, so that a routine can put it back when it is done.
//
// Drawing honours the bitmap bounds and the clip region; coordinates are bitmap pixels.

#include "gdi/Bitmap.h"
#include "gdi/Brush.h"
#include "gdi/Font.h"
#include "gdi/Pen.h"
#include "gdi/Region.h"
#include "gdi/Types.h"

#include <optional>
#include <string_view>
#include <vector>

namespace gdi {

// A binary raster operation applied to one pixel value: dst = (dst & andMask) ^ xorMask.
struct RopMasks {
    uint32_t andMask = 0;
    uint32_t xorMask = 0;
    uint32_t apply(uint32_t dst) const { return (dst & andMask) ^ xorMask; }
};
RopMasks ropMasks(int rop2, uint32_t pixel, uint32_t pixelMask);

class DeviceContext {
  public:
    DeviceContext();

    // Objects.
    BitmapPtr selectBitmap(BitmapPtr bitmap);
    PenPtr selectPen(PenPtr pen);
    BrushPtr selectBrush(BrushPtr brush);
    FontPtr selectFont(FontPtr font);
    const BitmapPtr& bitmap() const { return m_bitmap; }
    const PenPtr& pen() const { return m_pen; }
    const BrushPtr& brush() const { return m_brush; }
    const FontPtr& font() const { return m_font; }

    // State; each setter returns the previous value.
    int setROP2(int rop2);
    int rop2() const { return m_rop2; }
    int setBkMode(int mode);
    int bkMode() const { return m_bkMode; }
    COLORREF setBkColor(COLORREF color);
    COLORREF bkColor() const { return m_bkColor; }
    COLORREF setTextColor(COLORREF color);
    COLORREF textColor() const { return m_textColor; }
    uint32_t setTextAlign(uint32_t align);
    uint32_t textAlign() const { return m_textAlign; }
    int32_t setTextCharacterExtra(int32_t extra);
    int32_t textCharacterExtra() const { return m_charExtra; }
    int setPolyFillMode(int mode);
    int polyFillMode() const { return m_polyFillMode; }
    int setStretchMode(int mode);
    int stretchMode() const { return m_stretchMode; }
    Point moveTo(int32_t x, int32_t y);
    Point currentPosition() const { return m_position; }

    // The clip region (a copy is kept); nullptr removes it.
    void selectClipRegion(const Region* region);
    const std::optional<Region>& clipRegion() const { return m_clip; }

    // Lines and shapes, with the selected pen and (for closed shapes) brush.
    void lineTo(int32_t x, int32_t y);
    void polyline(const Point* points, int count);
    void polygon(const Point* points, int count);
    void rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom);
    void ellipse(int32_t left, int32_t top, int32_t right, int32_t bottom);
    // The arc of the ellipse in the box, counter-clockwise from the ray through
    // (x1, y1) to the ray through (x2, y2), both rays from the box centre.
    void arc(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t x1, int32_t y1, int32_t x2,
             int32_t y2);

    // Filling with a brush, ignoring the pen; right and bottom excluded.
    void fillRect(const Rect& rect, const BrushPtr& brush);
    void fillRegion(const Region& region, const BrushPtr& brush);
    void frameRegion(const Region& region, const BrushPtr& brush, int32_t width, int32_t height);
    // Fills with the selected brush from (x, y): over the area of that colour
    // (FLOODFILLSURFACE) or up to a border of that colour (FLOODFILLBORDER).
    bool floodFill(int32_t x, int32_t y, COLORREF color, int type);

    // Pixels. getPixel answers CLR_INVALID outside the bitmap or the clip region.
    COLORREF setPixel(int32_t x, int32_t y, COLORREF color);
    COLORREF getPixel(int32_t x, int32_t y) const;

    // Block copies with a ternary raster operation. The source may be this DC.
    bool patBlt(int32_t x, int32_t y, int32_t width, int32_t height, uint32_t rop);
    bool bitBlt(int32_t x, int32_t y, int32_t width, int32_t height, const DeviceContext* source, int32_t sx,
                int32_t sy, uint32_t rop);
    // Negative extents mirror; the stretch mode decides how shrinking combines pixels.
    bool stretchBlt(int32_t x, int32_t y, int32_t width, int32_t height, const DeviceContext* source,
                    int32_t sx, int32_t sy, int32_t sw, int32_t sh, uint32_t rop);

    // Text in the selected font (UTF-8), placed by the text alignment.
    bool textOut(int32_t x, int32_t y, std::string_view text);
    // Extent of a line of text in the selected font, without rotation.
    Size textExtent(std::string_view text) const;
    TextMetrics textMetrics() const;

    // ---- Shared by the primitives ------------------------------------------------------
    // Rectangles where drawing may land: bitmap bounds meet the clip region. Banded.
    const std::vector<Rect>& clipRects() const;
    // Paints pixels [x1, x2) of row y with the masks, clipped.
    void paintSpan(int32_t y, int32_t x1, int32_t x2, const RopMasks& masks);
    // Paints pixels [x1, x2) of row y with a brush under the ROP2 and the current
    // background mode and colour (hatch gaps), clipped.
    void brushSpan(int32_t y, int32_t x1, int32_t x2, const Brush& brush, int rop2);
    // Draws the pen's lines through the points (cosmetic or wide), closing the figure
    // when asked; the current position is not used or changed.
    void penLines(const Point* points, int count, bool closed);
    // Paints one pixel with the masks, clipped.
    void paintPixel(int32_t x, int32_t y, const RopMasks& masks);
    // The pixel value of a colour in the selected bitmap, and the masks of the current
    // ROP2 for it.
    uint32_t colorToPixel(COLORREF color) const;
    RopMasks penMasks(COLORREF color) const;

  private:
    void drawTextLine(const TextLine& line, Point origin, Point width, int32_t escapement);
    void invalidateClip() { m_clipRectsValid = false; }

    BitmapPtr m_bitmap;
    PenPtr m_pen;
    BrushPtr m_brush;
    FontPtr m_font;
    int m_rop2 = R2_COPYPEN;
    int m_bkMode = OPAQUE;
    COLORREF m_bkColor = 0xFFFFFF;
    COLORREF m_textColor = 0x000000;
    uint32_t m_textAlign = TA_LEFT | TA_TOP;
    int32_t m_charExtra = 0;
    int m_polyFillMode = ALTERNATE;
    int m_stretchMode = BLACKONWHITE;
    Point m_position;
    std::optional<Region> m_clip;
    mutable std::vector<Rect> m_clipRects;
    mutable bool m_clipRectsValid = false;
};

} // namespace gdi
