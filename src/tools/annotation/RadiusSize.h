#pragma once
// The radius: one dimension line from a free start to the point where its arrow touches
// the arc. The arrow point is clicked first, the line's start follows the pointer. The
// inscription stands on the line beyond its middle, or past the arrow on a prolongation
// of the line when the pointer is beyond the arrow, or on a shelf.

#include "tools/annotation/SizeBase.h"

class TRadiusSize : public TSizeBase {
  public:
    enum TStep : uint8_t {
        StepArrow = 2,     // waiting for the arrow point
        StepLineStart = 3, // the line's start follows the pointer
        StepText = StepInscription,
    };
    enum TTextMode : uint8_t { TextOnLine = 0, TextPastArrow = 1, TextOnShelf = 2 };

    void Create() override;
    void Restart() override;
    void LeftButton(gdi::Point point, TShiftState shift, bool released) override;
    void RightButton(gdi::Point point, TShiftState shift, bool released) override;
    void PointerMove(gdi::Point point, TShiftState shift) override;
    bool Render(const TGdiState& state, const void* extra, int32_t dx, int32_t dy) override;
    void DrawPreview(gdi::DeviceContext& dc, const gdi::Rect& clientRect, int32_t originX,
                     int32_t originY) override;
    void Complete() override;
    QString GetPrompt() override;

    void ComputeRadius();
    void PlaceText(gdi::Point p);
    void LeaderFromPointer(gdi::Point p);

    gdi::Point ArrowPoint, LineStart;
    float DimCos = 1, DimSin = 0;
    float DimLength = 0;
    gdi::Point TextExtEnd;
    uint8_t TextMode = TextOnLine;

  private:
    void LineStartClick(gdi::Point point);
    // Centred five pixels past the line's middle, towards the arrow.
    void PlaceOnLine();
};
