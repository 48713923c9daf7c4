#pragma once
// "Много окружностей": equal small circles evenly around a pitch circle. The user places
// the pitch circle (Ctrl and sideways movement change its radius), answers how many
// circles and from which angle, marks the common centre, then sizes the small circles
// and fixes them with their own centre marks: axis arcs with radial lines, crosses
// turned to the centre, or points. One undo step covers the whole operation.

#include "tools/base/TechBase.h"

#include "gdi/Types.h"

#include <cstdint>
#include <vector>

class TDivCircleByCircle : public TTechBase {
  public:
    enum TStep : uint8_t {
        StepPitch = 2, // placing and sizing the pitch circle
        StepSmall = 3, // sizing the small circles
    };
    // SubStep while the parameter questions are open: no cross-hair.
    static constexpr uint8_t SubStepAsking = 2;
    static constexpr int32_t DefaultRadius = 50;

    void LeftButton(gdi::Point point, TShiftState shift, bool released) override;
    void RightButton(gdi::Point point, TShiftState shift, bool released) override;
    void PointerMove(gdi::Point point, TShiftState shift) override;
    void AppMessage(QEvent& message, bool& handled) override;
    void SurfMouseEnter(int32_t x, int32_t y) override;
    void ShowMeasure() override;
    // Draws the circle extra points to (a TCircleResult) shifted by (dx, dy).
    bool Render(const TGdiState& state, const void* extra, int32_t dx, int32_t dy) override;
    void Create() override;
    // The radius read-out goes back to 0 with the tool.
    void Destroy() override;
    void DrawCursor(gdi::DeviceContext& dc, const gdi::Rect& clientRect, int32_t originX,
                    int32_t originY) override;
    void DrawPreview(gdi::DeviceContext& dc, const gdi::Rect& clientRect, int32_t originX,
                     int32_t originY) override;
    // The small circles into the sketch, without marks.
    void Complete() override;
    QString GetPrompt() override;

    // The centres of the small circles, the first at FFirstCentre.
    std::vector<gdi::Point> SmallCentres() const;

    gdi::Point FCentre;
    bool FRecentre = false;
    int32_t FCount = 0;
    gdi::Point FLastPointer;
    int32_t FPitchRadius = DefaultRadius;
    gdi::Point FFirstCentre;
    int32_t FSmallRadius = DefaultRadius;

  private:
    // Asks for the count and the start angle and marks the common centre.
    void AskParameters();
    // Asks how to mark the small circles' centres and marks them.
    void MarkSmallCentres();
    void MarkAxes(gdi::DeviceContext& dc, gdi::Point centre);
    void MarkCross(gdi::DeviceContext& dc, gdi::Point centre);
    void ResetRadii();
};
