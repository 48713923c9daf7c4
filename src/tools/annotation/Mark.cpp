#include "tools/annotation/Mark.h"

#include "tools/annotation/ChooseDirectionForm.h"
#include "tools/annotation/MarkCallouts.h"
#include "tools/annotation/MarkKinds.h"
#include "tools/annotation/RoughForm.h"
#include "tools/base/KeysSuspension.h"

#include "tools/base/CursorIds.h"
#include "tools/base/Prompts.h"

#include "document/DrawingUtils.h"
#include "document/Geometry.h"
#include "document/TechDocument.h"

#include <limits>

namespace {

// The prompt without a mark is kept under 0; the others by step.
const TStringTable Prompts{
    {0, "Выбирайте знак для работы"},
    {TMark::StepMark, "Укажите точку для знака (Enter - ОК, Esc - меню направлений)"},
    {TMark::StepCallout, "Укажите точку для знака (Enter - ОК, Esc - меню направлений)"},
};

constexpr gdi::COLORREF White = 0xFFFFFF;
constexpr gdi::COLORREF Black = 0x000000;
constexpr gdi::COLORREF Green = 0x00FF00;

// A pixel of the sketch with something drawn on it; outside the sketch there is none.
bool drawnAt(gdi::Point p) {
    const gdi::COLORREF colour = DocDC->getPixel(p.x, p.y);
    return colour != White && colour != gdi::CLR_INVALID;
}

bool isRough(int32_t kind) {
    return kind == RoughKind || kind == RoughOtherKind;
}

} // namespace

// ---- Making ------------------------------------------------------------------------------

void TMark::Create() {
    CursorId = RubberCursor;
    TTechBase::Create();
    PointerInside = true;
    Direction = AutoDirection;
    Renderer = std::make_unique<TMarkRenderer>();
    ApplyKind(-1);
    ShowPrompt();
}

void TMark::Destroy() {
    Renderer.reset();
    TTechBase::Destroy();
}

void TMark::SelectKind(int32_t kind) {
    if (kind == Kind) return;
    ApplyKind(kind);
}

void TMark::ApplyKind(int32_t kind) {
    Kind = kind;
    if (IsCalloutKind(kind)) {
        SetStep(StepCallout);
        SetSubStep(SubPoint);
    } else {
        SetStep(StepMark);
        SetSubStep(SubPlace);
        Direction = DefaultDirection(kind);
    }
}

QString TMark::GetPrompt() {
    return Prompts.Load(Kind < 0 ? 0 : Step);
}

void TMark::SurfMouseEnter(int32_t, int32_t) {}
void TMark::SurfMouseLeave(int32_t, int32_t) {}
void TMark::Complete() {}

// ---- Attaching ---------------------------------------------------------------------------

void TMark::FindAnchor(gdi::Point point) {
    Anchor = point;
    if (Direction != AutoDirection) {
        DirCos = MarkDirections[Direction].Cos;
        DirSin = MarkDirections[Direction].Sin;
        Placeable = DocDC && drawnAt(point);
        return;
    }
    DirCos = 1;
    DirSin = 0;
    Placeable = false;
    if (!DocDC) return;
    int32_t best = std::numeric_limits<int32_t>::max();
    gdi::Point found;
    for (int32_t dx = -SearchRadius; dx <= SearchRadius; ++dx)
        for (int32_t dy = -SearchRadius; dy <= SearchRadius; ++dy) {
            const int32_t distance = dx * dx + dy * dy;
            const gdi::Point p{point.x + dx, point.y + dy};
            if (distance < best && drawnAt(p)) {
                best = distance;
                found = p;
            }
        }
    Placeable = best != std::numeric_limits<int32_t>::max();
    if (!Placeable) return;
    Anchor = found;
    // One pixel off the line towards the pointer, turned away from the line.
    if (UnitVector(DirCos, DirSin, found, point) > 0)
        Anchor = {found.x + RoundPixel(DirCos), found.y + RoundPixel(DirSin)};
}

gdi::COLORREF TMark::PreviewColor() const {
    if (Placeable) return PlaceableColor;
    return Direction != AutoDirection ? FixedColor : NowhereColor;
}

// ---- Events ------------------------------------------------------------------------------

void TMark::PointerMove(gdi::Point point, TShiftState) {
    CurPoint = point;
    if (Step == StepMark) {
        FindAnchor(point);
    } else if (SubStep == SubPoint) {
        Anchor = SecondPoint = point;
    } else {
        SecondPoint = point;
    }
    Repaint();
}

void TMark::LeftButton(gdi::Point point, TShiftState, bool released) {
    if (released || !PointerInside) return;
    if (Step == StepMark) {
        FindAnchor(point);
        Stamp();
    } else if (SubStep == SubPoint) {
        Anchor = SecondPoint = point;
        SetSubStep(SubPlace);
    } else {
        CalloutClick(point);
    }
    Repaint();
}

void TMark::RightButton(gdi::Point point, TShiftState, bool released) {
    if (released || !PointerInside) return;
    if (Step == StepCallout) {
        SetSubStep(SubPoint);
        Anchor = SecondPoint = point;
    } else {
        TKeysSuspension keys(*this);
        AskDirection(Direction);
        // The preview shows the new direction at once.
        FindAnchor(point);
    }
    Repaint();
}

void TMark::Stamp() {
    if (Kind < 0 || !DocDC) return;
    if (Direction == AutoDirection && !Placeable) return;
    TMarkLabel label;
    if (isRough(Kind)) {
        TKeysSuspension keys(*this);
        QString value;
        // Nothing is recorded for a cancelled value: the sketch has not changed.
        if (!AskRoughValue(value)) return;
        label.Text = value.toStdString();
    }
    Commit(label);
}

void TMark::CalloutClick(gdi::Point point) {
    // A leader of no length draws nothing, so there is nothing to ask.
    if (point == Anchor || !DocDC) return;
    SecondPoint = point;
    QString text;
    {
        TKeysSuspension keys(*this);
        if (!AskRoughValue(text)) return;
    }
    TMarkLabel label;
    label.Text = text.toStdString();
    Commit(label);
}

void TMark::Commit(const TMarkLabel& label) {
    RecordUndo();
    TGdiState state;
    InitStateForLogPen(state, DocDC, gdi::R2_COPYPEN, Black, 1, gdi::PS_SOLID);
    Render(state, &label, 0, 0);
}

// ---- Drawing -----------------------------------------------------------------------------

bool TMark::Render(const TGdiState& state, const void* extra, int32_t dx, int32_t dy) {
    if (!state.DC || !Renderer || Kind < 0) return false;
    gdi::DeviceContext& dc = *state.DC;
    const gdi::COLORREF colour = state.LogPen.color;
    const auto* label = static_cast<const TMarkLabel*>(extra);
    const std::string_view text = label ? std::string_view(label->Text) : std::string_view();
    const gdi::Point anchor{Anchor.x + dx, Anchor.y + dy};
    // The mark font replaces the DC's font only while the mark is drawn.
    const gdi::FontPtr oldFont = dc.font();
    if (IsCalloutKind(Kind)) {
        const gdi::Point second{SecondPoint.x + dx, SecondPoint.y + dy};
        if (Kind == SurfaceNumberKind)
            DrawSurfaceNumber(*Renderer, dc, colour, text, second, anchor);
        else
            DrawDatum(*Renderer, dc, colour, text, second, anchor);
    } else {
        Renderer->Begin(dc, gdi::R2_COPYPEN, MarkPenWidth(Kind), colour);
        Renderer->SetOrigin(anchor);
        DrawMarkStrokes(*Renderer, Kind, DirCos, DirSin);
        if (Kind == ClutchKind) DrawClutchLetter(*Renderer, ClutchLetter.toStdString());
        Renderer->Finish();
        if (label && isRough(Kind))
            DrawRoughText(dc, colour, Kind == RoughOtherKind, text, anchor, DirCos, DirSin);
    }
    dc.selectFont(oldFont);
    return true;
}

void TMark::DrawPreview(gdi::DeviceContext& dc, const gdi::Rect&, int32_t originX, int32_t originY) {
    if (Kind < 0) return;
    TGdiState state;
    if (Step == StepCallout) {
        DrawXMarker(dc, Black, {Anchor.x - originX, Anchor.y - originY});
        if (SubStep != SubPlace) return;
        InitStateForLogPen(state, &dc, gdi::R2_COPYPEN, Green, 1, gdi::PS_SOLID);
    } else {
        InitStateForLogPen(state, &dc, gdi::R2_COPYPEN, PreviewColor(), 1, gdi::PS_SOLID);
    }
    Render(state, nullptr, -originX, -originY);
}
