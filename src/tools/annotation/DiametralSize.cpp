#include "tools/annotation/DiametralSize.h"

#include "tools/base/Prompts.h"

#include "document/DrawingUtils.h"
#include "document/Geometry.h"
#include "document/TechDocument.h"

#include <cmath>

namespace {

const TStringTable Prompts = {
    {20, "Задайте положение центра (Enter - ОК, Esc - отказ)"},
    {30, "Задайте положение размерной линии (Enter - ОК, Esc - отказ)"},
    {110, "Задайте положение размера относительно размерной линии (Enter - ОК, Esc - отказ)"},
    {113, "Задайте положение выносной линии (Enter - ОК, Esc - отказ)"},
    {114, "Задайте направление полки (Enter - ОК, Esc - отказ)"},
};

} // namespace

void TDiametralSize::Create() {
    TSizeBase::Create();
    Restart();
}

void TDiametralSize::Restart() {
    TSizeBase::Restart();
    Centre = DimEnd1 = DimEnd2 = NullPoint;
    Radius = 0;
    DimCos = 1;
    DimSin = 0;
    TextSide = TextCentred;
    Valid = true;
    SetStep(StepCentre);
}

QString TDiametralSize::GetPrompt() {
    return Prompts.Load(Step * 10 + SubStep);
}

// ---- Geometry ----------------------------------------------------------------------------------

bool TDiametralSize::ComputeDiameter(gdi::Point p) {
    Radius = Distance(Centre, p);
    if (!(Radius > 0)) return false;
    UnitVector(DimCos, DimSin, Centre, p);
    DimEnd1 = {2 * Centre.x - p.x, 2 * Centre.y - p.y};
    DimEnd2 = p;
    return true;
}

bool TDiametralSize::PlaceText(gdi::Point p) {
    TextSide = TextCentred;
    if (p != Centre) {
        const float x = Projection(Centre, p, DimCos, DimSin);
        if (std::fabs(x) > Radius) TextSide = x > 0 ? TextAfterEnd2 : TextBeforeEnd1;
    }
    SetTextDirection(DimCos, DimSin);
    const int32_t w = DocDC ? SizeText->Width(*DocDC) : 0;
    int32_t t = (RoundToPixel(2 * Radius) + w + 5) / 2;
    if (TextSide == TextBeforeEnd1) t = -t;
    if (TextSide == TextCentred) t = 0;
    SizeText->Anchor = PointAlong(Centre, DimCos, DimSin, float(t));
    return true;
}

void TDiametralSize::LeaderFromPointer(gdi::Point p) {
    const float d = p == Centre ? 0 : Projection(Centre, p, DimCos, DimSin);
    const gdi::Point foot = PointAlong(Centre, DimCos, DimSin, d);
    RemoteLine->EndPoint = foot;
    RemoteLine->StartPoint = d > Radius ? DimEnd2 : d < -Radius ? DimEnd1 : foot;
}

// ---- Events --------------------------------------------------------------------------------------

void TDiametralSize::LeftButton(gdi::Point point, TShiftState, bool released) {
    if (released || !PointerInside) return;
    switch (Step) {
    case StepCentre:
        Centre = point;
        SetStep(StepDimLine);
        break;
    case StepDimLine:
        DimLineClick(point);
        break;
    case StepText:
        if (SubStep == SubStepLeader) {
            LeaderFromPointer(point);
            SetSubStep(SubStepShelf);
        } else {
            Complete();
        }
        break;
    default:
        break;
    }
    Repaint();
}

void TDiametralSize::DimLineClick(gdi::Point point) {
    Valid = ComputeDiameter(point);
    if (!AskText(true) || !Valid) return;
    if (TextIsEmpty()) {
        Complete();
        return;
    }
    SetStep(StepText);
    if (ShelfMode)
        LeaderFromPointer(point);
    else
        Valid = PlaceText(point);
}

void TDiametralSize::RightButton(gdi::Point, TShiftState, bool released) {
    if (released || !PointerInside) return;
    Restart();
    Repaint();
}

void TDiametralSize::PointerMove(gdi::Point point, TShiftState) {
    CurPoint = point;
    switch (Step) {
    case StepCentre:
        Centre = point;
        break;
    case StepDimLine:
        Valid = ComputeDiameter(point);
        break;
    case StepText:
        if (SubStep == SubStepText)
            Valid = PlaceText(point);
        else if (SubStep == SubStepLeader)
            LeaderFromPointer(point);
        else
            TurnShelf(point);
        break;
    default:
        break;
    }
    Repaint();
}

void TDiametralSize::Complete() {
    CommitRender();
    const gdi::Point centre = Centre;
    Restart();
    Centre = centre;
    SetStep(StepDimLine);
}

// ---- Drawing -------------------------------------------------------------------------------------

bool TDiametralSize::Render(const TGdiState& state, const void*, int32_t dx, int32_t dy) {
    if (Step < StepDimLine) return false;
    const TAppliedState applied(state);
    if (!applied.DC()) return false;
    gdi::DeviceContext& dc = *applied.DC();
    DrawShiftedSegment(dc, DimEnd1, DimEnd2, dx, dy);
    const bool inside = Radius > 10;
    const float out = inside ? 1.0f : -1.0f;
    DrawDimArrow(dc, DimEnd2.x + dx, DimEnd2.y + dy, !inside, out * DimCos, out * DimSin);
    DrawDimArrow(dc, DimEnd1.x + dx, DimEnd1.y + dy, !inside, -out * DimCos, -out * DimSin);
    if (!ShelfMode && TextSide != TextCentred) {
        const float w = float(SizeText->Width(dc) + 5);
        if (TextSide == TextBeforeEnd1)
            DrawShiftedSegment(dc, DimEnd1, PointAlong(DimEnd1, -DimCos, -DimSin, w), dx, dy);
        else
            DrawShiftedSegment(dc, DimEnd2, PointAlong(DimEnd2, DimCos, DimSin, w), dx, dy);
    }
    DrawInscription(dc, StatePenColour(applied.State()), dx, dy);
    return true;
}

void TDiametralSize::DrawCursor(gdi::DeviceContext& dc, const gdi::Rect&, int32_t originX, int32_t originY) {
    if (Step >= StepDimLine) DrawXMarker(dc, 0, {Centre.x - originX, Centre.y - originY});
}

void TDiametralSize::DrawPreview(gdi::DeviceContext& dc, const gdi::Rect&, int32_t originX, int32_t originY) {
    if (Step >= StepDimLine) PreviewRender(dc, originX, originY, Valid);
}
