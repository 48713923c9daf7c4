#pragma once
// What the polyline and the free-hand line share: the segment from FStart to FEnd, the
// point capture that lets a line start and end on ink already in the sketch, drawing
// the segment with the line pen, and the point-capture button, which each line tool
// class remembers for itself.

#include "tools/base/TechBase.h"

#include "gdi/Types.h"

#include <cstdint>

class TLine : public TTechBase {
  public:
    // The steps; their prompts are keyed by these numbers.
    enum TStep : uint8_t {
        StepStart = 2, // waiting for the start point
        StepOpen = 3,  // a segment or stroke runs from FStart to the pointer
    };

    TLine();

    void SurfMouseEnter(int32_t x, int32_t y) override;
    void SurfMouseLeave(int32_t x, int32_t y) override;
    bool Render(const TGdiState& state, const void* extra, int32_t dx, int32_t dy) override;
    void PassResult(int32_t code) override;
    void Create() override;
    void DrawCursor(gdi::DeviceContext& dc, const gdi::Rect& clientRect, int32_t originX,
                    int32_t originY) override;
    // Records an undo step, then draws the open segment into the sketch.
    void Complete() override;

    // Moves FEnd onto the first ink along the line's direction, at most steps pixels on.
    virtual void CaptureAlong(int32_t steps) = 0;
    // Moves FStart onto the nearest ink within radius, in growing squares.
    void CaptureNearest(int32_t radius);

    bool FPointCapture = false;
    gdi::Point FStart;
    gdi::Point FEnd;

  protected:
    // CaptureAlong in the direction (dx, dy); a zero direction leaves FEnd alone.
    void CaptureAlongDirection(int32_t dx, int32_t dy, int32_t steps);
    // The open segment into the sketch with the line pen.
    void DrawIntoSketch();
};
