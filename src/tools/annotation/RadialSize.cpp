#include "tools/annotation/RadialSize.h"

#include "tools/base/Prompts.h"

#include "document/DrawingUtils.h"
#include "document/Geometry.h"
#include "document/TechDocument.h"

#include <cmath>
#include <cstdio>
#include <numbers>

namespace {

constexpr float Pi = std::numbers::pi_v<float>;
// Two degrees of arc on each side of a text beyond an end.
constexpr double TextMargin = 0.034906585039886591538;

const TStringTable Prompts = {
    {20, "Задайте положение центра для дуги (Enter - ОК, Esc - отказ)"},
    {30, "Задайте точку угловой привязки (отсчет против часовой стрелки) (Enter - ОК, Esc - отказ)"},
    {40, "Задайте положение размерной линии (Enter - ОК, Esc - отказ)"},
    {110, "Задайте положение размера относительно размерной линии (Enter - ОК, Esc - отказ)"},
    {113, "Задайте положение выносной линии (Enter - ОК, Esc - отказ)"},
    {114, "Задайте направление полки (Enter - ОК, Esc - отказ)"},
};

gdi::Point onCircle(gdi::Point centre, float radius, float angle) {
    return PointAlong(centre, std::cos(angle), std::sin(angle), radius);
}

} // namespace

float AngleOf(float dx, float dy) {
    if (dx == 0) return Sign(dy) * Pi / 2;
    return std::atan2(dy, dx);
}

void TRadialSize::Create() {
    TSizeBase::Create();
    Restart();
}

void TRadialSize::Restart() {
    TSizeBase::Restart();
    StartAngle = EndAngle = MidAngle = 0;
    Radius = 0;
    Centre = NullPoint;
    SetStep(StepCentre);
}

QString TRadialSize::GetPrompt() {
    return Prompts.Load(Step * 10 + SubStep);
}

// ---- Geometry ----------------------------------------------------------------------------------

bool TRadialSize::ComputeArc(gdi::Point p) {
    if (p == Centre) return false;
    const float angle = AngleOf(float(p.x - Centre.x), float(p.y - Centre.y));
    if (Step == StepFirstSide) StartAngle = angle;
    EndAngle = angle;
    Radius = Distance(Centre, p);
    StartCos = std::cos(StartAngle);
    StartSin = std::sin(StartAngle);
    EndCos = std::cos(EndAngle);
    EndSin = std::sin(EndAngle);
    ArcStart = PointAlong(Centre, StartCos, StartSin, Radius);
    ArcEnd = PointAlong(Centre, EndCos, EndSin, Radius);
    ExtEnd1 = PointAlong(Centre, StartCos, StartSin, Radius + 5);
    ExtEnd2 = PointAlong(Centre, EndCos, EndSin, Radius + 5);
    return true;
}

void TRadialSize::ComputeMidAngle() {
    MidAngle = (StartAngle + EndAngle) / 2;
    // The arc passes through the left, where the angles jump.
    if (StartAngle < EndAngle) MidAngle += Pi;
}

bool TRadialSize::Upright() const {
    return -Pi / 3 < MidAngle && MidAngle <= 2 * Pi / 3;
}

void TRadialSize::SetInscriptionAngle() {
    SizeText->SetAngle(Upright() ? MidAngle - Pi / 2 : MidAngle + Pi / 2);
}

void TRadialSize::ComputeValue() {
    double degrees = double(StartAngle - EndAngle) * 180 / std::numbers::pi;
    if (degrees < 0) degrees += 360;
    char value[16];
    std::snprintf(value, sizeof value, "%d%s", int(std::nearbyint(degrees)), "^");
    SizeText->SetPart(TSizeText::PartValue, value);
}

bool TRadialSize::PlaceArcText(gdi::Point p) {
    ComputeMidAngle();
    const float t = AngleOf(float(p.x - Centre.x), float(p.y - Centre.y));
    const bool within =
        StartAngle >= EndAngle ? EndAngle <= t && t <= StartAngle : t >= EndAngle || t <= StartAngle;
    TextSide = within                                                ? TextInside
               : std::fabs(t - StartAngle) > std::fabs(t - EndAngle) ? TextBeyondEnd
                                                                     : TextBeyondStart;
    if (Step < StepText) ComputeValue();
    const float w = DocDC ? float(SizeText->Width(*DocDC)) : 0;
    // Upright text stands inside the arc with both ends of its baseline on it.
    const float l = Upright() && w / 2 <= Radius ? std::sqrt(Radius * Radius - w * w / 4) : Radius;
    ArcStart = onCircle(Centre, Radius, StartAngle);
    ArcEnd = onCircle(Centre, Radius, EndAngle);
    const float m = float(std::atan2(w / 2, l) + TextMargin);
    if (TextSide == TextBeyondEnd) {
        MidAngle = EndAngle - m;
        ArcEnd = onCircle(Centre, Radius, EndAngle - 2 * m);
    } else if (TextSide == TextBeyondStart) {
        MidAngle = StartAngle + m;
        ArcStart = onCircle(Centre, Radius, StartAngle + 2 * m);
    }
    SetInscriptionAngle();
    SizeText->Anchor = onCircle(Centre, l, MidAngle);
    return true;
}

// ---- Events --------------------------------------------------------------------------------------

void TRadialSize::LeftButton(gdi::Point point, TShiftState, bool released) {
    if (released || !PointerInside) return;
    switch (Step) {
    case StepCentre:
        Centre = point;
        SetStep(StepFirstSide);
        break;
    case StepFirstSide:
        Valid = ComputeArc(point);
        if (Valid) SetStep(StepSecondSide);
        break;
    case StepSecondSide:
        SecondSideClick(point);
        break;
    case StepText:
        if (SubStep == SubStepLeader) {
            RemoteLine->EndPoint = point;
            SetSubStep(SubStepShelf);
        } else {
            Complete();
            Restart();
        }
        break;
    default:
        break;
    }
    Repaint();
}

void TRadialSize::SecondSideClick(gdi::Point point) {
    Valid = ComputeArc(point);
    if (Valid) PlaceArcText(point);
    if (!AskText(true) || !Valid) return;
    if (TextIsEmpty()) {
        Complete();
        Restart();
        return;
    }
    SetStep(StepText);
    if (ShelfMode) {
        ComputeMidAngle();
        RemoteLine->StartPoint = onCircle(Centre, Radius, MidAngle);
        RemoteLine->EndPoint = point;
    } else {
        Valid = PlaceArcText(point);
    }
}

void TRadialSize::RightButton(gdi::Point, TShiftState, bool released) {
    if (released || !PointerInside) return;
    // A full restart, so that nothing of the dropped dimension reaches the next one.
    Restart();
    Repaint();
}

void TRadialSize::PointerMove(gdi::Point point, TShiftState) {
    CurPoint = point;
    switch (Step) {
    case StepCentre:
        return;
    case StepFirstSide:
        Valid = ComputeArc(point);
        break;
    case StepSecondSide:
        Valid = ComputeArc(point) && PlaceArcText(point);
        break;
    case StepText:
        if (SubStep == SubStepText)
            Valid = PlaceArcText(point);
        else if (SubStep == SubStepLeader)
            RemoteLine->EndPoint = point;
        else
            TurnShelf(point);
        break;
    default:
        break;
    }
    Repaint();
}

void TRadialSize::Complete() {
    CommitRender();
}

// ---- Drawing -------------------------------------------------------------------------------------

bool TRadialSize::Render(const TGdiState& state, const void*, int32_t dx, int32_t dy) {
    if (Step < StepFirstSide) return false;
    const TAppliedState applied(state);
    if (!applied.DC()) return false;
    gdi::DeviceContext& dc = *applied.DC();
    const int32_t r = RoundToPixel(Radius);
    const int32_t cx = Centre.x + dx, cy = Centre.y + dy;
    dc.arc(cx - r, cy - r, cx + r, cy + r, ArcStart.x + dx, ArcStart.y + dy, ArcEnd.x + dx, ArcEnd.y + dy);
    DrawShiftedSegment(dc, Centre, ExtEnd1, dx, dy);
    DrawShiftedSegment(dc, Centre, ExtEnd2, dx, dy);
    // The arrows stand on the arc's own ends, also when it is prolonged for the text.
    const gdi::Point tip1 = PointAlong(Centre, StartCos, StartSin, Radius);
    const gdi::Point tip2 = PointAlong(Centre, EndCos, EndSin, Radius);
    DrawDimArrow(dc, tip1.x + dx, tip1.y + dy, false, -StartSin, StartCos);
    DrawDimArrow(dc, tip2.x + dx, tip2.y + dy, false, EndSin, -EndCos);
    if (Step >= StepSecondSide) DrawInscription(dc, StatePenColour(applied.State()), dx, dy);
    return true;
}

void TRadialSize::DrawCursor(gdi::DeviceContext& dc, const gdi::Rect&, int32_t originX, int32_t originY) {
    if (Step >= StepFirstSide) DrawXMarker(dc, 0, {Centre.x - originX, Centre.y - originY});
}

void TRadialSize::DrawPreview(gdi::DeviceContext& dc, const gdi::Rect&, int32_t originX, int32_t originY) {
    // Green even while the figure cannot be drawn.
    if (Step >= StepFirstSide) PreviewRender(dc, originX, originY, true);
}
