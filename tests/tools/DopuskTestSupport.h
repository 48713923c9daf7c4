#pragma once
// What the tolerance frame tests share: the symbol font added for the test, a line
// colour that is not the sketch's black, and the expected boxes of a frame drawn
// through the raster layer as a user sees them on paper.

#include "ToolHarness.h"

#include "gdi/DeviceContext.h"
#include "gdi/Font.h"
#include "gdi/Types.h"

#include <QString>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

class QWidget;

namespace dopusk_testing {

inline constexpr gdi::COLORREF White = 0xFFFFFF;
inline constexpr gdi::COLORREF Blue = 0xFF0000;
inline constexpr gdi::COLORREF Green = 0x00FF00;

// A harness with the symbol font and blue lines, both gone again afterwards.
class TDopuskTest : public ::testing::Test {
  protected:
    TDopuskTest();
    ~TDopuskTest() override;

    TToolHarness Harness{240, 200};
};

// The frame's font, turned by degrees.
gdi::FontPtr SymbolFont(int degrees = 0);
// The size of text in the frame's font.
gdi::Size Extent(const std::string& text);

// A box with its text centred in it, as it reads on a horizontal frame: drawn into dc in
// colour, or turned to read upwards about corner.
void DrawBox(gdi::DeviceContext& dc, gdi::Rect box, const std::string& text, gdi::COLORREF colour);
void DrawBoxTurnedUp(gdi::DeviceContext& dc, gdi::Rect box, const std::string& text, gdi::Point corner,
                     gdi::COLORREF colour);

// The smallest rectangle holding every pixel of the sketch that is not white.
gdi::Rect InkBounds();

// Runs action with the dialogs it opens answered by steps, all of them.
void Answering(std::vector<std::function<void(QWidget*)>> steps, const std::function<void()>& action);

QString Text(const char* utf8);

} // namespace dopusk_testing
