#pragma once
// The system clipboard as the marquee uses it. What is cut or copied goes there as a
// plain image, so that any program can paste it; whatever image another program put
// there comes back as a sketch bitmap, each pixel mapped to the nearest of the 16 sketch
// colours exactly as the raster layer maps colours it draws.

#include "gdi/Bitmap.h"

#include <QImage>

// The clipboard holds an image of any kind.
bool ClipboardHoldsImage();
// The clipboard's image in sketch colours; none when there is no image, or one whose
// size a sketch may not have.
gdi::BitmapPtr ClipboardSketchBitmap();
// Puts the bitmap's pixels on the clipboard as an image; nothing for no bitmap.
void PutOnClipboard(const gdi::BitmapPtr& bitmap);

// image in sketch colours; translucent pixels are seen over white paper. None for an
// empty image or a size a sketch may not have.
gdi::BitmapPtr SketchBitmapOfImage(const QImage& image);
