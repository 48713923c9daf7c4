#pragma once
// The line picker of the rotations. The user shows two points of a line in the picture
// that should become horizontal (or vertical); the picker keeps that line and a short
// reference line from the same first point in the wanted direction, draws both as
// guides, and yields the turn from the reference direction to the picked line.

#include "document/LineObj.h"

#include "gdi/DeviceContext.h"
#include "gdi/Types.h"

#include <cstdint>

// How long the reference line is drawn, in sketch pixels.
inline constexpr int32_t ReferenceLineLength = 100;

class TRotateLines {
  public:
    enum TMode : uint8_t {
        Horizontal = 0, // the reference line points right
        Vertical = 1,   // the reference line points up
    };

    explicit TRotateLines(TMode mode = Horizontal) : Mode(mode) {}

    // Both lines start at point; the picked line has no length yet.
    void SetFirstPoint(gdi::Point point);
    void SetSecondPoint(gdi::Point point);
    // The reference line with its arrow and a black marker at its start, then, when
    // asked, the picked line with its arrow, all shifted by (dx, dy).
    void DrawGuides(gdi::DeviceContext& dc, int rop2, bool withPicked, int32_t dx, int32_t dy) const;
    // The angle A from the reference direction to the picked line, clockwise on the
    // screen: cos A and sin A. A picked line of no length has no direction: false, with
    // cos and sin untouched.
    bool GetRotation(float& cos, float& sin) const;

    TLineObj ReferenceLine;
    TLineObj PickedLine;
    TMode Mode;
};
