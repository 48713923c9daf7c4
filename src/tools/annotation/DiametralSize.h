#pragma once
// The diameter: a dimension line through a centre, symmetric about it, from the pointer
// to its mirror image, with arrows at both ends (inside for a radius over 10 pixels,
// outside with shafts for a smaller one). After a diameter is drawn the centre stays,
// so that further diameters about it follow at once.

#include "tools/annotation/SizeBase.h"

class TDiametralSize : public TSizeBase {
  public:
    enum TStep : uint8_t {
        StepCentre = 2,  // the centre follows the pointer
        StepDimLine = 3, // the dimension line follows the pointer
        StepText = StepInscription,
    };
    enum TTextSide : uint8_t { TextCentred = 0, TextBeforeEnd1 = 1, TextAfterEnd2 = 2 };

    void Create() override;
    void Restart() override;
    void LeftButton(gdi::Point point, TShiftState shift, bool released) override;
    void RightButton(gdi::Point point, TShiftState shift, bool released) override;
    void PointerMove(gdi::Point point, TShiftState shift) override;
    bool Render(const TGdiState& state, const void* extra, int32_t dx, int32_t dy) override;
    void DrawCursor(gdi::DeviceContext& dc, const gdi::Rect& clientRect, int32_t originX,
                    int32_t originY) override;
    void DrawPreview(gdi::DeviceContext& dc, const gdi::Rect& clientRect, int32_t originX,
                     int32_t originY) override;
    // Into the sketch, then a new diameter about the same centre.
    void Complete() override;
    QString GetPrompt() override;

    bool ComputeDiameter(gdi::Point p);
    bool PlaceText(gdi::Point p);
    // The leader prolongs the dimension line to the pointer's foot on it.
    void LeaderFromPointer(gdi::Point p);

    gdi::Point Centre;
    float Radius = 0;
    gdi::Point DimEnd1, DimEnd2;
    float DimCos = 1, DimSin = 0;
    uint8_t TextSide = TextCentred;
    bool Valid = true;

  private:
    void DimLineClick(gdi::Point point);
};
