#include "tools/draw/Text.h"

#include "tools/base/CursorIds.h"
#include "tools/base/Prompts.h"
#include "tools/base/ToolDrawing.h"
#include "tools/base/ToolSwitch.h"

#include "document/Geometry.h"
#include "document/SavedDrawState.h"
#include "document/TechDocument.h"

#include "gdi/Brush.h"
#include "gdi/DeviceContext.h"
#include "gdi/Pen.h"
#include "gdi/Region.h"

#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QScreen>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr float PixelsPerMm = 3.7824f;
constexpr int32_t HandleReach = 4;
constexpr int32_t BorderReach = 6;
constexpr gdi::COLORREF Red = 0x0000FF;
constexpr gdi::COLORREF Blue = 0xFF0000;
constexpr gdi::COLORREF Magenta = 0xFF00FF;
constexpr gdi::COLORREF Black = 0x000000;

const TStringTable Prompts{
    {TTechText::StepOrigin, "Задайте размеры и точку начала текста"},
    {TTechText::StepTyping, "Текст можно сдвинуть или повернуть (закрепить - щелчок за пределами рамки)"},
};

// The font description the program starts with, for a screen of the given resolution.
gdi::LogFont initialTextLogFont(int32_t pixelsPerInch) {
    gdi::LogFont log;
    log.height = TextFontHeight(3.5f, pixelsPerInch);
    log.weight = gdi::FW_NORMAL;
    log.charSet = 1;
    return log;
}

int32_t mulDiv(int32_t number, int32_t numerator, int32_t denominator) {
    if (denominator == 0) return -1;
    return int32_t(std::llround(double(number) * numerator / denominator));
}

double degreesOf(float radians) {
    return double(radians) * 180.0 / std::numbers::pi;
}

gdi::Point shifted(gdi::Point p, int32_t dx, int32_t dy) {
    return {p.x + dx, p.y + dy};
}

// A character typed, or composed, that belongs in the text: no control characters.
bool isTypedCharacter(QChar c) {
    return c.unicode() >= 32 && c.category() != QChar::Other_Control;
}

// The last character of line, a pair of surrogates counting as one.
void removeLastCharacter(QString& line) {
    const qsizetype n = line.size();
    const bool pair = n >= 2 && line[n - 1].isLowSurrogate() && line[n - 2].isHighSurrogate();
    line.chop(pair ? 2 : 1);
}

bool inPolygon(const gdi::Point* points, int count, gdi::Point p) {
    return gdi::Region::fromPolygon(points, count, gdi::WINDING).contains(p.x, p.y);
}

} // namespace

// Set before any window exists, so at the resolution the sketch itself is drawn at; the
// start-up sets it again for the real screen.
gdi::LogFont TextLogFont = initialTextLogFont(96);
gdi::COLORREF TextColor = 0;
float TextHeightMm = 3.5f;

// ---- The font settings ----------------------------------------------------------------------

int32_t TextFontHeight(float heightMm, int32_t pixelsPerInch) {
    const auto points = int32_t(std::nearbyint(heightMm * PixelsPerMm));
    return -mulDiv(points, pixelsPerInch, 72);
}

int32_t ScreenPixelsPerInchY() {
    const QScreen* screen = qobject_cast<QGuiApplication*>(QCoreApplication::instance())
                                ? QGuiApplication::primaryScreen()
                                : nullptr;
    return screen ? int32_t(std::lround(screen->logicalDotsPerInchY())) : 96;
}

void ResetTextFontSettings() {
    TextLogFont = initialTextLogFont(ScreenPixelsPerInchY());
    TextColor = 0;
    TextHeightMm = 3.5f;
}

void ApplyTextFont() {
    if (auto* text = dynamic_cast<TTechText*>(CurrentTool.get())) text->SetFont(TextLogFont, TextColor);
}

// ---- Making and starting over ----------------------------------------------------------------

void TTechText::Create() {
    CursorId = IBeamCursor;
    TTechBase::Create();
    Restart();
}

void TTechText::Restart() {
    TTechBase::Restart();
    KeysSuspended = false;
    FDragAnchor = NullPoint;
    FAngle = 0;
    FOrigin = NullPoint;
    PointerInside = true;
    SetCursorId(IBeamCursor);
    SetStep(StepOrigin);
    FLines.clear();
}

QString TTechText::GetPrompt() {
    switch (Step) {
    case StepOrigin:
        return Prompts.Load(StepOrigin);
    case StepTyping:
    case StepMoving:
    case StepRotating:
        return Prompts.Load(StepTyping);
    default:
        return {};
    }
}

// ---- Font, angle and frame --------------------------------------------------------------------

void TTechText::SetFont(const gdi::LogFont& log, gdi::COLORREF colour) {
    gdi::LogFont turned = log;
    // Whole degrees, in the tenths the font counts in.
    const auto tenths = int32_t(std::nearbyint(degreesOf(FAngle))) * 10;
    turned.escapement = tenths;
    turned.orientation = tenths;
    FFont = gdi::createFontIndirect(turned);
    FColor = colour;
    UpdateFrame();
    Repaint();
}

void TTechText::SetTextAngle(float angle) {
    if (angle == FAngle) return;
    FAngle = angle;
    RotateFont(FFont, float(degreesOf(angle)));
}

void TTechText::UpdateFrame() {
    if (!FFont) return;
    gdi::DeviceContext dc;
    dc.selectFont(FFont);
    int32_t width = 0;
    for (const QString& line : FLines)
        width = std::max(width, dc.textExtent(line.toStdString()).cx);
    // An empty text is still one blank wide, so that its frame can be taken.
    if (width == 0) width = dc.textExtent(" ").cx + dc.textCharacterExtra();
    const int32_t height = dc.textMetrics().height;
    const auto lines = int32_t(FLines.size());
    const gdi::Point topLeft{FOrigin.x - 3, FOrigin.y - height + 3};
    const int32_t right = topLeft.x + width + 3;
    const int32_t bottom = topLeft.y + lines * height + 3;
    FFrame = {topLeft, gdi::Point{right, topLeft.y}, gdi::Point{right, bottom},
              gdi::Point{topLeft.x, bottom}};
    for (gdi::Point& corner : FFrame)
        RotatePoint(corner, FOrigin, -FAngle);
}

void TTechText::RotateTowards(gdi::Point point) {
    if (point == FFrame[0]) return;
    float cos = 0, sin = 0;
    UnitVector(cos, sin, FFrame[0], point);
    // The screen angle of the direction, clockwise; the text's angle counts the other way.
    SetTextAngle(-VectorAngle(cos, sin));
}

// ---- Hit tests ------------------------------------------------------------------------------------

bool TTechText::OnRotateHandle(gdi::Point point) const {
    return std::abs(point.x - FFrame[1].x) <= HandleReach && std::abs(point.y - FFrame[1].y) <= HandleReach;
}

bool TTechText::OnBorder(gdi::Point point) const {
    for (size_t i = 0; i < FFrame.size(); ++i) {
        const gdi::Point p = FFrame[i], q = FFrame[(i + 1) % FFrame.size()];
        float cos = 0, sin = 0;
        if (UnitVector(cos, sin, p, q) < 0) continue;
        // A band of half the reach's width either side of the edge.
        const gdi::Point v{int32_t(std::nearbyint(BorderReach * cos)),
                           int32_t(std::nearbyint(BorderReach * sin))};
        const gdi::Point r{-v.y, v.x};
        const std::array<gdi::Point, 4> band = {
            gdi::Point{p.x + r.x, p.y + r.y}, gdi::Point{p.x - r.x, p.y - r.y},
            gdi::Point{q.x - r.x, q.y - r.y}, gdi::Point{q.x + r.x, q.y + r.y}};
        if (inPolygon(band.data(), 4, point)) return true;
    }
    return false;
}

bool TTechText::InsideFrame(gdi::Point point) const {
    return inPolygon(FFrame.data(), int(FFrame.size()), point);
}

// ---- Pointer -------------------------------------------------------------------------------------

void TTechText::LeftButton(gdi::Point point, TShiftState, bool released) {
    if (released || !PointerInside) return;
    CurPoint = point;
    switch (Step) {
    case StepOrigin:
        SetStep(StepTyping);
        KeysSuspended = true;
        FOrigin = point;
        SetTextAngle(0);
        FLines.assign(1, QString());
        // The text always starts in the program's font, dialog open or not.
        SetFont(TextLogFont, TextColor);
        break;
    case StepTyping:
        if (OnRotateHandle(point)) {
            KeysSuspended = false;
            SetStep(StepRotating);
        } else if (OnBorder(point)) {
            KeysSuspended = false;
            FDragAnchor = point;
            SetStep(StepMoving);
        } else if (!InsideFrame(point)) {
            Complete();
            Restart();
        }
        break;
    case StepMoving:
    case StepRotating:
        KeysSuspended = true;
        SetStep(StepTyping);
        break;
    default:
        break;
    }
    Repaint();
}

void TTechText::RightButton(gdi::Point, TShiftState, bool released) {
    if (released || !PointerInside) return;
    Restart();
    Repaint();
}

void TTechText::PointerMove(gdi::Point point, TShiftState) {
    switch (Step) {
    case StepOrigin:
    case StepTyping:
        UpdateCursor(point);
        break;
    case StepMoving: {
        const int32_t dx = point.x - FDragAnchor.x, dy = point.y - FDragAnchor.y;
        FOrigin = shifted(FOrigin, dx, dy);
        for (gdi::Point& corner : FFrame)
            corner = shifted(corner, dx, dy);
        FDragAnchor = point;
        Repaint();
        break;
    }
    case StepRotating:
        RotateTowards(point);
        UpdateFrame();
        Repaint();
        break;
    default:
        break;
    }
}

void TTechText::UpdateCursor(gdi::Point point) {
    if (Step == StepTyping && OnRotateHandle(point))
        SetCursorId(RotateCursor);
    else if (Step == StepTyping && OnBorder(point))
        SetCursorId(MoveCursor);
    else
        SetCursorId(IBeamCursor);
}

// ---- Keys ------------------------------------------------------------------------------------------

void TTechText::AppMessage(QEvent& message, bool& handled) {
    if (PointerInside && Step == StepTyping) {
        if (message.type() == QEvent::KeyPress) {
            const auto& key = static_cast<const QKeyEvent&>(message);
            TypeKey(key.key());
            if (Step == StepTyping) TypeText(key.text());
        } else if (message.type() == QEvent::InputMethod) {
            TypeText(static_cast<const QInputMethodEvent&>(message).commitString());
        }
    }
    TTechBase::AppMessage(message, handled);
}

void TTechText::TypeKey(int key) {
    switch (key) {
    case Qt::Key_Backspace:
        if (!FLines.back().isEmpty())
            removeLastCharacter(FLines.back());
        else if (FLines.size() > 1)
            FLines.pop_back();
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        FLines.emplace_back();
        break;
    case Qt::Key_Escape:
        Restart();
        break;
    default:
        break;
    }
    UpdateFrame();
    Repaint();
}

void TTechText::TypeText(const QString& text) {
    QString typed;
    for (QChar c : text)
        if (isTypedCharacter(c)) typed += c;
    if (typed.isEmpty() || FLines.empty()) return;
    FLines.back() += typed;
    UpdateFrame();
    Repaint();
}

// ---- Drawing ---------------------------------------------------------------------------------------

bool TTechText::Render(const TGdiState& state, const void*, int32_t dx, int32_t dy) {
    if (!FFont || !state.DC) return false;
    TGdiState copy = state;
    copy.Font = FFont;
    copy.TextColor = FColor;
    copy.BkMode = gdi::TRANSPARENT;
    copy.Flags |= gsFont | gsBkMode;
    const TAppliedState applied(copy);
    gdi::DeviceContext& dc = *applied.DC();
    const uint32_t align = dc.setTextAlign(gdi::TA_BASELINE | gdi::TA_LEFT);
    const gdi::Point origin = shifted(FOrigin, dx, dy);
    for (size_t i = 0; i < FLines.size(); ++i) {
        const std::string line = FLines[i].toStdString();
        const gdi::Size extent = dc.textExtent(line);
        if (extent.cy <= 0) continue;
        // Each line on its own baseline below the first, the whole turned about its start.
        gdi::Point anchor{origin.x, origin.y + int32_t(i) * extent.cy};
        RotatePoint(anchor, origin, -FAngle);
        dc.textOut(anchor.x, anchor.y, line);
    }
    dc.setTextAlign(align);
    return true;
}

void TTechText::Complete() {
    if (Step < StepTyping || !FFont || !DocDC) return;
    // Recorded here rather than by the caller, so that the main window's finish command
    // can be undone like a stamp.
    RecordUndo();
    TGdiState state;
    state.DC = DocDC;
    Render(state, nullptr, 0, 0);
    Repaint();
}

void TTechText::DrawPreview(gdi::DeviceContext& dc, const gdi::Rect&, int32_t originX, int32_t originY) {
    if (Step == StepOrigin) return;
    TGdiState state;
    state.DC = &dc;
    Render(state, nullptr, -originX, -originY);
}

void TTechText::DrawCursor(gdi::DeviceContext& dc, const gdi::Rect&, int32_t originX, int32_t originY) {
    if (Step == StepOrigin) return;
    TSavedDrawState saved(dc);
    TFrame frame = FFrame;
    for (gdi::Point& corner : frame)
        corner = shifted(corner, -originX, -originY);
    dc.setROP2(gdi::R2_COPYPEN);
    const bool taken = Step == StepMoving || Step == StepRotating;
    dc.selectPen(gdi::createPen(gdi::PS_SOLID, 1, taken ? Red : Blue));
    dc.selectBrush(gdi::stockNullBrush());
    dc.polygon(frame.data(), int(frame.size()));
    const gdi::Point handle = frame[1];
    dc.selectPen(gdi::createPen(gdi::PS_SOLID, 1, Black));
    dc.selectBrush(gdi::createSolidBrush(Magenta));
    dc.rectangle(handle.x - HandleReach, handle.y - HandleReach, handle.x + HandleReach,
                 handle.y + HandleReach);
}
