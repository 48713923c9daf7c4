#pragma once
// Remembers, for each tool class, the state of the main-window option buttons it uses
// (point capture, orthogonal mode, transparent paste, leader arrows), so that every
// tool class finds its buttons as it left them, for the rest of the run. A tool stores
// its buttons in ReleaseControls and restores them in SetupControls.

#include <QPointer>

#include <memory>
#include <typeindex>
#include <vector>

class QAbstractButton;

class TBttnStateStorage {
  public:
    // Saves the button's down, enabled and visible state under (button, toolClass);
    // nothing for no button. (A hidden button made for an action reads as disabled:
    // Qt disables invisible actions.)
    void Store(QAbstractButton* button, std::type_index toolClass);
    // Gives the button its saved enabled, visible and down state, if one was saved;
    // nothing for no button.
    void Restore(QAbstractButton* button, std::type_index toolClass);
    // The record of (button, toolClass), or -1.
    int IndexOf(const QAbstractButton* button, std::type_index toolClass) const;
    int Count() const { return int(m_records.size()); }

  private:
    struct TRecord {
        QPointer<QAbstractButton> Button;
        bool Down = false;
        bool Enabled = false;
        std::type_index ToolClass;
        bool Visible = false;
    };
    std::vector<TRecord> m_records;
};

// The store of the run: made by the main window's creation and freed with the window.
extern std::unique_ptr<TBttnStateStorage> BttnStateStorage;
