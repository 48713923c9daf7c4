#include "document/RotatedText.h"

#include <cmath>
#include <numbers>

gdi::FontPtr CreateRotatedFont(int32_t height, float angle) {
    gdi::LogFont log;
    log.height = height;
    log.width = 0;
    const int32_t tenths = int32_t(std::nearbyint(double(angle) * 10 * 180 / std::numbers::pi));
    log.escapement = tenths;
    log.orientation = tenths;
    log.weight = gdi::FW_NORMAL;
    log.charSet = 1;
    log.faceName = "zyq courier";
    return gdi::createFontIndirect(log);
}

void DrawRotatedText(gdi::DeviceContext& dc, int32_t x, int32_t y, std::string_view text, float angle) {
    dc.setTextAlign(gdi::TA_LEFT | gdi::TA_TOP);
    dc.setBkMode(gdi::TRANSPARENT);
    dc.setTextColor(0);
    gdi::FontPtr old = dc.selectFont(CreateRotatedFont(-13, angle));
    dc.textOut(x, y, text);
    dc.selectFont(std::move(old));
}
