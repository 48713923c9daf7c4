// The angular, diameter and radius dimensions and the dimension on a leader, on the
// tool harness: driven in sketch pixels with the dimension dialog answered as a user
// would, and checked by their states and by the sketch against lines, arcs, arrows and
// text drawn by the raster layer directly.

#include "SizeTestSupport.h"
#include "ToolHarness.h"

#include "tools/annotation/DiametralSize.h"
#include "tools/annotation/FreeLine.h"
#include "tools/annotation/RadialSize.h"
#include "tools/annotation/RadiusSize.h"
#include "tools/annotation/SizeLine.h"
#include "tools/base/ButtonState.h"

#include "document/DrawingUtils.h"
#include "document/Geometry.h"
#include "document/Pens.h"
#include "document/TechDocument.h"

#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

constexpr gdi::COLORREF Blue = 0xFF0000;
constexpr gdi::COLORREF White = 0xFFFFFF;
constexpr float Pi = std::numbers::pi_v<float>;

class SizeTools : public ::testing::Test {
  protected:
    SizeTools() : harness(300, 250) {
        UseDimensionFont();
        LineLogPen = {gdi::PS_DOT, 2, Blue};
    }

    // Clicks at each point in turn, moving there first.
    static void ClickAt(std::initializer_list<gdi::Point> points) {
        for (gdi::Point p : points) {
            PointerMove(p);
            Click(p);
        }
    }

    static bool inkNear(gdi::Point p) {
        for (int32_t y = p.y - 1; y <= p.y + 1; ++y)
            for (int32_t x = p.x - 1; x <= p.x + 1; ++x)
                if (DocDC->getPixel(x, y) != White) return true;
        return false;
    }

    TToolHarness harness;
};

// OK with the value the dialog offers, which lands in offered.
ModalScript::Step KeepOffered(QString& offered) {
    return [&offered](QWidget* dialog) {
        offered = child<QLineEdit>(dialog, "EditValue")->text();
        child<QPushButton>(dialog, "OKButton")->click();
    };
}

TEST_F(SizeTools, AngularOffersTheAngleCounterClockwiseAndDrawsArcArrowsAndTangentText) {
    auto& tool = harness.Select<TRadialSize>();
    PointerEnter({100, 100});
    ClickAt({{100, 100}, {200, 100}});
    PointerMove({100, 0});
    EXPECT_EQ(tool.SizeText->GetPart(TSizeText::PartValue), "90^");
    QString offered;
    ClickWithDialog({100, 0}, KeepOffered(offered));
    EXPECT_EQ(offered, QStringLiteral("90^"));
    EXPECT_EQ(tool.Step, TRadialSize::StepText);

    // Inside the arc by its middle, up and to the right: upright, so the text stands
    // inside with both ends of its baseline on the arc.
    TSketchReference expected;
    PointerMove({171, 29});
    EXPECT_EQ(tool.TextSide, TRadialSize::TextInside);
    EXPECT_NEAR(tool.SizeText->Angle, -3 * Pi / 4, 1e-5);
    const float w = float(ExpectedTextWidth({"", "90^", "", "", ""}));
    EXPECT_NEAR(Distance({100, 100}, tool.SizeText->Anchor), std::sqrt(100.0f * 100 - w * w / 4), 1.0f);
    const gdi::Point anchor = tool.SizeText->Anchor;
    Click({171, 29});
    EXPECT_EQ(tool.Step, TRadialSize::StepCentre);

    gdi::DeviceContext& dc = expected.DC();
    gdi::PenPtr old = dc.selectPen(gdi::createPen(gdi::PS_SOLID, 1, Blue));
    dc.arc(0, 0, 200, 200, 200, 100, 100, 0);
    dc.selectPen(old);
    DrawSegment(dc, {100, 100}, {205, 100}, Blue);
    DrawSegment(dc, {100, 100}, {100, -5}, Blue);
    DrawArrow(dc, Blue, {200, 100}, 0, 1, false);
    DrawArrow(dc, Blue, {100, 0}, std::sin(-Pi / 2), -std::cos(-Pi / 2), false);
    DrawExpectedText(dc, anchor, -3 * Pi / 4, {"", "90^", "", "", ""}, Blue);
    EXPECT_EQ(expected.FirstDifference(), "");

    // The second side below the first: the other three quarters.
    ClickAt({{100, 100}, {200, 100}});
    PointerMove({100, 200});
    ClickWithDialog({100, 200}, KeepOffered(offered));
    EXPECT_EQ(offered, QStringLiteral("270^"));
}

TEST_F(SizeTools, AngularTextOutsideAboveInsideBelowAndBeyondTheEndProlongsTheArc) {
    auto& tool = harness.Select<TRadialSize>();
    PointerEnter({150, 150});
    QString offered;
    // Middle straight above the vertex: the baseline touches the arc from outside.
    ClickAt({{150, 150}, {200, 100}});
    PointerMove({100, 100});
    ClickWithDialog({100, 100}, KeepOffered(offered));
    PointerMove({150, 80});
    EXPECT_NEAR(Distance({150, 150}, tool.SizeText->Anchor), tool.Radius, 1.0f);
    EXPECT_NEAR(tool.SizeText->Angle, 0, 1e-5);
    Click({150, 50}, Qt::RightButton);

    // Middle straight below: inside.
    ClickAt({{150, 150}, {100, 200}});
    PointerMove({200, 200});
    ClickWithDialog({200, 200}, KeepOffered(offered));
    PointerMove({150, 220});
    EXPECT_LT(Distance({150, 150}, tool.SizeText->Anchor), tool.Radius - 1);
    EXPECT_NEAR(tool.SizeText->Angle, 0, 1e-5);

    // Beyond the end (the second side): the arc goes on past it to carry the text.
    PointerMove({230, 160});
    EXPECT_EQ(tool.TextSide, TRadialSize::TextBeyondEnd);
    const float w = float(ExpectedTextWidth({"", "90^", "", "", ""}));
    const float l = std::sqrt(tool.Radius * tool.Radius - w * w / 4);
    const float m = std::atan2(w / 2, l) + 2 * Pi / 180;
    EXPECT_NEAR(tool.MidAngle, tool.EndAngle - m, 1e-4);
    EXPECT_NEAR(tool.ArcEnd.x, 150 + tool.Radius * std::cos(tool.EndAngle - 2 * m), 1.0);
    const float past = tool.EndAngle - 1.8f * m;
    Click({230, 160});
    EXPECT_TRUE(inkNear(PointAlong({150, 150}, std::cos(past), std::sin(past), 70.71f)));
}

TEST_F(SizeTools, AngularRightClickDropsTheTextsAndShelfOfTheDroppedDimension) {
    auto& tool = harness.Select<TRadialSize>();
    PointerEnter({100, 100});
    ClickAt({{100, 100}, {200, 100}});
    PointerMove({100, 0});
    ClickWithDialog({100, 0}, AnswerSize({"A", "45^", "", "", "B", true}));
    EXPECT_TRUE(tool.ShelfMode);
    EXPECT_EQ(tool.SubStep, 3);
    Click({150, 20}, Qt::RightButton);
    EXPECT_EQ(tool.Step, TRadialSize::StepCentre);
    EXPECT_FALSE(tool.ShelfMode);
    EXPECT_TRUE(tool.TextIsEmpty());
    // The next dimension starts afresh: its own value, no shelf.
    ClickAt({{100, 100}, {200, 100}});
    PointerMove({100, 0});
    ClickWithDialog({100, 0}, AnswerSize({"", "90^", "", "", ""}));
    EXPECT_EQ(tool.SubStep, 0);
    EXPECT_EQ(tool.SizeText->GetPart(TSizeText::PartBefore), "");
}

TEST_F(SizeTools, DiameterArrowsOutsideAtRadius8InsideAt11AndTheCentreStaysForTheNext) {
    TSketchReference expected;
    auto& tool = harness.Select<TDiametralSize>();
    PointerEnter({100, 75});
    ClickAt({{100, 75}});
    PointerMove({100, 75});
    EXPECT_FALSE(tool.Valid);
    ClickWithDialog({100, 75}, AnswerSize({}));
    EXPECT_EQ(tool.Step, TDiametralSize::StepDimLine);
    PointerMove({108, 75});
    ClickWithDialog({108, 75}, AnswerSize({}));
    EXPECT_EQ(tool.Step, TDiametralSize::StepDimLine);
    EXPECT_EQ(tool.Centre, (gdi::Point{100, 75}));
    PointerMove({100, 64});
    ClickWithDialog({100, 64}, AnswerSize({}));

    DrawSegment(expected.DC(), {92, 75}, {108, 75}, Blue);
    DrawArrow(expected.DC(), Blue, {108, 75}, -1, 0, true);
    DrawArrow(expected.DC(), Blue, {92, 75}, 1, 0, true);
    DrawSegment(expected.DC(), {100, 86}, {100, 64}, Blue);
    DrawArrow(expected.DC(), Blue, {100, 64}, 0, -1, false);
    DrawArrow(expected.DC(), Blue, {100, 86}, 0, 1, false);
    EXPECT_EQ(expected.FirstDifference(), "");

    // With a text beyond an end the line is prolonged under it; a right click asks for
    // a new centre.
    PointerMove({150, 75});
    ClickWithDialog({150, 75}, AnswerSize({"", "$100", "", "", ""}));
    PointerMove({170, 75});
    EXPECT_EQ(tool.TextSide, TDiametralSize::TextAfterEnd2);
    EXPECT_EQ(tool.SizeText->Anchor.x, 100 + (100 + ExpectedTextWidth({"", "$100", "", "", ""}) + 5) / 2);
    Click({50, 50}, Qt::RightButton);
    EXPECT_EQ(tool.Step, TDiametralSize::StepCentre);
}

TEST_F(SizeTools, RadiusTextPastTheArrowOnAProlongationAndTheShelfSteps) {
    TSketchReference expected;
    auto& tool = harness.Select<TRadiusSize>();
    PointerEnter({150, 75});
    ClickAt({{150, 75}});
    PointerMove({100, 75});
    ClickWithDialog({100, 75}, AnswerSize({"", "R5", "", "", ""}));
    // On the line, five pixels past its middle towards the arrow, before the pointer moves.
    EXPECT_EQ(tool.SizeText->Anchor, (gdi::Point{130, 75}));
    PointerMove({190, 75});
    EXPECT_EQ(tool.TextMode, TRadiusSize::TextPastArrow);
    const int32_t w = ExpectedTextWidth({"", "R5", "", "", ""});
    EXPECT_EQ(tool.TextExtEnd, (gdi::Point{150 + w + 5, 75}));
    Click({190, 75});
    EXPECT_EQ(tool.Step, TRadiusSize::StepArrow);

    DrawSegment(expected.DC(), {150, 75}, {100, 75}, Blue);
    DrawArrow(expected.DC(), Blue, {150, 75}, 1, 0, false);
    DrawSegment(expected.DC(), {150, 75}, {150 + w + 5, 75}, Blue);
    DrawExpectedText(expected.DC(), {100 + w / 2 + 55, 75}, 0, {"", "R5", "", "", ""}, Blue);
    EXPECT_EQ(expected.FirstDifference(), "");

    ClickAt({{150, 150}});
    PointerMove({100, 150});
    ClickWithDialog({100, 150}, AnswerSize({"", "R7", "", "", "", true}));
    EXPECT_EQ(tool.SubStep, 3);
    PointerMove({170, 120});
    EXPECT_EQ(tool.RemoteLine->StartPoint, (gdi::Point{150, 150}));
    EXPECT_EQ(tool.RemoteLine->EndPoint, (gdi::Point{170, 150}));
    Click({170, 120});
    EXPECT_EQ(harness.Host.Prompt, QString::fromUtf8("Задайте направление полки (Enter - ОК, Esc - отказ)"));
}

TEST_F(SizeTools, LeaderChainsObliqueSegmentsAsksTextOnHorizontalOnesAndKeepsItsArrows) {
    TSketchReference expected;
    auto& tool = harness.Select<TFreeLine>();
    QAbstractButton* startArrow = harness.Host.OptionButton(TOptionButton::FreePoint1);
    Key(Qt::Key_Comma);
    EXPECT_TRUE(tool.ArrowAtStart);
    EXPECT_TRUE(IsButtonDown(startArrow));
    PointerEnter({50, 50});
    ClickAt({{50, 50}});
    {
        // An oblique segment is committed without a question and the chain goes on.
        ModalScript script({CancelSize()});
        ClickAt({{100, 80}});
        EXPECT_EQ(script.StepsDone(), 0u);
    }
    EXPECT_EQ(tool.Step, TFreeLine::StepEnd);
    EXPECT_EQ(tool.LineStart, (gdi::Point{100, 80}));
    PointerMove({160, 80});
    ClickWithDialog({160, 80}, AnswerSize({"", "A", "", "", ""}));
    EXPECT_EQ(tool.Step, TFreeLine::StepStart);

    DrawSegment(expected.DC(), {50, 50}, {100, 80}, Blue);
    float c = 0, s = 0;
    UnitVector(c, s, {100, 80}, {50, 50});
    DrawArrow(expected.DC(), Blue, {50, 50}, c, s, false);
    DrawSegment(expected.DC(), {100, 80}, {160, 80}, Blue);
    DrawArrow(expected.DC(), Blue, {100, 80}, -1, 0, false);
    DrawExpectedText(expected.DC(), {130, 80}, 0, {"", "A", "", "", ""}, Blue);
    EXPECT_EQ(expected.FirstDifference(), "");

    // The arrows are the tool's: put away with another tool and back with this one.
    Key(Qt::Key_Period);
    EXPECT_TRUE(tool.ArrowAtEnd);
    harness.Select<TSizeLine>();
    EXPECT_FALSE(IsButtonDown(startArrow));
    EXPECT_FALSE(IsButtonEnabled(startArrow));
    auto& again = harness.Select<TFreeLine>();
    EXPECT_TRUE(IsButtonDown(startArrow));
    EXPECT_TRUE(again.ArrowAtStart && again.ArrowAtEnd);
    Key(0x0411); // "б"
    EXPECT_FALSE(again.ArrowAtStart);

    // "Отказ от точки" drops the segment under construction.
    ClickAt({{20, 20}});
    EXPECT_TRUE(again.ToolCommand(TFreeLine::CmdCancelPoint));
    EXPECT_EQ(again.Step, TFreeLine::StepStart);
}

} // namespace
