#include "tools/draw/DivCircleByCircle.h"

#include "tools/base/CursorIds.h"

#include "tools/base/Prompts.h"
#include "tools/base/ToolHost.h"
#include "tools/base/ToolResults.h"
#include "tools/draw/CentreMark.h"
#include "tools/draw/CtPPForm.h"
#include "tools/draw/RadialShape.h"

#include "document/DrawingUtils.h"
#include "document/Geometry.h"
#include "document/Pens.h"
#include "document/TechDocument.h"

#include <QKeyEvent>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

const TStringTable Prompts{
    {TDivCircleByCircle::StepPitch,
     "Задайте положение центра и размеры начальной окружности. (Enter - ОК, Esc - отказ)"},
    {TDivCircleByCircle::StepSmall, "Задайте размеры окружностей. (Enter - ОК, Esc - отказ)"},
};

constexpr float Pi = std::numbers::pi_v<float>;
constexpr gdi::COLORREF PitchCircleColour = 0xFF0000;
constexpr int32_t FirstParts = 6;

gdi::Point roundPoint(float x, float y) {
    return {int32_t(std::nearbyint(x)), int32_t(std::nearbyint(y))};
}

// A pen of style in the line colour for a mark, selected with the copy operation.
class TMarkPen {
  public:
    TMarkPen(gdi::DeviceContext& dc, int style) : m_dc(dc) {
        m_old = dc.selectPen(gdi::createPen(style, 1, LineLogPen.color));
        m_oldRop = dc.setROP2(gdi::R2_COPYPEN);
    }
    ~TMarkPen() {
        m_dc.setROP2(m_oldRop);
        m_dc.selectPen(m_old);
    }
    TMarkPen(const TMarkPen&) = delete;
    TMarkPen& operator=(const TMarkPen&) = delete;

  private:
    gdi::DeviceContext& m_dc;
    gdi::PenPtr m_old;
    int m_oldRop;
};

void segment(gdi::DeviceContext& dc, gdi::Point from, gdi::Point to) {
    dc.moveTo(from.x, from.y);
    dc.lineTo(to.x, to.y);
}

} // namespace

void TDivCircleByCircle::Create() {
    CursorId = CrossCursor;
    TTechBase::Create();
    PointerInside = true;
    FPitchRadius = DefaultRadius;
    SetStep(StepPitch);
    FFirstCentre = NullPoint;
    FSmallRadius = DefaultRadius;
}

void TDivCircleByCircle::Destroy() {
    TTechBase::Destroy();
    ToolHost().ShowRadius(0);
}

QString TDivCircleByCircle::GetPrompt() {
    return Prompts.Load(Step);
}

void TDivCircleByCircle::ResetRadii() {
    FPitchRadius = DefaultRadius;
    FSmallRadius = DefaultRadius;
}

// ---- Events ----------------------------------------------------------------------------

void TDivCircleByCircle::PointerMove(gdi::Point point, TShiftState shift) {
    if (!PointerInside) return;
    if (Step == StepPitch) {
        if (shift & ssCtrl) {
            FPitchRadius += point.x - FLastPointer.x;
            if (FPitchRadius <= 0) FPitchRadius = 1;
        } else {
            FCentre = point;
        }
    } else if (Step == StepSmall) {
        FSmallRadius += point.x - FLastPointer.x;
    }
    FLastPointer = point;
    ShowMeasure();
    Repaint();
}

void TDivCircleByCircle::SurfMouseEnter(int32_t x, int32_t y) {
    if (Step == StepPitch) FCentre = CurPoint = {x, y};
}

void TDivCircleByCircle::AppMessage(QEvent& message, bool& handled) {
    const bool press = message.type() == QEvent::KeyPress;
    if ((press || message.type() == QEvent::KeyRelease) &&
        static_cast<const QKeyEvent&>(message).key() == Qt::Key_Control) {
        if (press && !FRecentre) {
            FRecentre = true;
            SetCursorId(RubberCursor);
        } else if (!press && FRecentre) {
            FLastPointer = FCentre;
            ToolHost().SetPointerPos(SketchToScreen(FCentre));
            FRecentre = false;
            SetCursorId(CrossCursor);
        }
        return;
    }
    TTechBase::AppMessage(message, handled);
}

void TDivCircleByCircle::LeftButton(gdi::Point, TShiftState, bool released) {
    if (released || !PointerInside) return;
    if (Step == StepPitch) {
        AskParameters();
    } else if (Step == StepSmall && FSmallRadius > 0) {
        // Circles of no size cannot be drawn; the user sizes them up first.
        MarkSmallCentres();
        Complete();
        SetStep(StepPitch);
    }
    ShowMeasure();
    Repaint();
}

void TDivCircleByCircle::RightButton(gdi::Point, TShiftState, bool released) {
    if (released || !PointerInside) return;
    ResetRadii();
    SetStep(StepPitch);
    ShowMeasure();
    Repaint();
}

// ---- The questions -----------------------------------------------------------------------

void TDivCircleByCircle::AskParameters() {
    SetSubStep(SubStepAsking);
    Repaint();
    KeysSuspended = true;
    TDivisionSettings settings;
    settings.Mask = DivisionCircleGiven | DivisionPartsGiven;
    settings.Parts = FirstParts;
    if (!AskDivision(settings) || settings.Parts <= 0) {
        ResetRadii();
        SetStep(StepPitch);
    } else {
        RecordUndo();
        TCentreMarkRequest request{CentreMarkHasCaption, QStringLiteral("Общий центр"), CentreMarkNone};
        if (AskCentreMark(request) && request.Kind != CentreMarkNone && DocDC)
            DrawCentreMark(*DocDC, request.Kind, FCentre, FPitchRadius);
        FCount = settings.Parts;
        FFirstCentre = {FCentre.x + FPitchRadius, FCentre.y};
        RotatePoint(FFirstCentre, FCentre, -float(settings.StartAngle) * Pi / 180.0f);
        FSmallRadius = 2 * FPitchRadius / FCount;
        PointerSketchPos(FLastPointer);
        SetStep(StepSmall);
    }
    KeysSuspended = false;
    SetSubStep(0);
    Repaint();
}

std::vector<gdi::Point> TDivCircleByCircle::SmallCentres() const {
    std::vector<gdi::Point> centres;
    if (FCount <= 0) return centres;
    const float step = 2.0f * Pi / float(FCount);
    for (int32_t i = 0; i < FCount; ++i) {
        gdi::Point centre = FFirstCentre;
        RotatePoint(centre, FCentre, float(i) * step);
        centres.push_back(centre);
    }
    return centres;
}

void TDivCircleByCircle::MarkSmallCentres() {
    TCentreMarkRequest request{CentreMarkHasCaption, QStringLiteral("Центры окружностей"), CentreMarkNone};
    if (!AskCentreMark(request) || request.Kind == CentreMarkNone || !DocDC) return;
    for (gdi::Point centre : SmallCentres()) {
        if (request.Kind == CentreMarkAxes)
            MarkAxes(*DocDC, centre);
        else if (request.Kind == CentreMarkCross)
            MarkCross(*DocDC, centre);
        else if (request.Kind == CentreMarkPoint)
            DrawCentreMark(*DocDC, CentreMarkPoint, centre, FSmallRadius);
    }
}

void TDivCircleByCircle::MarkAxes(gdi::DeviceContext& dc, gdi::Point centre) {
    // The pitch circle's arc through the centre and the radial line through it, each
    // reaching ten pixels beyond the small circle.
    const float pitch = float(FPitchRadius);
    const float a = float(std::abs(FSmallRadius)) + 10.0f;
    const float f = std::max(pitch, a);
    const float g = std::min(pitch, a);
    const float vx = float(centre.x - FCentre.x);
    const float vy = float(centre.y - FCentre.y);
    const float t = std::sqrt(vx * vx + vy * vy);
    if (t == 0.0f || f + g < t || (f > g && t < f / 2.0f)) return;
    const float ux = vx / t;
    const float uy = vy / t;
    const float x = (t * t + pitch * pitch - a * a) / (2.0f * t);
    const float e2 = pitch * pitch - x * x;
    if (!(e2 >= 0.0f)) return;
    const float e = std::sqrt(e2);
    const float cx = float(FCentre.x);
    const float cy = float(FCentre.y);
    const gdi::Point from = roundPoint(cx + x * ux - e * uy, cy + x * uy + e * ux);
    const gdi::Point to = roundPoint(cx + x * ux + e * uy, cy + x * uy - e * ux);
    TMarkPen pen(dc, gdi::PS_DASHDOT);
    dc.arc(FCentre.x - FPitchRadius, FCentre.y - FPitchRadius, FCentre.x + FPitchRadius,
           FCentre.y + FPitchRadius, from.x, from.y, to.x, to.y);
    segment(dc, roundPoint(cx + (pitch - a) * ux, cy + (pitch - a) * uy),
            roundPoint(cx + (pitch + a) * ux, cy + (pitch + a) * uy));
}

void TDivCircleByCircle::MarkCross(gdi::DeviceContext& dc, gdi::Point centre) {
    float cos = 0;
    float sin = 0;
    if (UnitVector(cos, sin, FCentre, centre) < 0) return;
    gdi::Point ends[4] = {{centre.x - 5, centre.y},
                          {centre.x + 6, centre.y},
                          {centre.x, centre.y - 5},
                          {centre.x, centre.y + 6}};
    for (gdi::Point& end : ends)
        RotatePointCS(end, centre, cos, sin);
    TMarkPen pen(dc, gdi::PS_SOLID);
    segment(dc, ends[0], ends[1]);
    segment(dc, ends[2], ends[3]);
}

// ---- Drawing -------------------------------------------------------------------------------

bool TDivCircleByCircle::Render(const TGdiState& state, const void* extra, int32_t dx, int32_t dy) {
    const auto* circle = static_cast<const TCircleResult*>(extra);
    TGdiState copy = state;
    if (!circle || !ApplyState(copy) || !copy.DC) return false;
    const int32_t x = circle->CentreX + dx;
    const int32_t y = circle->CentreY + dy;
    copy.DC->ellipse(x - circle->Radius, y - circle->Radius, x + circle->Radius, y + circle->Radius);
    RestoreState(copy);
    return true;
}

void TDivCircleByCircle::Complete() {
    if (Step != StepSmall || FSmallRadius <= 0 || !DocDC) return;
    TGdiState state;
    InitOutlineState(state, DocDC, LinePen);
    for (gdi::Point centre : SmallCentres()) {
        const TCircleResult circle{centre.x, centre.y, FSmallRadius};
        Render(state, &circle, 0, 0);
    }
    Repaint();
}

void TDivCircleByCircle::DrawPreview(gdi::DeviceContext& dc, const gdi::Rect&, int32_t originX,
                                     int32_t originY) {
    if (Step != StepSmall || FSmallRadius <= 0) return;
    TGdiState state;
    InitOutlineState(state, &dc, GreenPen);
    for (gdi::Point centre : SmallCentres()) {
        const TCircleResult circle{centre.x, centre.y, FSmallRadius};
        Render(state, &circle, -originX, -originY);
    }
}

void TDivCircleByCircle::DrawCursor(gdi::DeviceContext& dc, const gdi::Rect&, int32_t originX,
                                    int32_t originY) {
    if (Step == StepPitch && SubStep != SubStepAsking) {
        const gdi::Rect bounds = dc.bitmap() ? dc.bitmap()->bounds() : gdi::Rect{};
        DrawCrossHair(dc, bounds, {FCentre.x - originX, FCentre.y - originY});
    }
    TGdiState state;
    InitStateForLogPen(state, &dc, gdi::R2_COPYPEN, PitchCircleColour, 1, gdi::PS_DOT);
    state.Flags |= gsBrush | gsBkMode;
    state.Brush = gdi::stockNullBrush();
    state.BkMode = gdi::TRANSPARENT;
    const TCircleResult pitch{FCentre.x, FCentre.y, FPitchRadius};
    Render(state, &pitch, -originX, -originY);
}

void TDivCircleByCircle::ShowMeasure() {
    const int32_t radius = Step == StepPitch ? FPitchRadius : Step == StepSmall ? FSmallRadius : 0;
    ToolHost().ShowRadius(float(radius));
}
