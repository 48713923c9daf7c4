#include "tools/annotation/Dopusk.h"

#include "tools/annotation/DopuskBranch.h"
#include "tools/annotation/DopuskForm.h"
#include "tools/base/CursorIds.h"
#include "tools/base/KeysSuspension.h"
#include "tools/base/Prompts.h"
#include "tools/base/ToolDrawing.h"
#include "tools/base/ToolHost.h"

#include "document/Pens.h"
#include "document/TechDocument.h"

#include <QApplication>

namespace {

// Keyed by stage * 10 and, while a branch is drawn, its step.
const TStringTable Prompts{
    {0, "Нажмите правую кнопку мыши для создания таблицы"},
    {20, "Нажмите левую кнопку мыши для сдвига, или правую для выбора других действий"},
    {30, "Сдвигайте таблицу (Enter или лев.кнопка мыши - OK, Esc или прав.кнопка мыши - меню)"},
    {52, "Задайте начальную точку ответвления (Enter или лев.кнопка мыши)"},
    {53, "Задайте конечную точку ответвления (Enter - ОК, Esc - отказ)"},
};

constexpr gdi::COLORREF PreviewTextColor = 0x0000FF00;

gdi::FontPtr SymbolFont() {
    gdi::LogFont log;
    log.height = -16;
    log.width = 0;
    log.weight = gdi::FW_NORMAL;
    log.charSet = 1; // the default character set
    log.faceName = "zyqverigraf";
    return gdi::createFontIndirect(log);
}

// The rest of a frame's drawing record: transparent text in the symbol font, no fill.
void AddFrameState(TGdiState& state, const gdi::FontPtr& font, gdi::COLORREF textColour) {
    state.Flags |= gsBrush | gsFont | gsBkMode;
    state.Brush = gdi::stockNullBrush();
    state.Font = font;
    state.TextColor = textColour;
    state.BkMode = gdi::TRANSPARENT;
}

} // namespace

// ---- Making and starting over ------------------------------------------------------------

void TDopusk::Create() {
    CursorId = CrossCursor;
    TTechBase::Create();
    Font = SymbolFont();
    Restart();
}

void TDopusk::Restart() {
    PointerInside = true;
    SetSubStep(0);
    SetStep(StepEmpty);
    TableMode = 1;
    for (TDopuskCell& cell : Cells)
        cell = TDopuskCell{};
    TextLine.clear();
    TextRect = {};
}

QString TDopusk::GetPrompt() {
    return Prompts.Load(Step == StepBranch ? Step * 10 + SubStep : Step * 10);
}

// ---- Events ----------------------------------------------------------------------------

void TDopusk::LeftButton(gdi::Point point, TShiftState, bool released) {
    if (released) return;
    switch (Step) {
    case StepFollow:
        if (BranchKind != BranchPlain) {
            SetStep(StepBranch);
            SetSubStep(SubStepBranchStart);
        } else {
            SetStep(StepPlaced);
        }
        break;
    case StepPlaced:
        Position = point;
        SetStep(StepFollow);
        break;
    case StepBranch:
        if (SubStep == SubStepBranchStart) {
            BranchStart = BranchEnd = point;
            SetSubStep(SubStepBranchEnd);
        } else if (SubStep == SubStepBranchEnd) {
            BranchEnd = point;
            StampTable(true);
            // The next branch goes on from here, plain unless a mark is chosen again.
            BranchKind = BranchPlain;
            BranchStart = BranchEnd;
        }
        break;
    default:
        break;
    }
    Repaint();
}

void TDopusk::RightButton(gdi::Point, TShiftState, bool released) {
    if (released) return;
    ToolHost().PopupMenu(TPopupMenu::Dopusk, ToolHost().PointerPos());
}

void TDopusk::PointerMove(gdi::Point point, TShiftState) {
    if (Step == StepFollow) {
        Position = point;
    } else if (Step == StepBranch) {
        if (SubStep == SubStepBranchStart) BranchStart = point;
        if (SubStep == SubStepBranchEnd) BranchEnd = point;
    }
    Repaint();
}

void TDopusk::AppMessage(QEvent& message, bool& handled) {
    // The menu is the tool's one way to its commands: Enter on an item must not also
    // drop the frame under it, nor Esc open the menu again as it closes.
    if (QApplication::activePopupWidget()) return;
    TTechBase::AppMessage(message, handled);
}

void TDopusk::Cancel() {
    Restart();
    Repaint();
}

bool TDopusk::ToolCommand(int tag) {
    switch (tag) {
    case CmdComplete:
        StampTable(false);
        return true;
    case CmdCancel:
        Cancel();
        return true;
    case CmdEditTable:
        EditTable();
        return true;
    case CmdWithArrow:
        SetBranchKind(BranchArrow);
        return true;
    case CmdWithTriangle:
        SetBranchKind(BranchTriangle);
        return true;
    case CmdWithoutAny:
        SetBranchKind(BranchPlain);
        return true;
    default:
        return false;
    }
}

// ---- Operations --------------------------------------------------------------------------

void TDopusk::EditTable() {
    std::optional<TToleranceTable> table;
    {
        TKeysSuspension held(*this);
        table = AskToleranceTable();
    }
    if (!table) {
        SetStep(StepEmpty);
        Repaint();
        return;
    }
    TakeTable(*table);
    SetSubStep(0);
    SetStep(StepFollow);
    Repaint();
}

void TDopusk::TakeTable(const TToleranceTable& table) {
    Cells[0].Text = table.Sign;
    Cells[1].Text = table.Value;
    Cells[2].Text = table.Base1;
    Cells[3].Text = table.Base2;
    TextLine = table.Text;
    TableMode = table.TableMode;
    Vertical = table.Vertical;
}

void TDopusk::SetBranchKind(uint8_t kind) {
    BranchKind = kind;
    if (Step != StepBranch) {
        SetStep(StepBranch);
        SetSubStep(SubStepBranchStart);
    }
    Repaint();
}

bool TDopusk::HasFrame() const {
    if (TableMode == 0) return true;
    for (const TDopuskCell& cell : Cells)
        if (!cell.Text.empty()) return true;
    return false;
}

void TDopusk::StampTable(bool branchOnly) {
    // Without a frame or a branch there is nothing to stamp, and an empty undo step
    // would push a real one out of the short history.
    if (DocDC && (HasFrame() || DrawingBranch())) {
        RecordUndo();
        // Laid out afresh: the last paint may have measured another position.
        LayOut(*DocDC);
        RotateFont(Font, Vertical ? 90.0f : 0.0f);
        TGdiState state;
        InitStateForLogPen(state, DocDC, gdi::R2_COPYPEN, LineLogPen.color, 1, gdi::PS_SOLID);
        AddFrameState(state, Font, LineLogPen.color);
        Render(state, nullptr, 0, 0);
    }
    if (!branchOnly) Restart();
    Repaint();
}

void TDopusk::LayOut(gdi::DeviceContext& dc) {
    gdi::FontPtr old = dc.selectFont(Font);
    if (TableMode)
        LayOutCells(dc, Position, Cells);
    else
        TextRect = LayOutTextLine(dc, Position, TextLine);
    dc.selectFont(std::move(old));
}

// ---- Drawing ---------------------------------------------------------------------------

void TDopusk::DrawCursor(gdi::DeviceContext&, const gdi::Rect&, int32_t, int32_t) {}

void TDopusk::DrawPreview(gdi::DeviceContext& dc, const gdi::Rect&, int32_t originX, int32_t originY) {
    LayOut(dc);
    RotateFont(Font, Vertical ? 90.0f : 0.0f);
    // Only the pen is given, not its description: the preview's datum triangle is filled
    // black, and stands out from the green lines.
    TGdiState state;
    state.DC = &dc;
    state.Flags = gsPen | gsRop2;
    state.Pen = GreenPen;
    state.Rop2 = gdi::R2_COPYPEN;
    AddFrameState(state, Font, PreviewTextColor);
    Render(state, nullptr, -originX, -originY);
}

bool TDopusk::Render(const TGdiState& state, const void*, int32_t dx, int32_t dy) {
    if (!state.DC) return false;
    const TAppliedState applied(state);
    gdi::DeviceContext& dc = *state.DC;
    const uint32_t oldAlign = dc.setTextAlign(gdi::TA_LEFT | gdi::TA_TOP);
    const gdi::Point offset{dx, dy};
    const bool vertical = Vertical != 0;
    bool drawn = false;
    if (TableMode) {
        for (const TDopuskCell& cell : Cells) {
            if (cell.Empty) continue;
            DrawBoxedText(dc, cell.Rect, cell.Text, vertical, Position, offset);
            drawn = true;
        }
    } else {
        DrawBoxedText(dc, TextRect, TextLine, vertical, Position, offset);
        drawn = true;
    }
    if (DrawingBranch()) {
        DrawBranch(dc, BranchStart, BranchEnd, BranchKind, state.LogPen.color, offset);
        drawn = true;
    }
    dc.setTextAlign(oldAlign);
    return drawn;
}
