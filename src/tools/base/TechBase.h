#pragma once
// The base of every interactive tool. While a tool lives it holds the drawing surface's
// mouse events and the application's key messages, keeps a small state machine
// (Step, SubStep) whose every change shows the state's status prompt, paints a preview
// and cross-hair into the render buffer, and finally commits its figure into DocDC
// after recording an undo step. A tool may make one sub-tool that takes the surface
// over, reports back through the owner's OnResult, and returns the surface when freed.
//
// A tool's life has three stages, so that every stage sees the whole tool: the C++
// constructor only sets fields; Create (or CreateFor, for a sub-tool) then hooks the
// surface and registers the tool, and a subclass's override does its own set-up around
// the base's; Destroy (run by the deleter of TToolPtr) takes the tool down again, the
// subclass's part first. Make tools with CreateTool / CreateToolFor, never with new.

#include "tools/base/GdiState.h"
#include "tools/base/OptionButtons.h"
#include "tools/base/PaintedTool.h"
#include "tools/base/ShiftState.h"
#include "tools/base/ToolResults.h"

#include "gdi/Types.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

class QEvent;
class QObject;
class TTechBase;

// Frees a tool: Destroy, then the object. A failure of Destroy is swallowed: a tool
// half taken down is still better gone.
struct TToolDeleter {
    void operator()(TTechBase* tool) const noexcept;
};
using TToolPtr = std::unique_ptr<TTechBase, TToolDeleter>;
template <class T> using TToolHandle = std::unique_ptr<T, TToolDeleter>;

// How a sub-tool reports to its owner: the result code (TResultCode) and the sub-tool's
// figure (ToolResults.h).
using TResultHandler = std::function<void(int32_t code, const TToolResult& result)>;

// An option button a tool owns, and the tool's field that follows the button.
struct TToolOption {
    TOptionButton Button;
    bool* Field;
};

// The tool the drawing surface's events go to: the tool that hooked the surface last,
// or nullptr.
TTechBase* SurfaceEventTool();

class TTechBase : public TPaintedTool {
  public:
    TTechBase() = default;
    ~TTechBase() override;
    TTechBase(const TTechBase&) = delete;
    TTechBase& operator=(const TTechBase&) = delete;

    // ---- The 24 operations, in their fixed order -------------------------------------
    // Points are sketch pixels. Buttons act on presses; released tells a release.
    virtual void LeftButton(gdi::Point point, TShiftState shift, bool released);
    virtual void RightButton(gdi::Point point, TShiftState shift, bool released);
    virtual void PointerMove(gdi::Point point, TShiftState shift);
    // Every key press and release while the tool holds the message hook; setting
    // handled swallows the key. The base turns Enter, Esc and the arrows into clicks and
    // pointer moves (KeyEmulation).
    virtual void AppMessage(QEvent& message, bool& handled);
    // The surface's events. Down and up pass the left and right buttons on to
    // LeftButton and RightButton; move passes on to PointerMove.
    virtual void SurfMouseDown(QObject* sender, Qt::MouseButton button, TShiftState shift, int32_t x,
                               int32_t y);
    virtual void SurfMouseUp(QObject* sender, Qt::MouseButton button, TShiftState shift, int32_t x,
                             int32_t y);
    virtual void SurfMouseEnter(int32_t x, int32_t y);
    // Always (0, 0).
    virtual void SurfMouseLeave(int32_t x, int32_t y);
    virtual void SurfMouseMove(QObject* sender, TShiftState shift, int32_t x, int32_t y);
    virtual void Changed();
    // Store and switch off, or switch on and restore, the option buttons the tool
    // declared, per tool class (TBttnStateStorage); SetupControls reads each button's
    // state into its field. Create and Destroy call them for a tool without an owner.
    virtual void ReleaseControls();
    virtual void SetupControls();
    // The prompt of the current state into the first status panel.
    virtual void ShowPrompt();
    // The read-outs of the tool's figure; the base shows radius 0.
    virtual void ShowMeasure();
    // Draws the figure through a copy of state, every sketch coordinate shifted by
    // (dx, dy); extra is the tool's own (usually nullptr). True when something was
    // drawn.
    virtual bool Render(const TGdiState& state, const void* extra, int32_t dx, int32_t dy);
    // A sub-tool's report to its owner (TResultCode); without an owner nothing.
    virtual void PassResult(int32_t code);
    // Back to the first state: CurPoint at NullPoint, Step and SubStep 0.
    virtual void Restart();
    // Making the tool (see above). A subclass sets CursorId before it calls the base.
    virtual void Create();
    // The same for a sub-tool of owner, which leaves the radius read-out alone.
    virtual void CreateFor(TTechBase* owner);
    // Into the render buffer's DC, whose pixel (0, 0) is sketch pixel (originX,
    // originY); clientRect is the surface's client area.
    void DrawCursor(gdi::DeviceContext& dc, const gdi::Rect& clientRect, int32_t originX,
                    int32_t originY) override;
    void DrawPreview(gdi::DeviceContext& dc, const gdi::Rect& clientRect, int32_t originX,
                     int32_t originY) override;
    virtual void Cancel();
    virtual void Complete();
    // The status prompt of the current Step and SubStep.
    virtual QString GetPrompt() = 0;
    // The user toggled an option button while the tool is current. The base sets the
    // field of a declared option; an override may act on the change after calling it.
    // False when the tool does not own the option.
    virtual bool OptionToggled(TOptionButton which, bool down);
    // A command of the main window that only the current tool can carry out, by the tag
    // of its action. False when the tool has no such command.
    virtual bool ToolCommand(int tag);

    // Taking the tool down: an override does its own part (freeing its sub-tool first,
    // ReleaseControls when it has no Owner) and then calls the base.
    virtual void Destroy();

    // ---- The rest of the base -----------------------------------------------------------
    // Surface cursor, surface events and the message hook go to tool.
    static void HookSurface(TTechBase* tool);
    // Back to the owner; without one, everything unbound and cursor 1.
    void UnhookSurface();
    void SetCursorId(int16_t id);
    // which 1 sets Step, 2 sets SubStep; then the prompt.
    void SetState(int which, uint8_t value);
    void SetStep(uint8_t value) { SetState(1, value); }
    void SetSubStep(uint8_t value) { SetState(2, value); }
    void Repaint();
    // The whole sketch into the undo history before the tool draws into it
    // (TTechDocument::RecordUndo).
    void RecordUndo();
    // Enter and Esc over the surface click there (left and right); the arrows move the
    // pointer by one sketch pixel. modifiers go with the click.
    void KeyEmulation(int key, Qt::KeyboardModifiers modifiers = {});

    // Fields, after PointerInside (TPaintedTool).
    int16_t CursorId = 0;
    gdi::Point CurPoint;
    TResultHandler OnResult;
    uint8_t Step = 0;
    uint8_t SubStep = 0;
    // A dialog of the tool is open: no keyboard emulation.
    bool KeysSuspended = false;
    TTechBase* Owner = nullptr;

  protected:
    // For PassResult overrides: hands the figure to the owner's OnResult, if there is one.
    void ReportToOwner(int32_t code, const TToolResult& result);
    // For constructors: the tool owns the option button, and field follows its state.
    void DeclareOption(TOptionButton button, bool& field);

  private:
    // Create or CreateFor has hooked the surface and Destroy has not yet let it go.
    bool m_hooked = false;
    std::vector<TToolOption> m_options;
};

// A tool object with its fields set, not yet made (Create or CreateFor still to run).
template <class T, class... Args> TToolHandle<T> NewTool(Args&&... args) {
    return TToolHandle<T>(std::make_unique<T>(std::forward<Args>(args)...).release());
}

// A working tool (the virtual constructor Create).
template <class T, class... Args> TToolHandle<T> CreateTool(Args&&... args) {
    TToolHandle<T> tool = NewTool<T>(std::forward<Args>(args)...);
    tool->Create();
    return tool;
}

// A working sub-tool of owner (the virtual constructor CreateFor).
template <class T, class... Args> TToolHandle<T> CreateToolFor(TTechBase* owner, Args&&... args) {
    TToolHandle<T> tool = NewTool<T>(std::forward<Args>(args)...);
    tool->CreateFor(owner);
    return tool;
}
