#pragma once
// The text tool. A click sets the baseline start of the first line; the user then types
// (Enter starts a new line, Backspace deletes), and the text, in the font the font
// dialog sets, is shown inside a frame. The frame is dragged by its border to move the
// text, or by the handle at its top-right corner to turn it towards the pointer; a click
// outside it stamps the text into the sketch as one undo step, a right click discards it.
//
// The font settings are the program's, not the tool's: they outlive the tool, and the
// font dialog changes them for the text being typed and for every text after it.

#include "tools/base/TechBase.h"

#include "gdi/Font.h"
#include "gdi/Types.h"

#include <QString>

#include <array>
#include <cstdint>
#include <vector>

// The text font as the font dialog last set it, and its colour.
extern gdi::LogFont TextLogFont;
extern gdi::COLORREF TextColor;
// The last height chosen, in millimetres.
extern float TextHeightMm;

// The font height of a height in millimetres on a screen of the given vertical
// resolution: the millimetres times the sketch's pixels per millimetre are taken as
// points. Negative, as a character height.
int32_t TextFontHeight(float heightMm, int32_t pixelsPerInch);
// The screen's vertical pixels per inch; 96 without a screen.
int32_t ScreenPixelsPerInchY();
// Back to the settings the program starts with: 3.5 mm, normal weight, black, no face.
void ResetTextFontSettings();
// The current text tool, if it is current, takes the font settings.
void ApplyTextFont();

class TTechText : public TTechBase {
  public:
    // The steps; their prompts are keyed by these numbers.
    enum TStep : uint8_t {
        StepOrigin = 2,   // waiting for the baseline start of the first line
        StepTyping = 3,   // keys go into the text; the frame can be taken
        StepMoving = 4,   // the text follows the pointer
        StepRotating = 5, // the text turns towards the pointer
    };
    using TFrame = std::array<gdi::Point, 4>;

    void Create() override;
    void LeftButton(gdi::Point point, TShiftState shift, bool released) override;
    void RightButton(gdi::Point point, TShiftState shift, bool released) override;
    void PointerMove(gdi::Point point, TShiftState shift) override;
    // Typing: keys and the text they carry, and text composed by an input method.
    void AppMessage(QEvent& message, bool& handled) override;
    // The lines, each on its baseline, turned by the text's angle about its origin.
    bool Render(const TGdiState& state, const void* extra, int32_t dx, int32_t dy) override;
    void Restart() override;
    void DrawCursor(gdi::DeviceContext& dc, const gdi::Rect& clientRect, int32_t originX,
                    int32_t originY) override;
    void DrawPreview(gdi::DeviceContext& dc, const gdi::Rect& clientRect, int32_t originX,
                     int32_t originY) override;
    // Stamps the text into the sketch, one undo step; the text stays open for editing.
    void Complete() override;
    QString GetPrompt() override;

    // The font of the description turned by the text's angle, in colour.
    void SetFont(const gdi::LogFont& log, gdi::COLORREF colour);
    // Turns the text to angle (radians, counter-clockwise on the screen).
    void SetTextAngle(float angle);
    // The frame around the lines as the font measures them.
    void UpdateFrame();
    // Turns the first line's baseline from the frame's top-left corner towards point.
    void RotateTowards(gdi::Point point);

    bool OnRotateHandle(gdi::Point point) const;
    bool OnBorder(gdi::Point point) const;
    bool InsideFrame(gdi::Point point) const;

    gdi::COLORREF FColor = 0;
    // None until the first text is started.
    gdi::FontPtr FFont;
    // Top-left, top-right (the rotate handle), bottom-right, bottom-left, turned.
    TFrame FFrame{};
    gdi::Point FDragAnchor;
    // The last line receives the typing.
    std::vector<QString> FLines;
    float FAngle = 0;
    // The baseline start of the first line.
    gdi::Point FOrigin;

  private:
    void TypeKey(int key);
    void TypeText(const QString& text);
    void UpdateCursor(gdi::Point point);
};
