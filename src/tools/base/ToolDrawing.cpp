#include "tools/base/ToolDrawing.h"

#include "tools/base/ToolGeometry.h"

#include <cmath>

bool RotateFont(gdi::FontPtr& font, float angle) {
    if (!font) return false;
    gdi::LogFont log = font->log();
    // The product of a single and ten is exact in double precision.
    log.escapement = int32_t(std::nearbyint(double(angle) * 10.0));
    log.orientation = 0;
    gdi::FontPtr rotated = gdi::createFontIndirect(log);
    if (!rotated) return false;
    font = std::move(rotated);
    return true;
}

void TransparentCopy(gdi::DeviceContext& dest, gdi::Rect destRect, gdi::DeviceContext& src,
                     gdi::COLORREF colour, gdi::Rect srcRect) {
    NormalizeRect(destRect);
    NormalizeRect(srcRect);
    const int32_t w = srcRect.width(), h = srcRect.height();
    if (w <= 0 || h <= 0) return;

    // The mask is set where the source has the colour: a colour-to-monochrome copy
    // sets exactly the pixels of the source's background colour.
    gdi::DeviceContext maskDC;
    maskDC.selectBitmap(gdi::Bitmap::create(w, h, 1));
    const gdi::COLORREF sourceBk = src.setBkColor(colour);
    maskDC.bitBlt(0, 0, w, h, &src, srcRect.left, srcRect.top, gdi::SRCCOPY);
    src.setBkColor(sourceBk);

    // dest xor src, and mask, xor src: where the mask is set (white, all bits) the
    // destination comes back, elsewhere (black, no bits) the source. The mask is
    // turned to colour through the destination's text and background colours, which
    // must be black and white for that.
    const gdi::COLORREF destText = dest.setTextColor(0x000000);
    const gdi::COLORREF destBk = dest.setBkColor(0xFFFFFF);
    const int32_t dx = destRect.left, dy = destRect.top, dw = destRect.width(), dh = destRect.height();
    dest.stretchBlt(dx, dy, dw, dh, &src, srcRect.left, srcRect.top, w, h, gdi::SRCINVERT);
    dest.stretchBlt(dx, dy, dw, dh, &maskDC, 0, 0, w, h, gdi::SRCAND);
    dest.stretchBlt(dx, dy, dw, dh, &src, srcRect.left, srcRect.top, w, h, gdi::SRCINVERT);
    dest.setBkColor(destBk);
    dest.setTextColor(destText);
}
