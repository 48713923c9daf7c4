// The main window's commands that choose tools or hand a command to the current tool,
// the edit commands, and help and about. A command meant for a particular tool does
// nothing unless that tool is current; an option button no current tool takes is put
// back up.
#include "app/AboutForm.h"
#include "app/HelpWindow.h"
#include "app/MainActions.h"
#include "app/MainForm.h"
#include "app/ToolCatalogue.h"
#include "document/Folders.h"
#include "document/TechDocument.h"
#include "tools/base/ButtonState.h"
#include "tools/base/OptionButtons.h"
#include "tools/transform/Marquee.h"

#include <QAbstractButton>
#include <QAction>
#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QMimeData>

namespace {

bool clipboardHoldsBitmap() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasImage();
}

} // namespace

void TMainForm::SelectToolOfAction(QAction* sender) {
    const TActionRow* row = MainActionRow(sender);
    if (!row) return;
    const TToolEntry entry = ToolEntry(row->Tool);
    if (!entry.Tool) return;
    QAbstractButton* button =
        *row->ToolButton ? findChild<QAbstractButton*>(QLatin1String(row->ToolButton)) : nullptr;
    SelectTool(entry.Tool, button, entry.Dialog);
    if (entry.Tagger && CurrentTool && CurrentToolClass == entry.Tool) entry.Tagger(*CurrentTool, row->Tag);
}

void TMainForm::UndoCmdExecute() {
    Document->Undo();
}

void TMainForm::RedoCmdExecute() {
    Document->Redo();
}

void TMainForm::EnableUndoActions(bool canUndo, bool canRedo) {
    UndoCmd->setEnabled(canUndo);
    RedoCmd->setEnabled(canRedo);
}

void TMainForm::RefreshEditActions() {
    const bool marquee = CurrentToolIs(TToolId::Marquee);
    CutCmd->setEnabled(marquee);
    CopyCmd->setEnabled(marquee);
    DeleteCmd->setEnabled(marquee);
    // Pasting makes the marquee current, so it needs the marquee as well as a bitmap.
    PasteCmd->setEnabled(clipboardHoldsBitmap() && ToolAvailable(TToolId::Marquee));
}

void TMainForm::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) RefreshEditActions();
}

void TMainForm::EditExecute(int tag) {
    // The edit actions' tags are the marquee's own command tags.
    if (CurrentToolIs(TToolId::Marquee)) {
        CurrentTool->ToolCommand(tag);
    } else if (tag == PasteFragmentCommand && clipboardHoldsBitmap()) {
        SelectToolOfAction(MarqueeCmd);
        if (CurrentToolIs(TToolId::Marquee)) CurrentTool->ToolCommand(tag);
    }
    RefreshEditActions();
}

void TMainForm::MarqueeCmdExecute() {
    SelectToolOfAction(MarqueeCmd);
    RefreshEditActions();
}

void TMainForm::OptionCmdExecute(QAction* sender) {
    const TOptionButtonRow* option = OptionOfAction(sender->objectName().toStdString());
    if (!option) return;
    auto* button = findChild<QAbstractButton*>(QLatin1String(option->ComponentName));
    if (!CurrentTool || !CurrentTool->OptionToggled(option->Button, IsButtonDown(button)))
        SetButtonDown(button, false);
}

void TMainForm::ToolCmdExecute(QAction* sender) {
    if (CurrentTool) CurrentTool->ToolCommand(sender->data().toInt());
}

void TMainForm::CompleteCmdExecute() {
    if (CurrentTool) CurrentTool->Complete();
}

void TMainForm::CancelCmdExecute() {
    if (CurrentTool) CurrentTool->Cancel();
}

void TMainForm::LoadFragmentCmdExecute() {
    if (!CurrentToolIs(TToolId::Marquee)) SelectToolOfAction(MarqueeCmd);
    if (CurrentToolIs(TToolId::Marquee)) CurrentTool->ToolCommand(LoadFragmentCommand);
    RefreshEditActions();
}

void TMainForm::SaveFragmentCmdExecute() {
    if (CurrentToolIs(TToolId::Marquee)) CurrentTool->ToolCommand(SaveFragmentCommand);
}

void TMainForm::RotFragmentCmdExecute(int tag) {
    // The action's tag less one is the kind of rotation.
    if (CurrentToolIs(TToolId::Marquee)) CurrentTool->ToolCommand(RotateFragmentTag(tag - 1));
}

void TMainForm::RotateImageCmdExecute() {
    const TToolEntry entry = ToolEntry(TToolId::RotateImage);
    if (entry.Tool) SelectTool(entry.Tool, nullptr, entry.Dialog);
}

void TMainForm::DopuskPopupClick(QAction* sender) {
    // The three kinds of branch are a choice of one; the group keeps it so.
    if (sender->isCheckable()) sender->setChecked(true);
    if (CurrentToolIs(TToolId::Dopusk)) CurrentTool->ToolCommand(sender->data().toInt());
}

void TMainForm::AboutCmdExecute() {
    TAboutForm about(this);
    about.exec();
}

void TMainForm::HelpCmdExecute() {
    if (!m_helpWindow) m_helpWindow = new THelpWindow(QString::fromStdString(AppDir), this);
    m_helpWindow->ShowContents();
}
