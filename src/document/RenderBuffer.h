#pragma once
// The off-screen picture of the visible part of the sketch. A paint copies the sketch
// into it once, lets the tools draw their previews and cross-hairs over it, and
// stretches it onto the window in one go, so previews never touch the sketch itself.

#include "gdi/DeviceContext.h"

#include <cstdint>

class TRenderBuffer {
  public:
    // The buffer's bitmaps are made of the kind of refDC's bitmap (the sketch's colour
    // format, not the screen's); refDC must outlive the buffer.
    explicit TRenderBuffer(gdi::DeviceContext& refDC);
    ~TRenderBuffer();
    TRenderBuffer(const TRenderBuffer&) = delete;
    TRenderBuffer& operator=(const TRenderBuffer&) = delete;

    // A new bitmap of the size; the old contents are gone.
    void SetSize(int32_t width, int32_t height);
    void Recreate();
    void FreeBitmap();
    // Copies a buffer-sized block of source from origin into the buffer; no origin, no
    // copy.
    void CopyFrom(const gdi::DeviceContext& source, const gdi::Point* origin);

    gdi::DeviceContext& RefDC() const { return m_refDC; }
    gdi::DeviceContext& DC() { return m_dc; }
    const gdi::BitmapPtr& Bitmap() const { return m_bitmap; }
    int32_t Width() const { return m_width; }
    int32_t Height() const { return m_height; }

  private:
    gdi::DeviceContext& m_refDC;
    gdi::DeviceContext m_dc;
    gdi::BitmapPtr m_bitmap;
    gdi::BitmapPtr m_oldBitmap;
    int32_t m_width = 0;
    int32_t m_height = 0;
};
