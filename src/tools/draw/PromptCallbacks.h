#pragma once
// How a dialog of the tools speaks to the status bar of the main window, which it does
// not know: the main window fills these in.

#include <QString>

#include <functional>

struct TPromptCallbacks {
    // Shows a prompt in the first panel of the status bar.
    std::function<void(const QString& prompt)> ShowPrompt;
    // Shows the current tool's own prompt again.
    std::function<void()> ShowToolPrompt;
};
