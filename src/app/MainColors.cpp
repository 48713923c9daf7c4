// The four colour panels of the main window: the line colour, the eraser's new and old
// colour and the fill colour. A right or double click asks for a colour from the sketch
// palette; a panel dragged onto another hands its colour over to that role.
#include "app/MainForm.h"
#include "document/Pens.h"
#include "document/TechDocument.h"
#include "tools/base/ToolSwitch.h"
#include "tools/draw/ColorForm.h"
#include "tools/draw/ColorPanel.h"

namespace {

enum TPanelTag : int {
    LinesColorTag = 100,
    RubbColorNewTag = 101,
    RubbColorOldTag = 102,
    FillColorTag = 103
};

} // namespace

void TMainForm::CreateColorPanels() {
    auto make = [this](TColorPanel*& panel, const char* name, int tag, const QString& caption,
                       const QString& hint, gdi::COLORREF colour,
                       void (TMainForm::*press)(TColorPanel*, Qt::MouseButton, bool)) {
        panel = new TColorPanel(tag, caption, hint, colour, this);
        panel->setObjectName(QLatin1String(name));
        // Readable from the start, as after every change.
        panel->SetFontColor(CaptionColorFor(colour));
        panel->OnMouseDown = [this, press](TColorPanel* sender, Qt::MouseButton button, bool isDouble) {
            (this->*press)(sender, button, isDouble);
        };
        panel->OnDragOver = [this](TColorPanel* target, TColorPanel* source) {
            return PanelDragOver(target, source);
        };
        panel->OnDragDrop = [this](TColorPanel* target, TColorPanel* source) {
            PanelDragDrop(target, source);
        };
        panel->OnEndDrag = [this](TColorPanel* source, TColorPanel* target) { PanelEndDrag(source, target); };
    };
    make(LinesColor, "LinesColor", LinesColorTag, QStringLiteral("Цвет"), QStringLiteral("Цвет линий"),
         0x000000, &TMainForm::SelLineColor);
    make(RubbColorNew, "RubbColorNew", RubbColorNewTag, QStringLiteral("NEW"), QStringLiteral("Новый цвет"),
         0xFFFFFF, &TMainForm::SelRubbColor);
    make(RubbColorOld, "RubbColorOld", RubbColorOldTag, QStringLiteral("OLD"), QStringLiteral("Старый цвет"),
         0x000000, &TMainForm::SelRubbColor);
    make(FillColor, "FillColor", FillColorTag, QStringLiteral("Цвет"), QStringLiteral("Цвет штриховки"),
         0x000000, &TMainForm::SelFillColor);
}

void TMainForm::SetLinePenColour(gdi::COLORREF colour) {
    LineLogPen.color = colour;
    RecreateLinePen();
}

void TMainForm::SetPanelColor(TColorPanel* panel, gdi::COLORREF colour) {
    panel->SetColor(colour);
    panel->SetFontColor(CaptionColorFor(colour));
}

void TMainForm::ApplyPanelColor(TColorPanel* panel) {
    switch (panel->Tag()) {
    case LinesColorTag:
        SetLinePenColour(panel->Color());
        // The eyedropper keeps the colour it last set.
        if (CurrentTool) CurrentTool->Changed();
        break;
    case RubbColorNewTag:
    case RubbColorOldTag:
        RubberNewColor = RubbColorNew->Color();
        RubberOldColor = RubbColorOld->Color();
        break;
    case FillColorTag:
        if (Document) Document->FillColorValue = panel->Color();
        break;
    default:
        break;
    }
}

bool TMainForm::PanelPress(TColorPanel* sender, Qt::MouseButton button, bool isDouble) {
    if (button == Qt::RightButton || isDouble) {
        gdi::COLORREF colour = sender->Color();
        if (PickColor(colour, this)) SetPanelColor(sender, colour);
        return true;
    }
    if (button == Qt::LeftButton) sender->BeginDrag();
    return false;
}

void TMainForm::SelLineColor(TColorPanel* sender, Qt::MouseButton button, bool isDouble) {
    if (PanelPress(sender, button, isDouble)) ApplyPanelColor(sender);
}

void TMainForm::SelRubbColor(TColorPanel* sender, Qt::MouseButton button, bool isDouble) {
    if (PanelPress(sender, button, isDouble)) ApplyPanelColor(sender);
}

void TMainForm::SelFillColor(TColorPanel* sender, Qt::MouseButton button, bool isDouble) {
    if (PanelPress(sender, button, isDouble)) ApplyPanelColor(sender);
}

bool TMainForm::PanelDragOver(TColorPanel*, TColorPanel*) {
    return true;
}

void TMainForm::PanelDragDrop(TColorPanel* target, TColorPanel* source) {
    SetPanelColor(target, source->Color());
    ApplyPanelColor(target);
}

void TMainForm::PanelEndDrag(TColorPanel*, TColorPanel*) {}
