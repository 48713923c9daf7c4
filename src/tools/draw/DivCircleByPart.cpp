#include "tools/draw/DivCircleByPart.h"

#include "tools/base/CursorIds.h"

#include "tools/draw/CentreMark.h"
#include "tools/draw/Circle.h"
#include "tools/draw/RadialShape.h"
#include "tools/draw/SegmentLine.h"

#include "document/Geometry.h"
#include "document/Pens.h"
#include "document/TechDocument.h"

#include <numbers>

namespace {

constexpr float Pi = std::numbers::pi_v<float>;
constexpr int32_t DefaultParts = 16;

// The settings a cancelled question leaves: 16 parts from 0 degrees, circle drawn.
TDivisionSettings defaultSettings() {
    TDivisionSettings settings;
    settings.Mask = DivisionAllGiven;
    settings.Circle = 1;
    settings.StartAngle = 0;
    settings.Parts = DefaultParts;
    return settings;
}

} // namespace

TDivCircleByPart::TDivCircleByPart() {
    OnResult = [this](int32_t code, const TToolResult& result) { OnSubToolResult(code, result); };
}

void TDivCircleByPart::Create() {
    CursorId = CrossCursor;
    TTechBase::Create();
    PointerInside = true;
    Restart();
}

void TDivCircleByPart::Destroy() {
    FSubTool.reset();
    m_retired.reset();
    TTechBase::Destroy();
}

void TDivCircleByPart::RetireSubTool() {
    if (!FSubTool) return;
    FSubTool->Destroy();
    m_retired = std::move(FSubTool);
}

void TDivCircleByPart::Restart() {
    RetireSubTool();
    m_questionPrompt = QString::fromUtf8(DivisionPrompt);
    const bool answered = AskDivision(FSettings);
    m_questionPrompt.clear();
    // The question refuses no parts, so only an answer from elsewhere could hold them.
    if (!answered || FSettings.Parts <= 0) FSettings = defaultSettings();
    FShowCircle = false;
    FParts = FSettings.Parts;
    FSubTool = CreateToolFor<TCircle>(this);
    ShowPrompt();
}

QString TDivCircleByPart::GetPrompt() {
    if (!m_questionPrompt.isEmpty()) return m_questionPrompt;
    return FSubTool ? FSubTool->GetPrompt() : QString();
}

float TDivCircleByPart::PartAngle() const {
    return 2.0f * Pi / float(FParts);
}

void TDivCircleByPart::OnSubToolResult(int32_t code, const TToolResult& result) {
    if (code == ResultEnded) {
        Restart();
    } else if (code == ResultFixed) {
        if (const auto* circle = std::get_if<TCircleResult>(&result))
            CircleFixed(*circle);
        else if (const auto* segment = std::get_if<TLineResult>(&result))
            SegmentFixed(*segment);
    }
}

void TDivCircleByPart::CircleFixed(const TCircleResult& circle) {
    FCentre = {circle.CentreX, circle.CentreY};
    FRadius = circle.Radius;
    RetireSubTool();
    FShowCircle = true;
    Repaint();
    // One undo step for the marks, the circle and every segment repeated around it.
    RecordUndo();
    TCentreMarkRequest request;
    m_questionPrompt = QString::fromUtf8("Укажите вариант отметки координат центра фигуры.");
    const bool marked = AskCentreMark(request);
    m_questionPrompt.clear();
    if (!marked || !DocDC) {
        Restart();
        return;
    }
    DrawCentreMark(*DocDC, request.Kind, FCentre, FRadius);
    gdi::Point first{FCentre.x + FRadius, FCentre.y};
    RotatePoint(first, FCentre, -float(FSettings.StartAngle) * Pi / 180.0f);
    DrawDivision(first);
    FShowCircle = false;
    FSubTool = CreateToolFor<TSegmentLine>(this, true, first);
    Repaint();
}

void TDivCircleByPart::DrawDivision(gdi::Point first) {
    if (FSettings.Circle) {
        TGdiState state;
        InitOutlineState(state, DocDC, LinePen);
        ApplyState(state);
        DocDC->ellipse(FCentre.x - FRadius, FCentre.y - FRadius, FCentre.x + FRadius, FCentre.y + FRadius);
        RestoreState(state);
        return;
    }
    const float step = PartAngle();
    for (int32_t b = 0; b < FParts; ++b) {
        gdi::Point point = first;
        RotatePoint(point, FCentre, float(b) * step);
        DocDC->setPixel(point.x, point.y, LineLogPen.color);
    }
}

void TDivCircleByPart::SegmentFixed(const TLineResult& segment) {
    if (!DocDC) return;
    m_retired.reset();
    const float step = PartAngle();
    gdi::PenPtr oldPen = DocDC->selectPen(LinePen);
    const int oldRop = DocDC->setROP2(gdi::R2_COPYPEN);
    for (int32_t d = 0; d < FParts; ++d) {
        gdi::Point start{segment.StartX, segment.StartY};
        gdi::Point end{segment.EndX, segment.EndY};
        RotatePoint(start, FCentre, float(d) * step);
        RotatePoint(end, FCentre, float(d) * step);
        DocDC->moveTo(start.x, start.y);
        DocDC->lineTo(end.x, end.y);
    }
    DocDC->setROP2(oldRop);
    DocDC->selectPen(oldPen);
    Repaint();
}

void TDivCircleByPart::DrawPreview(gdi::DeviceContext& dc, const gdi::Rect&, int32_t originX,
                                   int32_t originY) {
    if (!FShowCircle) return;
    TGdiState state;
    InitOutlineState(state, &dc, GreenPen);
    ApplyState(state);
    dc.ellipse(FCentre.x - FRadius - originX, FCentre.y - FRadius - originY, FCentre.x + FRadius - originX,
               FCentre.y + FRadius - originY);
    RestoreState(state);
}
