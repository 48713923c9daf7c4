#pragma once
// The main window's option buttons: tool-bar buttons whose state belongs to the current
// tool rather than to the window (point capture, orthogonal mode, transparent paste, the
// leader's arrows). This table is the one place that names them: the window names the
// buttons it makes from it, the host finds them by it, and a toggled action is told
// apart by it. A tool declares which of them it owns (TTechBase::DeclareOption).

#include <string_view>

enum class TOptionButton {
    PointCapt,    // point capture of the line tools
    Orthogonally, // orthogonal mode of the polyline
    Transparent,  // transparent paste of the marquee
    FreePoint1,   // arrow at the start of a leader
    FreePoint2,   // arrow at the end of a leader
};

struct TOptionButtonRow {
    TOptionButton Button;
    // The tool-bar button's component name.
    const char* ComponentName;
    // The action the button shows; toggling either toggles both.
    const char* ActionName;
};

const TOptionButtonRow& OptionButtonRow(TOptionButton which);
const char* OptionButtonName(TOptionButton which);
// The row of the option whose action is named actionName; nullptr for other actions.
const TOptionButtonRow* OptionOfAction(std::string_view actionName);
