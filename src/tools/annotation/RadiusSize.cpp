#include "tools/annotation/RadiusSize.h"

#include "tools/base/Prompts.h"

#include "document/Geometry.h"
#include "document/TechDocument.h"

#include <cmath>

namespace {

const TStringTable Prompts = {
    {20, "Задайте точку для стрелки (Enter - ОК, Esc - отказ)"},
    {30, "Задайте точку для начала размерной линии"},
    {110, "Задайте положение размера относительно размерной линии (Enter - ОК, Esc - отказ)"},
    {113, "Задайте положение выносной линии (Enter - ОК, Esc - отказ)"},
    {114, "Задайте направление полки (Enter - ОК, Esc - отказ)"},
};

} // namespace

void TRadiusSize::Create() {
    TSizeBase::Create();
    Restart();
}

void TRadiusSize::Restart() {
    TSizeBase::Restart();
    ArrowPoint = LineStart = TextExtEnd = NullPoint;
    DimCos = 1;
    DimSin = 0;
    DimLength = 0;
    TextMode = TextOnLine;
    SetStep(StepArrow);
}

QString TRadiusSize::GetPrompt() {
    return Prompts.Load(Step * 10 + SubStep);
}

// ---- Geometry ----------------------------------------------------------------------------------

void TRadiusSize::ComputeRadius() {
    DimLength = Distance(ArrowPoint, LineStart);
    // A zero-length line keeps the last direction.
    UnitVector(DimCos, DimSin, LineStart, ArrowPoint);
}

void TRadiusSize::PlaceText(gdi::Point p) {
    SetTextDirection(DimCos, DimSin);
    if (p == LineStart) return;
    const float along = Projection(LineStart, p, DimCos, DimSin);
    if (std::fabs(along) > DimLength && along > 0) {
        const int32_t w = DocDC ? SizeText->Width(*DocDC) : 0;
        TextMode = TextPastArrow;
        TextExtEnd = PointAlong(ArrowPoint, DimCos, DimSin, float(w + 5));
        const int32_t c = w / 2 + RoundToPixel(DimLength) + 5;
        SizeText->Anchor = PointAlong(LineStart, DimCos, DimSin, float(c));
    } else {
        PlaceOnLine();
    }
}

void TRadiusSize::PlaceOnLine() {
    TextMode = TextOnLine;
    SizeText->Anchor = PointAlong(LineStart, DimCos, DimSin, float(RoundToPixel(DimLength / 2) + 5));
}

void TRadiusSize::LeaderFromPointer(gdi::Point p) {
    const gdi::Point middle = MidPoint(ArrowPoint, LineStart);
    const float along = p == middle ? 0 : Projection(middle, p, DimCos, DimSin);
    const gdi::Point foot = PointAlong(middle, DimCos, DimSin, along);
    RemoteLine->EndPoint = foot;
    RemoteLine->StartPoint = along >= DimLength / 2 ? ArrowPoint : along < -DimLength / 2 ? LineStart : foot;
}

// ---- Events --------------------------------------------------------------------------------------

void TRadiusSize::LeftButton(gdi::Point point, TShiftState shift, bool released) {
    if (!PointerInside) return;
    // Any left-button event with the right button held drops the dimension.
    if (shift & ssRight) {
        Restart();
        Repaint();
        return;
    }
    if (released) return;
    switch (Step) {
    case StepArrow:
        ArrowPoint = LineStart = point;
        SetStep(StepLineStart);
        break;
    case StepLineStart:
        LineStartClick(point);
        break;
    case StepText:
        if (SubStep == SubStepLeader) {
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

void TRadiusSize::LineStartClick(gdi::Point point) {
    if (!AskText(true)) return;
    if (TextIsEmpty()) {
        Complete();
        Restart();
        return;
    }
    SetStep(StepText);
    if (ShelfMode) {
        TextMode = TextOnShelf;
        LeaderFromPointer(point);
        SetSubStep(SubStepLeader);
    } else {
        SetSubStep(SubStepText);
        // The pointer is still on the line's start, which places nothing: the text
        // stands on the line until the pointer moves.
        SetTextDirection(DimCos, DimSin);
        PlaceOnLine();
        PlaceText(point);
    }
}

void TRadiusSize::RightButton(gdi::Point, TShiftState, bool released) {
    if (released || !PointerInside) return;
    Restart();
    Repaint();
}

void TRadiusSize::PointerMove(gdi::Point point, TShiftState) {
    CurPoint = point;
    switch (Step) {
    case StepArrow:
        return;
    case StepLineStart:
        LineStart = point;
        ComputeRadius();
        PlaceText(point);
        break;
    case StepText:
        if (SubStep == SubStepText) {
            PlaceText(point);
        } else if (SubStep == SubStepLeader) {
            TextMode = TextOnShelf;
            LeaderFromPointer(point);
        } else {
            TurnShelf(point);
        }
        break;
    default:
        break;
    }
    Repaint();
}

void TRadiusSize::Complete() {
    CommitRender();
}

// ---- Drawing -------------------------------------------------------------------------------------

bool TRadiusSize::Render(const TGdiState& state, const void*, int32_t dx, int32_t dy) {
    if (Step < StepLineStart) return false;
    const TAppliedState applied(state);
    if (!applied.DC()) return false;
    gdi::DeviceContext& dc = *applied.DC();
    DrawShiftedSegment(dc, ArrowPoint, LineStart, dx, dy);
    DrawDimArrow(dc, ArrowPoint.x + dx, ArrowPoint.y + dy, false, DimCos, DimSin);
    if (Step == StepText) {
        const gdi::COLORREF colour = StatePenColour(applied.State());
        if (TextMode == TextOnShelf) {
            RemoteLine->Draw(dc, colour, dx, dy);
        } else {
            if (TextMode == TextPastArrow) DrawShiftedSegment(dc, ArrowPoint, TextExtEnd, dx, dy);
            SizeText->Draw(dc, colour, dx, dy);
        }
    }
    return true;
}

void TRadiusSize::DrawPreview(gdi::DeviceContext& dc, const gdi::Rect&, int32_t originX, int32_t originY) {
    if (Step >= StepLineStart) PreviewRender(dc, originX, originY, true);
}
