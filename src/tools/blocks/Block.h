#pragma once
// The block tool: one block floats over the sketch while the user draws its lines point
// by point or loads it from a file or the library, moves, turns and scales it about its
// anchor, moves the anchor or single points, and finally stamps it into the sketch in
// the block colour. The instrument tool is the same tool for cutting-tool sketches,
// with its own texts, colour, file kind and library. Both work with the tool window
// TBlockModifForm, whose buttons choose the modes.

#include "tools/base/TechBase.h"
#include "tools/transform/FileDialogSetups.h"

#include "blocks/BlockObject.h"
#include "document/LineObj.h"

#include <string>
#include <vector>

class TBlockModifForm;

class TBlock : public TTechBase {
  public:
    // Step: the stage, by the mode chosen; its numbers key the prompts.
    enum TStage : uint8_t {
        StageNone = 0,
        StageAddLines = 2,
        StageMove = 3,
        StageRotate = 4,
        StageScale = 5,
        StageAnchor = 6,
        StagePoints = 7,
    };
    // SubStep within a stage.
    enum TStep : uint8_t {
        StepIdle = 0,
        StepFirstPoint = 2,
        StepLineOpen = 3,
        StepDragging = 4,
        StepChosen = 5,
        StepPicking = 6,
        StepMovingPoints = 7,
    };
    // The tags of the mode buttons.
    enum TMode : uint8_t {
        ModeNone = 0,
        ModeAddLines = 1,
        ModeMove = 2,
        ModeRotate = 3,
        ModeScale = 4,
        ModeAnchor = 5,
        ModePoints = 6,
    };

    void Create() override;
    void Destroy() override;
    void LeftButton(gdi::Point point, TShiftState shift, bool released) override;
    void RightButton(gdi::Point point, TShiftState shift, bool released) override;
    void PointerMove(gdi::Point point, TShiftState shift) override;
    void SurfMouseEnter(int32_t x, int32_t y) override;
    // Backspace takes the last line away, Delete the picked points; then the keyboard
    // emulation of the base.
    void AppMessage(QEvent& message, bool& handled) override;
    // The tool window's buttons follow the mode and what the block has.
    void Changed() override;
    void ShowMeasure() override;
    bool Render(const TGdiState& state, const void* extra, int32_t dx, int32_t dy) override;
    void DrawCursor(gdi::DeviceContext& dc, const gdi::Rect& clientRect, int32_t originX,
                    int32_t originY) override;
    void DrawPreview(gdi::DeviceContext& dc, const gdi::Rect& clientRect, int32_t originX,
                     int32_t originY) override;
    // Stamps the block into the sketch as one undo step and starts again empty.
    void Complete() override;
    QString GetPrompt() override;

    // The texts and colour of the tool window for the kind.
    virtual void SetupForm(TBlockModifForm* form);
    virtual TBlockFileKind Kind() const { return TBlockFileKind::Block; }

    // A mode button: the new mode's stage and cursor; the mode in force is ignored.
    void SelectMode(uint8_t mode);
    // The block from a file, hanging on the pointer until a click.
    void LoadBlock(const std::string& file);
    void SaveBlock(const std::string& file) const;
    void DeleteLastLine();
    // A segment in the line pen's style and width, its ends joining points already there.
    void AddSegmentFromTo(gdi::Point start, gdi::Point end);
    // Asks a name and saves the block into the library folder under it.
    void AddToLibrary();
    // The library's dialog; a choice is loaded.
    void LoadFromLibrary();
    // The program's file dialogs; a confirmed name is loaded or written.
    void LoadFromFile();
    void SaveToFile();
    // The library folder and the extension with its dot.
    std::string LibraryFolder() const;
    std::string FileExtension() const;

    gdi::COLORREF FBlockColor = 0x000000;
    uint8_t FMode = ModeNone;
    TBlockObject FBlock;
    TLineObj FRubber;
    gdi::Point FLastPoint;
    // Picking points: pressed and not yet moved more than 2 pixels; rubber band in use.
    bool FClick = false;
    bool FBand = false;
    // Indices of the picked points, each once.
    std::vector<int32_t> FSelection;
    gdi::Rect FBandRect;

  private:
    // A picked point within 3 pixels of p.
    bool SelectedPointUnder(gdi::Point p) const;
    // Adds the points of the rectangle not yet picked, in index order.
    void SelectPointsIn(const gdi::Rect& rect);
    void DeleteSelectedPoints();
    void LeftPress(gdi::Point point, TShiftState shift);
    void TransformBy(gdi::Point point, TShiftState shift);
};

// The instrument tool: cutting-tool sketches, red, in .ins files of their own folder.
class TInstrument : public TBlock {
  public:
    void SetupForm(TBlockModifForm* form) override;
    TBlockFileKind Kind() const override { return TBlockFileKind::Instrument; }
};
