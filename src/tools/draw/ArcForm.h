#pragma once
// "Задание дуги": the arc tool's option window. Sixteen buttons with pictures of their
// arcs set the usual halves, quarters and eighths; the "От" and "До" edits with their
// arrows set any whole degrees from -360 to 360. Every change goes to the arc tool at
// once and is shown in a small preview. Enter here gives the focus back to the main
// window, so that the next Enter fixes the arc.

#include "tools/base/TechDialogBaseForm.h"

#include <array>
#include <cstdint>

class QGridLayout;
class QLabel;
class QLineEdit;
class QToolButton;
class TUpDown;

class TArcForm : public TTechDialogBaseForm {
    Q_OBJECT
  public:
    explicit TArcForm(QWidget* owner = nullptr);

    // The preset of a button's tag (1 to 16).
    void SelArc(int tag);

    float FromAngle = 0;
    float ToAngle = 0;

    QLineEdit* FromEdit;
    QLineEdit* ToEdit;
    TUpDown* UpDown1;
    TUpDown* UpDown2;
    QLabel* ArcImage;
    std::array<QToolButton*, 16> PresetButtons{};

  private:
    // The sixteen preset buttons, four by four, and the two degree edits with arrows.
    QGridLayout* BuildPresets();
    QGridLayout* BuildEdits();
    // Reads the edit of tag (1 "От", 2 "До") into its angle.
    void ApplyEdit(int tag);
    void UpDownChanged(int tag, int32_t position);
    void PresetClicked(QToolButton* button);
    // The angles to the arc tool, if it is current, and the preview redrawn.
    void AnglesChanged();
    void DrawPreviewImage();
};
