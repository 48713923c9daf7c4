#pragma once
// A rectangle object, and the window frame the transform tools show while a window is
// dragged: the rectangle with its two centre lines reaching past it. The frame is drawn
// inverting, so drawing it a second time in the same place takes it off again.

#include "gdi/DeviceContext.h"
#include "gdi/Types.h"

#include <cstdint>

class TRectClass {
  public:
    TRectClass() = default;
    virtual ~TRectClass() = default;

    const gdi::Rect& Get() const { return m_rect; }
    // Both setters tell RectChanged; offsetting, emptying and normalising do not.
    void Set(int32_t left, int32_t top, int32_t right, int32_t bottom);
    void Set(const gdi::Rect& rect);
    void Offset(int32_t dx, int32_t dy);
    void MakeEmpty();
    // Left not right of right, top not below bottom.
    void Normalize();

  protected:
    virtual void RectChanged() {}

    gdi::Rect m_rect{};
};

class TCrossedRect : public TRectClass {
  public:
    // The frame and both centre lines with a one-pixel grey pen under not-xor, no fill;
    // the DC's pen, brush and raster mode are put back.
    void Draw(gdi::DeviceContext& dc, int32_t dx, int32_t dy);

    // The centre lines, each running 10 pixels beyond the rectangle.
    gdi::Point VertFrom, VertTo, HorzFrom, HorzTo;

  protected:
    void RectChanged() override;
};
