// The polyline and the free-hand line on the tool harness: driven in sketch pixels and
// checked pixel for pixel against the same lines drawn by the raster layer directly.

#include "ToolHarness.h"

#include "tools/draw/SegmentLine.h"
#include "tools/draw/SmoothLine.h"

#include "document/Geometry.h"
#include "document/Pens.h"
#include "document/TechDocument.h"

#include <QDir>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

const QString StartPrompt = QString::fromUtf8("Задайте начальную точку линии (Enter или лев.кнопка мыши)");
const QString EndPrompt = QString::fromUtf8("Задайте конечную точку линии (Enter - ОК, Esc - отказ)");

// Black ink already in the sketch, as a one-pixel solid line.
void drawInk(gdi::Point from, gdi::Point to) {
    gdi::PenPtr old = DocDC->selectPen(gdi::createPenIndirect({gdi::PS_SOLID, 1, 0}));
    DocDC->moveTo(from.x, from.y);
    DocDC->lineTo(to.x, to.y);
    DocDC->selectPen(old);
}

// The polyline through points, each segment from its own click.
void drawPolyline(const std::vector<gdi::Point>& points) {
    PointerEnter(points.front());
    Click(points.front());
    for (size_t i = 1; i < points.size(); ++i) {
        PointerMove(points[i]);
        Click(points[i]);
    }
    Click(points.back(), Qt::RightButton);
}

TEST(Polyline, IsDrawnSegmentBySegmentWithItsPromptsReadOutsAndUndoSteps) {
    TToolHarness harness;
    TTestHost& host = harness.Host;
    TSketchReference blank;
    TSketchReference one;
    TSketchReference both;
    auto& tool = harness.Select<TSegmentLine>();
    EXPECT_EQ(host.Prompt, StartPrompt);
    EXPECT_EQ(host.Cursor, 2);

    PointerEnter({10, 10});
    Click({10, 10});
    EXPECT_EQ(host.Prompt, EndPrompt);
    EXPECT_EQ(host.Origin, (gdi::Point{10, 10}));
    PointerMove({90, 40});
    // The rubber segment is a preview only; a click elsewhere ends it where the
    // pointer last moved.
    EXPECT_EQ(blank.FirstDifference(), "");
    Click({95, 45});
    EXPECT_EQ(host.Origin, (gdi::Point{90, 40}));
    PointerMove({120, 130});
    Click({120, 130});
    PointerMove({180, 20});
    Click({180, 20}, Qt::RightButton);
    EXPECT_EQ(tool.Step, TLine::StepStart);
    EXPECT_EQ(host.Origin, NullPoint);
    EXPECT_TRUE(Document->Modified);

    one.Line({10, 10}, {90, 40});
    both.Line({10, 10}, {90, 40});
    both.Line({90, 40}, {120, 130});
    EXPECT_EQ(both.FirstDifference(), "");
    Document->Undo();
    EXPECT_EQ(one.FirstDifference(), "");
    Document->Undo();
    EXPECT_EQ(blank.FirstDifference(), "");
    Document->Redo();
    EXPECT_EQ(one.FirstDifference(), "");

    // The read-outs count from (0, 0) again once the tool is gone.
    Click({40, 25});
    EXPECT_EQ(host.Origin, (gdi::Point{40, 25}));
    SelectTool(nullptr, nullptr, nullptr);
    EXPECT_EQ(host.Origin, NullPoint);
}

TEST(Polyline, EnterAndEscClickWhereThePointerIsAndTheArrowsWalkIt) {
    TToolHarness harness;
    TSketchReference expected;
    auto& tool = harness.Select<TSegmentLine>();
    PointerEnter({30, 30});
    PointerMove({30, 30});
    Key(Qt::Key_Return);
    EXPECT_EQ(tool.Step, TLine::StepOpen);
    PointerMove({70, 30});
    Key(Qt::Key_Return);
    Key(Qt::Key_Escape);
    EXPECT_EQ(tool.Step, TLine::StepStart);
    expected.Line({30, 30}, {70, 30});
    EXPECT_EQ(expected.FirstDifference(), "");

    // Ten steps down, then Enter fixes the segment where the pointer stopped.
    Key(Qt::Key_Return);
    for (int i = 0; i < 10; ++i)
        Key(Qt::Key_Down);
    gdi::Point at;
    ASSERT_TRUE(PointerSketchPos(at));
    EXPECT_EQ(at, (gdi::Point{70, 40}));
    PointerMove(at);
    Key(Qt::Key_Return);
    expected.Line({70, 30}, {70, 40});
    EXPECT_EQ(expected.FirstDifference(), "");
}

TEST(Polyline, CaptureStartsOnNearbyInkEndsOnInkAheadAndLeavesABlankClickAlone) {
    TToolHarness harness;
    drawInk({50, 0}, {50, 150});
    TSketchReference expected;
    auto& tool = harness.Select<TSegmentLine>();
    harness.Host.ToggleOption(TOptionButton::PointCapt);
    ASSERT_TRUE(tool.FPointCapture);

    // Three pixels to the right: the first square that reaches the line is the one of
    // radius 3, whose leftmost column meets it first at its top.
    PointerEnter({53, 60});
    Click({53, 60});
    EXPECT_EQ(tool.FStart, (gdi::Point{50, 57}));
    Click({53, 60}, Qt::RightButton);
    Click({150, 100});
    EXPECT_EQ(tool.FStart, (gdi::Point{150, 100}));

    // The end runs on along the segment onto the line; the next segment goes on from
    // there, not from the pointer.
    PointerMove({58, 100});
    Click({58, 100});
    PointerMove({58, 130});
    Click({58, 130});
    Click({58, 130}, Qt::RightButton);
    expected.Line({150, 100}, {50, 100});
    expected.Line({50, 100}, {58, 130});
    EXPECT_EQ(expected.FirstDifference(), "");

    // Two dots at the same distance: the column further left wins over the row higher up.
    DocDC->setPixel(127, 62, 0);
    DocDC->setPixel(130, 57, 0);
    Click({130, 60});
    EXPECT_EQ(tool.FStart, (gdi::Point{127, 62}));
}

TEST(Polyline, OrthogonalModeKeepsToTheAxesAndGoesOnFromTheTurnedEnd) {
    TToolHarness harness;
    TSketchReference expected;
    auto& tool = harness.Select<TSegmentLine>();
    harness.Host.ToggleOption(TOptionButton::Orthogonally);
    ASSERT_TRUE(tool.FOrthogonal);
    PointerEnter({20, 20});
    Click({20, 20});
    // On the diagonal the segment goes horizontal.
    PointerMove({60, 60});
    EXPECT_EQ(tool.FEnd, (gdi::Point{60, 20}));
    PointerMove({60, 61});
    EXPECT_EQ(tool.FEnd, (gdi::Point{20, 61}));
    Click({60, 61});
    // The next segment starts where the last one ended, not under the pointer.
    PointerMove({100, 65});
    EXPECT_EQ(tool.FStart, (gdi::Point{20, 61}));
    Click({100, 65});
    // Switching the mode off turns the rubber segment at once; right click drops it.
    PointerMove({140, 140});
    harness.Host.ToggleOption(TOptionButton::Orthogonally);
    EXPECT_EQ(tool.FEnd, (gdi::Point{140, 140}));
    Click({140, 140}, Qt::RightButton);
    expected.Line({20, 20}, {20, 61});
    expected.Line({20, 61}, {100, 61});
    EXPECT_EQ(expected.FirstDifference(), "");
}

TEST(Polyline, OptionsAreKeptPerToolClassAndSwitchedOffWithTheTool) {
    TToolHarness harness;
    TTestHost& host = harness.Host;
    harness.Select<TSegmentLine>();
    EXPECT_TRUE(host.OptionAction(TOptionButton::Orthogonally)->isEnabled());
    host.ToggleOption(TOptionButton::Orthogonally);
    harness.Select<TSmoothLine>();
    EXPECT_FALSE(host.OptionAction(TOptionButton::Orthogonally)->isEnabled());
    EXPECT_TRUE(host.OptionAction(TOptionButton::PointCapt)->isEnabled());
    host.ToggleOption(TOptionButton::PointCapt);
    // An option the free-hand line does not own is put back up.
    host.OptionAction(TOptionButton::Orthogonally)->setEnabled(true);
    host.ToggleOption(TOptionButton::Orthogonally);
    EXPECT_FALSE(host.OptionAction(TOptionButton::Orthogonally)->isChecked());

    auto& polyline = harness.Select<TSegmentLine>();
    EXPECT_TRUE(polyline.FOrthogonal);
    EXPECT_FALSE(polyline.FPointCapture);
    auto& smooth = harness.Select<TSmoothLine>();
    EXPECT_TRUE(smooth.FPointCapture);
    SelectTool(nullptr, nullptr, nullptr);
    EXPECT_FALSE(host.OptionAction(TOptionButton::PointCapt)->isEnabled());
    EXPECT_FALSE(host.OptionAction(TOptionButton::PointCapt)->isChecked());
}

TEST(Polyline, AsASubToolHandsItsSegmentsToItsOwner) {
    TToolHarness harness;
    TSketchReference blank;
    TTechBase& owner = harness.Select<TSmoothLine>();
    std::vector<std::pair<int32_t, TLineResult>> got;
    owner.OnResult = [&](int32_t code, const TToolResult& result) {
        ASSERT_TRUE(std::holds_alternative<TLineResult>(result));
        got.emplace_back(code, std::get<TLineResult>(result));
    };
    LineLogPen = {gdi::PS_DASH, 3, 0};
    {
        auto sub = CreateToolFor<TSegmentLine>(&owner, true, gdi::Point{20, 30});
        EXPECT_EQ(sub->Step, TLine::StepOpen);
        EXPECT_FALSE(sub->FPointCapture);
        PointerMove({60, 30});
        Click({60, 30});
        Click({60, 30}, Qt::RightButton);
    }
    ASSERT_EQ(got.size(), 3u);
    EXPECT_EQ(got[0].first, ResultMoved);
    EXPECT_EQ(got[1].first, ResultFixed);
    EXPECT_EQ(got[2].first, ResultEnded);
    const TLineResult& fixed = got[1].second;
    EXPECT_EQ((gdi::Point{fixed.StartX, fixed.StartY}), (gdi::Point{20, 30}));
    EXPECT_EQ((gdi::Point{fixed.EndX, fixed.EndY}), (gdi::Point{60, 30}));
    EXPECT_EQ(fixed.PenStyle, gdi::PS_DASH);
    EXPECT_EQ(fixed.PenWidth, 3);
    // The owner draws, not the sub-tool.
    EXPECT_EQ(blank.FirstDifference(), "");
}

TEST(FreeHandLine, FollowsThePointerLeavesAGapOutsideAndIsOneUndoStep) {
    TToolHarness harness;
    TSketchReference blank;
    TSketchReference stroke;
    auto& tool = harness.Select<TSmoothLine>();
    PointerEnter({10, 100});
    Click({10, 100});
    EXPECT_EQ(harness.Host.Prompt, QString::fromUtf8("Укажите направление линии (Esc - отказ)"));
    PointerMove({30, 90});
    PointerMove({50, 95});
    PointerLeave();
    PointerMove({100, 20});
    PointerEnter({120, 40});
    PointerMove({140, 60});
    Click({140, 60});
    EXPECT_EQ(tool.Step, TLine::StepStart);
    stroke.Line({10, 100}, {30, 90});
    stroke.Line({30, 90}, {50, 95});
    stroke.Line({120, 40}, {140, 60});
    EXPECT_EQ(stroke.FirstDifference(), "");
    Document->Undo();
    EXPECT_EQ(blank.FirstDifference(), "");
}

TEST(FreeHandLine, AShortStrokeCapturesAlongItsOwnDirection) {
    TToolHarness harness;
    drawInk({100, 0}, {100, 150});
    TSketchReference expected;
    harness.Select<TSmoothLine>();
    harness.Host.ToggleOption(TOptionButton::PointCapt);
    PointerEnter({40, 70});
    Click({40, 70});
    PointerMove({95, 70});
    Click({95, 70});
    expected.Line({40, 70}, {95, 70});
    expected.Line({95, 70}, {100, 70});
    EXPECT_EQ(expected.FirstDifference(), "");
}

TEST(Lines, ADrawnSketchSavedAndReopenedKeepsEveryPixel) {
    TToolHarness harness;
    TSketchReference expected;
    harness.Select<TSegmentLine>();
    drawPolyline({{10, 10}, {150, 60}, {40, 140}});
    expected.Line({10, 10}, {150, 60});
    expected.Line({150, 60}, {40, 140});
    ASSERT_EQ(expected.FirstDifference(), "");

    const QString folder = QDir::temp().filePath(QStringLiteral("verigraf-line-roundtrip"));
    QDir(folder).removeRecursively();
    ASSERT_TRUE(QDir().mkpath(folder));
    for (const char* name : {"lines.ilj", "lines.bmp"}) {
        const std::string path = QDir(folder).filePath(QString::fromLatin1(name)).toStdString();
        ASSERT_TRUE(Document->SaveToFile(path)) << name;
        EXPECT_FALSE(Document->Modified);
        Document->CreateNewDocument(200, 150);
        ASSERT_NE(expected.FirstDifference(), "") << "the blank sketch must differ";
        ASSERT_TRUE(Document->LoadFromFile(path)) << name;
        EXPECT_EQ(expected.FirstDifference(), "") << name;
    }
    QDir(folder).removeRecursively();
}

} // namespace
