#pragma once
// Tool switching: the main window's tool commands make the tool current with its
// tool-bar button and, for some tools, its option dialog. There is at most one current
// tool; the main window owns it, its dialog and its button state through SelectTool.

#include "tools/base/TechBase.h"
#include "tools/base/TechDialogBaseForm.h"

#include <QPointer>

#include <memory>

class QAbstractButton;
class QWidget;

// A tool class as the commands name it: what makes a working tool of it.
using TToolClass = TToolPtr (*)();
// An option dialog class: what makes the dialog, owned by the given window.
using TDialogClass = std::unique_ptr<TTechDialogBaseForm> (*)(QWidget* owner);

template <class T> TToolPtr MakeToolOfClass() {
    return CreateTool<T>();
}
template <class T> std::unique_ptr<TTechDialogBaseForm> MakeDialogOfClass(QWidget* owner) {
    return std::make_unique<T>(owner);
}
// SelectTool(ToolClass<TSegmentLine>, CreateLineButton, DialogClass<TFontProperty>).
template <class T> inline constexpr TToolClass ToolClass = &MakeToolOfClass<T>;
template <class T> inline constexpr TDialogClass DialogClass = &MakeDialogOfClass<T>;

extern TToolPtr CurrentTool;
// The class CurrentTool was made of by SelectTool; nullptr without a current tool.
extern TToolClass CurrentToolClass;
extern std::unique_ptr<TTechDialogBaseForm> CurrentDialog;
// The button that stays down while the current tool is current; the tool bar owns it.
extern QPointer<QAbstractButton> CurrentToolButton;

// Frees the current tool, puts its button up and frees its dialog, in that order;
// a failure in taking the tool down is swallowed.
void FreeCurrentTool();

// Frees the current tool (FreeCurrentTool); then, for a tool class, makes and shows
// the dialog (so that the tool can wire it up as it is made), makes the tool, and puts
// the button down.
// No tool class only frees. A failure in making the dialog or the tool goes to the
// caller, with whatever was made so far kept.
void SelectTool(TToolClass toolClass, QAbstractButton* button, TDialogClass dialogClass);
