#pragma once
// The dimension on a leader: a chain of free segments, each with an optional arrow at
// its start and at its end (the two arrow buttons of the main window, or the "," and
// "." keys, remembered per tool between uses). A horizontal or vertical segment can
// carry an inscription standing on it; after one with a text a new leader begins,
// otherwise the next segment goes on from the last one's end.

#include "tools/annotation/SizeBase.h"

class TFreeLine : public TSizeBase {
  public:
    enum TStep : uint8_t {
        StepStart = 2, // waiting for the first point of a leader
        StepEnd = 3,   // the segment's end follows the pointer
    };
    // The main window's "Отказ от точки".
    static constexpr int CmdCancelPoint = 3;

    TFreeLine();

    void Create() override;
    void Restart() override;
    void LeftButton(gdi::Point point, TShiftState shift, bool released) override;
    // Opens the leader's pop-up menu at the pointer.
    void RightButton(gdi::Point point, TShiftState shift, bool released) override;
    void PointerMove(gdi::Point point, TShiftState shift) override;
    // "," (or "б") and "." (or "ю") switch the start and end arrows.
    void AppMessage(QEvent& message, bool& handled) override;
    bool Render(const TGdiState& state, const void* extra, int32_t dx, int32_t dy) override;
    void DrawCursor(gdi::DeviceContext& dc, const gdi::Rect& clientRect, int32_t originX,
                    int32_t originY) override;
    void DrawPreview(gdi::DeviceContext& dc, const gdi::Rect& clientRect, int32_t originX,
                     int32_t originY) override;
    // Drops the segment under construction.
    void Cancel() override;
    // The segment into the sketch; its inscription is used up.
    void Complete() override;
    QString GetPrompt() override;
    bool OptionToggled(TOptionButton which, bool down) override;
    bool ToolCommand(int tag) override;

    // Whether the segment can carry a text (horizontal or vertical); stands it there.
    bool PlaceFreeText();

    gdi::Point LineStart, LineEnd;
    bool ArrowAtStart = false;
    bool ArrowAtEnd = false;
    float LineCos = 1, LineSin = 0;
    bool HasText = false;

  private:
    void EndClick(gdi::Point point);
    void ToggleArrow(TOptionButton which);
};
