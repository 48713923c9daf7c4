// A tool in the real main window: it takes the surface and the keys, shows its prompts,
// paints its preview and cross-hair through the paint cycle, commits with one undo step,
// and gives everything back when another tool is chosen.

#include "ToolTestSupport.h"

#include "app/Cursors.h"
#include "app/MainForm.h"
#include "tools/base/AppMessageHook.h"
#include "tools/base/Prompts.h"
#include "tools/base/ToolSwitch.h"

#include "document/Pens.h"
#include "document/TechDocument.h"
#include "document/UnDoObj.h"

#include <QCursor>
#include <QTest>

#include <gtest/gtest.h>

namespace {

constexpr QRgb WhitePixel = 0xFFFFFFFF;
constexpr QRgb PreviewPixel = 0xFF00FF00;   // GreenPen
constexpr QRgb CrossHairPixel = 0xFF008000; // not-xor of the cross-hair colour over white

class MainFormToolTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetFramework();
        Document = std::make_unique<TTechDocument>();
        CreateSharedPens();
        UndoHistory = std::make_unique<TUnDoObj>();
        RegisterCursors();
        form = std::make_unique<TMainForm>();
        form->resize(900, 700);
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        // As the new-sketch command does it.
        Document->CreateNewDocument(200, 150);
        form->DrawSurfResize();
        form->SurfPanelResize();
        surf = form->DrawSurf;
        ASSERT_EQ(surf->size(), QSize(200, 150));
    }
    void TearDown() override {
        form.reset();
        UnregisterCursors();
        UndoHistory.reset();
        DeleteSharedPens();
        Document.reset();
        ResetFramework();
    }

    // The surface as the paint cycle draws it.
    QImage shown() const { return surf->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    QImage cursorImage() const { return surf->cursor().bitmap().toImage(); }

    std::unique_ptr<TMainForm> form;
    TTechDrawSurf* surf = nullptr;
};

TEST_F(MainFormToolTest, ATestToolWorksThroughTheMainWindowAndGivesEverythingBack) {
    const QImage mainCursor = cursorImage();
    SelectTool(ToolClass<TTestToolA>, nullptr, nullptr);
    TTechBase* tool = CurrentTool.get();
    ASSERT_NE(tool, nullptr);
    EXPECT_EQ(form->PromptText(), QString::fromUtf8(SegmentStartPrompt));
    EXPECT_EQ(AppMessageTool(), tool);
    EXPECT_EQ(cursorImage(), ProgramCursor(CrossCursor).bitmap().toImage());
    EXPECT_NE(cursorImage(), mainCursor);

    // Enter with the pointer over sketch point (20, 30) starts the segment there.
    QCursor::setPos(surf->mapToGlobal(QPoint(20, 30)));
    ASSERT_EQ(QCursor::pos(), surf->mapToGlobal(QPoint(20, 30)));
    QTest::keyClick(form->windowHandle(), Qt::Key_Return);
    EXPECT_EQ(tool->Step, 3);
    EXPECT_EQ(form->PromptText(), QString::fromUtf8(SegmentEndPrompt));

    // The pointer comes in and moves to (60, 50): the rubber segment and the cross-hair
    // are painted over the sketch, which itself stays white.
    QEnterEvent enter(QPointF(60, 50), QPointF(60, 50), QPointF(surf->mapToGlobal(QPoint(60, 50))));
    QCoreApplication::sendEvent(surf, &enter);
    QTest::mouseMove(surf, QPoint(60, 50));
    const QImage preview = shown();
    EXPECT_EQ(preview.pixel(20, 30), PreviewPixel);
    EXPECT_EQ(preview.pixel(40, 40), PreviewPixel);
    EXPECT_EQ(preview.pixel(60, 5), CrossHairPixel);
    EXPECT_EQ(preview.pixel(5, 50), CrossHairPixel);
    EXPECT_EQ(preview.pixel(100, 100), WhitePixel);
    EXPECT_EQ(DocDC->getPixel(40, 40), 0xFFFFFFu);

    // The click commits the segment into the sketch with one undo step.
    QTest::mouseClick(surf, Qt::LeftButton, {}, QPoint(60, 50));
    EXPECT_EQ(DocDC->getPixel(20, 30), 0u);
    EXPECT_EQ(DocDC->getPixel(40, 40), 0u);
    EXPECT_EQ(DocDC->getPixel(60, 50), 0xFFFFFFu);
    EXPECT_EQ(UndoHistory->StoredCount, 1);
    EXPECT_TRUE(Document->Modified);

    // At zoom 3 an arrow moves the pointer three screen pixels.
    form->SelMagnify(1);
    const QPoint before = QCursor::pos();
    QTest::keyClick(form->windowHandle(), Qt::Key_Right);
    EXPECT_EQ(QCursor::pos(), before + QPoint(3, 0));
    form->SelMagnify(2);

    // Another tool takes the surface and the keys; the first one's preview is gone.
    Journal.clear();
    SelectTool(ToolClass<TTestToolB>, nullptr, nullptr);
    TTechBase* next = CurrentTool.get();
    EXPECT_EQ(Journal.front(), "destroy A");
    EXPECT_EQ(AppMessageTool(), next);
    QTest::mouseClick(surf, Qt::LeftButton, {}, QPoint(7, 8));
    EXPECT_EQ(JournalCount("left 7,8 down +left"), 1);
    EXPECT_EQ(next->Step, 3);
    const QImage after = shown();
    EXPECT_EQ(after.pixel(40, 40), 0xFF000000);
    EXPECT_EQ(after.pixel(60, 5), WhitePixel);

    // No tool: nothing is bound, the cursor and the prompt are the window's own.
    SelectTool(nullptr, nullptr, nullptr);
    EXPECT_EQ(form->PromptText(), QString::fromUtf8(GeneralPrompt));
    EXPECT_EQ(AppMessageTool(), nullptr);
    EXPECT_EQ(cursorImage(), mainCursor);
    for (TPaintedTool* painted : ActiveTools)
        EXPECT_EQ(painted, nullptr);
    Journal.clear();
    QTest::mouseClick(surf, Qt::LeftButton, {}, QPoint(7, 8));
    QTest::keyClick(form->windowHandle(), Qt::Key_Return);
    EXPECT_TRUE(Journal.empty());
    EXPECT_EQ(UndoHistory->StoredCount, 1);
}

TEST_F(MainFormToolTest, ClosingTheMainWindowFreesTheCurrentTool) {
    SelectTool(ToolClass<TTestToolA>, nullptr, DialogClass<TTestDialogA>);
    EXPECT_EQ(CurrentDialog->parentWidget(), form.get());
    Journal.clear();
    EXPECT_TRUE(form->close());
    EXPECT_EQ(CurrentTool, nullptr);
    EXPECT_EQ(CurrentDialog, nullptr);
    const std::vector<std::string> expected{"destroy A", "dialog A freed"};
    EXPECT_EQ(Journal, expected);
}

} // namespace
