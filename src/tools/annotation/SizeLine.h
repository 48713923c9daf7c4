#pragma once
// The linear dimension. Two anchor points are clicked, then the pointer drags the
// dimension line out of them; it snaps to horizontal, vertical or parallel to the
// anchors, whichever the pointer's direction from their middle is nearest to. The
// extension lines run from the anchors to five pixels past the dimension line; the
// arrows stand inside a line longer than 20 pixels and outside a shorter one. After the
// texts are given the inscription is placed on the line, beside one of its ends, or on
// a shelf at the end of a leader from the line's middle.

#include "tools/annotation/SizeBase.h"

class TSizeLine : public TSizeBase {
  public:
    enum TStep : uint8_t {
        StepAnchor1 = 2, // the first anchor follows the pointer
        StepAnchor2 = 3, // the second anchor follows the pointer
        StepDimLine = 4, // the dimension line follows the pointer
        StepText = StepInscription,
    };
    enum TTextSide : uint8_t { TextCentred = 0, TextBeforeEnd1 = 1, TextAfterEnd2 = 2 };

    void Create() override;
    void Restart() override;
    void StartShelf() override;
    void LeftButton(gdi::Point point, TShiftState shift, bool released) override;
    void RightButton(gdi::Point point, TShiftState shift, bool released) override;
    void PointerMove(gdi::Point point, TShiftState shift) override;
    bool Render(const TGdiState& state, const void* extra, int32_t dx, int32_t dy) override;
    void DrawCursor(gdi::DeviceContext& dc, const gdi::Rect& clientRect, int32_t originX,
                    int32_t originY) override;
    void DrawPreview(gdi::DeviceContext& dc, const gdi::Rect& clientRect, int32_t originX,
                     int32_t originY) override;
    // Into the sketch in the line colour, one undo step, and a new dimension.
    void Complete() override;
    QString GetPrompt() override;

    // The geometry; each is false when it cannot be drawn.
    bool ComputeBase();
    bool ComputeDimLine(gdi::Point pointer);
    bool PlaceText(gdi::Point pointer);

    gdi::Point Anchor1, Anchor2, Middle;
    float BaseLength = 0;
    float BaseCos = 1, BaseSin = 0;
    float Offset = 0;
    float OffsetCos = 1, OffsetSin = 0;
    gdi::Point DimEnd1, DimEnd2, ExtEnd1, ExtEnd2, TextPoint;
    float DimLength = 0;
    float DimCos = 1, DimSin = 0;
    uint8_t TextSide = TextCentred;
    bool Valid = false;

  private:
    void SnapOffsetDir();
    void StageDimLineClick(gdi::Point point);
    void DrawLines(gdi::DeviceContext& dc, int32_t dx, int32_t dy) const;
};
