#pragma once
// The tool window of the block and instrument tools: one row of buttons for the six
// modes, taking the last line away, stamping, the block colour, and the library and
// file commands. The current tool sets its texts (SetupForm) and keeps the buttons'
// states (Changed); every button acts only while a block tool is current.

#include "tools/base/TechDialogBaseForm.h"

#include <QToolButton>

#include <vector>

class TColorPanel;
class TBlock;

class TBlockModifForm : public TTechDialogBaseForm {
    Q_OBJECT
  public:
    explicit TBlockModifForm(QWidget* owner);

    // The mode buttons (tags 1 to 6) and the rest, as the tool sets them.
    QToolButton* AddNewLineButton;
    QToolButton* MoveBlockButton;
    QToolButton* RotateBlockButton;
    QToolButton* ScaleBlockButton;
    QToolButton* SetCenterButton;
    QToolButton* SelectVertexButton;
    QToolButton* DeleteLastLineButton;
    QToolButton* AcceptButton;
    TColorPanel* BlockColor;
    QToolButton* AddToLibraryButton;
    QToolButton* LoadFromLibraryButton;
    QToolButton* LoadBlockButton;
    QToolButton* SaveBlockButton;

    // The buttons with a non-zero tag, the mode buttons.
    const std::vector<QToolButton*>& ModeButtons() const { return m_modeButtons; }
    // A mode button's tag.
    static int Tag(const QToolButton* button);

    // A mode button was pressed.
    void SelBlockModif(QToolButton* button);
    // The palette over the colour panel; OK gives the colour to the panel and the tool.
    void ChooseBlockColor();
    // A hint is also the button's accessible name.
    static void SetHint(QToolButton* button, const QString& hint);

  private:
    QToolButton* NewButton(const char* name, int tag, int x, int width);

    std::vector<QToolButton*> m_modeButtons;
};

// The block tool that is current, or nullptr.
TBlock* CurrentBlockTool();
