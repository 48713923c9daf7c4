#pragma once
// The floating fragment the marquee carries: the pixels as they were taken (the
// source), and the picture shown and stamped (the source stretched to the current half
// sizes, then turned to the current direction), placed by its centre. Its outline is the
// turned rectangle of the half sizes; the stamp is clipped to it, so the white corners
// a turn adds around the picture never reach the sketch. Moving only shifts the centre;
// every change of size or direction rebuilds the picture from the source, so turns and
// scalings never pile up their resampling.

#include "document/Geometry.h"

#include "gdi/DeviceContext.h"
#include "gdi/Region.h"
#include "gdi/Types.h"

#include <array>
#include <cstdint>

class TFragment {
  public:
    // A fragment's half size may not grow past this, so no side exceeds 2000 pixels.
    static constexpr float MaxHalfSize = 1000;

    // Takes the pixels of selection (normalised first) from source as the new source;
    // the centre and half sizes become the selection's, the direction is kept.
    void Take(const gdi::DeviceContext& source, gdi::Rect selection);
    // The picture from the source at the current half sizes and direction.
    void BuildPicture();
    // Forgets the picture's extent, so that nothing is stamped, and turns the direction
    // back to unturned. The pixels stay for saving.
    void Drop();

    // Shifts the centre.
    void MoveBy(float dx, float dy);
    // One step of Ctrl-scaling by a horizontal motion of d pixels: the half sizes grow
    // by d per cent. False, nothing changed, for a step that would leave the source size
    // plus d under 2, a side over the limit, or no size at all.
    bool ScaleStep(int32_t d);
    // Turns the fragment by the angle whose cosine and sine are given, counter-clockwise
    // on the screen, and rebuilds the picture.
    void TurnBy(float cosA, float sinA);

    // Stamps the picture, centred on the centre shifted by (dx, dy), into dc, clipped
    // to the outline; transparent leaves the picture's white pixels out.
    void Stamp(gdi::DeviceContext& dc, int32_t dx, int32_t dy, bool transparent);

    // The outline's corners rounded to pixels, as a winding polygon, shifted by (dx, dy).
    gdi::Region Outline(int32_t dx = 0, int32_t dy = 0) const;
    // The rotation handle, the outline's second corner, rounded.
    gdi::Point Handle() const;
    bool OnHandle(gdi::Point point) const;
    bool Inside(gdi::Point point) const;

    // The picture as built (none for a fragment without pixels), and its size.
    const gdi::BitmapPtr& Picture() const { return m_picture.bitmap(); }
    const gdi::Rect& PictureRect() const { return m_pictureRect; }
    const gdi::Rect& Selection() const { return m_selection; }
    void SetSelection(gdi::Rect selection) { m_selection = selection; }
    void SetSelectionCorner(gdi::Point corner);

    TPointF Centre;
    float HalfWidth = 0;
    float HalfHeight = 0;
    float Cos = 1;
    float Sin = 0;
    // P0 to P3: top-left, top-right (the handle), bottom-right, bottom-left as unturned.
    std::array<TPointF, 4> Corners{};

  private:
    void UpdateCorners();

    gdi::DeviceContext m_picture;
    gdi::DeviceContext m_source;
    gdi::Rect m_pictureRect;
    gdi::Rect m_selection;
};

// A new bitmap of the sketch's kind: like the sketch's own when there is one; none for
// an empty or insane size.
gdi::BitmapPtr NewFragmentBitmap(int32_t width, int32_t height);
