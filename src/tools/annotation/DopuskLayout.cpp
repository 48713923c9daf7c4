#include "tools/annotation/DopuskLayout.h"

#include <algorithm>

void LayOutCells(const gdi::DeviceContext& dc, gdi::Point position, TDopuskCells& cells) {
    const int32_t x0 = position.x;
    const int32_t y0 = position.y;
    // The sign cell has a left border of its own; every later cell starts on the right
    // border of the one before, so that the two share that line.
    int32_t right = x0;
    for (size_t i = 0; i < cells.size(); ++i) {
        TDopuskCell& cell = cells[i];
        if (cell.Text.empty()) {
            cell.Empty = true;
            cell.Rect = {right, y0, right, y0};
            continue;
        }
        const gdi::Size extent = dc.textExtent(cell.Text);
        const int32_t left = i == 0 ? x0 : right - 1;
        const int32_t width = std::max(extent.cx + 1, extent.cy);
        cell.Empty = false;
        cell.Rect = {left, y0, left + width, y0 + extent.cy};
        right = cell.Rect.right;
    }
}

gdi::Rect LayOutTextLine(const gdi::DeviceContext& dc, gdi::Point position, std::string_view text) {
    const gdi::Size extent = dc.textExtent(text);
    const int32_t width = std::max(extent.cx, extent.cy);
    return {position.x, position.y, position.x + width, position.y + extent.cy};
}

gdi::Point TurnedUp(gdi::Point point, gdi::Point corner) {
    return {corner.x + (point.y - corner.y), corner.y - (point.x - corner.x)};
}

void DrawBoxedText(gdi::DeviceContext& dc, const gdi::Rect& box, std::string_view text, bool vertical,
                   gdi::Point corner, gdi::Point offset) {
    const gdi::Size extent = dc.textExtent(text);
    gdi::Point at{box.left + (box.width() - extent.cx) / 2 + 1, box.top + (box.height() - extent.cy) / 2};
    gdi::Point from{box.left, box.top};
    gdi::Point to{box.right, box.bottom};
    if (vertical) {
        at = TurnedUp(at, corner);
        from = TurnedUp(from, corner);
        to = TurnedUp(to, corner);
    }
    dc.textOut(at.x + offset.x, at.y + offset.y, text);
    dc.rectangle(from.x + offset.x, from.y + offset.y, to.x + offset.x, to.y + offset.y);
}
