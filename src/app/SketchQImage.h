#pragma once
// Sketch bitmaps as Qt images, for printing and for writing formats Qt knows.

#include "gdi/Bitmap.h"

#include <QImage>

// An 8-bit indexed image with the bitmap's colour table (indexed bitmaps), or a 32-bit
// image (direct colour). The image owns its pixels.
QImage BitmapToQImage(const gdi::Bitmap& bitmap);
