// The line style and the four colour panels of the main window: the pen each style
// gives, the palette answered through its real panels and buttons, and colours dragged
// from one panel to another.
#include "AppTestSupport.h"

#include "app/LineStyles.h"
#include "app/TechComboBox.h"
#include "document/Pens.h"
#include "document/TechDocument.h"
#include "tools/base/TechBase.h"
#include "tools/base/ToolSwitch.h"
#include "tools/draw/ColorForm.h"
#include "tools/draw/ColorPanel.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace app_testing;

namespace {

// A press, moves and release on a panel as the pointer makes them: a pressed panel gets
// every mouse event until the release, wherever the pointer is; positions are screen
// points.
void sendMouse(QWidget* panel, QEvent::Type type, QPoint global, Qt::MouseButton button = Qt::LeftButton) {
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent event(type, QPointF(panel->mapFromGlobal(global)), QPointF(global),
                      type == QEvent::MouseMove ? Qt::NoButton : button, held, Qt::NoModifier);
    QApplication::sendEvent(panel, &event);
}

QPoint centreOf(QWidget* widget) {
    return widget->mapToGlobal(widget->rect().center());
}

// Clicks the palette panel of the given name, then one of the dialog's buttons.
std::function<void(QWidget*)> choose(const QString& colourName, bool ok, int* framed = nullptr) {
    return [colourName, ok, framed](QWidget* widget) {
        auto* form = qobject_cast<TColorForm*>(widget);
        ASSERT_NE(form, nullptr);
        if (framed) *framed = form->SelectedPanel();
        // As a user does, click once the window is up and has the focus: its activation
        // gives a panel the focus, and with it the selection.
        (void)QTest::qWaitForWindowActive(form, 3000);
        for (int i = 0; i < 16; ++i)
            if (form->Panel(i)->accessibleName() == colourName)
                QTest::mouseClick(form->Panel(i), Qt::LeftButton);
        (ok ? form->OKButton : form->CancelButton)->click();
    };
}

class TIdleTool : public TTechBase {
  public:
    TIdleTool() { CursorId = 2; }
    QString GetPrompt() override { return QStringLiteral("Ждём"); }
};

} // namespace

TEST(LineStyles, EachItemGivesItsPenAndTheListLetsTheKeysGo) {
    const std::pair<int, int> table[LineStyleCount] = {{0, 1}, {1, 3}, {2, 5}, {1, 1},
                                                       {2, 1}, {3, 1}, {4, 1}};
    for (int i = 0; i < LineStyleCount; ++i) {
        EXPECT_EQ(LineStyleOfItem(i).Style, table[i].first) << i;
        EXPECT_EQ(LineStyleOfItem(i).Width, table[i].second) << i;
    }

    TMainFormSetup setup;
    TMainForm& form = setup.Form();
    TTechComboBox* list = form.LinesStyleList;
    EXPECT_EQ(list->accessibleName(), "Тип линий");
    EXPECT_EQ(list->count(), 7);
    EXPECT_EQ(list->currentIndex(), 0);
    EXPECT_EQ(list->maxVisibleItems(), 10);
    EXPECT_NE(list->focusPolicy() & Qt::TabFocus, Qt::TabFocus) << "not a tab stop";

    // The user opens the list and clicks the third item.
    list->setFocus();
    list->showPopup();
    QAbstractItemView* view = list->view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view->window()));
    EXPECT_EQ(view->visualRect(view->model()->index(2, 0)).height(), 16);
    const QRect item = view->visualRect(view->model()->index(2, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
    EXPECT_EQ(list->currentIndex(), 2);
    EXPECT_EQ(LineLogPen.style, gdi::PS_DOT);
    EXPECT_EQ(LineLogPen.width, 5);
    ASSERT_NE(LinePen, nullptr);
    EXPECT_EQ(LinePen->log().width, 5);
    EXPECT_EQ(LinePen->style(), gdi::PS_DOT);
    EXPECT_FALSE(list->hasFocus());
}

TEST(LineStyles, TheSamplesShowWideLinesSolidAndThinOnesBroken) {
    const QSize size(100, 16);
    // Width 3 (a dashed pen): solid across, three rows high, on a clear ground.
    const QImage wide = LineStyleSample(1, size);
    for (int x = 15; x < 85; ++x)
        EXPECT_EQ(qAlpha(wide.pixel(x, 8)), 255) << x;
    EXPECT_EQ(qAlpha(wide.pixel(50, 7)), 255);
    EXPECT_EQ(qAlpha(wide.pixel(50, 9)), 255);
    EXPECT_EQ(qAlpha(wide.pixel(50, 4)), 0);
    EXPECT_EQ(qAlpha(wide.pixel(5, 8)), 0) << "15 pixels left clear";
    EXPECT_EQ(qAlpha(wide.pixel(95, 8)), 0) << "15 pixels right clear";
    // Width 1 dashes: ink and gaps along the middle row.
    const QImage dashes = LineStyleSample(3, size);
    int ink = 0;
    for (int x = 15; x < 85; ++x)
        ink += qAlpha(dashes.pixel(x, 8)) == 255;
    EXPECT_GT(ink, 30);
    EXPECT_LT(ink, 70);
    EXPECT_EQ(qAlpha(dashes.pixel(15, 8)), 255) << "starts with a dash";
}

TEST(ColorPanels, ChoosingRedForTheLinesColoursThePanelItsCaptionAndThePen) {
    TMainFormSetup setup;
    TMainForm& form = setup.Form();
    EXPECT_EQ(form.LinesColor->accessibleName(), "Цвет линий");
    EXPECT_EQ(form.LinesColor->Caption(), "Цвет");
    EXPECT_EQ(form.LinesColor->Tag(), 100);

    int framed = -1;
    AnswerModal(choose(QStringLiteral("Красный"), true, &framed));
    QTest::mouseClick(form.LinesColor, Qt::RightButton);
    EXPECT_EQ(framed, 0) << "black, the colour the panel had, was framed";
    EXPECT_EQ(form.LinesColor->Color(), 0x000000FFu);
    EXPECT_EQ(form.LinesColor->FontColor(), 0x00FFFF80u);
    EXPECT_EQ(LineLogPen.color, 0x000000FFu);
    ASSERT_NE(LinePen, nullptr);
    EXPECT_EQ(LinePen->color(), 0x000000FFu);

    // Opened again from red, the palette frames red; Cancel changes nothing.
    AnswerModal(choose(QStringLiteral("Синий"), false, &framed));
    QTest::mouseDClick(form.LinesColor, Qt::LeftButton);
    EXPECT_EQ(framed, 10) << "red, third in the lower row";
    EXPECT_EQ(form.LinesColor->Color(), 0x000000FFu);
    EXPECT_EQ(LinePen->color(), 0x000000FFu);

    // The eraser's panels set both of its colours; the fill panel the document's.
    AnswerModal(choose(QStringLiteral("Жёлтый"), true));
    QTest::mouseClick(form.RubbColorNew, Qt::RightButton);
    EXPECT_EQ(RubberNewColor, 0x0000FFFFu);
    EXPECT_EQ(RubberOldColor, 0x00000000u);
    AnswerModal(choose(QStringLiteral("Тёмно-синий"), true));
    QTest::mouseClick(form.FillColor, Qt::RightButton);
    EXPECT_EQ(Document->FillColorValue, 0x00800000u);
}

TEST(ColorPanels, DraggingTheLineColourOntoTheOldColourGivesItToTheEraser) {
    TMainFormSetup setup;
    TMainForm& form = setup.Form();
    AnswerModal(choose(QStringLiteral("Зелёный"), true));
    QTest::mouseClick(form.LinesColor, Qt::RightButton);
    ASSERT_EQ(form.LinesColor->Color(), 0x00008000u);

    const QPoint start = centreOf(form.LinesColor);
    sendMouse(form.LinesColor, QEvent::MouseButtonPress, start);
    EXPECT_TRUE(form.LinesColor->Dragging());
    sendMouse(form.LinesColor, QEvent::MouseMove, start + QPoint(2, -2));
    EXPECT_FALSE(form.LinesColor->DragMoving()) << "under the threshold";
    sendMouse(form.LinesColor, QEvent::MouseMove, start + QPoint(3, 0));
    EXPECT_TRUE(form.LinesColor->DragMoving());
    sendMouse(form.LinesColor, QEvent::MouseMove, centreOf(form.RubbColorOld));
    sendMouse(form.LinesColor, QEvent::MouseButtonRelease, centreOf(form.RubbColorOld));

    EXPECT_FALSE(form.LinesColor->Dragging());
    EXPECT_EQ(form.RubbColorOld->Color(), 0x00008000u);
    EXPECT_EQ(form.RubbColorOld->FontColor(), 0x00FFBFFFu);
    EXPECT_EQ(RubberOldColor, 0x00008000u);
    EXPECT_EQ(RubberNewColor, 0x00FFFFFFu);
    EXPECT_EQ(form.LinesColor->Color(), 0x00008000u) << "the source keeps its colour";

    // Dropped outside every panel, nothing changes.
    sendMouse(form.FillColor, QEvent::MouseButtonPress, centreOf(form.FillColor));
    sendMouse(form.FillColor, QEvent::MouseMove, centreOf(form.DrawSurf));
    sendMouse(form.FillColor, QEvent::MouseButtonRelease, centreOf(form.DrawSurf));
    for (TColorPanel* panel : {form.LinesColor, form.RubbColorOld})
        EXPECT_EQ(panel->Color(), 0x00008000u) << panel->objectName().toStdString();
    EXPECT_EQ(form.RubbColorNew->Color(), 0x00FFFFFFu);
    EXPECT_EQ(LineLogPen.color, 0x00008000u);
}

TEST(ColorPanels, ASingleLeftPressOnTheFillColourStartsADragAndChangesNothing) {
    TMainFormSetup setup;
    TMainForm& form = setup.Form();
    Document->FillColorValue = 0;
    bool asked = false;
    AnswerModal(
        [&asked](QWidget* w) {
            asked = true;
            w->close();
        },
        300);
    sendMouse(form.FillColor, QEvent::MouseButtonPress, centreOf(form.FillColor));
    EXPECT_TRUE(form.FillColor->Dragging());
    QTest::qWait(400);
    EXPECT_FALSE(asked) << "no palette";
    sendMouse(form.FillColor, QEvent::MouseButtonRelease, centreOf(form.FillColor));
    EXPECT_FALSE(form.FillColor->Dragging());
    EXPECT_EQ(form.FillColor->Color(), 0u);
    EXPECT_EQ(Document->FillColorValue, 0u);
}

TEST(ColorPanels, WhileThePaletteIsOpenTheToolGetsNoKeys) {
    TMainFormSetup setup;
    SelectTool(ToolClass<TIdleTool>, nullptr, nullptr);
    bool suspended = false;
    AnswerModal([&suspended](QWidget* w) {
        suspended = CurrentTool->KeysSuspended;
        qobject_cast<TColorForm*>(w)->CancelButton->click();
    });
    QTest::mouseClick(setup.Form().FillColor, Qt::RightButton);
    EXPECT_TRUE(suspended);
    EXPECT_FALSE(CurrentTool->KeysSuspended);
    SelectTool(nullptr, nullptr, nullptr);
}
