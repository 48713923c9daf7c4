#pragma once
// The marquee: the fragment editor of the sketch. The user drags a window over the
// sketch; its pixels become a floating fragment (a copy: the sketch keeps them) that is
// moved by dragging, scaled by dragging with Ctrl held, turned by an angle or until a
// picked line lies horizontal or vertical, and stamped into the sketch by Complete,
// opaque or with its white left out. A fragment also comes from the clipboard or from
// a sketch file, and goes to the clipboard or to a file. Esc or the right button opens
// the pop-up menu of all this; switching to another tool drops the fragment.

#include "tools/base/TechBase.h"
#include "tools/transform/Fragment.h"
#include "tools/transform/RotateLines.h"

#include "gdi/Bitmap.h"
#include "gdi/Types.h"

#include <cstdint>
#include <memory>

// The main window's commands the marquee carries out, by their ToolCommand tag. The
// four edit commands keep the tags of their actions.
enum TMarqueeCommand : int {
    CutFragmentCommand = 1,
    CopyFragmentCommand = 2,
    PasteFragmentCommand = 3,
    DeleteFragmentCommand = 4,
    LoadFragmentCommand = 5,
    SaveFragmentCommand = 6,
    // A rotation command's tag is this plus its kind (RotateFragmentTag).
    RotateFragmentCommand = 10,
};

// The tag of the rotation command of kind (TMarquee::TRotationKind).
constexpr int RotateFragmentTag(int kind) {
    return int(RotateFragmentCommand) + kind;
}

class TMarquee : public TTechBase {
  public:
    // Stages, in Step.
    enum TStep : uint8_t {
        StageWindow = 2,   // the window is being chosen
        StageFragment = 3, // a fragment floats
        StageLine = 4,     // a line of the fragment is picked to turn it by
    };
    // Steps within the stages, in SubStep; the prompts are keyed by them.
    enum TSubStep : uint8_t {
        StepCorner = 2,      // waiting for the window's first corner
        StepWindow = 3,      // the window's other corner follows the pointer
        StepFloating = 4,    // the fragment floats, not dragged
        StepDragged = 5,     // the fragment is moved, or scaled with Ctrl
        StepFirstPoint = 6,  // the picked line's first point
        StepSecondPoint = 7, // its second point
    };
    // RotateFragment's kinds.
    enum TRotationKind : int { RotateByAngle = 0, RotateToHorizontal = 1, RotateToVertical = 2 };

    TMarquee();

    void Create() override;
    void Destroy() override;
    void Restart() override;
    void LeftButton(gdi::Point point, TShiftState shift, bool released) override;
    void RightButton(gdi::Point point, TShiftState shift, bool released) override;
    void PointerMove(gdi::Point point, TShiftState shift) override;
    void AppMessage(QEvent& message, bool& handled) override;
    void ReleaseControls() override;
    void SetupControls() override;
    // Stamps the fragment into state's DC, shifted by (dx, dy).
    bool Render(const TGdiState& state, const void* extra, int32_t dx, int32_t dy) override;
    void DrawCursor(gdi::DeviceContext& dc, const gdi::Rect& clientRect, int32_t originX,
                    int32_t originY) override;
    void DrawPreview(gdi::DeviceContext& dc, const gdi::Rect& clientRect, int32_t originX,
                     int32_t originY) override;
    // Drops the fragment.
    void Cancel() override;
    // Stamps the fragment into the sketch as one undo step (an empty step when there is
    // no fragment) and starts again.
    void Complete() override;
    QString GetPrompt() override;
    bool OptionToggled(TOptionButton which, bool down) override;
    bool ToolCommand(int tag) override;

    // ---- The main window's operations ------------------------------------------------------
    // The clipboard's image, in sketch colours, floats at the top-left of the visible
    // part of the sketch. False when the clipboard holds no image.
    bool PasteFragment();
    // bitmap floats at the top-left of the visible part of the sketch.
    void FloatBitmap(const gdi::BitmapPtr& bitmap);
    // A sketch file chosen in the open dialog floats likewise.
    void LoadFragment();
    // The fragment's picture into a sketch file chosen in the save dialog.
    void SaveFragment();
    void CopyFragment();
    void CutFragment();
    // Whites out the fragment's outline in the sketch as one undo step.
    void DeleteFragment();
    void SetTransparent(bool on);
    // Turns the floating fragment by an angle asked for, or (kinds 1 and 2) starts
    // picking the line of it that is to become horizontal or vertical.
    void RotateFragment(int kind);

    // A fragment floats (stages 3 and 4).
    bool HoldsFragment() const { return Step == StageFragment || Step == StageLine; }
    const TFragment& Fragment() const { return FFragment; }

    std::unique_ptr<TRotateLines> FLines;
    TFragment FFragment;
    gdi::Point FLastPoint;
    bool FTransparent = false;
    // Ctrl is held: the drag scales.
    bool FScaleCursor = false;

  private:
    void SetStage(TStep stage, TSubStep step);
    void UpdateCursor(gdi::Point point);
    void FloatingClick(gdi::Point point);
    void DragTo(gdi::Point point, TShiftState shift);
    void DrawFrame(gdi::DeviceContext& dc, int32_t dx, int32_t dy) const;
    void PickLinePoint(gdi::Point point);
    void FollowLinePoint(gdi::Point point);
    QString LineModeText() const;
};
