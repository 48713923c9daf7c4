#pragma once
// The pixel work of the window transforms: a quarter turn of a square and the mirror
// image of a window's drawing in an axis. Both read an unchanged copy of the window and
// write into the sketch's DC one pixel at a time, as setting a pixel there would (the
// nearest colour, the DC's raster mode, its bitmap and clip region as the limits), with
// the colour of each pixel value looked up once rather than per pixel.

#include "gdi/DeviceContext.h"
#include "gdi/Types.h"

#include <cstdint>

// Pixel (x, y) of the size x size square of copy goes to (at.x + size - 1 - y, at.y + x)
// of dest: a quarter turn clockwise on the screen.
void TurnQuarter(gdi::DeviceContext& dest, const gdi::DeviceContext& copy, gdi::Point at, int32_t size);

// Every pixel of copy that is not white, taken as the pixel of dest at window's top-left
// plus its position, is set in dest at its mirror image in the line through a and b.
// The window's own pixels are left alone and white is never written, so dest ends with
// its drawing and the drawing's mirror image together.
void AddMirrorImage(gdi::DeviceContext& dest, const gdi::DeviceContext& copy, gdi::Rect window, gdi::Point a,
                    gdi::Point b);
