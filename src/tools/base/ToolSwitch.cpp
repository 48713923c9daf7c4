#include "tools/base/ToolSwitch.h"

#include "tools/base/ButtonState.h"
#include "tools/base/ToolHost.h"

#include <QAbstractButton>

TToolPtr CurrentTool;
TToolClass CurrentToolClass = nullptr;
std::unique_ptr<TTechDialogBaseForm> CurrentDialog;
QPointer<QAbstractButton> CurrentToolButton;

namespace {

void freeDialog(std::unique_ptr<TTechDialogBaseForm> dialog) {
    if (!dialog) return;
    if (dialog->InCloseQuery()) {
        // The dialog is being closed by the user and is still inside its close handling:
        // out of sight now, gone once that handling has returned.
        dialog->hide();
        dialog.release()->deleteLater();
        return;
    }
    dialog.reset();
}

} // namespace

void FreeCurrentTool() {
    // Each object leaves its global before it is freed, so that nothing freed is
    // reachable while it goes (the prompt rules look at CurrentTool).
    // A failure inside a tool's Destroy stops at its deleter, so the switch goes on.
    CurrentToolClass = nullptr;
    if (TToolPtr tool = std::move(CurrentTool)) tool.reset();
    if (QPointer<QAbstractButton> button = std::exchange(CurrentToolButton, nullptr))
        SetButtonDown(button, false);
    freeDialog(std::move(CurrentDialog));
}

void SelectTool(TToolClass toolClass, QAbstractButton* button, TDialogClass dialogClass) {
    FreeCurrentTool();
    if (!toolClass) return;
    if (dialogClass) {
        CurrentDialog = dialogClass(ToolHost().MainWindow());
        CurrentDialog->show();
    }
    CurrentTool = toolClass();
    CurrentToolClass = toolClass;
    if (button) {
        CurrentToolButton = button;
        SetButtonDown(button, true);
    }
}
