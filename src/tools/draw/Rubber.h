#pragma once
// The eraser and the recolouring tool: a square follows the pointer in place of the
// cursor. A left click (or Enter) records one undo step and switches the square on;
// until a right click (or Esc, or another left click) switches it off, the eraser paints
// everything under it white and the recolouring tool turns the pixels of the old colour
// into the new one, leaving every other colour alone. Ctrl with a sideways movement
// resizes the square about its centre, and on letting Ctrl go the pointer is put back
// there so the square does not jump.

#include "tools/base/TechBase.h"

#include "gdi/Bitmap.h"
#include "gdi/DeviceContext.h"

class TRubber : public TTechBase {
  public:
    // The steps; their prompts are keyed by these numbers.
    enum TStep : uint8_t {
        StepActive = 2,   // the square works wherever it passes
        StepInactive = 3, // the square only follows the pointer
    };

    void LeftButton(gdi::Point point, TShiftState shift, bool released) override;
    void RightButton(gdi::Point point, TShiftState shift, bool released) override;
    void PointerMove(gdi::Point point, TShiftState shift) override;
    void AppMessage(QEvent& message, bool& handled) override;
    void SurfMouseEnter(int32_t x, int32_t y) override;
    void SurfMouseLeave(int32_t x, int32_t y) override;
    void Create() override;
    void DrawCursor(gdi::DeviceContext& dc, const gdi::Rect& clientRect, int32_t originX,
                    int32_t originY) override;
    QString GetPrompt() override;

    // Applies the tool once at the square.
    virtual void Erase();
    // Resizes the square about FCentre by a sideways pointer movement of dx: the side
    // grows by 2·dx, kept even and between 2 and 100 pixels.
    virtual void Grow(int32_t dx);

    // Ctrl went down: letting it go puts the pointer back on the square's centre.
    bool FRecentre = false;
    gdi::Point FCentre;
    // Right and bottom exclusive.
    gdi::Rect FSquare{-20, -20, 20, 20};

  protected:
    void Recentre();
};

class TSmartRubber : public TRubber {
  public:
    void Create() override;
    // Within the square every pixel of RubberOldColor becomes RubberNewColor.
    void Erase() override;
    void Grow(int32_t dx) override;

  private:
    // The saved pixels of the square, kept for the life of the tool and made again only
    // when its size changes.
    void MakeCopyBitmap();

    gdi::DeviceContext m_copyDC;
    gdi::BitmapPtr m_copy;
};
