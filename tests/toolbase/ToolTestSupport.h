#pragma once
// What the framework tests drive it with: a fake main window behind the host
// interface, a small segment tool (and an owner tool that uses it as a sub-tool), two
// option dialogs, and a journal in which all of them note what happens to them, in
// order.

#include "ToolHarness.h"

#include "tools/base/TechBase.h"
#include "tools/base/TechDialogBaseForm.h"
#include "tools/base/ToolResults.h"

#include <memory>
#include <string>
#include <vector>

class QAction;
class QActionGroup;
class QToolBar;
class QToolButton;
class QWidget;

// ---- Journal ---------------------------------------------------------------------------------

extern std::vector<std::string> Journal;
void Note(const std::string& entry);
// Position of the first entry equal to entry, or -1.
int JournalIndex(const std::string& entry);
int JournalCount(const std::string& entry);

// ---- The fake main window ---------------------------------------------------------------------

// The test host with two tool buttons that keep one of them down; every toggle of
// these and of the point-capture button goes into the journal.
class TFakeHost : public TTestHost {
  public:
    TFakeHost();
    ~TFakeHost() override;

    QAction* ToolAAction = nullptr;
    QAction* ToolBAction = nullptr;
    QActionGroup* ToolGroup = nullptr;
    QToolButton* ToolAButton = nullptr;
    QToolButton* ToolBButton = nullptr;
    QAction* PointCaptAction = nullptr;
    QAbstractButton* PointCaptButton = nullptr;
};

// ---- Tools -------------------------------------------------------------------------------------

// A two-click segment tool: state 2 waits for the start, state 3 has a segment from
// Start to End (the pointer). A left click in state 3 commits the segment (one undo
// step, LinePen) and goes on from its end; as a sub-tool it reports the segment to its
// owner instead. A right click drops the open segment. It uses the point-capture
// button as its option. Cursor 2; 5 as a sub-tool.
class TTestSegmentTool : public TTechBase {
  public:
    TTestSegmentTool() { DeclareOption(TOptionButton::PointCapt, Capture); }
    void Create() override;
    void CreateFor(TTechBase* owner) override;
    void Destroy() override;
    void LeftButton(gdi::Point point, TShiftState shift, bool released) override;
    void RightButton(gdi::Point point, TShiftState shift, bool released) override;
    void PointerMove(gdi::Point point, TShiftState shift) override;
    void AppMessage(QEvent& message, bool& handled) override;
    void SurfMouseEnter(int32_t x, int32_t y) override;
    void SurfMouseLeave(int32_t x, int32_t y) override;
    bool Render(const TGdiState& state, const void* extra, int32_t dx, int32_t dy) override;
    void PassResult(int32_t code) override;
    void DrawCursor(gdi::DeviceContext& dc, const gdi::Rect& clientRect, int32_t originX,
                    int32_t originY) override;
    void DrawPreview(gdi::DeviceContext& dc, const gdi::Rect& clientRect, int32_t originX,
                     int32_t originY) override;
    void Complete() override;
    QString GetPrompt() override;

    virtual std::string Name() const { return "segment"; }

    gdi::Point Start;
    gdi::Point End;
    // Point capture, following its option button.
    bool Capture = false;
};

// Two classes of the same tool, for what is kept per class.
class TTestToolA : public TTestSegmentTool {
  public:
    std::string Name() const override { return "A"; }
};
class TTestToolB : public TTestSegmentTool {
  public:
    std::string Name() const override { return "B"; }
};

// Places segments through a segment sub-tool, which it makes when it is made; keeps
// the segments reported to it. Cursor 4.
class TTestOwnerTool : public TTechBase {
  public:
    void Create() override;
    void Destroy() override;
    QString GetPrompt() override { return QStringLiteral("owner"); }

    TToolHandle<TTestSegmentTool> Sub;
    std::vector<TLineResult> Segments;
    std::vector<int32_t> Codes;
};

// ---- Option dialogs -----------------------------------------------------------------------------

class TTestDialogA : public TTechDialogBaseForm {
  public:
    explicit TTestDialogA(QWidget* owner);
    ~TTestDialogA() override;
};

class TTestDialogB : public TTechDialogBaseForm {
  public:
    explicit TTestDialogB(QWidget* owner);
    ~TTestDialogB() override;
};

// The prompts of the segment tool, by state.
extern const char* const SegmentStartPrompt;
extern const char* const SegmentEndPrompt;

// Frees whatever tool is current, the store of option buttons and the journal; every
// test starts and ends with it.
void ResetFramework();
