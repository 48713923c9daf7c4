#pragma once
// Turning the whole sketch: the user shows two points of a line that should be
// horizontal, and the sketch turns about its centre until that line points to the
// right, growing to hold all of the turned picture. The turn takes a while on a big
// sketch, so the status bar counts the percentage done meanwhile. Each turn is one undo
// step, and undoing it brings back the old size too.

#include "tools/base/TechBase.h"

#include "tools/transform/RotateLines.h"

#include <cstdint>

class TRotateImage : public TTechBase {
  public:
    // The steps; their prompts are keyed by these numbers.
    enum TStep : uint8_t {
        StepFirstPoint = 2,  // the reference line follows the pointer
        StepSecondPoint = 3, // the picked line follows the pointer
        StepTurning = 4,     // the sketch is being turned
    };

    void Create() override;
    void Restart() override;
    // The first point, then the second, which turns the sketch. A second point on the
    // first gives no direction and is not taken.
    void LeftButton(gdi::Point point, TShiftState shift, bool released) override;
    // Drops the points.
    void RightButton(gdi::Point point, TShiftState shift, bool released) override;
    void PointerMove(gdi::Point point, TShiftState shift) override;
    void DrawCursor(gdi::DeviceContext& dc, const gdi::Rect& clientRect, int32_t originX,
                    int32_t originY) override;
    QString GetPrompt() override;

    TRotateLines FLines{TRotateLines::Horizontal};
    // Shown in the prompt while the sketch turns.
    int32_t FPercent = 0;

  private:
    void TurnSketch(float cos, float sin);
    // What the turn reports, as a percentage of its steps.
    void Progress(int32_t code, intptr_t value);

    int32_t m_stepsDone = 0;
    int32_t m_stepsPerPercent = 1;
};
