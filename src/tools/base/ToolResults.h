#pragma once
// What a sub-tool hands its owner through the owner's OnResult: a result code and the
// sub-tool's figure as a typed value, so that an owner cannot read one kind of figure as
// another. The value lives only for the duration of the call.

#include <cstdint>
#include <variant>

// Result codes of PassResult.
enum TResultCode : int32_t {
    ResultEnded = 1,       // the figure was ended (right click or Esc)
    ResultFixed = 2,       // the figure was fixed by a click
    ResultMoved = 0x10000, // the pointer moved
};

// The segment of a polyline sub-tool and the line it would be drawn with.
struct TLineResult {
    int32_t EndX = 0;
    int32_t EndY = 0;
    int32_t StartX = 0;
    int32_t StartY = 0;
    uint8_t PenStyle = 0; // low byte of the line pen's style
    uint8_t PenWidth = 0; // low byte of the line pen's width
};

// The circle of a circle sub-tool.
struct TCircleResult {
    int32_t CentreX = 0;
    int32_t CentreY = 0;
    int32_t Radius = 0;
};

// The figure of whichever sub-tool reports: a segment of a polyline, or a circle.
using TToolResult = std::variant<TLineResult, TCircleResult>;
