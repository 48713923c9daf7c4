#include "tools/annotation/SizeLine.h"

#include "tools/base/Prompts.h"

#include "document/DrawingUtils.h"
#include "document/Geometry.h"
#include "document/Pens.h"
#include "document/TechDocument.h"

#include <array>
#include <cmath>

namespace {

// Keyed by stage x 10 + sub-stage.
const TStringTable Prompts = {
    {20, "Задайте первую точку привязки размера (Enter - ОК, Esc - отказ)"},
    {30, "Задайте вторую точку привязки размера (Enter - ОК, Esc - отказ)"},
    {40, "Задайте положение размерной линии (Enter - ОК, Esc - отказ)"},
    {110, "Задайте положение размера относительно размерной линии (Enter - ОК, Esc - отказ)"},
    {113, "Задайте положение выносной линии (Enter - ОК, Esc - отказ)"},
    {114, "Задайте направление полки (Enter - ОК, Esc - отказ)"},
};

// The side of zero counts as positive here.
float side(float x) {
    return x >= 0 ? 1.0f : -1.0f;
}

} // namespace

void TSizeLine::Create() {
    TSizeBase::Create();
    Restart();
}

void TSizeLine::Restart() {
    TSizeBase::Restart();
    Anchor1 = Anchor2 = NullPoint;
    SetStep(StepAnchor1);
    SetSubStep(SubStepText);
}

void TSizeLine::StartShelf() {
    RemoteLine->StartPoint = TextPoint;
    TSizeBase::StartShelf();
}

QString TSizeLine::GetPrompt() {
    return Prompts.Load(Step * 10 + SubStep);
}

// ---- Geometry ----------------------------------------------------------------------------------

bool TSizeLine::ComputeBase() {
    Middle = MidPoint(Anchor1, Anchor2);
    BaseLength = Distance(Anchor1, Anchor2);
    if (!(BaseLength > 0)) return false;
    UnitVector(BaseCos, BaseSin, Anchor1, Anchor2);
    return true;
}

void TSizeLine::SnapOffsetDir() {
    const bool baseSame = side(BaseCos) == side(BaseSin);
    const bool offsetSame = side(OffsetCos) == side(OffsetSin);
    // Parallel to the anchors only on the side a perpendicular to them can point to.
    const bool aligned = baseSame != offsetSame;
    std::array<float, 5> candidates = {BaseSin, -BaseSin, -1, 0, 1};
    float best = aligned ? candidates[0] : candidates[2];
    for (size_t i = aligned ? 1 : 3; i < candidates.size(); ++i)
        if (std::fabs(candidates[i] - OffsetCos) < std::fabs(best - OffsetCos)) best = candidates[i];
    OffsetSin = side(OffsetSin) * std::sqrt(1 - best * best);
    OffsetCos = best;
    TextPoint = PointAlong(Middle, OffsetCos, OffsetSin, Offset);
}

bool TSizeLine::ComputeDimLine(gdi::Point pointer) {
    TextPoint = pointer;
    Offset = Distance(Middle, pointer);
    if (!(Offset > 0)) return false;
    UnitVector(OffsetCos, OffsetSin, Middle, pointer);
    SnapOffsetDir();
    // The anchors' half-distance along the offset, so that both ends lie on one line.
    const float g = (OffsetCos * BaseCos + OffsetSin * BaseSin) * BaseLength / 2;
    ExtEnd1 = PointAlong(Anchor1, OffsetCos, OffsetSin, Offset + 5 + g);
    ExtEnd2 = PointAlong(Anchor2, OffsetCos, OffsetSin, Offset + 5 - g);
    DimEnd1 = PointAlong(Anchor1, OffsetCos, OffsetSin, Offset + g);
    DimEnd2 = PointAlong(Anchor2, OffsetCos, OffsetSin, Offset - g);
    TextPoint = MidPoint(DimEnd1, DimEnd2);
    DimLength = Distance(DimEnd1, DimEnd2);
    if (!(DimLength > 0)) return false;
    UnitVector(DimCos, DimSin, DimEnd1, DimEnd2);
    return true;
}

bool TSizeLine::PlaceText(gdi::Point pointer) {
    TextSide = TextCentred;
    if (pointer != TextPoint) {
        const float x = Projection(TextPoint, pointer, DimCos, DimSin);
        if (std::fabs(x) > std::fabs(DimLength / 2)) TextSide = x > 0 ? TextAfterEnd2 : TextBeforeEnd1;
    }
    SetTextDirection(DimCos, DimSin);
    const int32_t w = DocDC ? SizeText->Width(*DocDC) : 0;
    int32_t t = (RoundToPixel(DimLength) + w + 5) / 2;
    if (TextSide == TextBeforeEnd1) t = -t;
    if (TextSide == TextCentred) t = 0;
    SizeText->Anchor = PointAlong(TextPoint, DimCos, DimSin, float(t));
    return true;
}

// ---- Events --------------------------------------------------------------------------------------

void TSizeLine::LeftButton(gdi::Point point, TShiftState, bool released) {
    if (released || !PointerInside) return;
    switch (Step) {
    case StepAnchor1:
        Anchor1 = Anchor2 = point;
        SetStep(StepAnchor2);
        break;
    case StepAnchor2:
        Anchor2 = point;
        Valid = ComputeBase();
        if (Valid) {
            Valid = ComputeDimLine(Anchor2);
            SetStep(StepDimLine);
        }
        break;
    case StepDimLine:
        StageDimLineClick(point);
        break;
    case StepText:
        if (SubStep == SubStepLeader) {
            RemoteLine->EndPoint = point;
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

void TSizeLine::StageDimLineClick(gdi::Point point) {
    Valid = ComputeDimLine(point);
    const bool confirmed = AskText(true);
    if (!confirmed || !Valid) {
        Valid = false;
        return;
    }
    if (TextIsEmpty()) {
        Complete();
        return;
    }
    SetStep(StepText);
    // The inscription shows where the click left it, before the pointer moves on.
    if (ShelfMode)
        RemoteLine->EndPoint = point;
    else
        Valid = PlaceText(point);
}

void TSizeLine::RightButton(gdi::Point, TShiftState, bool released) {
    if (released || !PointerInside) return;
    Cancel();
    Restart();
    Repaint();
}

void TSizeLine::PointerMove(gdi::Point point, TShiftState) {
    CurPoint = point;
    switch (Step) {
    case StepAnchor1:
        Anchor1 = point;
        break;
    case StepAnchor2:
        Anchor2 = point;
        break;
    case StepDimLine:
        Valid = ComputeDimLine(point);
        break;
    case StepText:
        if (SubStep == SubStepText) {
            Valid = PlaceText(point);
        } else if (SubStep == SubStepLeader) {
            RemoteLine->StartPoint = TextPoint;
            RemoteLine->EndPoint = point;
        } else {
            TurnShelf(point);
        }
        break;
    default:
        break;
    }
    Repaint();
}

void TSizeLine::Complete() {
    CommitRender();
    Restart();
}

// ---- Drawing -------------------------------------------------------------------------------------

void TSizeLine::DrawLines(gdi::DeviceContext& dc, int32_t dx, int32_t dy) const {
    DrawShiftedSegment(dc, Anchor1, ExtEnd1, dx, dy);
    DrawShiftedSegment(dc, Anchor2, ExtEnd2, dx, dy);
    DrawShiftedSegment(dc, DimEnd1, DimEnd2, dx, dy);
    if (DimLength > 20) {
        DrawDimArrow(dc, DimEnd2.x + dx, DimEnd2.y + dy, false, DimCos, DimSin);
        DrawDimArrow(dc, DimEnd1.x + dx, DimEnd1.y + dy, false, -DimCos, -DimSin);
    } else {
        DrawDimArrow(dc, DimEnd2.x + dx, DimEnd2.y + dy, true, -DimCos, -DimSin);
        DrawDimArrow(dc, DimEnd1.x + dx, DimEnd1.y + dy, true, DimCos, DimSin);
    }
}

bool TSizeLine::Render(const TGdiState& state, const void*, int32_t dx, int32_t dy) {
    if (Step < StepDimLine) return false;
    const TAppliedState applied(state);
    if (!applied.DC()) return false;
    gdi::DeviceContext& dc = *applied.DC();
    DrawLines(dc, dx, dy);
    if (Step >= StepText) {
        const gdi::COLORREF colour = StatePenColour(applied.State());
        if (!ShelfMode && TextSide != TextCentred) {
            const float w = float(SizeText->Width(dc) + 5);
            if (TextSide == TextBeforeEnd1)
                DrawShiftedSegment(dc, DimEnd1, PointAlong(DimEnd1, -DimCos, -DimSin, w), dx, dy);
            else
                DrawShiftedSegment(dc, DimEnd2, PointAlong(DimEnd2, DimCos, DimSin, w), dx, dy);
        }
        DrawInscription(dc, colour, dx, dy);
    }
    return true;
}

void TSizeLine::DrawCursor(gdi::DeviceContext& dc, const gdi::Rect&, int32_t originX, int32_t originY) {
    if (Step >= StepAnchor2) DrawXMarker(dc, 0, {Anchor1.x - originX, Anchor1.y - originY});
    if (Step >= StepDimLine) DrawXMarker(dc, 0, {Anchor2.x - originX, Anchor2.y - originY});
}

void TSizeLine::DrawPreview(gdi::DeviceContext& dc, const gdi::Rect&, int32_t originX, int32_t originY) {
    if (Step == StepAnchor2) {
        TGdiState state;
        InitStateForPen(state, &dc, gdi::R2_COPYPEN, GreenPen);
        ApplyState(state);
        DrawShiftedSegment(dc, Anchor1, Anchor2, -originX, -originY);
        RestoreState(state);
    } else if (Step >= StepDimLine) {
        PreviewRender(dc, originX, originY, Valid);
    }
}
