#pragma once
// The free-hand line: after the first click every pointer move draws a short straight
// piece straight into the sketch, so the pointer's path is drawn as it goes. The whole
// stroke is one undo step. The last three positions give the direction for capturing
// the stroke's end onto ink.

#include "tools/draw/Line.h"

#include <array>

class TSmoothLine : public TLine {
  public:
    void LeftButton(gdi::Point point, TShiftState shift, bool released) override;
    void RightButton(gdi::Point point, TShiftState shift, bool released) override;
    void PointerMove(gdi::Point point, TShiftState shift) override;
    void SurfMouseEnter(int32_t x, int32_t y) override;
    void SurfMouseLeave(int32_t x, int32_t y) override;
    void Create() override;
    // Draws the open piece; the stroke's undo step was recorded at its first click.
    void Complete() override;
    QString GetPrompt() override;
    void CaptureAlong(int32_t steps) override;

    // Where the last three pieces ended, oldest first.
    std::array<gdi::Point, 3> FHistory{};

  private:
    // Pieces drawn in the open stroke, counted up to three.
    int m_pieces = 0;
    gdi::Point m_strokeStart;
};
