#pragma once
// Text turned about its top-left corner, as the title block and the annotation tools
// write it: the face "zyq courier", counter-clockwise for a positive angle.

#include "gdi/DeviceContext.h"
#include "gdi/Font.h"

#include <cstdint>
#include <string_view>

// A font of the given height (negative: character height in pixels) turned by the
// angle in radians.
gdi::FontPtr CreateRotatedFont(int32_t height, float angle);

// Black text with its top-left corner at (x, y), 13 pixels high, over a transparent
// background. Leaves the DC's text alignment, background mode and text colour as it
// set them; puts the previous font back.
void DrawRotatedText(gdi::DeviceContext& dc, int32_t x, int32_t y, std::string_view text, float angle);
