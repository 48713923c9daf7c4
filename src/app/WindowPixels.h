#pragma once
// The pixels of a window as Qt's raster engine paints them: while a widget paints, its
// painter draws into the top-level window's backing store, an image of the whole window.
// The drawing surface writes its stretched sketch there itself, which spares the copy
// of a whole frame through an image of its own on every paint. Where the backing store is
// of another kind (a pixmap, a scaled screen, an unusual format), there are no pixels to
// write and the caller draws as usual.

#include "gdi/Bitmap.h"

class QPainter;
class QWidget;

// Stretches the first sourceWidth x sourceHeight pixels of the indexed source over the
// widget being painted by painter, as stretchBlt with SRCCOPY would, within the region
// the paint may touch. Answers false, having written nothing, when it cannot.
bool StretchOntoWindow(QPainter& painter, const QWidget& widget, const gdi::Bitmap& source,
                       int32_t sourceWidth, int32_t sourceHeight);
