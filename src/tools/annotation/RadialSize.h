#pragma once
// The angular dimension. The vertex is clicked, then a point on the first side; the
// second point gives the second side and the radius of the dimension arc, which runs
// counter-clockwise on screen from the first side to the second with an arrow at each
// end. The value offered is the angle in whole degrees. The inscription follows the arc
// tangentially, inside it when the arc's middle is below the vertex and outside when it
// is above, and beside an end of the arc (which is then prolonged to carry it) when the
// pointer is beyond that end.

#include "tools/annotation/SizeBase.h"

class TRadialSize : public TSizeBase {
  public:
    enum TStep : uint8_t {
        StepCentre = 2,    // waiting for the vertex
        StepFirstSide = 3, // the first side and the radius follow the pointer
        StepSecondSide = 4,
        StepText = StepInscription,
    };
    enum TTextSide : uint8_t { TextInside = 0, TextBeyondEnd = 1, TextBeyondStart = 2 };

    void Create() override;
    void Restart() override;
    void LeftButton(gdi::Point point, TShiftState shift, bool released) override;
    // Drops the dimension under construction, its texts and shelf choice with it.
    void RightButton(gdi::Point point, TShiftState shift, bool released) override;
    void PointerMove(gdi::Point point, TShiftState shift) override;
    bool Render(const TGdiState& state, const void* extra, int32_t dx, int32_t dy) override;
    void DrawCursor(gdi::DeviceContext& dc, const gdi::Rect& clientRect, int32_t originX,
                    int32_t originY) override;
    void DrawPreview(gdi::DeviceContext& dc, const gdi::Rect& clientRect, int32_t originX,
                     int32_t originY) override;
    void Complete() override;
    QString GetPrompt() override;

    bool ComputeArc(gdi::Point p);
    void ComputeMidAngle();
    bool Upright() const;
    bool PlaceArcText(gdi::Point p);
    // The angle in degrees into the value of the inscription.
    void ComputeValue();

    gdi::Point Centre;
    float StartAngle = 0, EndAngle = 0, MidAngle = 0;
    float Radius = 0;
    gdi::Point ArcStart, ArcEnd;
    float StartCos = 1, StartSin = 0, EndCos = 1, EndSin = 0;
    gdi::Point ExtEnd1, ExtEnd2;
    uint8_t TextSide = TextInside;
    bool Valid = false;

  private:
    void SecondSideClick(gdi::Point point);
    void SetInscriptionAngle();
};

// The angle of (dx, dy) in (-pi, pi], growing clockwise on screen.
float AngleOf(float dx, float dy);
