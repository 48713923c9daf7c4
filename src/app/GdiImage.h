#pragma once
// A 32-bit bitmap of the raster layer, selected into its own DC, that Qt can draw
// without copying: the QImage shares the bitmap's pixels. Screen painting goes through
// it, so that the raster layer does the pixel work and Qt only puts the result on
// screen. Qt's 32-bit RGB format wants 0xFF in the top byte of every word, where the
// layer's drawing leaves 0; the image sets it before Qt sees the pixels.

#include "gdi/DeviceContext.h"

#include <QImage>

class TGdiImage {
  public:
    TGdiImage() = default;
    TGdiImage(const TGdiImage&) = delete;
    TGdiImage& operator=(const TGdiImage&) = delete;

    // Makes a new bitmap when the size changes (contents are then undefined); answers
    // whether it did.
    bool Resize(int32_t width, int32_t height);
    int32_t Width() const { return m_bitmap ? m_bitmap->width() : 0; }
    int32_t Height() const { return m_bitmap ? m_bitmap->height() : 0; }
    bool IsEmpty() const { return Width() == 0 || Height() == 0; }

    // Drawing through the DC leaves the top bytes to be set by the next Image().
    gdi::DeviceContext& DC() {
        m_opaque = false;
        return m_dc;
    }
    // Stretches the first width x height pixels of the source over the whole image, as
    // stretchBlt with SRCCOPY does. Indexed pictures are written as opaque words in one
    // pass, which is what the drawing surface shows on every paint.
    void StretchFrom(const gdi::DeviceContext& source, int32_t width, int32_t height);
    // The pixels for Qt, every top byte 0xFF. Valid until the next Resize.
    const QImage& Image();

  private:
    gdi::DeviceContext m_dc;
    gdi::BitmapPtr m_bitmap;
    QImage m_image;
    bool m_opaque = false; // every top byte is known to be set
};

// A Qt colour as the raster layer's COLORREF.
gdi::COLORREF ToColorRef(const QColor& color);
