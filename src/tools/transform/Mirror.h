#pragma once
// The window transforms. The user drags a window over the sketch (a grey frame with its
// centre lines) and confirms it; the tool's class then changes the window's pixels in
// place: flipped top to bottom, flipped left to right, or a square window turned a
// quarter round. Each confirmed window is one undo step. The mirror in an axis, which
// asks for the axis first, is the fourth of the family (MirrorSimetricAxis.h).

#include "tools/base/TechBase.h"

#include "document/CrossedRect.h"

#include "gdi/DeviceContext.h"
#include "gdi/Types.h"

#include <cstdint>

class TMirror : public TTechBase {
  public:
    // The steps; their prompts are keyed by these numbers.
    enum TStep : uint8_t {
        StepCorner = 2, // waiting for the window's first corner
        StepWindow = 3, // the window's other corner follows the pointer
        StepAxis = 4,   // the axis of the mirror in an axis (SubStep: which point)
    };

    void LeftButton(gdi::Point point, TShiftState shift, bool released) override;
    // Drops the window.
    void RightButton(gdi::Point point, TShiftState shift, bool released) override;
    void PointerMove(gdi::Point point, TShiftState shift) override;
    void Restart() override;
    void Create() override;
    void DrawCursor(gdi::DeviceContext& dc, const gdi::Rect& clientRect, int32_t originX,
                    int32_t originY) override;
    // One undo step, then the window's transform; the window is emptied, the step stays.
    void Complete() override;

    // Writes the transformed window into the sketch; copy holds the window's pixels as
    // they were, at (0, 0), width by height.
    virtual void Transform(gdi::DeviceContext& copy, int32_t width, int32_t height) = 0;

    TCrossedRect FWindow;
    gdi::Point FAnchor;

  protected:
    // The prompt of the window steps; window is the text while the window is dragged.
    QString WindowPrompt(const char* window) const;

  private:
    void ApplyToWindow();
};

class TMirrorUpDown : public TMirror {
  public:
    void Transform(gdi::DeviceContext& copy, int32_t width, int32_t height) override;
    QString GetPrompt() override;
};

class TMirrorLeftRight : public TMirror {
  public:
    void Transform(gdi::DeviceContext& copy, int32_t width, int32_t height) override;
    QString GetPrompt() override;
};

// The window stays square: the pointer's movement along the diagonal grows or shrinks
// both sides alike.
class TMirrorDiagonal : public TMirror {
  public:
    void PointerMove(gdi::Point point, TShiftState shift) override;
    void Transform(gdi::DeviceContext& copy, int32_t width, int32_t height) override;
    QString GetPrompt() override;
};
