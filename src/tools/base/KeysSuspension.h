#pragma once
// While a tool's dialog is open, keys typed into it belong to the dialog: Backspace or
// Delete typed into a name must not take lines off a figure, Enter must not stamp it.
// A TKeysSuspension sets KeysSuspended for as long as it lives, also when the dialog
// fails, and puts the old values back.

class TTechBase;

class TKeysSuspension {
  public:
    // The current tool and the tool taking keys (a sub-tool may be asking for its owner);
    // a tool that is gone by the end (the dialog ended it) is left alone.
    TKeysSuspension();
    // One tool, whichever is current.
    explicit TKeysSuspension(TTechBase& tool);
    ~TKeysSuspension();
    TKeysSuspension(const TKeysSuspension&) = delete;
    TKeysSuspension& operator=(const TKeysSuspension&) = delete;

  private:
    void Suspend();
    static bool StillTakingKeys(const TTechBase* tool);

    TTechBase* m_tools[2] = {nullptr, nullptr};
    bool m_old[2] = {false, false};
    bool m_followsCurrent = false;
};
