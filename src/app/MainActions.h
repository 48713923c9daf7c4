#pragma once
// Every command of the main window, one row each: the three action lists with the
// caption, shortcut, tag, handler and starting state of each action, the tool it needs
// and the tool-bar button that stays down while that tool is current.

#include "app/ButtonPictures.h"
#include "app/ToolCatalogue.h"

#include <span>

class QAction;
class TMainForm;

enum class TActionList { Standart, Tools, FourVertex };

using TActionHandler = void (*)(TMainForm& form, QAction& sender);

struct TActionRow {
    TActionList List;
    QAction* TMainForm::*Field;
    const char* Name;
    const char* Caption;
    // In Qt's portable notation ("Ctrl+Shift+Z", "Del"); empty for none.
    const char* Shortcut;
    // 0 where the action has none.
    int Tag;
    // None for a command that only hands itself to a tool the program does not have.
    TActionHandler Handler;
    bool EnabledAtStart;
    // The tool whose presence the action needs to be of use.
    TToolId Tool;
    // The button SelectTool puts down for the action's tool; empty for none.
    const char* ToolButton;
    TButtonPicture Picture;
};

std::span<const TActionRow> MainActionRows();
// The row of an action made from the table, or none.
const TActionRow* MainActionRow(const QAction* action);
