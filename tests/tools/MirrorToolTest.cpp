// The window transforms on the tool harness: windows dragged in sketch pixels and
// confirmed, the sketch then compared pixel by pixel with a picture worked out here
// from the sketch as it was, one pixel at a time.

#include "ToolHarness.h"

#include "tools/base/ToolGeometry.h"
#include "tools/transform/Mirror.h"
#include "tools/transform/MirrorSimetricAxis.h"

#include "document/Pens.h"
#include "document/TechDocument.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

constexpr gdi::COLORREF White = 0xFFFFFF;
constexpr gdi::COLORREF Black = 0x000000;
constexpr gdi::COLORREF Red = 0x0000FF;
constexpr gdi::COLORREF Blue = 0xFF0000;

QString prompt(const char* text) {
    return QString::fromUtf8(text);
}

// A drawing with no symmetry: a black slanted stroke, a red block and a blue dot.
void drawSomething() {
    gdi::PenPtr old = DocDC->selectPen(gdi::createPen(gdi::PS_SOLID, 1, Black));
    DocDC->moveTo(25, 15);
    DocDC->lineTo(95, 70);
    DocDC->selectPen(old);
    DocDC->fillRect({30, 50, 45, 58}, gdi::createSolidBrush(Red));
    DocDC->setPixel(100, 20, Blue);
}

// Left click at from, move to to, left click there: a window from corner to corner.
void window(gdi::Point from, gdi::Point to) {
    PointerMove(from);
    Click(from);
    PointerMove(to);
    Click(to);
}

// Where each pixel of the window comes from: (x, y) of the window receives source(x, y)
// of the sketch as it was, or white off the sketch.
void expectWindow(TSketchReference& expected, const TSketchReference& before, gdi::Rect window,
                  const std::function<gdi::Point(int32_t, int32_t)>& source) {
    for (int32_t y = 0; y < window.height(); ++y)
        for (int32_t x = 0; x < window.width(); ++x) {
            const gdi::Point from = source(x, y);
            const gdi::COLORREF colour =
                DocDC->bitmap()->bounds().contains(window.left + from.x, window.top + from.y)
                    ? const_cast<TSketchReference&>(before).DC().getPixel(window.left + from.x,
                                                                          window.top + from.y)
                    : White;
            expected.DC().setPixel(window.left + x, window.top + y, colour);
        }
}

TEST(Mirror, FlipsNormaliseAWindowDraggedUpOrLeftAndTwiceRestoreTheSketch) {
    TToolHarness harness;
    TTestHost& host = harness.Host;
    drawSomething();
    TSketchReference before;
    TSketchReference flipped;
    auto& tool = harness.Select<TMirrorUpDown>();
    EXPECT_EQ(host.Cursor, 2);
    EXPECT_EQ(host.Prompt, prompt("Укажите положение одного из углов (Enter - точка)"));
    PointerEnter({110, 80});
    PointerMove({110, 80});
    Click({110, 80});
    EXPECT_EQ(host.Prompt,
              prompt("Задайте размеры окна для зеркального отображения (Enter - отобразить, Esc - отказ)"));
    PointerMove({20, 10});
    Key(Qt::Key_Return);
    EXPECT_EQ(tool.Step, TMirror::StepCorner);
    const gdi::Rect box{20, 10, 110, 80};
    expectWindow(flipped, before, box, [&](int32_t x, int32_t y) {
        return gdi::Point{x, box.height() - 1 - y};
    });
    EXPECT_EQ(flipped.FirstDifference(), "");

    window({20, 10}, {110, 80});
    EXPECT_EQ(before.FirstDifference(), "");
    Document->Undo();
    EXPECT_EQ(flipped.FirstDifference(), "");
    Document->Undo();
    EXPECT_EQ(before.FirstDifference(), "");

    // Left to right, dragged up and to the left, and reaching past the sketch's left
    // edge: blank paper comes in from there.
    TSketchReference mirrored;
    harness.Select<TMirrorLeftRight>();
    PointerEnter({60, 90});
    window({60, 90}, {-30, 5});
    const gdi::Rect wide{-30, 5, 60, 90};
    expectWindow(mirrored, before, wide, [&](int32_t x, int32_t y) {
        return gdi::Point{wide.width() - 1 - x, y};
    });
    EXPECT_EQ(mirrored.FirstDifference(), "");
}

TEST(Mirror, AZeroWindowRecordsAStepAndChangesNothingAndEscDropsAWindow) {
    TToolHarness harness;
    drawSomething();
    TSketchReference before;
    harness.Select<TMirrorLeftRight>();
    PointerEnter({40, 40});
    window({40, 40}, {40, 40});
    EXPECT_TRUE(harness.DocumentHost.CanUndo);
    EXPECT_EQ(before.FirstDifference(), "");

    // A window the right button (or Esc) let go of changes nothing, not even history.
    Document->Undo();
    EXPECT_FALSE(harness.DocumentHost.CanUndo);
    PointerMove({20, 10});
    Click({20, 10});
    PointerMove({110, 80});
    Key(Qt::Key_Escape);
    auto& tool = dynamic_cast<TMirror&>(*CurrentTool);
    EXPECT_EQ(tool.Step, TMirror::StepCorner);
    EXPECT_FALSE(harness.DocumentHost.CanUndo);
    EXPECT_EQ(before.FirstDifference(), "");
}

TEST(Mirror, TheSquareWindowTurnsAQuarterAndFourTurnsRestoreIt) {
    TToolHarness harness;
    TTestHost& host = harness.Host;
    drawSomething();
    TSketchReference before;
    TSketchReference turned;
    auto& tool = harness.Select<TMirrorDiagonal>();
    PointerEnter({20, 10});
    PointerMove({20, 10});
    Click({20, 10});
    EXPECT_EQ(host.Prompt,
              prompt("Задайте размеры окна для поворота на 90 градусов (Enter - повернуть, Esc - отказ)"));
    // The pointer's way along the diagonal, halved, is added to both sides.
    PointerMove({60, 81});
    PointerMove({70, 81});
    EXPECT_EQ(tool.FWindow.Get(), (gdi::Rect{20, 10, 80, 70}));
    Click({70, 81});

    const gdi::Rect square{20, 10, 80, 70};
    const int32_t n = square.width();
    // Pixel (x, y) went to (n - 1 - y, x), so (x, y) now holds what was at (y, n - 1 - x).
    expectWindow(turned, before, square, [&](int32_t x, int32_t y) { return gdi::Point{y, n - 1 - x}; });
    EXPECT_EQ(turned.FirstDifference(), "");
    for (int turn = 0; turn < 3; ++turn) {
        PointerMove({20, 10});
        Click({20, 10});
        PointerMove({80, 70});
        Click({80, 70});
    }
    EXPECT_EQ(before.FirstDifference(), "");
}

// The axis and the window, each by two clicks.
void mirrorInAxis(gdi::Point a, gdi::Point b, gdi::Point from, gdi::Point to) {
    PointerEnter(a);
    PointerMove(a);
    Click(a);
    PointerMove(b);
    Click(b);
    window(from, to);
}

// The reference's dash-dot axis, as the tool draws it into the sketch.
void expectAxis(TSketchReference& expected, gdi::Point a, gdi::Point b) {
    expected.DC().setBkMode(gdi::TRANSPARENT);
    expected.Line(a, b, gdi::createPen(gdi::PS_DASHDOT, 1, LineLogPen.color));
}

TEST(Mirror, InAHorizontalAxisThroughTheWindowsBottomTheCopyHangsUpsideDownBelow) {
    TToolHarness harness;
    TTestHost& host = harness.Host;
    drawSomething();
    TSketchReference before;
    TSketchReference expected;
    auto& tool = harness.Select<TMirrorSimetricAxis>();
    EXPECT_EQ(host.Prompt, prompt("Укажите первую точку оси симметрии (Enter - точка, Esc - отказ)"));
    PointerEnter({0, 69});
    PointerMove({0, 69});
    Click({0, 69});
    EXPECT_EQ(host.Prompt, prompt("Укажите вторую точку оси симметрии (Enter - точка, Esc - отказ)"));
    PointerMove({190, 69});
    Click({190, 69});
    EXPECT_EQ(host.Prompt, prompt("Укажите положение одного из углов (Enter - точка)"));
    window({20, 10}, {105, 70});
    EXPECT_EQ(tool.Step, TMirror::StepAxis);
    EXPECT_EQ(tool.SubStep, TMirrorSimetricAxis::AxisFirst);

    // Row 69 is the window's last; row 69 - k lands on row 69 + k, ink only.
    for (int32_t y = 10; y < 70; ++y)
        for (int32_t x = 20; x < 105; ++x) {
            const gdi::COLORREF colour = before.DC().getPixel(x, y);
            if (colour != White) expected.DC().setPixel(x, 138 - y, colour);
        }
    expectAxis(expected, {0, 69}, {190, 69});
    EXPECT_EQ(expected.FirstDifference(), "");
    Document->Undo();
    EXPECT_EQ(before.FirstDifference(), "") << "the mirror and its axis are one undo step";
}

TEST(Mirror, AnAxisOfOnePointChangesNothingAndImagesOffTheSketchAreLeftOut) {
    TToolHarness harness;
    drawSomething();
    TSketchReference before;
    harness.Select<TMirrorSimetricAxis>();
    mirrorInAxis({60, 40}, {60, 40}, {20, 10}, {105, 70});
    EXPECT_EQ(before.FirstDifference(), "");
    EXPECT_TRUE(harness.DocumentHost.CanUndo);

    // An oblique axis near the top left throws most of the drawing off the sketch; what
    // stays on it is drawn, and nothing wraps round onto another row.
    TSketchReference expected;
    const gdi::Point a{10, 30}, b{40, 0};
    mirrorInAxis(a, b, {20, 10}, {105, 70});
    const gdi::Rect sketch = DocDC->bitmap()->bounds();
    int32_t kept = 0, lost = 0;
    for (int32_t y = 10; y < 70; ++y)
        for (int32_t x = 20; x < 105; ++x) {
            const gdi::COLORREF colour = before.DC().getPixel(x, y);
            if (colour == White) continue;
            const gdi::Point image = ReflectPoint({x, y}, a, b);
            if (!sketch.contains(image.x, image.y)) {
                ++lost;
                continue;
            }
            ++kept;
            expected.DC().setPixel(image.x, image.y, colour);
        }
    ASSERT_GT(kept, 0);
    ASSERT_GT(lost, 0);
    expectAxis(expected, a, b);
    EXPECT_EQ(expected.FirstDifference(), "");
}

} // namespace
