#include "tools/blocks/Block.h"

#include "tools/base/CursorIds.h"
#include "tools/base/Prompts.h"
#include "tools/base/ToolGeometry.h"
#include "tools/base/ToolHost.h"
#include "tools/base/ToolSwitch.h"
#include "tools/blocks/AddToLibraryForm.h"
#include "tools/blocks/BlockLibForm.h"
#include "tools/blocks/BlockModifForm.h"
#include "tools/draw/ColorPanel.h"
#include "tools/transform/TechFilesDialog.h"

#include "document/DrawingUtils.h"
#include "document/Folders.h"
#include "document/Pens.h"
#include "document/TechDocument.h"

#include "gdi/Brush.h"
#include "gdi/Pen.h"

#include <QKeyEvent>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>

namespace {

// Keyed by Step * 10 + SubStep, or by the stage alone where the step does not matter.
const TStringTable Prompts{
    {0, "Загрузите или создайте новый блок"},
    {22, "Укажите первую точку дополнительной линии (Enter - точка)"},
    {23, "Укажите вторую точку дополнительной линии (Enter - точка, Esc - отказ)"},
    {34, "Сдвиг блока (Enter - ОК)"},
    {44, "Вращайте блок относительно точки привязки (Enter - ОК)"},
    {54, "Масштабируйте блок (Enter - ОК, Ctrl+сдвиг - верт./гориз. масштабирование)"},
    {35, "Enter - начать редактирование блока"},
    {45, "Enter - начать редактирование блока"},
    {55, "Enter - начать редактирование блока"},
    {60, "Укажите новое положение точки привязки (Enter - ОК)"},
    {76, "Выбирайте точки для сдвига (Ctrl+Enter следующая точка. Esc - завершить выбор)"},
    {77, "Захватите любую точку и переместите в новое место (Enter - ОК)"},
};

constexpr gdi::COLORREF Red = 0x0000FF;
constexpr gdi::COLORREF Blue = 0xFF0000;
constexpr gdi::COLORREF Green = 0x00FF00;
// How near a picked point the pointer grips it, and how far a press may wander and
// still be a click.
constexpr int32_t GripReach = 3;
constexpr int32_t ClickSlack = 2;

gdi::Point shifted(gdi::Point p, int32_t dx, int32_t dy) {
    return {p.x + dx, p.y + dy};
}

// A dotted frame that drawing twice removes, as the rubber band of a selection.
void drawFocusRect(gdi::DeviceContext& dc, const gdi::Rect& r) {
    gdi::PenPtr oldPen = dc.selectPen(gdi::createPen(gdi::PS_DOT, 1, 0x000000));
    gdi::BrushPtr oldBrush = dc.selectBrush(gdi::stockNullBrush());
    const int oldRop = dc.setROP2(gdi::R2_NOT);
    const int oldBk = dc.setBkMode(gdi::TRANSPARENT);
    dc.rectangle(r.left, r.top, r.right, r.bottom);
    dc.setBkMode(oldBk);
    dc.setROP2(oldRop);
    dc.selectBrush(oldBrush);
    dc.selectPen(oldPen);
}

} // namespace

// ---- Life ----------------------------------------------------------------------------------

void TBlock::Create() {
    CursorId = CrossCursor;
    TTechBase::Create();
    PointerInside = true;
    ShowPrompt();
    Changed();
    SetupForm(dynamic_cast<TBlockModifForm*>(CurrentDialog.get()));
}

void TBlock::Destroy() {
    FSelection.clear();
    TTechBase::Destroy();
    // The base's last read-out may have been an open line's start.
    ToolHost().SetMeasureOrigin(NullPoint);
}

QString TBlock::GetPrompt() {
    switch (Step) {
    case StageNone:
        return Prompts.Load(0);
    case StageAnchor:
        return Prompts.Load(60);
    default:
        return Prompts.Load(Step * 10 + SubStep);
    }
}

void TBlock::SetupForm(TBlockModifForm* form) {
    FBlockColor = 0x000000;
    if (!form) return;
    form->setWindowTitle(QStringLiteral("Блоки"));
    form->BlockColor->SetColor(FBlockColor);
    form->BlockColor->SetFontColor(CaptionColorFor(FBlockColor));
    const std::pair<QToolButton*, const char*> hints[] = {
        {form->AddNewLineButton, "Создать блок, добавить линии"},
        {form->MoveBlockButton, "Перемещение блока"},
        {form->RotateBlockButton, "Вращение блока"},
        {form->ScaleBlockButton, "Масштаб блока"},
        {form->SetCenterButton, "Точка привязки"},
        {form->SelectVertexButton, "Сдвиг точек"},
        {form->LoadBlockButton, "Взять блок из файла"},
        {form->SaveBlockButton, "Сохранить блок в файле"},
        {form->AddToLibraryButton, "Добавить блок в библиотеку"},
        {form->LoadFromLibraryButton, "Взять блок из библиотеки"},
    };
    for (const auto& [button, hint] : hints)
        TBlockModifForm::SetHint(button, QString::fromUtf8(hint));
}

void TInstrument::SetupForm(TBlockModifForm* form) {
    TBlock::SetupForm(form);
    FBlockColor = 0x0000FF;
    if (!form) return;
    form->setWindowTitle(QStringLiteral("Инструмент"));
    form->BlockColor->SetColor(FBlockColor);
    form->BlockColor->SetFontColor(CaptionColorFor(FBlockColor));
    const std::pair<QToolButton*, const char*> hints[] = {
        {form->AddNewLineButton, "Создать инструмент, добавить линии"},
        {form->MoveBlockButton, "Перемещение инструмента"},
        {form->RotateBlockButton, "Вращение инструмента"},
        {form->ScaleBlockButton, "Масштаб инструмента"},
        {form->LoadBlockButton, "Взять инструмент из файла"},
        {form->SaveBlockButton, "Сохранить инструмент в файле"},
        {form->AddToLibraryButton, "Добавить инструмент в библиотеку"},
        {form->LoadFromLibraryButton, "Взять инструмент из библиотеки"},
    };
    for (const auto& [button, hint] : hints)
        TBlockModifForm::SetHint(button, QString::fromUtf8(hint));
}

void TBlock::Changed() {
    auto* form = dynamic_cast<TBlockModifForm*>(CurrentDialog.get());
    if (!form) return;
    for (QToolButton* button : form->ModeButtons())
        button->setChecked(TBlockModifForm::Tag(button) == FMode);
    const bool hasPoints = FBlock.PointCount() > 0;
    for (QToolButton* button :
         {form->MoveBlockButton, form->RotateBlockButton, form->ScaleBlockButton, form->SetCenterButton,
          form->SelectVertexButton, form->AcceptButton, form->AddToLibraryButton, form->SaveBlockButton})
        button->setEnabled(hasPoints);
    form->DeleteLastLineButton->setEnabled(FBlock.SegmentCount() > 0);
}

void TBlock::ShowMeasure() {
    const bool open = Step == StageAddLines && SubStep == StepLineOpen;
    ToolHost().SetMeasureOrigin(open ? FRubber.P1 : NullPoint);
}

// ---- Modes ---------------------------------------------------------------------------------

void TBlock::SelectMode(uint8_t mode) {
    if (mode == FMode || mode > ModePoints) return;
    if (FMode == ModePoints) FSelection.clear();
    SetCursorId(CrossCursor);
    FMode = mode;
    switch (mode) {
    case ModeAddLines:
        SetStep(StageAddLines);
        SetSubStep(StepFirstPoint);
        break;
    case ModeMove:
        SetStep(StageMove);
        SetSubStep(StepChosen);
        SetCursorId(MoveCursor);
        break;
    case ModeRotate:
        SetStep(StageRotate);
        SetSubStep(StepChosen);
        SetCursorId(RotateCursor);
        break;
    case ModeScale:
        SetStep(StageScale);
        SetSubStep(StepChosen);
        SetCursorId(ResizeCursor);
        break;
    case ModeAnchor:
        SetStep(StageAnchor);
        break;
    case ModePoints:
        SetStep(StagePoints);
        SetSubStep(StepIdle);
        break;
    default:
        break;
    }
    Repaint();
    ShowMeasure();
    Changed();
}

// ---- Input ---------------------------------------------------------------------------------

void TBlock::LeftButton(gdi::Point point, TShiftState shift, bool released) {
    CurPoint = point;
    if (!PointerInside) return;
    if (!released) {
        LeftPress(point, shift);
    } else if (Step == StagePoints && SubStep == StepPicking) {
        if (FClick)
            FBandRect = {FLastPoint.x - GripReach, FLastPoint.y - GripReach, FLastPoint.x + GripReach,
                         FLastPoint.y + GripReach};
        SelectPointsIn(FBandRect);
        FBandRect = {};
        FBand = false;
        SetSubStep(StepIdle);
    } else {
        return;
    }
    Repaint();
}

void TBlock::LeftPress(gdi::Point point, TShiftState shift) {
    switch (Step) {
    case StageAddLines:
        if (SubStep == StepLineOpen) AddSegmentFromTo(FRubber.P1, point);
        FRubber.P1 = FRubber.P2 = point;
        SetSubStep(StepLineOpen);
        ShowMeasure();
        break;
    case StageMove:
    case StageRotate:
    case StageScale:
        FLastPoint = point;
        SetSubStep(SubStep == StepChosen ? StepDragging : StepChosen);
        break;
    case StageAnchor:
        FBlock.SetAnchor(ToPointF(point));
        break;
    case StagePoints:
        if (SubStep == StepMovingPoints) {
            SetSubStep(StepIdle);
        } else if (SubStep == StepIdle && SelectedPointUnder(point)) {
            FLastPoint = point;
            SetSubStep(StepMovingPoints);
        } else if (SubStep == StepIdle) {
            if (!(shift & ssCtrl)) FSelection.clear();
            FLastPoint = point;
            FClick = true;
            FBand = false;
            FBandRect = {point.x, point.y, point.x, point.y};
            SetSubStep(StepPicking);
        }
        break;
    default:
        break;
    }
}

void TBlock::RightButton(gdi::Point point, TShiftState, bool released) {
    CurPoint = point;
    if (released || !PointerInside) return;
    if (Step == StageAddLines) {
        SetSubStep(StepFirstPoint);
        ShowMeasure();
    } else if (Step == StagePoints && SubStep == StepMovingPoints) {
        FSelection.clear();
        SetSubStep(StepIdle);
    }
    Repaint();
}

void TBlock::PointerMove(gdi::Point point, TShiftState shift) {
    CurPoint = point;
    if (!PointerInside) return;
    switch (Step) {
    case StageAddLines:
        if (SubStep == StepLineOpen) FRubber.P2 = point;
        break;
    case StageMove:
    case StageRotate:
    case StageScale:
        if (SubStep == StepDragging) TransformBy(point, shift);
        break;
    case StagePoints:
        if (SubStep == StepIdle) {
            SetCursorId(SelectedPointUnder(point) ? MoveCursor : CrossCursor);
        } else if (SubStep == StepPicking) {
            if (FClick && (std::abs(point.x - FLastPoint.x) > ClickSlack ||
                           std::abs(point.y - FLastPoint.y) > ClickSlack)) {
                FClick = false;
                FBand = true;
            }
            if (FBand) {
                FBandRect = {FLastPoint.x, FLastPoint.y, point.x, point.y};
                NormalizeRect(FBandRect);
            }
        } else if (SubStep == StepMovingPoints) {
            const float dx = float(point.x - FLastPoint.x);
            const float dy = float(point.y - FLastPoint.y);
            for (int32_t index : FSelection) {
                TBlockPoint p;
                FBlock.GetPoint(index, p);
                FBlock.SetPoint(index, {p.x + dx, p.y + dy});
            }
            FLastPoint = point;
        }
        break;
    default:
        break;
    }
    Repaint();
}

void TBlock::TransformBy(gdi::Point point, TShiftState shift) {
    const float dx = float(point.x - FLastPoint.x);
    const float dy = float(point.y - FLastPoint.y);
    if (Step == StageMove) {
        FBlock.MoveBy(dx, dy);
    } else if (Step == StageRotate) {
        // A degree for each pixel to the right, about the anchor.
        FBlock.Rotate(dx * std::numbers::pi_v<float> / 180.0f);
    } else {
        // A hundred pixels to the right or down double the size.
        const float fx = dx / 100.0f + 1.0f;
        const float fy = dy / 100.0f + 1.0f;
        if (shift & ssCtrl)
            FBlock.Scale(fx, fy);
        else
            FBlock.Scale((fx + fy) / 2.0f, (fx + fy) / 2.0f);
    }
    FLastPoint = point;
}

void TBlock::SurfMouseEnter(int32_t x, int32_t y) {
    if (Step != StageAddLines) return;
    if (SubStep == StepLineOpen) FRubber.P2 = {x, y};
    CurPoint = {x, y};
    Repaint();
}

void TBlock::AppMessage(QEvent& message, bool& handled) {
    if (message.type() == QEvent::KeyPress) {
        const int key = static_cast<const QKeyEvent&>(message).key();
        if (key == Qt::Key_Backspace && !KeysSuspended) {
            DeleteLastLine();
        } else if (key == Qt::Key_Delete && Step == StagePoints && !KeysSuspended) {
            DeleteSelectedPoints();
        }
    }
    TTechBase::AppMessage(message, handled);
}

// ---- Points and lines ----------------------------------------------------------------------

bool TBlock::SelectedPointUnder(gdi::Point p) const {
    return std::any_of(FSelection.begin(), FSelection.end(), [&](int32_t index) {
        TBlockPoint at;
        FBlock.GetPoint(index, at);
        const gdi::Point rounded = RoundBlockPoint(at);
        return std::abs(p.x - rounded.x) <= GripReach && std::abs(p.y - rounded.y) <= GripReach;
    });
}

void TBlock::SelectPointsIn(const gdi::Rect& rect) {
    for (int32_t i = 0; i < FBlock.PointCount(); ++i) {
        TBlockPoint at;
        FBlock.GetPoint(i, at);
        const gdi::Point p = RoundBlockPoint(at);
        const bool inside = p.x >= rect.left && p.x < rect.right && p.y >= rect.top && p.y < rect.bottom;
        if (inside && std::find(FSelection.begin(), FSelection.end(), i) == FSelection.end())
            FSelection.push_back(i);
    }
}

void TBlock::DeleteSelectedPoints() {
    // Each deletion renumbers the later points, and the entries still to go with them.
    for (size_t i = 0; i < FSelection.size(); ++i) {
        const int32_t gone = FSelection[i];
        FBlock.DeletePoint(gone);
        for (size_t j = i + 1; j < FSelection.size(); ++j)
            if (FSelection[j] > gone) --FSelection[j];
    }
    FSelection.clear();
    SetSubStep(StepIdle);
    Repaint();
    Changed();
}

void TBlock::DeleteLastLine() {
    FSelection.clear();
    FBlock.DeleteSegment(FBlock.SegmentCount() - 1);
    FBlock.RemoveUnusedPoints();
    if (Step == StagePoints) SetSubStep(StepIdle);
    Repaint();
    Changed();
}

void TBlock::AddSegmentFromTo(gdi::Point start, gdi::Point end) {
    const auto pointAt = [this](gdi::Point p) {
        const int32_t found = FBlock.FindPoint(ToPointF(p));
        return found >= 0 ? found : FBlock.AddPoint(ToPointF(p));
    };
    const int32_t first = pointAt(start);
    const int32_t second = pointAt(end);
    FBlock.AddSegment(first, second, uint8_t(LineLogPen.style & 0xFF), uint8_t(LineLogPen.width & 0xFF));
    Changed();
}

// ---- Drawing -------------------------------------------------------------------------------

bool TBlock::Render(const TGdiState& state, const void*, int32_t dx, int32_t dy) {
    if (!state.DC || FBlock.SegmentCount() == 0) return false;
    TBlockObject shiftedBlock = FBlock;
    shiftedBlock.MoveBy(float(dx), float(dy));
    shiftedBlock.DrawSegments(*state.DC, state.Rop2, FBlockColor);
    return true;
}

void TBlock::DrawPreview(gdi::DeviceContext& dc, const gdi::Rect&, int32_t originX, int32_t originY) {
    TBlockObject shiftedBlock = FBlock;
    shiftedBlock.MoveBy(float(-originX), float(-originY));
    shiftedBlock.DrawSegments(dc, gdi::R2_COPYPEN, Green);
    if (Step == StageAddLines && SubStep == StepLineOpen)
        FRubber.Draw(dc, GreenPen, gdi::R2_COPYPEN, -originX, -originY);
}

void TBlock::DrawCursor(gdi::DeviceContext& dc, const gdi::Rect& clientRect, int32_t originX,
                        int32_t originY) {
    if (FBlock.PointCount() > 0) {
        for (int32_t i = 0; i < FBlock.PointCount(); ++i) {
            TBlockPoint at;
            FBlock.GetPoint(i, at);
            const bool picked = std::find(FSelection.begin(), FSelection.end(), i) != FSelection.end();
            DrawPointMarker(dc, picked ? Red : Blue, shifted(RoundBlockPoint(at), -originX, -originY), 1,
                            PointMarkerSquare);
        }
        DrawPointMarker(dc, Red, shifted(RoundBlockPoint(FBlock.GetAnchor()), -originX, -originY), 3,
                        PointMarkerCircle);
    }
    if (Step == StageAddLines) DrawCrossHair(dc, clientRect, shifted(CurPoint, -originX, -originY));
    if (Step == StagePoints && SubStep == StepPicking && FBand)
        drawFocusRect(dc, {FBandRect.left - originX, FBandRect.top - originY, FBandRect.right - originX,
                           FBandRect.bottom - originY});
}

void TBlock::Complete() {
    // Nothing to stamp: no undo step that changes nothing.
    if (FBlock.PointCount() == 0 || !DocDC) return;
    RecordUndo();
    FSelection.clear();
    TGdiState state;
    state.DC = DocDC;
    state.Rop2 = gdi::R2_COPYPEN;
    state.Flags = gsRop2;
    Render(state, nullptr, 0, 0);
    FBlock.Clear();
    SetCursorId(CrossCursor);
    SetStep(StageNone);
    SetSubStep(StepIdle);
    FMode = ModeNone;
    Repaint();
    Changed();
}
