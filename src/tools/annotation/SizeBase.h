#pragma once
// What every dimension tool shares: its inscription and its leader with a shelf, the
// question for the inscription's texts, and the turn of the inscription along a line
// that never leaves it upside down. A dimension draws in one colour throughout: its
// lines, arrows and text are green (red when the figure cannot be drawn) in the
// preview, and the colour of the line pen, one pixel wide and solid, in the sketch.

#include "tools/annotation/SizeText.h"
#include "tools/base/TechBase.h"

#include <memory>

class TSizeBase : public TTechBase {
  public:
    TSizeBase();

    void Create() override;
    // Back to no texts, no shelf, and the first state; the tool keeps taking clicks.
    void Restart() override;
    // The inscription goes onto a shelf at the end of a leader, whose end is asked next.
    virtual void StartShelf();

    // Turns the inscription along the direction (cos, sin), reading left to right or
    // upwards.
    void SetTextDirection(float cos, float sin);
    // Asks for the inscription's texts, offering the current value; shelfEnabled lets
    // the user choose the shelf. True after OK.
    bool AskText(bool shelfEnabled);
    bool TextIsEmpty() const;

    std::unique_ptr<TRemoteLine> RemoteLine;
    std::unique_ptr<TSizeText> SizeText;
    bool ShelfMode = false;

  protected:
    enum TShelfSubStep : uint8_t { SubStepText = 0, SubStepLeader = 3, SubStepShelf = 4 };
    // The sub-stages after the inscription's texts are known: where it stands, where the
    // leader ends, which way the shelf runs.
    static constexpr uint8_t StepInscription = 11;

    // RecordUndo, then Render into the sketch in the line pen's colour.
    void CommitRender();
    // Render into a preview DC whose pixel (0, 0) is sketch pixel (originX, originY).
    void PreviewRender(gdi::DeviceContext& dc, int32_t originX, int32_t originY, bool valid);
    // The inscription, or the leader and shelf that carry it, in colour.
    void DrawInscription(gdi::DeviceContext& dc, gdi::COLORREF colour, int32_t dx, int32_t dy);
    // The shelf follows the pointer's side of the leader's end.
    void TurnShelf(gdi::Point pointer);
};

// The colour of the pen a Render state draws with.
gdi::COLORREF StatePenColour(const TGdiState& state);

// Whole pixels, ties to even.
int32_t RoundToPixel(float value);
// The point length pixels from from along (cos, sin), rounded per coordinate.
gdi::Point PointAlong(gdi::Point from, float cos, float sin, float length);
// The projection of to - from on (cos, sin).
float Projection(gdi::Point from, gdi::Point to, float cos, float sin);
// A segment with the DC's pen, shifted by (dx, dy), its last pixel left out.
void DrawShiftedSegment(gdi::DeviceContext& dc, gdi::Point from, gdi::Point to, int32_t dx, int32_t dy);
