#pragma once
// What a sub-tool hands its owner through the owner's OnResult, and the codes it does
// so with. The records live only for the duration of the call.

#include <cstdint>

// Result codes of PassResult.
enum TResultCode : int32_t {
    ResultEnded = 1,       // the figure was ended (right click or Esc)
    ResultFixed = 2,       // the figure was fixed by a click
    ResultMoved = 0x10000, // the pointer moved
};

// Who is reporting.
enum TSenderKind : int32_t {
    SenderLine = 1,    // a polyline sub-tool, with a TLineResult
    SenderCircle = 13, // a circle sub-tool, with a TCircleResult
};

#pragma pack(push, 1)
// The segment of a polyline sub-tool and the line it would be drawn with.
struct TLineResult {
    int32_t EndX = 0;
    int32_t EndY = 0;
    int32_t StartX = 0;
    int32_t StartY = 0;
    uint8_t PenStyle = 0; // low byte of the line pen's style
    uint8_t PenWidth = 0; // low byte of the line pen's width
};
#pragma pack(pop)
static_assert(sizeof(TLineResult) == 18);

// The circle of a circle sub-tool.
struct TCircleResult {
    int32_t CentreX = 0;
    int32_t CentreY = 0;
    int32_t Radius = 0;
};
static_assert(sizeof(TCircleResult) == 12);
