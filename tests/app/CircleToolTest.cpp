// The circle tools' wiring in the real main window: each chosen from its action with
// its button down, the hexagon's two commands giving its two orientations, the arc's
// option window living with the arc, and a circle drawn on the surface. What the tools
// draw is tested on the tool harness.

#include "AppTestSupport.h"
#include "ToolHarness.h"

#include "app/MainForm.h"
#include "app/TechDrawSurf.h"
#include "tools/base/ButtonState.h"
#include "tools/base/ToolSwitch.h"
#include "tools/draw/Arc.h"
#include "tools/draw/ArcForm.h"
#include "tools/draw/Circle.h"
#include "tools/draw/DivCircleByCircle.h"
#include "tools/draw/DivCircleByPart.h"
#include "tools/draw/SixVertex.h"

#include "document/Pens.h"
#include "document/TechDocument.h"

#include <QAbstractButton>
#include <QAction>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <numbers>

using namespace app_testing;

namespace {

class CircleTools : public ::testing::Test {
  protected:
    CircleTools() : setup({}, {900, 700}), form(setup.Form()) { setup.NewSketch(200, 150); }

    QAbstractButton* button(const char* name) {
        return form.findChild<QAbstractButton*>(QString::fromLatin1(name));
    }

    TMainFormSetup setup;
    TMainForm& form;
};

TEST_F(CircleTools, TheActionsChooseTheToolsWithTheirButtonsAndTheArcItsWindow) {
    form.CircleCmd->trigger();
    EXPECT_NE(dynamic_cast<TCircle*>(CurrentTool.get()), nullptr);
    EXPECT_TRUE(IsButtonDown(button("CircleToolButton")));
    EXPECT_EQ(form.PromptText(),
              QString::fromUtf8("Задайте положение центра (Ctrl+сдвиг - изменение радиуса)"));

    form.ArcCmd->trigger();
    EXPECT_NE(dynamic_cast<TArc*>(CurrentTool.get()), nullptr);
    EXPECT_NE(dynamic_cast<TArcForm*>(CurrentDialog.get()), nullptr);
    EXPECT_TRUE(IsButtonDown(button("ArcToolButton")));

    form.RotatedOrientSixVertex->trigger();
    auto* hexagon = dynamic_cast<TSixVertex*>(CurrentTool.get());
    ASSERT_NE(hexagon, nullptr);
    EXPECT_FLOAT_EQ(hexagon->FOrientation, std::numbers::pi_v<float> / 2);
    EXPECT_EQ(CurrentDialog, nullptr);
    EXPECT_TRUE(IsButtonDown(button("SixVertexOrientedToolButton")));
    form.NormalOrientSixVertex->trigger();
    hexagon = dynamic_cast<TSixVertex*>(CurrentTool.get());
    ASSERT_NE(hexagon, nullptr);
    EXPECT_EQ(hexagon->FOrientation, 0.0f);

    form.CircleToCirclesCmd->trigger();
    EXPECT_NE(dynamic_cast<TDivCircleByCircle*>(CurrentTool.get()), nullptr);
    EXPECT_TRUE(IsButtonDown(button("ManyCircleToolButton")));

    // Division asks for its settings at once.
    AnswerModal([](QWidget* dialog) { dialog->findChild<QPushButton*>("CtPCancelButton")->click(); });
    form.CircleToPartCmd->trigger();
    auto* division = dynamic_cast<TDivCircleByPart*>(CurrentTool.get());
    ASSERT_NE(division, nullptr);
    EXPECT_EQ(division->FSettings.Parts, 16);
    EXPECT_TRUE(IsButtonDown(button("CircleByPartToolButton")));
}

TEST_F(CircleTools, ACircleFixedOnTheSurfaceIsUndoneByUndo) {
    TSketchReference blank;
    form.CircleCmd->trigger();
    PointerEnter({100, 75});
    PointerMove({100, 75});
    AnswerModal([](QWidget* dialog) { dialog->findChild<QPushButton*>("AcceptButton")->click(); });
    Click({100, 75});
    EXPECT_NE(DocDC->getPixel(100, 0), 0xFFFFFFu);
    EXPECT_NE(DocDC->getPixel(25, 75), 0xFFFFFFu);
    EXPECT_TRUE(form.UndoCmd->isEnabled());
    form.UndoCmd->trigger();
    EXPECT_EQ(blank.FirstDifference(), "");
}

} // namespace
