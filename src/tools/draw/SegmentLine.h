#pragma once
// The polyline: each click fixes a segment, with its own undo step, and the next one
// starts where it ended, until a right click (or Esc) ends the chain. With orthogonal
// mode the rubber segment keeps to the horizontal or vertical through its start. As a
// sub-tool it hands each segment to its owner instead of drawing it.

#include "tools/draw/Line.h"

class TSegmentLine : public TLine {
  public:
    TSegmentLine();
    // A sub-tool's set-up for CreateFor: the chain starts at point, already open when
    // open is set.
    TSegmentLine(bool open, gdi::Point point);

    void LeftButton(gdi::Point point, TShiftState shift, bool released) override;
    void RightButton(gdi::Point point, TShiftState shift, bool released) override;
    void PointerMove(gdi::Point point, TShiftState shift) override;
    // The X and Y read-outs count from the segment's start while one is open.
    void ShowMeasure() override;
    void Create() override;
    void CreateFor(TTechBase* owner) override;
    void DrawCursor(gdi::DeviceContext& dc, const gdi::Rect& clientRect, int32_t originX,
                    int32_t originY) override;
    void DrawPreview(gdi::DeviceContext& dc, const gdi::Rect& clientRect, int32_t originX,
                     int32_t originY) override;
    QString GetPrompt() override;
    void Destroy() override;
    void CaptureAlong(int32_t steps) override;
    // Orthogonal mode turns the rubber segment at once.
    bool OptionToggled(TOptionButton which, bool down) override;

    bool FOrthogonal = false;

  private:
    // The end for a pointer at point, by the orthogonal rule when it is on.
    gdi::Point EndFor(gdi::Point point) const;

    bool m_subOpen = false;
    gdi::Point m_subPoint;
};
