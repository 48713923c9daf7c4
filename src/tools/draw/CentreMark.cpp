#include "tools/draw/CentreMark.h"

#include "tools/base/AppMessageHook.h"
#include "tools/base/KeysSuspension.h"
#include "tools/base/TechBase.h"
#include "tools/base/ToolHost.h"
#include "tools/base/ToolSwitch.h"
#include "tools/draw/CoordForm.h"

#include "document/Pens.h"

namespace {

const char* const MarkPrompt = "Укажите вариант отметки координат центра фигуры.";

// A line with the selected pen, its second end left out.
void segment(gdi::DeviceContext& dc, gdi::Point from, gdi::Point to) {
    dc.moveTo(from.x, from.y);
    dc.lineTo(to.x, to.y);
}

} // namespace

bool AskCentreMark(TCentreMarkRequest& request) {
    TKeysSuspension suspension;
    TCoordForm form(ToolHost().MainWindow());
    if (request.Options & CentreMarkHasCaption) form.setWindowTitle(request.Caption);
    PlaceNearPointer(form);
    ToolHost().SetPromptText(QString::fromUtf8(MarkPrompt));
    const bool accepted = form.exec() == QDialog::Accepted;
    // An empty text brings back the current tool's own prompt.
    ToolHost().SetPromptText(QString());
    if (accepted) request.Kind = form.Kind();
    return accepted;
}

void DrawCentreMark(gdi::DeviceContext& dc, uint8_t kind, gdi::Point centre, int32_t radius) {
    const gdi::COLORREF colour = LineLogPen.color;
    const int32_t x = centre.x;
    const int32_t y = centre.y;
    if (kind == CentreMarkPoint) {
        dc.setPixel(x, y, colour);
        return;
    }
    if (kind != CentreMarkAxes && kind != CentreMarkCross) return;
    const int style = kind == CentreMarkAxes ? gdi::PS_DASHDOT : gdi::PS_SOLID;
    gdi::PenPtr old = dc.selectPen(gdi::createPen(style, 1, colour));
    const int oldRop = dc.setROP2(gdi::R2_COPYPEN);
    // The axes reach ten pixels beyond the figure on each side; the cross is 11 pixels.
    const int32_t before = kind == CentreMarkAxes ? radius + 10 : 5;
    const int32_t after = kind == CentreMarkAxes ? radius + 11 : 6;
    segment(dc, {x, y - before}, {x, y + after});
    segment(dc, {x - before, y}, {x + after, y});
    dc.setROP2(oldRop);
    dc.selectPen(old);
}
