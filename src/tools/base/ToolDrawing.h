#pragma once
// Drawing helpers several tools share.

#include "gdi/DeviceContext.h"
#include "gdi/Font.h"
#include "gdi/Types.h"

// Replaces font by the same font turned by angle degrees: escapement round(angle x 10),
// orientation 0. False, font unchanged, when there is no font to read.
bool RotateFont(gdi::FontPtr& font, float angle);

// Copies srcRect of src onto destRect of dest, stretched to its size, except the
// source pixels of the given colour: there the destination stays as it was. Both
// rectangles are normalised first. The DCs are left as they were.
void TransparentCopy(gdi::DeviceContext& dest, gdi::Rect destRect, gdi::DeviceContext& src,
                     gdi::COLORREF colour, gdi::Rect srcRect);
