#pragma once
// The pictures the tools' windows show (samples, presets, previews) are drawn through
// the raster layer; this turns such a drawing into an image Qt can paint.

#include "gdi/Bitmap.h"

#include <QImage>

// The pixels of bitmap, any kind, as an opaque 32-bit image.
QImage ImageOfBitmap(const gdi::BitmapPtr& bitmap);
