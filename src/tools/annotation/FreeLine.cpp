#include "tools/annotation/FreeLine.h"

#include "tools/base/ButtonState.h"
#include "tools/base/Prompts.h"
#include "tools/base/ToolHost.h"

#include "document/DrawingUtils.h"
#include "document/Geometry.h"

#include <QAbstractButton>
#include <QKeyEvent>

#include <numbers>

namespace {

const TStringTable Prompts = {
    {20, "Задайте начальную точку линии (Enter или лев.кнопка мыши)"},
    {30, "Задайте конечную точку линии (Enter - ОК, Esc - отказ)"},
};

// The key of "," or "." in either layout ("б" and "ю" in the Russian one).
bool isKey(const QKeyEvent& key, Qt::Key latin, char16_t cyrillic) {
    // Qt names a letter's key by its capital.
    if (key.key() == latin || key.key() == int(QChar(cyrillic).toUpper().unicode())) return true;
    const QString text = key.text().toLower();
    return !text.isEmpty() && (text.at(0) == QChar(cyrillic) || text.at(0) == QChar(char16_t(latin)));
}

} // namespace

TFreeLine::TFreeLine() {
    DeclareOption(TOptionButton::FreePoint1, ArrowAtStart);
    DeclareOption(TOptionButton::FreePoint2, ArrowAtEnd);
}

void TFreeLine::Create() {
    TSizeBase::Create();
    Restart();
}

void TFreeLine::Restart() {
    TSizeBase::Restart();
    HasText = false;
    LineStart = LineEnd = NullPoint;
    LineCos = 1;
    LineSin = 0;
    SetStep(StepStart);
}

QString TFreeLine::GetPrompt() {
    return Prompts.Load(Step * 10 + SubStep);
}

bool TFreeLine::PlaceFreeText() {
    if (LineStart.y == LineEnd.y)
        SizeText->SetAngle(0);
    else if (LineStart.x == LineEnd.x)
        SizeText->SetAngle(-std::numbers::pi_v<float> / 2);
    else
        return false;
    SizeText->Anchor = MidPoint(LineStart, LineEnd);
    return true;
}

// ---- Events --------------------------------------------------------------------------------------

void TFreeLine::LeftButton(gdi::Point point, TShiftState, bool released) {
    if (released || !PointerInside) return;
    if (Step == StepStart) {
        LineStart = LineEnd = point;
        SetStep(StepEnd);
    } else if (Step == StepEnd) {
        EndClick(point);
    }
    Repaint();
}

void TFreeLine::EndClick(gdi::Point point) {
    LineEnd = point;
    HasText = PlaceFreeText() && AskText(false);
    Complete();
    if (HasText) {
        HasText = false;
        SetStep(StepStart);
    } else {
        LineStart = LineEnd;
    }
}

void TFreeLine::RightButton(gdi::Point point, TShiftState, bool released) {
    if (released || !PointerInside) return;
    ToolHost().PopupMenu(TPopupMenu::FreeLine, SketchToScreen(point));
}

void TFreeLine::PointerMove(gdi::Point point, TShiftState) {
    CurPoint = point;
    if (Step == StepEnd) {
        LineEnd = point;
        UnitVector(LineCos, LineSin, LineEnd, LineStart);
    }
    Repaint();
}

void TFreeLine::ToggleArrow(TOptionButton which) {
    QAbstractButton* button = ToolHost().OptionButton(which);
    if (!button) return;
    // The window's own handling follows the click; the tool's field follows here too,
    // so that it never depends on the window.
    button->click();
    OptionToggled(which, IsButtonDown(button));
}

void TFreeLine::AppMessage(QEvent& message, bool& handled) {
    TSizeBase::AppMessage(message, handled);
    if (message.type() != QEvent::KeyPress || KeysSuspended) return;
    const auto& key = static_cast<const QKeyEvent&>(message);
    if (isKey(key, Qt::Key_Comma, u'б'))
        ToggleArrow(TOptionButton::FreePoint1);
    else if (isKey(key, Qt::Key_Period, u'ю'))
        ToggleArrow(TOptionButton::FreePoint2);
}

bool TFreeLine::OptionToggled(TOptionButton which, bool down) {
    if (!TSizeBase::OptionToggled(which, down)) return false;
    Repaint();
    return true;
}

bool TFreeLine::ToolCommand(int tag) {
    if (tag != CmdCancelPoint) return false;
    Cancel();
    return true;
}

void TFreeLine::Cancel() {
    Restart();
    Repaint();
}

void TFreeLine::Complete() {
    CommitRender();
    SizeText->Clear();
}

// ---- Drawing -------------------------------------------------------------------------------------

bool TFreeLine::Render(const TGdiState& state, const void*, int32_t dx, int32_t dy) {
    if (Step < StepEnd) return false;
    const TAppliedState applied(state);
    if (!applied.DC()) return false;
    gdi::DeviceContext& dc = *applied.DC();
    DrawShiftedSegment(dc, LineStart, LineEnd, dx, dy);
    if (ArrowAtStart) DrawDimArrow(dc, LineStart.x + dx, LineStart.y + dy, false, LineCos, LineSin);
    if (ArrowAtEnd) DrawDimArrow(dc, LineEnd.x + dx, LineEnd.y + dy, false, -LineCos, -LineSin);
    if (HasText) SizeText->Draw(dc, StatePenColour(applied.State()), dx, dy);
    return true;
}

void TFreeLine::DrawCursor(gdi::DeviceContext& dc, const gdi::Rect&, int32_t originX, int32_t originY) {
    const gdi::Rect bounds = dc.bitmap() ? dc.bitmap()->bounds() : gdi::Rect{};
    DrawCrossHair(dc, bounds, {CurPoint.x - originX, CurPoint.y - originY});
}

void TFreeLine::DrawPreview(gdi::DeviceContext& dc, const gdi::Rect&, int32_t originX, int32_t originY) {
    if (Step >= StepEnd) PreviewRender(dc, originX, originY, true);
}
