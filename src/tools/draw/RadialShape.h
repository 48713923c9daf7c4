#pragma once
// What the circle, the arc and the hexagon share: a figure given by its centre and a
// radius that follows the pointer with its centre. Holding Ctrl turns sideways pointer
// movement into a change of radius (and puts the pointer back on the centre when Ctrl is
// let go); a click or Enter asks how to mark the centre and fixes the figure in the
// sketch. As a sub-tool it hands its circle to the owner instead.

#include "tools/base/TechBase.h"

#include "gdi/Types.h"

#include <cstdint>

class TRadialShape : public TTechBase {
  public:
    enum TStep : uint8_t {
        StepCentre = 2, // the figure follows the pointer
        StepRadius = 3, // Ctrl held: sideways movement changes the radius
        StepMark = 4,   // the centre-mark question is open
    };

    static constexpr int32_t DefaultRadius = 75;

    void LeftButton(gdi::Point point, TShiftState shift, bool released) override;
    void RightButton(gdi::Point point, TShiftState shift, bool released) override;
    void PointerMove(gdi::Point point, TShiftState shift) override;
    void AppMessage(QEvent& message, bool& handled) override;
    void SurfMouseEnter(int32_t x, int32_t y) override;
    void SurfMouseLeave(int32_t x, int32_t y) override;
    void Restart() override;
    void ShowMeasure() override;
    // Applies state and draws the figure of the subclass (DrawFigure).
    bool Render(const TGdiState& state, const void* extra, int32_t dx, int32_t dy) override;
    void PassResult(int32_t code) override;
    void Create() override;
    void CreateFor(TTechBase* owner) override;
    // The radius read-out goes back to 0 with the tool.
    void Destroy() override;
    void DrawCursor(gdi::DeviceContext& dc, const gdi::Rect& clientRect, int32_t originX,
                    int32_t originY) override;
    void DrawPreview(gdi::DeviceContext& dc, const gdi::Rect& clientRect, int32_t originX,
                     int32_t originY) override;
    // Asks for the centre mark, then draws the figure and its mark with one undo step.
    void Complete() override;

    gdi::Point FCentre;
    gdi::Point FLastPointer;
    int32_t FRadius = DefaultRadius;

  protected:
    // The figure's own drawing, through a DC the caller has set up, shifted by (dx, dy).
    virtual void DrawFigure(gdi::DeviceContext& dc, int32_t dx, int32_t dy) const = 0;

  private:
    void SetUp();
    // Ctrl pressed or let go; true when the key was Ctrl.
    bool CtrlKey(const QEvent& message);
};

// A record for drawing an outline: pen with the raster operation, the null brush and a
// transparent background.
void InitOutlineState(TGdiState& state, gdi::DeviceContext* dc, const gdi::PenPtr& pen);
