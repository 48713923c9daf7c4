// The marquee on the tool harness: windows dragged in sketch pixels, the fragment moved,
// scaled, stamped, deleted, and sent through the clipboard and fragment files; the sketch
// is then compared with a picture worked out here from the sketch as it was.

#include "ModalScript.h"
#include "ToolHarness.h"

#include "tools/base/BitmapImage.h"
#include "tools/base/CursorIds.h"
#include "tools/transform/FragmentClipboard.h"
#include "tools/transform/Marquee.h"

#include "document/Folders.h"
#include "document/TechDocument.h"

#include "gdi/Brush.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

constexpr gdi::COLORREF White = 0xFFFFFF;
constexpr gdi::COLORREF Black = 0x000000;
constexpr gdi::COLORREF Red = 0x0000FF;
constexpr gdi::COLORREF Blue = 0xFF0000;

QString prompt(const char* text) {
    return QString::fromUtf8(text);
}

// A drawing with no symmetry: a black slanted stroke, a red block and a blue dot.
void drawSomething() {
    gdi::PenPtr old = DocDC->selectPen(gdi::createPen(gdi::PS_SOLID, 1, Black));
    DocDC->moveTo(25, 15);
    DocDC->lineTo(85, 55);
    DocDC->selectPen(old);
    DocDC->fillRect({30, 40, 45, 50}, gdi::createSolidBrush(Red));
    DocDC->setPixel(80, 20, Blue);
}

// Left click at from, move to to, left click there.
void window(gdi::Point from, gdi::Point to) {
    PointerMove(from);
    Click(from);
    PointerMove(to);
    Click(to);
}

// Grabs the fragment at from and lets it go at to.
void drag(gdi::Point from, gdi::Point to, TShiftState shift = {}) {
    PointerMove(from);
    Click(from);
    PointerMove(to, shift);
    Click(to);
}

// Where two bitmaps first differ, or empty.
std::string difference(const gdi::BitmapPtr& a, const gdi::BitmapPtr& b) {
    if (!a || !b) return "missing bitmap";
    if (a->width() != b->width() || a->height() != b->height()) return "sizes differ";
    for (int32_t y = 0; y < a->height(); ++y)
        for (int32_t x = 0; x < a->width(); ++x)
            if (a->pixelToColor(a->pixel(x, y)) != b->pixelToColor(b->pixel(x, y)))
                return "(" + std::to_string(x) + ", " + std::to_string(y) + ")";
    return {};
}

// A modal step that types path into a file dialog and confirms it.
ModalScript::Step choose(const QString& path) {
    return [path](QWidget* dialog) {
        auto* edit = child<QLineEdit>(dialog, "fileNameEdit");
        edit->setText(path);
        auto* box = child<QDialogButtonBox>(dialog, "buttonBox");
        auto* files = qobject_cast<QFileDialog*>(dialog);
        QPushButton* accept =
            box->button(files && files->acceptMode() == QFileDialog::AcceptSave ? QDialogButtonBox::Save
                                                                                : QDialogButtonBox::Open);
        if (!accept) throw std::runtime_error("no accept button");
        QMetaObject::invokeMethod(accept, &QPushButton::click, Qt::QueuedConnection);
    };
}

} // namespace

TEST(Marquee, AWindowDraggedEitherWayFloatsACopyThatMovesAndIsStampedOnce) {
    TToolHarness harness;
    TTestHost& host = harness.Host;
    drawSomething();
    TSketchReference before;
    auto& tool = harness.Select<TMarquee>();
    EXPECT_EQ(host.Cursor, CrossCursor);
    EXPECT_EQ(host.Prompt, prompt("Укажите положение одного из углов (Enter - точка)"));
    PointerEnter({90, 60});
    PointerMove({90, 60});
    Click({90, 60});
    EXPECT_EQ(host.Prompt, prompt("Задайте размеры окна для копирования (Enter - ОК, Esc - отказ)"));
    PointerMove({20, 10});
    Key(Qt::Key_Return);
    EXPECT_EQ(tool.Step, TMarquee::StageFragment);
    EXPECT_EQ(tool.SubStep, TMarquee::StepFloating);
    EXPECT_EQ(host.Prompt,
              prompt("Нажмите левую кнопку мыши для сдвига, или правую для выбора других действий"));
    EXPECT_EQ(tool.Fragment().Selection(), (gdi::Rect{20, 10, 90, 60}));
    EXPECT_EQ(tool.Fragment().Centre, (TPointF{55, 35}));
    EXPECT_EQ(tool.Fragment().PictureRect(), (gdi::Rect{0, 0, 70, 50}));
    EXPECT_EQ(before.FirstDifference(), "");
    const gdi::BitmapPtr upLeft = tool.Fragment().Picture()->clone();

    // Grabbed inside, the fragment moves with the pointer; the sketch is untouched until
    // the fragment is completed.
    PointerMove({50, 30});
    EXPECT_EQ(host.Cursor, MoveCursor);
    Click({50, 30});
    EXPECT_EQ(tool.SubStep, TMarquee::StepDragged);
    EXPECT_EQ(host.Prompt, prompt("Сдвигайте копию (Enter - OK, Ctrl+сдвиг - масштабирование, Esc - меню)"));
    PointerMove({80, 90});
    PointerMove({110, 100});
    Key(Qt::Key_Return);
    EXPECT_EQ(tool.SubStep, TMarquee::StepFloating);
    EXPECT_EQ(before.FirstDifference(), "");
    TSketchReference expected;
    expected.DC().bitBlt(80, 80, 70, 50, &before.DC(), 20, 10, gdi::SRCCOPY);
    EXPECT_FALSE(harness.DocumentHost.CanUndo);
    tool.Complete();
    EXPECT_EQ(expected.FirstDifference(), "");
    EXPECT_TRUE(harness.DocumentHost.CanUndo);
    EXPECT_EQ(tool.Step, TMarquee::StageWindow);
    EXPECT_EQ(tool.SubStep, TMarquee::StepCorner);

    // The opposite drag over the same pixels takes the same picture.
    Document->Undo();
    window({20, 10}, {90, 60});
    EXPECT_EQ(tool.Fragment().Selection(), (gdi::Rect{20, 10, 90, 60}));
    EXPECT_EQ(difference(tool.Fragment().Picture(), upLeft), "");
    // Switching tools drops the fragment: nothing reaches the sketch.
    harness.Select<TMarquee>();
    EXPECT_EQ(before.FirstDifference(), "");
}

TEST(Marquee, EmptyWindowsAndMissingFragmentsLeaveTheSketchAlone) {
    TToolHarness harness;
    drawSomething();
    TSketchReference before;
    auto& tool = harness.Select<TMarquee>();
    PointerEnter({10, 10});

    // Deleting with nothing held records nothing and whitens nothing.
    EXPECT_TRUE(tool.ToolCommand(DeleteFragmentCommand));
    EXPECT_FALSE(harness.DocumentHost.CanUndo);
    EXPECT_EQ(before.FirstDifference(), "");

    // Completing in the window stage is an undo step that draws nothing, even after a
    // fragment was dropped.
    window({20, 10}, {90, 60});
    drag({50, 30}, {100, 80});
    tool.Cancel();
    EXPECT_EQ(tool.Step, TMarquee::StageWindow);
    tool.Complete();
    EXPECT_TRUE(harness.DocumentHost.CanUndo);
    EXPECT_EQ(before.FirstDifference(), "");

    // A window of no width floats an empty fragment; stamping it changes nothing.
    window({40, 20}, {40, 70});
    EXPECT_TRUE(tool.HoldsFragment());
    EXPECT_TRUE(tool.Fragment().PictureRect().isEmpty());
    tool.Complete();
    EXPECT_EQ(before.FirstDifference(), "");
    // Nor can it be scaled out of nothing.
    window({40, 20}, {90, 20});
    drag({60, 20}, {90, 20}, ssCtrl);
    EXPECT_TRUE(tool.Fragment().PictureRect().isEmpty());
}

TEST(Marquee, TransparentStampingLeavesTheSketchUnderWhiteVisible) {
    TToolHarness harness;
    drawSomething();
    DocDC->fillRect({100, 60, 180, 120}, gdi::createSolidBrush(Blue));
    TSketchReference before;
    auto& tool = harness.Select<TMarquee>();
    harness.Host.ToggleOption(TOptionButton::Transparent);
    EXPECT_TRUE(tool.FTransparent);
    PointerEnter({10, 10});
    window({20, 10}, {70, 50});
    drag({40, 30}, {130, 90});
    TSketchReference expected;
    for (int32_t y = 10; y < 50; ++y)
        for (int32_t x = 20; x < 70; ++x) {
            const gdi::COLORREF colour = before.DC().getPixel(x, y);
            if (colour != White) expected.DC().setPixel(x + 90, y + 60, colour);
        }
    tool.Complete();
    EXPECT_EQ(expected.FirstDifference(), "");

    // The button's state belongs to the marquee: it comes back with the tool.
    harness.Select<TMarquee>();
    EXPECT_TRUE(dynamic_cast<TMarquee&>(*CurrentTool).FTransparent);
}

TEST(Marquee, CtrlDraggingScalesFromTheSourceWithinItsLimits) {
    TToolHarness harness;
    // The window's top-left quarter is red.
    DocDC->fillRect({20, 10, 40, 20}, gdi::createSolidBrush(Red));
    auto& tool = harness.Select<TMarquee>();
    TTestHost& host = harness.Host;
    PointerEnter({10, 10});
    window({20, 10}, {60, 30});
    PointerMove({40, 20});
    EXPECT_EQ(host.Cursor, MoveCursor);
    KeyDown(Qt::Key_Control, Qt::ControlModifier);
    EXPECT_EQ(host.Cursor, ResizeCursor);
    Click({40, 20});
    PointerMove({90, 20}, ssCtrl);
    EXPECT_EQ(tool.Fragment().HalfWidth, 30);
    EXPECT_EQ(tool.Fragment().HalfHeight, 15);
    EXPECT_EQ(tool.Fragment().PictureRect(), (gdi::Rect{0, 0, 60, 30}));
    EXPECT_EQ(tool.Fragment().Centre, (TPointF{40, 20}));
    // Past 1000 on a half side the step is refused; too far to the left as well.
    PointerMove({4090, 20}, ssCtrl);
    EXPECT_EQ(tool.Fragment().HalfWidth, 30);
    PointerMove({3880, 20}, ssCtrl);
    EXPECT_EQ(tool.Fragment().HalfWidth, 30);
    KeyUp(Qt::Key_Control);
    EXPECT_EQ(host.Cursor, MoveCursor);

    // The scaled picture is the source stretched about the centre: the red quarter
    // grows with it.
    tool.Complete();
    EXPECT_EQ(DocDC->getPixel(9, 4), White);
    EXPECT_EQ(DocDC->getPixel(10, 5), Red);
    EXPECT_EQ(DocDC->getPixel(39, 19), Red);
    EXPECT_EQ(DocDC->getPixel(41, 21), White);
    EXPECT_EQ(DocDC->getPixel(69, 34), White);

    // A pull to the left by more than the factor's whole would turn the picture inside
    // out; it is refused however large the window.
    window({10, 10}, {190, 140});
    drag({100, 70}, {-10, 70}, ssCtrl);
    EXPECT_EQ(tool.Fragment().HalfWidth, 90);
    EXPECT_EQ(tool.Fragment().PictureRect(), (gdi::Rect{0, 0, 180, 130}));
}

TEST(Marquee, ClipboardImagesFloatAtTheViewsCornerInSketchColoursAndCopiesComeBackEqual) {
    TToolHarness harness;
    drawSomething();
    TTestHost& host = harness.Host;
    host.ZoomFactor = 2;
    host.Scroll = {41, 20};
    // Another program's picture: nearly red, with a dark grey pixel and a see-through one.
    QImage image(30, 20, QImage::Format_ARGB32);
    image.fill(QColor(250, 5, 5));
    image.setPixelColor(3, 4, QColor(40, 40, 40));
    image.setPixelColor(5, 6, QColor(0, 0, 0, 0));
    QGuiApplication::clipboard()->setImage(image);
    TSketchReference expected;
    expected.DC().fillRect({20, 10, 50, 30}, gdi::createSolidBrush(Red));
    expected.DC().setPixel(23, 14, Black);
    expected.DC().setPixel(25, 16, White);

    auto& tool = harness.Select<TMarquee>();
    EXPECT_TRUE(tool.ToolCommand(PasteFragmentCommand));
    EXPECT_EQ(tool.Step, TMarquee::StageFragment);
    EXPECT_EQ(tool.Fragment().Selection(), (gdi::Rect{0, 0, 30, 20}));
    EXPECT_EQ(tool.Fragment().Centre, (TPointF{35, 20}));
    tool.Complete();
    EXPECT_EQ(expected.FirstDifference(), "");

    // What is copied is offered as an image, and pasted back it is the same picture.
    PointerEnter({10, 10});
    window({20, 10}, {90, 60});
    tool.ToolCommand(CopyFragmentCommand);
    const gdi::BitmapPtr copied = tool.Fragment().Picture()->clone();
    EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
              ImageOfBitmap(copied));
    EXPECT_EQ(tool.Step, TMarquee::StageFragment);
    EXPECT_TRUE(tool.ToolCommand(PasteFragmentCommand));
    EXPECT_EQ(difference(tool.Fragment().Picture(), copied), "");

    // Cutting copies and whitens the outline as one undo step.
    tool.Cancel();
    Document->Undo();
    TSketchReference beforeCut;
    window({20, 10}, {90, 60});
    QGuiApplication::clipboard()->clear();
    tool.ToolCommand(CutFragmentCommand);
    EXPECT_TRUE(ClipboardHoldsImage());
    EXPECT_EQ(tool.Step, TMarquee::StageWindow);
    beforeCut.DC().fillRect({20, 10, 90, 60}, gdi::stockWhiteBrush());
    EXPECT_EQ(beforeCut.FirstDifference(), "");

    // With no image there, pasting leaves the tool as it is.
    QGuiApplication::clipboard()->setText(QStringLiteral("нет рисунка"));
    EXPECT_FALSE(tool.PasteFragment());
    EXPECT_EQ(tool.Step, TMarquee::StageWindow);
}

TEST(Marquee, FragmentsSavedToFilesLoadBackAtTheViewsCorner) {
    TToolHarness harness;
    drawSomething();
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    SketchesDir = folder.path().toStdString();
    auto& tool = harness.Select<TMarquee>();
    {
        // Nothing taken yet: the save dialog does not open.
        ModalScript none({});
        tool.ToolCommand(SaveFragmentCommand);
        EXPECT_FALSE(none.Stuck());
    }
    PointerEnter({10, 10});
    window({20, 10}, {90, 60});
    const gdi::BitmapPtr taken = tool.Fragment().Picture()->clone();
    tool.Cancel();
    const QString path = folder.filePath(QStringLiteral("кусок.bmp"));
    {
        // Dropped, the last fragment can still be saved.
        ModalScript save({choose(path)});
        tool.ToolCommand(SaveFragmentCommand);
        EXPECT_EQ(save.StepsDone(), 1u);
    }
    EXPECT_FALSE(tool.KeysSuspended);

    harness.Host.Scroll = {100, 60};
    TSketchReference expected;
    expected.DC().bitBlt(100, 60, 70, 50, &expected.DC(), 20, 10, gdi::SRCCOPY);
    {
        ModalScript load({choose(path)});
        tool.ToolCommand(LoadFragmentCommand);
        EXPECT_EQ(load.StepsDone(), 1u);
    }
    EXPECT_EQ(tool.Step, TMarquee::StageFragment);
    EXPECT_EQ(difference(tool.Fragment().Picture(), taken), "");
    tool.Complete();
    EXPECT_EQ(expected.FirstDifference(), "");
}

TEST(Marquee, MenusOpenWhereThePointerIsAndDeletingWhitensTheOutline) {
    TToolHarness harness;
    drawSomething();
    TTestHost& host = harness.Host;
    auto& tool = harness.Select<TMarquee>();
    PointerEnter({10, 10});
    Click({15, 12}, Qt::RightButton);
    EXPECT_EQ(host.Popups, 1);
    EXPECT_EQ(host.LastPopup, TPopupMenu::Copy);
    EXPECT_EQ(host.PopupAt, QPoint(115, 62));

    window({20, 10}, {90, 60});
    // The handle is the top-right corner; a click there offers the rotations.
    PointerMove({93, 7});
    EXPECT_EQ(host.Cursor, RotateCursor);
    Click({93, 7});
    EXPECT_EQ(host.LastPopup, TPopupMenu::Rotate);
    EXPECT_EQ(tool.SubStep, TMarquee::StepFloating);
    PointerMove({150, 100});
    EXPECT_EQ(host.Cursor, CrossCursor);
    Key(Qt::Key_Escape);
    EXPECT_EQ(host.Popups, 3);
    EXPECT_EQ(host.LastPopup, TPopupMenu::Copy);
    EXPECT_EQ(host.PopupAt, QPoint(250, 150));

    TSketchReference expected;
    expected.DC().fillRect({20, 10, 90, 60}, gdi::stockWhiteBrush());
    tool.ToolCommand(DeleteFragmentCommand);
    EXPECT_EQ(expected.FirstDifference(), "");
    EXPECT_EQ(tool.Step, TMarquee::StageWindow);
    Document->Undo();
    EXPECT_FALSE(harness.DocumentHost.CanUndo);
}

namespace {

// A modal step that answers the angle question with text.
ModalScript::Step angle(const QString& text) {
    return [text](QWidget* dialog) {
        auto* edit = child<QLineEdit>(dialog, "LabeledEdit1");
        edit->setText(text);
        child<QPushButton>(dialog, "OKButton")->click();
    };
}

// Turns the floating fragment by the angle through its menu command.
void turnBy(TMarquee& tool, const QString& degrees) {
    ModalScript script({angle(degrees)});
    EXPECT_TRUE(tool.ToolCommand(RotateFragmentTag(TMarquee::RotateByAngle)));
    EXPECT_EQ(script.StepsDone(), 1u);
    EXPECT_FALSE(tool.KeysSuspended);
}

} // namespace

TEST(Marquee, TwoQuarterTurnsStampTheFragmentUpsideDownWithinItsOutline) {
    TToolHarness harness;
    // A black block in the window's top-left corner, the window's right edge blue beside it.
    DocDC->fillRect({40, 30, 50, 40}, gdi::stockBlackBrush());
    DocDC->fillRect({100, 30, 110, 70}, gdi::createSolidBrush(Blue));
    auto& tool = harness.Select<TMarquee>();
    PointerEnter({10, 10});
    window({40, 30}, {100, 70});
    turnBy(tool, QStringLiteral("90"));
    // A quarter turn counter-clockwise: the handle, the top-right corner, goes to the
    // top-left, and the picture stands on its side.
    EXPECT_NEAR(tool.Fragment().Cos, 0, 1e-6);
    EXPECT_NEAR(tool.Fragment().Sin, -1, 1e-6);
    EXPECT_EQ(tool.Fragment().Handle(), (gdi::Point{50, 20}));
    EXPECT_EQ(tool.Fragment().PictureRect(), (gdi::Rect{0, 0, 40, 60}));
    turnBy(tool, QStringLiteral("90"));
    EXPECT_NEAR(tool.Fragment().Cos, -1, 1e-6);
    EXPECT_EQ(tool.Fragment().Handle(), (gdi::Point{40, 70}));
    tool.Complete();

    // The block is now in the bottom-right corner; the rest of the window is white and
    // nothing reached past the outline.
    EXPECT_EQ(DocDC->getPixel(95, 65), Black);
    EXPECT_EQ(DocDC->getPixel(92, 62), Black);
    EXPECT_EQ(DocDC->getPixel(44, 34), White);
    EXPECT_EQ(DocDC->getPixel(70, 50), White);
    for (int32_t y = 30; y < 70; ++y)
        EXPECT_EQ(DocDC->getPixel(100, y), Blue) << y;

    // An angle of no turn leaves the direction alone, and a turn asked with nothing
    // held does nothing.
    window({40, 30}, {100, 70});
    turnBy(tool, QStringLiteral("0"));
    EXPECT_EQ(tool.Fragment().Cos, 1);
    EXPECT_EQ(tool.Fragment().Sin, 0);
    tool.Cancel();
    ModalScript none({});
    tool.ToolCommand(RotateFragmentTag(TMarquee::RotateByAngle));
    EXPECT_FALSE(none.Stuck());
}

TEST(Marquee, APickedLineTurnsTheFragmentUntilItLiesLevelAndALineOfNoLengthIsNotTaken) {
    TToolHarness harness;
    TTestHost& host = harness.Host;
    drawSomething();
    auto& tool = harness.Select<TMarquee>();
    PointerEnter({10, 10});
    window({20, 10}, {90, 60});
    EXPECT_TRUE(tool.ToolCommand(RotateFragmentTag(TMarquee::RotateToHorizontal)));
    EXPECT_EQ(tool.Step, TMarquee::StageLine);
    EXPECT_EQ(host.Cursor, NoCursor);
    EXPECT_EQ(host.Prompt, prompt("Укажите первую точку на линии, которая должна стать горизонтальной"));
    PointerMove({30, 20});
    Click({30, 20});
    EXPECT_EQ(host.Prompt, prompt("Укажите вторую точку на линии, которая должна стать горизонтальной"));
    // Both points on one pixel: no direction, so nothing turns and the question stands.
    Click({30, 20});
    EXPECT_EQ(tool.SubStep, TMarquee::StepSecondPoint);
    EXPECT_EQ(tool.Fragment().Cos, 1);
    EXPECT_EQ(tool.Fragment().Sin, 0);
    EXPECT_FALSE(harness.DocumentHost.CanUndo);
    // A line going down to the right at 45 degrees: the fragment turns back by as much.
    PointerMove({50, 40});
    Click({50, 40});
    EXPECT_EQ(tool.Step, TMarquee::StageFragment);
    EXPECT_EQ(tool.SubStep, TMarquee::StepFloating);
    EXPECT_NEAR(tool.Fragment().Cos, 0.70710678, 1e-6);
    EXPECT_NEAR(tool.Fragment().Sin, -0.70710678, 1e-6);
    EXPECT_GT(tool.Fragment().PictureRect().width(), 70);

    // Vertical, then given up with the right button: back to moving, no turn.
    tool.ToolCommand(RotateFragmentTag(TMarquee::RotateToVertical));
    EXPECT_EQ(host.Prompt, prompt("Укажите первую точку на линии, которая должна стать вертикльной"));
    Click({30, 20});
    Click({40, 20}, Qt::RightButton);
    EXPECT_EQ(tool.Step, TMarquee::StageFragment);
    EXPECT_NEAR(tool.Fragment().Cos, 0.70710678, 1e-6);
    EXPECT_FALSE(harness.DocumentHost.CanUndo);
}
