#pragma once
// How the centre of a finished circle, arc or hexagon is marked in the sketch: the
// question put to the user (AskCentreMark, through the form "Координаты центра") and
// the mark itself (DrawCentreMark): axis lines reaching past the figure, a small cross,
// a single point, or nothing.

#include "gdi/DeviceContext.h"
#include "gdi/Types.h"

#include <QString>

#include <cstdint>

class TTechBase;

enum TCentreMarkKind : uint8_t {
    CentreMarkNone = 0,
    CentreMarkAxes = 1,
    CentreMarkCross = 2,
    CentreMarkPoint = 3,
};

// Bit of TCentreMarkRequest::Options: the caption is given.
inline constexpr uint8_t CentreMarkHasCaption = 1;

struct TCentreMarkRequest {
    uint8_t Options = 0;
    QString Caption;
    uint8_t Kind = CentreMarkNone;
};

// Asks which mark to draw; true with request.Kind set, false when cancelled. The tools
// taking keys ignore them meanwhile, so that Enter and Esc answer the form only.
bool AskCentreMark(TCentreMarkRequest& request);

// The mark of kind at centre for a figure of the given radius, in the colour of the line
// pen; the DC is left as it was.
void DrawCentreMark(gdi::DeviceContext& dc, uint8_t kind, gdi::Point centre, int32_t radius);

