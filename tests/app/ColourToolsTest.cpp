// The eraser, recolouring, hatching and eyedropper wiring in the real main window: each
// chosen from its action with its button down, the hatching window coming and going
// with its tool, and the eyedropper colouring the line-colour panel.
// What the tools draw is tested on the tool harness.

#include "AppTestSupport.h"

#include "app/MainForm.h"
#include "app/TechDrawSurf.h"
#include "tools/base/ButtonState.h"
#include "tools/base/ToolSwitch.h"
#include "tools/draw/ColorPanel.h"
#include "tools/draw/EyeDropper.h"
#include "tools/draw/FillForm.h"
#include "tools/draw/Filling.h"
#include "tools/draw/Rubber.h"

#include "document/Pens.h"
#include "document/TechDocument.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QMouseEvent>

#include <gtest/gtest.h>

using namespace app_testing;

namespace {

void press(QWidget* w, QEvent::Type type, QPoint pos) {
    const Qt::MouseButtons buttons = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(pos), QPointF(w->mapToGlobal(pos)), Qt::LeftButton, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

TEST(ColourTools, TheActionsChooseTheToolsAndTheHatchingWindowComesWithItsTool) {
    TMainFormSetup setup({}, {900, 700});
    TMainForm& form = setup.Form();
    setup.NewSketch(200, 150);
    auto button = [&](const char* name) { return form.findChild<QAbstractButton*>(QLatin1String(name)); };

    form.SimpleRubber->trigger();
    ASSERT_NE(dynamic_cast<TRubber*>(CurrentTool.get()), nullptr);
    EXPECT_TRUE(IsButtonDown(button("RubberButton")));
    EXPECT_EQ(form.DrawSurf->cursor().shape(), Qt::BlankCursor);
    form.SmartRubber->trigger();
    ASSERT_NE(dynamic_cast<TSmartRubber*>(CurrentTool.get()), nullptr);
    EXPECT_TRUE(IsButtonDown(button("SmartRubberButton")));
    EXPECT_FALSE(IsButtonDown(button("RubberButton")));

    form.ShowFillingWindowCmd->trigger();
    ASSERT_NE(dynamic_cast<TFilling*>(CurrentTool.get()), nullptr);
    auto* fillForm = dynamic_cast<TFillForm*>(CurrentDialog.get());
    ASSERT_NE(fillForm, nullptr);
    EXPECT_TRUE(fillForm->isVisible());
    EXPECT_EQ(fillForm->windowTitle(), QString::fromUtf8("Виды штриховки"));
    // Closing the window switches the tool off.
    fillForm->close();
    QApplication::processEvents();
    EXPECT_EQ(CurrentTool, nullptr);
    EXPECT_FALSE(IsButtonDown(button("FillButton")));
    EXPECT_EQ(form.PromptText(), QString::fromUtf8("Выберите любую функцию"));
}

TEST(ColourTools, TheEyedropperGivesTheLineColourPanelItsColour) {
    TMainFormSetup setup({}, {900, 700});
    TMainForm& form = setup.Form();
    setup.NewSketch(200, 150);
    DocDC->setPixel(50, 40, 0x0000FF);
    form.EyeDropperCmd->trigger();
    ASSERT_NE(dynamic_cast<TEyeDropper*>(CurrentTool.get()), nullptr);
    press(form.DrawSurf, QEvent::MouseButtonPress, {50, 40});
    press(form.DrawSurf, QEvent::MouseButtonRelease, {50, 40});
    EXPECT_EQ(form.LinesColor->Color(), 0x0000FFu);
    EXPECT_EQ(form.LinesColor->FontColor(), 0xFFFF80u);
    EXPECT_EQ(LinePen->color(), 0x0000FFu);
}

} // namespace
