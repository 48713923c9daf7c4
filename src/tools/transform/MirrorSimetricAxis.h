#pragma once
// The mirror in an axis: the user gives the axis by two points, then a window; the
// drawing of the window is added, mirrored, on the other side of the axis, and the axis
// itself is drawn as a dash-dot line. The window keeps its drawing and white pixels are
// never written, so the result is the drawing together with its mirror image. Every
// confirmed window asks for a new axis.

#include "tools/transform/Mirror.h"

#include "document/LineObj.h"

class TMirrorSimetricAxis : public TMirror {
  public:
    // SubStep while the axis is given.
    enum TAxisStep : uint8_t { AxisFirst = 2, AxisSecond = 3 };

    void LeftButton(gdi::Point point, TShiftState shift, bool released) override;
    void PointerMove(gdi::Point point, TShiftState shift) override;
    void SurfMouseEnter(int32_t x, int32_t y) override;
    void SurfMouseLeave(int32_t x, int32_t y) override;
    // Drops the axis with the window.
    void Restart() override;
    void Create() override;
    void DrawCursor(gdi::DeviceContext& dc, const gdi::Rect& clientRect, int32_t originX,
                    int32_t originY) override;
    void DrawPreview(gdi::DeviceContext& dc, const gdi::Rect& clientRect, int32_t originX,
                     int32_t originY) override;
    // The mirror image, then the axis in the line colour, in one undo step.
    void Complete() override;
    QString GetPrompt() override;
    void Transform(gdi::DeviceContext& copy, int32_t width, int32_t height) override;

    // P1 is the axis's first point, P2 its second.
    TLineObj FAxis;
};
