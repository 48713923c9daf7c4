#pragma once
// What the document asks of the window that shows it. Every operation has a default
// that does nothing, so the document also works without a window (tests, the
// command-line conversion).

#include <string>

class TDocumentHost {
  public:
    virtual ~TDocumentHost() = default;

    virtual void SetCaption(const std::string& /*caption*/) {}
    // Enables the Undo and Redo commands.
    virtual void EnableUndoActions(bool /*canUndo*/, bool /*canRedo*/) {}
    // The sketch changed size: lay the surface panel and the drawing surface out again.
    virtual void LayOutView() {}
    virtual void InvalidateSurface() {}
    // Something the user asked for did not happen (a save that failed).
    virtual void ReportError(const std::string& /*message*/) {}
};
