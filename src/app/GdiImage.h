#pragma once
// A 32-bit bitmap of the raster layer, selected into its own DC, that Qt can draw
// without copying: the QImage shares the bitmap's pixels. Screen painting goes through
// it, so that the raster layer does the pixel work and Qt only puts the result on
// screen.

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

    gdi::DeviceContext& DC() { return m_dc; }
    // Valid until the next Resize.
    const QImage& Image() const { return m_image; }

  private:
    gdi::DeviceContext m_dc;
    gdi::BitmapPtr m_bitmap;
    QImage m_image;
};

// A Qt colour as the raster layer's COLORREF.
gdi::COLORREF ToColorRef(const QColor& color);
