#pragma once
// "Окружность на части": the user places a circle (a circle sub-tool), marks its centre,
// and the tool draws the circle or sets its division points; then every segment the
// user draws from there (a polyline sub-tool, starting at the first division point) is
// repeated around the centre once per part. A right click starts over with the
// settings question. Everything one division draws is one undo step.

#include "tools/base/TechBase.h"
#include "tools/draw/CtPPForm.h"

#include "gdi/Types.h"

#include <cstdint>

class TDivCircleByPart : public TTechBase {
  public:
    TDivCircleByPart();

    void Create() override;
    void Destroy() override;
    // Asks for the settings again and starts a new circle.
    void Restart() override;
    void DrawPreview(gdi::DeviceContext& dc, const gdi::Rect& clientRect, int32_t originX,
                     int32_t originY) override;
    // The tool has no prompt of its own: that of the open question, or else of the
    // sub-tool at work.
    QString GetPrompt() override;

    bool FShowCircle = false;
    gdi::Point FCentre;
    TToolPtr FSubTool;
    TDivisionSettings FSettings;
    int32_t FParts = 0;
    int32_t FRadius = 0;

  private:
    void OnSubToolResult(int32_t code, const TToolResult& result);
    void CircleFixed(const TCircleResult& circle);
    void SegmentFixed(const TLineResult& segment);
    // Takes the sub-tool down now; the object itself waits, since its own event
    // handling may still be running.
    void RetireSubTool();
    // The circle, or its division points, into the sketch from the first point.
    void DrawDivision(gdi::Point first);
    // The angle between neighbouring parts.
    float PartAngle() const;

    TToolPtr m_retired;
    QString m_questionPrompt;
};
