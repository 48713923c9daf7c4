#pragma once
// The tolerance frame tool. Everything starts from the right-button menu: the user makes
// the frame's content in a question, moves the frame with the pointer and drops it, then
// draws leader branches from the part to the frame, each ending in an arrow, a datum
// triangle or nothing. Every branch goes into the sketch together with the frame, as
// one undo step, so that a frame with three branches can be undone a branch at a time;
// "Завершить" stamps the frame once more and starts over. The frame is written in the
// symbol font, laid horizontally or turned to read upwards.

#include "tools/annotation/DopuskLayout.h"
#include "tools/base/TechBase.h"

#include "gdi/Font.h"
#include "gdi/Types.h"

#include <cstdint>
#include <string>

struct TToleranceTable;

class TDopusk : public TTechBase {
  public:
    // The stages; their prompts are keyed by these numbers.
    enum TStep : uint8_t {
        StepEmpty = 0,  // no frame yet: the menu makes one
        StepPlaced = 2, // the frame stays where it was dropped
        StepFollow = 3, // the frame's top-left corner follows the pointer
        StepBranch = 5, // a branch is being drawn (SubStep)
    };
    enum TBranchStep : uint8_t { SubStepBranchStart = 2, SubStepBranchEnd = 3 };
    // The items of the main window's menu for the tool, by their tags.
    enum TCommand : int {
        CmdEditTable = 1,
        CmdWithoutAny = 2,
        CmdWithArrow = 3,
        CmdWithTriangle = 4,
        CmdComplete = 10,
        CmdCancel = 11,
    };

    void LeftButton(gdi::Point point, TShiftState shift, bool released) override;
    void RightButton(gdi::Point point, TShiftState shift, bool released) override;
    void PointerMove(gdi::Point point, TShiftState shift) override;
    // Keys pressed while the menu is open choose in the menu; they click nowhere.
    void AppMessage(QEvent& message, bool& handled) override;
    // The frame (cells or text line) and, while its end is being given, the branch.
    bool Render(const TGdiState& state, const void* extra, int32_t dx, int32_t dy) override;
    // An empty table at the first stage; the position, branch kind and direction stay.
    void Restart() override;
    void Create() override;
    void DrawCursor(gdi::DeviceContext& dc, const gdi::Rect& clientRect, int32_t originX,
                    int32_t originY) override;
    void DrawPreview(gdi::DeviceContext& dc, const gdi::Rect& clientRect, int32_t originX,
                     int32_t originY) override;
    // The floating frame goes; branches already stamped stay in the sketch.
    void Cancel() override;
    QString GetPrompt() override;
    bool ToolCommand(int tag) override;

    // Asks for the frame's content; on OK the frame follows the pointer.
    void EditTable();
    // The mark of the next branch (TBranchKind), which is then asked for.
    void SetBranchKind(uint8_t kind);
    // The frame, with the branch being drawn, into the sketch as one undo step; unless
    // branchOnly, the tool starts over.
    void StampTable(bool branchOnly);

    uint8_t Vertical = 0;
    gdi::FontPtr Font;
    uint8_t BranchKind = 0;
    uint8_t TableMode = 1;
    TDopuskCells Cells;
    gdi::Point Position;
    std::string TextLine;
    gdi::Rect TextRect;
    gdi::Point BranchStart;
    gdi::Point BranchEnd;

  private:
    void TakeTable(const TToleranceTable& table);
    // The boxes for the current position, measured in dc.
    void LayOut(gdi::DeviceContext& dc);
    bool DrawingBranch() const { return Step == StepBranch && SubStep == SubStepBranchEnd; }
    bool HasFrame() const;
};
