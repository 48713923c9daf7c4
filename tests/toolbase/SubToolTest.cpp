// A tool working through a sub-tool: the sub-tool takes the surface and the keys over,
// reports its figure to the owner, and gives everything back when it is freed; the
// painting registry holds three tools at most.

#include "ToolTestSupport.h"

#include "tools/base/AppMessageHook.h"
#include "tools/base/ToolSwitch.h"

#include "document/Pens.h"

#include <gtest/gtest.h>

namespace {

class SubToolTest : public ::testing::Test {
  protected:
    void SetUp() override { ResetFramework(); }
    void TearDown() override { ResetFramework(); }

    TFakeHost host;
};

TEST_F(SubToolTest, TheSubToolReportsToItsOwnerAndHandsTheSurfaceBack) {
    LineLogPen = gdi::LogPen{gdi::PS_DASH, 3, 0};
    SelectTool(ToolClass<TTestOwnerTool>, nullptr, nullptr);
    auto* owner = static_cast<TTestOwnerTool*>(CurrentTool.get());
    TTestSegmentTool* sub = owner->Sub.get();
    ASSERT_NE(sub, nullptr);
    EXPECT_EQ(sub->Owner, owner);
    EXPECT_EQ(SurfaceEventTool(), sub);
    EXPECT_EQ(AppMessageTool(), sub);
    EXPECT_EQ(host.Cursor, 5);
    EXPECT_EQ(ActiveTools[0], owner);
    EXPECT_EQ(ActiveTools[1], sub);

    // The surface's events reach the sub-tool, which reports to the owner.
    sub->SurfMouseDown(nullptr, Qt::LeftButton, ssLeft, 10, 20);
    sub->SurfMouseMove(nullptr, {}, 30, 25);
    sub->SurfMouseDown(nullptr, Qt::LeftButton, ssLeft, 30, 25);
    sub->SurfMouseDown(nullptr, Qt::RightButton, ssRight, 30, 25);
    // The first click only starts the segment.
    EXPECT_EQ(owner->Codes, std::vector<int32_t>({ResultMoved, ResultFixed, ResultEnded}));
    ASSERT_EQ(owner->Segments.size(), 1u);
    const TLineResult& segment = owner->Segments[0];
    EXPECT_EQ(segment.StartX, 10);
    EXPECT_EQ(segment.StartY, 20);
    EXPECT_EQ(segment.EndX, 30);
    EXPECT_EQ(segment.EndY, 25);
    EXPECT_EQ(segment.PenStyle, gdi::PS_DASH);
    EXPECT_EQ(segment.PenWidth, 3);

    // Freeing the sub-tool gives surface, keys and cursor back to the owner.
    owner->Sub.reset();
    EXPECT_EQ(SurfaceEventTool(), owner);
    EXPECT_EQ(AppMessageTool(), owner);
    EXPECT_EQ(host.Cursor, 4);
    EXPECT_EQ(ActiveTools[0], owner);
    EXPECT_EQ(ActiveTools[1], nullptr);

    SelectTool(nullptr, nullptr, nullptr);
    EXPECT_EQ(SurfaceEventTool(), nullptr);
    EXPECT_EQ(AppMessageTool(), nullptr);
    EXPECT_EQ(host.Cursor, 1);
    LineLogPen = gdi::LogPen{gdi::PS_SOLID, 1, 0};
}

TEST_F(SubToolTest, TheRegistryPaintsThreeToolsAtMost) {
    auto first = CreateTool<TTestSegmentTool>();
    auto second = CreateTool<TTestSegmentTool>();
    auto third = CreateTool<TTestSegmentTool>();
    auto fourth = NewTool<TTestSegmentTool>();
    EXPECT_EQ(RegisterTool(fourth.get()), RegisterFull);
    EXPECT_EQ(RegisterTool(nullptr), RegisterNoTool);
    EXPECT_EQ(UnregisterTool(nullptr), RegisterNoTool);
    EXPECT_EQ(UnregisterTool(fourth.get()), RegisterDone);

    // A freed slot is taken by the next tool; the others keep theirs.
    second.reset();
    EXPECT_EQ(ActiveTools[0], first.get());
    EXPECT_EQ(ActiveTools[1], nullptr);
    EXPECT_EQ(ActiveTools[2], third.get());
    fourth->Create();
    EXPECT_EQ(ActiveTools[1], fourth.get());
    first.reset();
    third.reset();
    fourth.reset();
    for (TPaintedTool* tool : ActiveTools)
        EXPECT_EQ(tool, nullptr);
}

TEST_F(SubToolTest, AToolThatWasNeverMadeFreesWithoutTouchingTheSurface) {
    SelectTool(ToolClass<TTestToolA>, nullptr, nullptr);
    { auto unmade = NewTool<TTestSegmentTool>(); }
    EXPECT_EQ(SurfaceEventTool(), CurrentTool.get());
    EXPECT_EQ(AppMessageTool(), CurrentTool.get());
    EXPECT_EQ(host.Cursor, 2);
    EXPECT_EQ(ActiveTools[0], CurrentTool.get());
}

} // namespace
