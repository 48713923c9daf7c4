// The polyline and free-hand line tools in the real main window: chosen from their
// actions, driven with the mouse and the keys over the surface, and checked pixel for
// pixel against the same lines drawn by the raster layer directly.

#include "AppTestSupport.h"

#include "app/MainForm.h"
#include "app/StatusPanels.h"
#include "app/TechDrawSurf.h"
#include "tools/base/ButtonState.h"
#include "tools/base/ToolResults.h"
#include "tools/base/ToolSwitch.h"
#include "tools/draw/SegmentLine.h"
#include "tools/draw/SmoothLine.h"

#include "document/Geometry.h"
#include "document/Pens.h"
#include "document/SketchBitmap.h"
#include "document/TechDocument.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QMouseEvent>
#include <QTest>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

using namespace app_testing;

namespace {

constexpr int Width = 200;
constexpr int Height = 150;
constexpr gdi::COLORREF White = 0xFFFFFF;

using TSegments = std::vector<std::pair<gdi::Point, gdi::Point>>;

void sendMouse(QWidget* w, QEvent::Type type, QPoint pos, Qt::MouseButton button = Qt::NoButton) {
    const Qt::MouseButtons buttons =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent event(type, QPointF(pos), QPointF(w->mapToGlobal(pos)), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

class LineTool : public ::testing::Test {
  protected:
    LineTool() : setup({}, {900, 700}), form(setup.Form()) { setup.NewSketch(Width, Height); }

    TTechDrawSurf* surf() { return form.DrawSurf; }
    void enter(QPoint at) {
        QEnterEvent event{QPointF(at), QPointF(at), QPointF(surf()->mapToGlobal(at))};
        QApplication::sendEvent(surf(), &event);
    }
    void leave() {
        QEvent event(QEvent::Leave);
        QApplication::sendEvent(surf(), &event);
    }
    void move(QPoint at) { sendMouse(surf(), QEvent::MouseMove, at); }
    void click(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        sendMouse(surf(), QEvent::MouseButtonPress, at, button);
        sendMouse(surf(), QEvent::MouseButtonRelease, at, button);
    }
    QAbstractButton* button(const char* name) {
        return form.findChild<QAbstractButton*>(QString::fromLatin1(name));
    }
    void toggle(const char* name) { button(name)->click(); }

    // Segments drawn by the raster layer itself with the line pen on a white sketch,
    // over ink given as further solid black segments.
    static gdi::BitmapPtr reference(const TSegments& lines, const TSegments& ink = {}) {
        auto bitmap = gdi::Bitmap::create(Width, Height, 4, {SketchPalette.begin(), SketchPalette.end()});
        bitmap->fill(15);
        gdi::DeviceContext dc;
        dc.selectBitmap(bitmap);
        for (const auto& [from, to] : ink) {
            dc.moveTo(from.x, from.y);
            dc.lineTo(to.x, to.y);
        }
        dc.selectPen(LinePen);
        for (const auto& [from, to] : lines) {
            dc.moveTo(from.x, from.y);
            dc.lineTo(to.x, to.y);
        }
        return bitmap;
    }
    // The first pixel where the sketch and the reference differ, or none.
    static std::string firstDifference(const gdi::BitmapPtr& expected) {
        gdi::DeviceContext dc;
        dc.selectBitmap(expected);
        for (int y = 0; y < Height; ++y)
            for (int x = 0; x < Width; ++x)
                if (DocDC->getPixel(x, y) != dc.getPixel(x, y))
                    return "differs at " + std::to_string(x) + "," + std::to_string(y);
        return "";
    }
    static void drawInk(gdi::Point from, gdi::Point to) {
        gdi::PenPtr old = DocDC->selectPen(gdi::createPenIndirect({gdi::PS_SOLID, 1, 0}));
        DocDC->moveTo(from.x, from.y);
        DocDC->lineTo(to.x, to.y);
        DocDC->selectPen(old);
    }

    TMainFormSetup setup;
    TMainForm& form;
};

TEST_F(LineTool, APolylineIsDrawnSegmentBySegmentAndUndoneTheSameWay) {
    form.CreateSegmentLineCmd->trigger();
    auto* tool = dynamic_cast<TSegmentLine*>(CurrentTool.get());
    ASSERT_NE(tool, nullptr);
    EXPECT_TRUE(IsButtonEnabled(button("PointCaptButton")));
    EXPECT_TRUE(form.OrthogonallyCmd->isEnabled());
    EXPECT_EQ(form.PromptText(),
              QString::fromUtf8("Задайте начальную точку линии (Enter или лев.кнопка мыши)"));

    enter({10, 10});
    click({10, 10});
    EXPECT_EQ(form.PromptText(), QString::fromUtf8("Задайте конечную точку линии (Enter - ОК, Esc - отказ)"));
    EXPECT_EQ(form.MeasureOrigin, (gdi::Point{10, 10}));
    move({90, 40});
    // The rubber segment is a preview only; the click at another place ends it where
    // the pointer last moved.
    EXPECT_EQ(firstDifference(reference({})), "");
    click({95, 45});
    move({120, 130});
    EXPECT_EQ(form.MeasureOrigin, (gdi::Point{90, 40}));
    click({120, 130});
    move({180, 20});
    click({180, 20}, Qt::RightButton);
    EXPECT_EQ(tool->Step, 2);
    EXPECT_EQ(form.MeasureOrigin, NullPoint);
    EXPECT_EQ(firstDifference(reference({{{10, 10}, {90, 40}}, {{90, 40}, {120, 130}}})), "");

    form.UndoCmd->trigger();
    EXPECT_EQ(firstDifference(reference({{{10, 10}, {90, 40}}})), "");
    form.UndoCmd->trigger();
    EXPECT_EQ(firstDifference(reference({})), "");
    form.RedoCmd->trigger();
    EXPECT_EQ(firstDifference(reference({{{10, 10}, {90, 40}}})), "");
}

TEST_F(LineTool, TheReadOutsCountFromTheSegmentStartWhileItIsOpen) {
    form.CreateSegmentLineCmd->trigger();
    enter({0, 0});
    move({0, 0});
    const QString atZeroX = form.InformationStatusBar->PanelText(1);
    const QString atZeroY = form.InformationStatusBar->PanelText(2);
    click({40, 25});
    move({40, 25});
    EXPECT_EQ(form.InformationStatusBar->PanelText(1), atZeroX);
    EXPECT_EQ(form.InformationStatusBar->PanelText(2), atZeroY);
    click({40, 25}, Qt::RightButton);
    move({40, 25});
    EXPECT_NE(form.InformationStatusBar->PanelText(1), atZeroX);
    EXPECT_NE(form.InformationStatusBar->PanelText(2), atZeroY);
    click({40, 25});
    SelectTool(nullptr, nullptr, nullptr);
    EXPECT_EQ(form.MeasureOrigin, NullPoint);
}

TEST_F(LineTool, AsASubToolThePolylineHandsItsSegmentsToItsOwner) {
    form.CreateSolidLineCmd->trigger();
    TTechBase* owner = CurrentTool.get();
    std::vector<std::pair<int32_t, TLineResult>> got;
    owner->OnResult = [&](int32_t code, const void* record, int32_t sender) {
        EXPECT_EQ(sender, SenderLine);
        got.emplace_back(code, *static_cast<const TLineResult*>(record));
    };
    form.LinesStyleListChange(1);
    {
        auto sub = CreateToolFor<TSegmentLine>(owner, true, gdi::Point{20, 30});
        EXPECT_EQ(sub->Step, 3);
        EXPECT_FALSE(sub->FPointCapture);
        move({60, 30});
        click({60, 30});
        click({60, 30}, Qt::RightButton);
    }
    ASSERT_EQ(got.size(), 3u);
    EXPECT_EQ(got[0].first, ResultMoved);
    EXPECT_EQ(got[1].first, ResultFixed);
    EXPECT_EQ(got[2].first, ResultEnded);
    const TLineResult& fixed = got[1].second;
    EXPECT_EQ((gdi::Point{fixed.StartX, fixed.StartY}), (gdi::Point{20, 30}));
    EXPECT_EQ((gdi::Point{fixed.EndX, fixed.EndY}), (gdi::Point{60, 30}));
    EXPECT_EQ(fixed.PenWidth, 3);
    // The owner draws, not the sub-tool.
    EXPECT_EQ(firstDifference(reference({})), "");
}

TEST_F(LineTool, TheRubberSegmentIsPaintedGreenAndFinishDrawsItWithoutClosingTheChain) {
    form.CreateSegmentLineCmd->trigger();
    enter({20, 40});
    click({20, 40});
    move({100, 80});
    const QImage shown = surf()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown.pixel(60, 60), 0xFF00FF00u);
    EXPECT_EQ(DocDC->getPixel(60, 60), White);
    form.CompleteCmd->trigger();
    EXPECT_EQ(CurrentTool->Step, 3);
    EXPECT_EQ(firstDifference(reference({{{20, 40}, {100, 80}}})), "");
    form.UndoCmd->trigger();
    EXPECT_EQ(firstDifference(reference({})), "");
}

TEST_F(LineTool, EnterAndEscClickWhereThePointerIs) {
    form.CreateSegmentLineCmd->trigger();
    enter({30, 30});
    QCursor::setPos(surf()->mapToGlobal(QPoint(30, 30)));
    if (QCursor::pos() != surf()->mapToGlobal(QPoint(30, 30))) GTEST_SKIP() << "the pointer cannot be placed";
    QTest::keyClick(form.windowHandle(), Qt::Key_Return);
    EXPECT_EQ(CurrentTool->Step, 3);
    move({70, 30});
    QCursor::setPos(surf()->mapToGlobal(QPoint(70, 30)));
    QTest::keyClick(form.windowHandle(), Qt::Key_Return);
    QTest::keyClick(form.windowHandle(), Qt::Key_Escape);
    EXPECT_EQ(CurrentTool->Step, 2);
    EXPECT_EQ(firstDifference(reference({{{30, 30}, {70, 30}}})), "");

    // The arrows walk the pointer one sketch pixel at a time; Enter then fixes the
    // segment where it stopped.
    QTest::keyClick(form.windowHandle(), Qt::Key_Return);
    for (int i = 0; i < 10; ++i)
        QTest::keyClick(form.windowHandle(), Qt::Key_Down);
    QApplication::processEvents();
    EXPECT_EQ(QCursor::pos(), surf()->mapToGlobal(QPoint(70, 40)));
    move(surf()->mapFromGlobal(QCursor::pos()));
    QTest::keyClick(form.windowHandle(), Qt::Key_Return);
    EXPECT_EQ(firstDifference(reference({{{30, 30}, {70, 30}}, {{70, 30}, {70, 40}}})), "");
}

TEST_F(LineTool, CaptureStartsOnNearbyInkAndLeavesABlankClickAlone) {
    drawInk({50, 0}, {50, 150});
    form.CreateSegmentLineCmd->trigger();
    toggle("PointCaptButton");
    auto* tool = dynamic_cast<TSegmentLine*>(CurrentTool.get());
    ASSERT_TRUE(tool->FPointCapture);
    enter({53, 60});
    // Three pixels to the right: the first square that reaches the line is the one of
    // radius 3, whose leftmost column meets it first at its top.
    click({53, 60});
    EXPECT_EQ(tool->FStart, (gdi::Point{50, 57}));
    click({53, 60}, Qt::RightButton);
    click({150, 100});
    EXPECT_EQ(tool->FStart, (gdi::Point{150, 100}));
    // The end runs on along the segment onto the line.
    move({150, 100});
    click({150, 100}, Qt::RightButton);
    click({150, 100});
    move({58, 100});
    click({58, 100});
    EXPECT_EQ(firstDifference(reference({{{150, 100}, {50, 100}}}, {{{50, 0}, {50, 150}}})), "");

    // Two dots at the same distance: the column further left wins over the row higher up.
    click({150, 100}, Qt::RightButton);
    DocDC->setPixel(127, 62, 0);
    DocDC->setPixel(130, 57, 0);
    click({130, 60});
    EXPECT_EQ(tool->FStart, (gdi::Point{127, 62}));
}

TEST_F(LineTool, OrthogonalModeGoesHorizontalOnTheDiagonalAndRightClickDropsTheRubberSegment) {
    form.CreateSegmentLineCmd->trigger();
    toggle("OrthogonallyToolButton");
    auto* tool = dynamic_cast<TSegmentLine*>(CurrentTool.get());
    ASSERT_TRUE(tool->FOrthogonal);
    enter({20, 20});
    click({20, 20});
    move({60, 60});
    EXPECT_EQ(tool->FEnd, (gdi::Point{60, 20}));
    move({60, 61});
    EXPECT_EQ(tool->FEnd, (gdi::Point{20, 61}));
    move({60, 60});
    click({60, 60});
    move({60, 140});
    click({60, 140}, Qt::RightButton);
    EXPECT_EQ(firstDifference(reference({{{20, 20}, {60, 20}}})), "");

    // Each line tool class keeps its own buttons.
    form.CreateSolidLineCmd->trigger();
    EXPECT_FALSE(IsButtonDown(button("OrthogonallyToolButton")));
    form.CreateSegmentLineCmd->trigger();
    EXPECT_TRUE(IsButtonDown(button("OrthogonallyToolButton")));
    form.CreateSolidLineCmd->trigger();
    SelectTool(nullptr, nullptr, nullptr);
    EXPECT_FALSE(IsButtonEnabled(button("PointCaptButton")));
}

TEST_F(LineTool, AFreeHandStrokeFollowsThePointerLeavesAGapOutsideAndIsOneUndoStep) {
    form.CreateSolidLineCmd->trigger();
    ASSERT_NE(dynamic_cast<TSmoothLine*>(CurrentTool.get()), nullptr);
    enter({10, 100});
    click({10, 100});
    EXPECT_EQ(form.PromptText(), QString::fromUtf8("Укажите направление линии (Esc - отказ)"));
    move({30, 90});
    move({50, 95});
    leave();
    move({100, 20});
    enter({120, 40});
    move({140, 60});
    click({140, 60});
    EXPECT_EQ(CurrentTool->Step, 2);
    EXPECT_EQ(
        firstDifference(reference({{{10, 100}, {30, 90}}, {{30, 90}, {50, 95}}, {{120, 40}, {140, 60}}})),
        "");
    form.UndoCmd->trigger();
    EXPECT_EQ(firstDifference(reference({})), "");
}

TEST_F(LineTool, AShortStrokeCapturesAlongItsOwnDirection) {
    drawInk({100, 0}, {100, 150});
    form.CreateSolidLineCmd->trigger();
    toggle("PointCaptButton");
    enter({40, 70});
    click({40, 70});
    move({95, 70});
    click({95, 70});
    EXPECT_EQ(
        firstDifference(reference({{{40, 70}, {95, 70}}, {{95, 70}, {100, 70}}}, {{{100, 0}, {100, 150}}})),
        "");
}

TEST_F(LineTool, DashedAndWideStylesFromTheStyleList) {
    form.CreateSegmentLineCmd->trigger();
    for (int item : {3, 2}) {
        form.LinesStyleListChange(item);
        enter({10, 20});
        click({10, 20});
        move({190, 130});
        click({190, 130});
        click({190, 130}, Qt::RightButton);
        EXPECT_EQ(firstDifference(reference({{{10, 20}, {190, 130}}})), "") << "item " << item;
        form.UndoCmd->trigger();
    }
}

TEST_F(LineTool, ADrawnSketchSavedAndReopenedKeepsEveryPixel) {
    form.CreateSegmentLineCmd->trigger();
    enter({10, 10});
    click({10, 10});
    move({150, 60});
    click({150, 60});
    move({40, 140});
    click({40, 140});
    click({40, 140}, Qt::RightButton);
    const gdi::BitmapPtr expected = reference({{{10, 10}, {150, 60}}, {{150, 60}, {40, 140}}});
    ASSERT_EQ(firstDifference(expected), "");

    const QString folder = QDir::temp().filePath(QStringLiteral("verigraf-line-roundtrip"));
    QDir(folder).removeRecursively();
    ASSERT_TRUE(QDir().mkpath(folder));
    for (const char* name : {"lines.ilj", "lines.bmp"}) {
        const std::string path = QDir(folder).filePath(QString::fromLatin1(name)).toStdString();
        ASSERT_TRUE(Document->SaveToFile(path)) << name;
        EXPECT_FALSE(Document->Modified);
        setup.NewSketch(Width, Height);
        ASSERT_NE(firstDifference(expected), "") << "the blank sketch must differ";
        ASSERT_TRUE(Document->LoadFromFile(path)) << name;
        EXPECT_EQ(firstDifference(expected), "") << name;
    }
    QDir(folder).removeRecursively();
}

} // namespace
