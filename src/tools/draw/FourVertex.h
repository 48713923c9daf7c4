#pragma once
// The rectangle tool. It keeps a quadrilateral of four corners over the sketch (at first
// a 200 x 100 rectangle in the middle of the view) that the user shapes by dragging a
// corner, a side or the whole figure, and stamps into the sketch with "complete right"
// or "complete down"; after each stamp the figure steps on by its own width or height,
// so that a row or a column of adjoining cells takes one command per cell. A dragged
// figure or side changes its size; with Ctrl held it moves instead. A horizontal
// dash-dot axis can be drawn from the middle of the left side, and the last edit undone.

#include "tools/base/TechBase.h"

#include "gdi/Types.h"

#include <array>
#include <cstdint>

class TFourVertex : public TTechBase {
  public:
    // The steps; their prompts are keyed by these numbers.
    enum TStep : uint8_t {
        StepSelect = 2, // waiting for a corner, a side or the figure to be taken
        StepWhole = 3,  // the whole figure follows the pointer
        StepSide = 4,   // one side follows the pointer
        StepCorner = 5, // one corner follows the pointer
        StepAxis = 6,   // the axis line runs from the left side to the pointer
    };
    // The edit mode, in SubStep: Ctrl held moves, otherwise the size changes.
    enum TEditMode : uint8_t { ModeMove = 2, ModeSize = 3 };
    // What lies under the pointer, or is being edited.
    enum THoverKind : uint8_t { HoverNone = 0, HoverWhole = 1, HoverSide = 2, HoverCorner = 3 };
    // The main window's commands for the tool, by the tags of their actions.
    enum TCommand : int {
        CmdUndoLastAction = 8,
        CmdDrawAxisLine = 9,
        CmdCompleteRight = 10,
        CmdCompleteDown = 11,
    };
    enum class TDirection { Right, Down };

    // A side runs from corner First to corner Second; its length and direction are
    // those of the last UpdateSide, not followed live while the side is dragged.
    struct TSide {
        float Length = 0;
        float Cos = 0;
        float Sin = 0;
        uint8_t First = 0;
        uint8_t Second = 0;
        // 0 near horizontal, 1 near vertical, 2 rising, 3 falling (on the screen).
        uint8_t DirClass = 0;
    };
    using TCorners = std::array<gdi::Point, 5>;

    TFourVertex();

    void LeftButton(gdi::Point point, TShiftState shift, bool released) override;
    void RightButton(gdi::Point point, TShiftState shift, bool released) override;
    void PointerMove(gdi::Point point, TShiftState shift) override;
    // Ctrl switches the edit mode while it is held; the rest as the base.
    void AppMessage(QEvent& message, bool& handled) override;
    // The two complete commands are live only with the tool.
    void ReleaseControls() override;
    void SetupControls() override;
    // The closed outline of the four corners, at their own coordinates.
    bool Render(const TGdiState& state, const void* extra, int32_t dx, int32_t dy) override;
    // Back to the corners saved when the last edit began; the saved corners become the
    // default figure in the middle of the view.
    void Restart() override;
    void Create() override;
    void DrawCursor(gdi::DeviceContext& dc, const gdi::Rect& clientRect, int32_t originX,
                    int32_t originY) override;
    void DrawPreview(gdi::DeviceContext& dc, const gdi::Rect& clientRect, int32_t originX,
                     int32_t originY) override;
    // Undoes the last edit of the figure.
    void Cancel() override;
    // Stamps the outline into the sketch, one undo step; the figure stays where it is.
    void Complete() override;
    QString GetPrompt() override;
    bool ToolCommand(int tag) override;

    // Stamps the outline and moves the figure on by its width or height; only while
    // nothing is being edited.
    void CompleteStep(TDirection direction);
    void StartAxisLine();

    gdi::Point FAxisStart;
    gdi::Point FAxisEnd;
    uint8_t FHoverKind = HoverNone;
    // 1..4, 0 for the whole figure, -1 for none.
    int32_t FSelSide = -1;
    // 1..4, -1 for none.
    int32_t FSelCorner = -1;
    // Sides 1..4 (element 0 unused).
    std::array<TSide, 5> FSides{};
    // The anchor of the drag in element 0, the corners in 1..4.
    TCorners FPoints{};
    // The corners as the last edit found them (1..4).
    TCorners FSaved{};

  private:
    // The default figure about the middle of the visible part of the sketch.
    TCorners DefaultFigure() const;
    void UpdateSide(int side);
    void UpdateSides();
    THoverKind HitTest(gdi::Point point);
    void Select(int32_t side, int32_t corner);
    void UpdateCursor();
    void DragTo(gdi::Point point);
    void DragSideLength(int32_t dx, int32_t dy);
    void EndEdit();
    void SetEditMode(uint8_t mode);
    void DrawAxis(gdi::DeviceContext& dc, gdi::COLORREF colour, int32_t dx, int32_t dy) const;
};
