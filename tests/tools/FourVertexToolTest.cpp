// The rectangle tool on the tool harness: corners, sides and the whole figure dragged
// in sketch pixels, with and without Ctrl, the stamps, the undo of an edit and the axis
// line, each checked against the same figures drawn by the raster layer directly.

#include "ToolHarness.h"

#include "tools/draw/FourVertex.h"

#include "document/Pens.h"
#include "document/TechDocument.h"

#include <gtest/gtest.h>

#include <array>

namespace {

using TCorners = std::array<gdi::Point, 4>;

// The harness shows 300 x 200 pixels, so the figure starts about (150, 100).
const TCorners DefaultFigure{{{50, 150}, {50, 50}, {250, 50}, {250, 150}}};

QString prompt(const char* text) {
    return QString::fromUtf8(text);
}

TCorners corners(const TFourVertex& tool) {
    return {tool.FPoints[1], tool.FPoints[2], tool.FPoints[3], tool.FPoints[4]};
}

// The outline as a stamp draws it: the closed polygon with the line pen, no fill.
void outline(TSketchReference& expected, const TCorners& c) {
    gdi::DeviceContext& dc = expected.DC();
    gdi::PenPtr oldPen = dc.selectPen(LinePen);
    gdi::BrushPtr oldBrush = dc.selectBrush(gdi::stockNullBrush());
    dc.polygon(c.data(), 4);
    dc.selectBrush(oldBrush);
    dc.selectPen(oldPen);
}

// Press at from, drag to to, and let the edit go with Enter there.
void drag(gdi::Point from, gdi::Point to) {
    PointerMove(from);
    Click(from);
    PointerMove(to);
    Key(Qt::Key_Return);
}

TEST(Rectangle, ACornerWithinEightPixelsWinsOverASideAndFollowsThePointer) {
    TToolHarness harness(500, 300);
    TTestHost& host = harness.Host;
    auto& tool = harness.Select<TFourVertex>();
    EXPECT_EQ(corners(tool), DefaultFigure);
    EXPECT_EQ(host.Prompt,
              prompt("Выберите элемент для работы (Угол, сторону, весь. Закрепление кнопками ОК)"));

    PointerEnter({150, 20});
    PointerMove({150, 54});
    EXPECT_EQ(host.Prompt, prompt("Сдвиг стороны (Enter - активизировать)"));
    EXPECT_EQ(tool.FSelSide, 2);
    EXPECT_EQ(host.Cursor, 20) << "a horizontal side resizes left and right";
    // (57, 47) is on the top side's band as well, but within the corner's square.
    PointerMove({57, 47});
    EXPECT_EQ(host.Prompt, prompt("Сдвиг угла (Enter - активизировать)"));
    EXPECT_EQ(tool.FSelCorner, 2);
    EXPECT_EQ(tool.FSelSide, -1);
    EXPECT_EQ(host.Cursor, 5);
    // Eight pixels to the right is outside the square, on the side again.
    PointerMove({58, 50});
    EXPECT_EQ(tool.FSelSide, 2);

    PointerMove({57, 47});
    Click({57, 47});
    EXPECT_EQ(tool.Step, TFourVertex::StepCorner);
    EXPECT_EQ(host.Prompt, prompt("Сдвигайте угол (Enter - Закрепить)"));
    PointerMove({37, 27});
    Click({37, 27}, Qt::RightButton);
    EXPECT_EQ(tool.Step, TFourVertex::StepSelect);
    EXPECT_EQ(corners(tool), (TCorners{{{50, 150}, {30, 30}, {250, 50}, {250, 150}}}));

    TSketchReference expected;
    tool.Complete();
    outline(expected, corners(tool));
    EXPECT_EQ(expected.FirstDifference(), "");
    EXPECT_TRUE(Document->Modified);
}

TEST(Rectangle, DraggingResizesTheFigureAndASideAndWithCtrlMovesThem) {
    TToolHarness harness(500, 300);
    TTestHost& host = harness.Host;
    auto& tool = harness.Select<TFourVertex>();
    PointerEnter({150, 100});
    PointerMove({150, 100});
    EXPECT_EQ(host.Prompt, prompt("Перемещение всего (Enter - активизировать)"));
    EXPECT_EQ(host.Cursor, 24);

    // Without Ctrl: the left side stays, the right follows and the height grows on
    // both sides of the middle.
    drag({150, 100}, {170, 110});
    EXPECT_EQ(corners(tool), (TCorners{{{50, 160}, {50, 40}, {270, 40}, {270, 160}}}));

    // With Ctrl held the same drag moves the figure.
    KeyDown(Qt::Key_Control);
    EXPECT_EQ(tool.SubStep, TFourVertex::ModeMove);
    EXPECT_EQ(host.Cursor, 5);
    PointerMove({150, 100});
    Click({150, 100});
    EXPECT_EQ(host.Prompt, prompt("Сдвигайте (Enter - закрепить, Ctrl+сдвиг - переместить)"));
    PointerMove({160, 130});
    Click({160, 130});
    EXPECT_EQ(corners(tool), (TCorners{{{60, 190}, {60, 70}, {280, 70}, {280, 190}}}));

    // A side with Ctrl moves whole; its prompt says what letting Ctrl go does.
    PointerMove({170, 72});
    Click({170, 72});
    EXPECT_EQ(tool.Step, TFourVertex::StepSide);
    EXPECT_EQ(host.Prompt, prompt("Сдвигайте сторону (Enter - Закрепить, без Ctrl - изменить длину)"));
    PointerMove({165, 62});
    Key(Qt::Key_Return);
    EXPECT_EQ(corners(tool), (TCorners{{{60, 190}, {55, 60}, {275, 60}, {280, 190}}}));
    KeyUp(Qt::Key_Control);
    EXPECT_EQ(tool.SubStep, TFourVertex::ModeSize);

    // Without Ctrl the side keeps its middle and direction; the length follows the
    // whole way from where the drag began, not its last step.
    PointerMove({165, 60});
    Click({165, 60});
    EXPECT_EQ(host.Prompt, prompt("Изменяйте длину стороны (Enter - Закрепить)"));
    PointerMove({175, 53});
    PointerMove({185, 60});
    Key(Qt::Key_Return);
    // Length 220, dx 20, dy 0: the half-length grows from 110 to 130 about (165, 60).
    EXPECT_EQ(corners(tool), (TCorners{{{60, 190}, {35, 60}, {295, 60}, {280, 190}}}));

    TSketchReference expected;
    tool.Complete();
    outline(expected, corners(tool));
    EXPECT_EQ(expected.FirstDifference(), "");
}

TEST(Rectangle, CompletingRightTwiceStampsTwoAdjoiningCellsAndDownStepsByTheHeight) {
    TToolHarness harness(700, 300);
    TSketchReference blank;
    TSketchReference expected;
    auto& tool = harness.Select<TFourVertex>();
    EXPECT_TRUE(tool.ToolCommand(TFourVertex::CmdCompleteRight));
    TSketchReference one;
    EXPECT_TRUE(tool.ToolCommand(TFourVertex::CmdCompleteRight));

    outline(expected, DefaultFigure);
    outline(expected, {{{250, 150}, {250, 50}, {450, 50}, {450, 150}}});
    EXPECT_EQ(expected.FirstDifference(), "");
    EXPECT_EQ(corners(tool), (TCorners{{{450, 150}, {450, 50}, {650, 50}, {650, 150}}}));

    // Each stamp is one undo step.
    Document->Undo();
    EXPECT_EQ(one.FirstDifference(), "");
    Document->Undo();
    EXPECT_EQ(blank.FirstDifference(), "");

    EXPECT_TRUE(tool.ToolCommand(TFourVertex::CmdCompleteDown));
    EXPECT_EQ(corners(tool), (TCorners{{{450, 250}, {450, 150}, {650, 150}, {650, 250}}}));

    // Nothing is stamped while an edit is under way, and other tags are not the tool's.
    PointerEnter({550, 200});
    PointerMove({550, 200});
    Click({550, 200});
    TSketchReference during;
    tool.ToolCommand(TFourVertex::CmdCompleteRight);
    EXPECT_EQ(during.FirstDifference(), "");
    EXPECT_EQ(corners(tool), (TCorners{{{450, 250}, {450, 150}, {650, 150}, {650, 250}}}));
    EXPECT_FALSE(tool.ToolCommand(1));
}

TEST(Rectangle, UndoingTheLastActionGoesBackAnEditThenToTheDefaultFigure) {
    TToolHarness harness(500, 300);
    TTestHost& host = harness.Host;
    auto& tool = harness.Select<TFourVertex>();
    PointerEnter({50, 50});
    drag({50, 50}, {40, 30});
    const TCorners afterFirst = corners(tool);
    drag({250, 150}, {270, 170});
    EXPECT_EQ(corners(tool), (TCorners{{{50, 150}, {40, 30}, {250, 50}, {270, 170}}}));

    // The view has scrolled since: the default figure comes back in its new middle.
    host.Scroll = {100, 20};
    tool.ToolCommand(TFourVertex::CmdUndoLastAction);
    EXPECT_EQ(corners(tool), afterFirst);
    tool.ToolCommand(TFourVertex::CmdUndoLastAction);
    EXPECT_EQ(corners(tool), (TCorners{{{150, 170}, {150, 70}, {350, 70}, {350, 170}}}));
    EXPECT_FALSE(Document->Modified) << "an edit of the figure is not a change of the sketch";
}

TEST(Rectangle, TheAxisLineRunsHorizontallyFromTheLeftSideWhateverThePointersHeight) {
    TToolHarness harness(500, 300);
    TTestHost& host = harness.Host;
    TSketchReference blank;
    TSketchReference expected;
    auto& tool = harness.Select<TFourVertex>();
    tool.ToolCommand(TFourVertex::CmdDrawAxisLine);
    EXPECT_EQ(tool.Step, TFourVertex::StepAxis);
    EXPECT_EQ(host.Cursor, 2);
    PointerEnter({300, 30});
    PointerMove({320, 260});
    Click({320, 260});
    EXPECT_EQ(tool.Step, TFourVertex::StepSelect);
    EXPECT_EQ(host.Cursor, 1);

    gdi::DeviceContext& dc = expected.DC();
    dc.setBkMode(gdi::TRANSPARENT);
    expected.Line({50, 100}, {320, 100}, gdi::createPen(gdi::PS_DASHDOT, 1, LineLogPen.color));
    EXPECT_EQ(expected.FirstDifference(), "");

    // The axis is part of the sketch: it is undone like a stroke. A right click drops
    // an axis not yet drawn.
    Document->Undo();
    EXPECT_EQ(blank.FirstDifference(), "");
    tool.ToolCommand(TFourVertex::CmdDrawAxisLine);
    PointerMove({400, 100});
    Click({400, 100}, Qt::RightButton);
    EXPECT_EQ(tool.Step, TFourVertex::StepSelect);
    EXPECT_EQ(blank.FirstDifference(), "");
}

} // namespace
