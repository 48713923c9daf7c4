#pragma once
// "Спецзнаки": the mark tool's window. Each mark has a button with its picture, drawn by
// the marks' own renderer, and its name as the hint; the technological marks sit in the
// sub-groups of supports, clamps (with the power-drive letter), mounting devices and
// working-surface shapes, the finish signs, callouts and the rest under "Другие знаки".
// One mark is chosen at a time; closing the window ends the tool.

#include "tools/base/TechDialogBaseForm.h"

#include <QImage>
#include <QPointer>

#include <cstdint>
#include <vector>

class QAction;
class QGroupBox;
class QRadioButton;
struct TMarkKind;

class TMarkForm : public TTechDialogBaseForm {
    Q_OBJECT
  public:
    explicit TMarkForm(QWidget* owner);
    ~TMarkForm() override;

    // A mark's action was triggered: it becomes the chosen one and the mark tool, if
    // current, takes its kind.
    void USTD_OthersMarkSel(QAction* action);
    // A clutch letter's radio button (tag 0 none, 1..5 the letters).
    void ClutchCharClick(int tag);

    // The action of a kind, nullptr for none.
    QAction* ActionOf(int32_t kind) const;

    std::vector<QAction*> USTDActionList;
    std::vector<QAction*> OtherActionList;
    std::vector<QRadioButton*> ClutchButtons;
    QPointer<QAction> FChosen;

  private:
    QAction* NewMarkAction(const TMarkKind& kind);
    void AddClutchLetters(QGroupBox* clutches);
};

// The picture of a kind's button: the mark drawn in black on white.
QImage MarkPicture(int32_t kind);
// The clutch letter of a radio button's tag; empty for "Нет" and unknown tags.
QString ClutchLetterOfTag(int tag);
