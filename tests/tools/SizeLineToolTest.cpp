// The linear dimension on the tool harness: clicked and dragged in sketch pixels, its
// texts given in the real dimension dialog, and the sketch compared pixel for pixel
// with lines, arrows and text drawn by the raster layer directly.

#include "SizeTestSupport.h"
#include "ToolHarness.h"

#include "tools/annotation/SizeForm.h"
#include "tools/annotation/SizeLine.h"

#include "document/DrawingUtils.h"
#include "document/Pens.h"
#include "document/TechDocument.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

constexpr gdi::COLORREF Blue = 0xFF0000;
constexpr gdi::COLORREF White = 0xFFFFFF;

const QString DimLinePrompt =
    QString::fromUtf8("Задайте положение размерной линии (Enter - ОК, Esc - отказ)");
const QString ShelfPrompt = QString::fromUtf8("Задайте направление полки (Enter - ОК, Esc - отказ)");

// The raised "+0,1" and the lowered "-0,2" of the dimension face, by their
// Windows-1251 codes B6 BA A8 AB and B5 A0 B8 A2.
const std::string RaisedPlus01 = "\u00B6\u0454\u0401\u00AB";
const std::string LoweredMinus02 = "\u00B5\u00A0\u0451\u045E";

class SizeLine : public ::testing::Test {
  protected:
    SizeLine() : harness(300, 250), tool(harness.Select<TSizeLine>()) {
        UseDimensionFont();
        LineLogPen = {gdi::PS_DASH, 3, Blue};
    }

    // Both anchors, then the pointer out to where the dimension line goes.
    void Anchors(gdi::Point a, gdi::Point b, gdi::Point pointer) {
        PointerEnter(a);
        PointerMove(a);
        Click(a);
        PointerMove(b);
        Click(b);
        PointerMove(pointer);
    }

    void ExpectLines(TSketchReference& expected, gdi::Point a1, gdi::Point e1, gdi::Point a2, gdi::Point e2,
                     gdi::Point d1, gdi::Point d2) {
        DrawSegment(expected.DC(), a1, e1, Blue);
        DrawSegment(expected.DC(), a2, e2, Blue);
        DrawSegment(expected.DC(), d1, d2, Blue);
    }

    TToolHarness harness;
    TSizeLine& tool;
};

TEST_F(SizeLine, HorizontalWithDeviationsStacksThemAfterTheRaisedValueInTheLineColour) {
    TSketchReference expected;
    Anchors({100, 100}, {200, 100}, {150, 60});
    EXPECT_EQ(tool.Step, TSizeLine::StepDimLine);
    EXPECT_EQ(harness.Host.Prompt, DimLinePrompt);
    EXPECT_EQ(tool.DimEnd1, (gdi::Point{100, 60}));
    EXPECT_EQ(tool.DimEnd2, (gdi::Point{200, 60}));
    EXPECT_EQ(tool.ExtEnd1, (gdi::Point{100, 55}));

    ClickWithDialog({150, 60}, AnswerSize({"", "50", "+0,1", "-0,2", ""}));
    EXPECT_EQ(tool.Step, TSizeLine::StepText);
    EXPECT_EQ(tool.SizeText->GetPart(TSizeText::PartUpper), RaisedPlus01);
    EXPECT_EQ(tool.SizeText->GetPart(TSizeText::PartLower), LoweredMinus02);
    EXPECT_FALSE(harness.DocumentHost.CanUndo);
    PointerMove({160, 70});
    Click({160, 70});
    EXPECT_EQ(tool.Step, TSizeLine::StepAnchor1);
    EXPECT_TRUE(harness.DocumentHost.CanUndo);

    // The dimension's own pen: the line colour, solid and one pixel wide.
    ExpectLines(expected, {100, 100}, {100, 55}, {200, 100}, {200, 55}, {100, 60}, {200, 60});
    DrawArrow(expected.DC(), Blue, {200, 60}, 1, 0, false);
    DrawArrow(expected.DC(), Blue, {100, 60}, -1, 0, false);
    DrawExpectedText(expected.DC(), {150, 60}, 0, {"", "50", RaisedPlus01, LoweredMinus02, ""}, Blue);
    EXPECT_EQ(expected.FirstDifference(), "");
    EXPECT_NE(DocDC->getPixel(100, 56), White);
    EXPECT_EQ(DocDC->getPixel(100, 54), White);
}

TEST_F(SizeLine, ShortLineGetsOutsideArrowsAndAnEmptyDialogDrawsItBareAtOnce) {
    TSketchReference expected;
    Anchors({100, 100}, {115, 100}, {107, 60});
    ClickWithDialog({107, 60}, AnswerSize({}));
    EXPECT_EQ(tool.Step, TSizeLine::StepAnchor1);

    ExpectLines(expected, {100, 100}, {100, 55}, {115, 100}, {115, 55}, {100, 60}, {115, 60});
    DrawArrow(expected.DC(), Blue, {115, 60}, -1, 0, true);
    DrawArrow(expected.DC(), Blue, {100, 60}, 1, 0, true);
    EXPECT_EQ(expected.FirstDifference(), "");
    // 20-pixel shafts outside both ends.
    EXPECT_NE(DocDC->getPixel(81, 60), White);
    EXPECT_NE(DocDC->getPixel(134, 60), White);
}

TEST_F(SizeLine, AlignedCaseTurnsTheTextAlongTheAnchorsAndAVerticalLineReadsUpwards) {
    TSketchReference expected;
    Anchors({100, 100}, {200, 200}, {250, 50});
    ClickWithDialog({250, 50}, AnswerSize({"", "141", "", "", ""}));
    // Parallel to the anchors, out to the upper right.
    EXPECT_EQ(tool.DimEnd2.x - tool.DimEnd1.x, 100);
    EXPECT_EQ(tool.DimEnd2.y - tool.DimEnd1.y, 100);
    EXPECT_LT(tool.DimEnd1.y - tool.DimEnd1.x, 0);
    EXPECT_NEAR(tool.SizeText->Angle, std::numbers::pi / 4, 1e-6);
    const gdi::Point d1 = tool.DimEnd1, d2 = tool.DimEnd2, textAt = tool.TextPoint;
    Click(textAt);
    ExpectLines(expected, {100, 100}, tool.ExtEnd1, {200, 200}, tool.ExtEnd2, d1, d2);
    const float c = std::numbers::sqrt2_v<float> / 2;
    DrawArrow(expected.DC(), Blue, d2, c, c, false);
    DrawArrow(expected.DC(), Blue, d1, -c, -c, false);
    DrawExpectedText(expected.DC(), textAt, float(std::numbers::pi / 4), {"", "141", "", "", ""}, Blue);
    EXPECT_EQ(expected.FirstDifference(), "");

    Anchors({50, 100}, {50, 200}, {20, 150});
    EXPECT_EQ(tool.DimEnd1, (gdi::Point{20, 100}));
    ClickWithDialog({20, 150}, AnswerSize({"", "100", "", "", ""}));
    EXPECT_NEAR(tool.SizeText->Angle, -std::numbers::pi / 2, 1e-6);
}

TEST_F(SizeLine, TextBeyondAnEndProlongsTheLineAndTheShelfTurnsLeftOfTheLeaderEnd) {
    Anchors({100, 100}, {200, 100}, {150, 60});
    ClickWithDialog({150, 60}, AnswerSize({"", "50", "", "", ""}));
    PointerMove({240, 60});
    EXPECT_EQ(tool.TextSide, TSizeLine::TextAfterEnd2);
    const int32_t w = ExpectedTextWidth({"", "50", "", "", ""});
    EXPECT_EQ(tool.SizeText->Anchor, (gdi::Point{150 + (100 + w + 5) / 2, 60}));
    Click({240, 60});
    EXPECT_NE(DocDC->getPixel(200 + w + 3, 60), White);

    TSketchReference expected;
    Anchors({100, 200}, {200, 200}, {150, 160});
    ClickWithDialog({150, 160}, AnswerSize({"", "70", "", "", "", true}));
    EXPECT_EQ(tool.SubStep, 3);
    EXPECT_EQ(tool.SizeText->Angle, 0.0f);
    PointerMove({120, 130});
    EXPECT_EQ(tool.RemoteLine->StartPoint, (gdi::Point{150, 160}));
    Click({120, 130});
    PointerMove({110, 120});
    EXPECT_EQ(harness.Host.Prompt, ShelfPrompt);
    EXPECT_TRUE(tool.RemoteLine->ToLeft);
    Click({110, 120});
    EXPECT_EQ(tool.Step, TSizeLine::StepAnchor1);

    ExpectLines(expected, {100, 200}, {100, 155}, {200, 200}, {200, 155}, {100, 160}, {200, 160});
    DrawArrow(expected.DC(), Blue, {200, 160}, 1, 0, false);
    DrawArrow(expected.DC(), Blue, {100, 160}, -1, 0, false);
    const int32_t shelf = -(ExpectedTextWidth({"", "70", "", "", ""}) + 5);
    DrawSegment(expected.DC(), {150, 160}, {120, 130}, Blue);
    DrawSegment(expected.DC(), {120, 130}, {120 + shelf, 130}, Blue);
    DrawExpectedText(expected.DC(), {120 + shelf / 2, 130}, 0, {"", "70", "", "", ""}, Blue);
    EXPECT_EQ(expected.FirstDifference(), "");
}

TEST_F(SizeLine, RefusalsKeepTheStageAndNothingReachesTheSketch) {
    TSketchReference untouched;
    // Coincident anchors are refused.
    Anchors({100, 100}, {100, 100}, {100, 100});
    EXPECT_EQ(tool.Step, TSizeLine::StepAnchor2);
    PointerMove({200, 100});
    Click({200, 100});
    PointerMove({150, 60});
    // A cancelled dialog keeps the dimension line, now red until the pointer moves.
    ClickWithDialog({150, 60}, CancelSize());
    EXPECT_EQ(tool.Step, TSizeLine::StepDimLine);
    EXPECT_FALSE(tool.Valid);
    PointerMove({150, 100});
    EXPECT_FALSE(tool.Valid); // on the middle: no offset
    PointerMove({150, 50});
    EXPECT_TRUE(tool.Valid);
    Click({150, 50}, Qt::RightButton);
    EXPECT_EQ(tool.Step, TSizeLine::StepAnchor1);
    EXPECT_EQ(untouched.FirstDifference(), "");
    EXPECT_FALSE(harness.DocumentHost.CanUndo);
}

TEST(SizeForm, SymbolsSignsAndDeviationKeysWorkAsTheUserClicksAndTypes) {
    TToolHarness harness;
    TSizeDialogData data;
    data.Flags = SizeDialogHasValue | SizeDialogHasShelfState;
    data.ValueText = QStringLiteral("M20");
    data.ShelfEnabled = false;
    ModalScript script({[](QWidget* dialog) {
        auto* value = child<QLineEdit>(dialog, "EditValue");
        EXPECT_EQ(value->text(), QStringLiteral("M20"));
        EXPECT_FALSE(child<QWidget>(dialog, "ShaftCheckBox")->isEnabled());
        child<QRadioButton>(dialog, "Radio3")->click();
        EXPECT_EQ(value->text(), QStringLiteral("$20"));
        child<QRadioButton>(dialog, "RadioNo")->click();
        EXPECT_EQ(value->text(), QStringLiteral("20"));
        child<QPushButton>(dialog, "DegreeSpeedButton")->click();
        auto* upper = child<QLineEdit>(dialog, "EditUpIndex");
        QTest::keyClicks(upper, QStringLiteral("a+0,x1"));
        child<QPushButton>(dialog, "SpeedButton1")->click();
        QTest::keyClicks(child<QLineEdit>(dialog, "EditDownIndex"), QStringLiteral("-9"));
        QTest::keyClick(upper, Qt::Key_Return);
    }});
    EXPECT_TRUE(ExecuteSizeDialog(data));
    EXPECT_EQ(script.StepsDone(), 1u);
    EXPECT_EQ(data.Flags, SizeDialogAccepted);
    EXPECT_EQ(data.ValueText, QStringLiteral("20^"));
    // "+0,1" and the degree sign raised, which has no raised form.
    EXPECT_EQ(data.UpperText.toStdString(), RaisedPlus01 + "^");
    EXPECT_EQ(data.LowerText.toStdString(), "\u00B5\u00A9");
    EXPECT_EQ(ApplyValueSymbol(QStringLiteral("R5"), 1), QStringLiteral("M5"));
    EXPECT_EQ(ApplyValueSymbol(QString(32, QLatin1Char('9')), 2).size(), 32);
}

} // namespace
