// The block and instrument tools on the harness with their tool window: lines drawn
// point by point, the transforms, point editing, stamping, and the files and library
// questions answered as a user would.

#include "ModalScript.h"
#include "ToolHarness.h"

#include "tools/base/CursorIds.h"
#include "tools/blocks/Block.h"
#include "tools/blocks/BlockModifForm.h"
#include "tools/draw/ColorForm.h"
#include "tools/draw/ColorPanel.h"

#include "document/Folders.h"
#include "document/TechDocument.h"
#include "document/UnDoObj.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>

namespace {

constexpr gdi::COLORREF Black = 0x000000;
constexpr gdi::COLORREF Red = 0x0000FF;

template <class T = TBlock> T& selectWithWindow() {
    SelectTool(ToolClass<T>, nullptr, DialogClass<TBlockModifForm>);
    return dynamic_cast<T&>(*CurrentTool);
}

TBlockModifForm& form() {
    return dynamic_cast<TBlockModifForm&>(*CurrentDialog);
}

gdi::Point at(const TBlock& tool, int32_t index) {
    TBlockPoint p{-1, -1};
    tool.FBlock.GetPoint(index, p);
    return {int32_t(std::lround(p.x)), int32_t(std::lround(p.y))};
}

// A polyline of clicks in add-lines mode, ended with Esc.
void drawLines(std::initializer_list<gdi::Point> points) {
    form().AddNewLineButton->click();
    PointerEnter(*points.begin());
    for (gdi::Point p : points) {
        PointerMove(p);
        Click(p);
    }
    Key(Qt::Key_Escape);
}

std::vector<char> bytesOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

ModalScript::Step nameAndOk(const char* name) {
    return [name](QWidget* dialog) {
        child<QLineEdit>(dialog, "Edit1")->setText(QString::fromUtf8(name));
        // OK may open a message of its own, which the next step answers.
        QMetaObject::invokeMethod(child<QPushButton>(dialog, "OKButton"), "click", Qt::QueuedConnection);
    };
}

ModalScript::Step answer(QMessageBox::StandardButton button, QString* text = nullptr) {
    return [=](QWidget* dialog) {
        auto& box = dynamic_cast<QMessageBox&>(*dialog);
        if (text) *text = box.text();
        QWidget* under = box.parentWidget();
        box.button(button)->click();
        // The window system gives the focus back to the window under the message; the
        // offscreen platform leaves that to the program.
        if (under && under->isVisible()) under->activateWindow();
    };
}

TEST(BlockTool, ClicksJoinSegmentsAtSharedPointsWhichMoveTogetherAndTheStampIsOneUndoStep) {
    TToolHarness harness;
    TSketchReference before;
    TSketchReference expected;
    auto& tool = selectWithWindow();
    EXPECT_EQ(harness.Host.Prompt, QString::fromUtf8("Загрузите или создайте новый блок"));
    EXPECT_FALSE(form().MoveBlockButton->isEnabled());
    form().AddNewLineButton->click();
    EXPECT_TRUE(form().AddNewLineButton->isChecked());
    EXPECT_EQ(harness.Host.Prompt,
              QString::fromUtf8("Укажите первую точку дополнительной линии (Enter - точка)"));
    PointerEnter({20, 20});
    Click({20, 20});
    EXPECT_EQ(harness.Host.Origin, (gdi::Point{20, 20}));
    Click({60, 20});
    Click({60, 60});
    ASSERT_EQ(tool.FBlock.SegmentCount(), 2);
    EXPECT_EQ(tool.FBlock.PointCount(), 3);
    EXPECT_EQ(tool.FBlock.Segments()[0].Second, tool.FBlock.Segments()[1].First);
    // Esc ends the polyline; a new one joins only where it starts on a point.
    PointerMove({60, 60});
    Key(Qt::Key_Escape);
    EXPECT_EQ(tool.SubStep, TBlock::StepFirstPoint);
    Click({60, 60});
    Click({100, 60});
    Key(Qt::Key_Escape);
    Click({100, 100});
    Click({120, 100});
    EXPECT_EQ(tool.FBlock.PointCount(), 6);
    EXPECT_EQ(tool.FBlock.Segments()[2].First, 2);
    EXPECT_TRUE(form().MoveBlockButton->isEnabled());

    // The shared point picked with a click and dragged: both segment ends go with it.
    form().SelectVertexButton->click();
    EXPECT_FALSE(form().AddNewLineButton->isChecked());
    Click({61, 19});
    EXPECT_EQ(tool.FSelection, std::vector<int32_t>{1});
    PointerMove({60, 20});
    EXPECT_EQ(harness.Host.Cursor, MoveCursor);
    Click({60, 20});
    EXPECT_EQ(tool.SubStep, TBlock::StepMovingPoints);
    PointerMove({70, 30});
    Click({70, 30});
    EXPECT_EQ(at(tool, 1), (gdi::Point{70, 30}));
    // Delete takes the lone line's points away and keeps the others' numbers straight.
    Click({100, 100}, Qt::LeftButton);
    Click({120, 100}, Qt::LeftButton, ssCtrl);
    EXPECT_EQ(tool.FSelection, (std::vector<int32_t>{4, 5}));
    Key(Qt::Key_Delete);
    EXPECT_EQ(tool.FBlock.PointCount(), 4);
    EXPECT_EQ(tool.FBlock.SegmentCount(), 3);

    form().AcceptButton->click();
    const gdi::PenPtr black = gdi::createPen(gdi::PS_SOLID, 1, Black);
    expected.Line({20, 20}, {70, 30}, black);
    expected.Line({70, 30}, {60, 60}, black);
    expected.Line({60, 60}, {100, 60}, black);
    EXPECT_EQ(expected.FirstDifference(), "");
    EXPECT_EQ(UndoHistory->StoredCount, 1);
    EXPECT_EQ(tool.FBlock.PointCount(), 0);
    EXPECT_EQ(tool.Step, TBlock::StageNone);
    EXPECT_FALSE(form().AcceptButton->isEnabled());
    Document->Undo();
    EXPECT_EQ(before.FirstDifference(), "");
}

TEST(BlockTool, BackspaceTakesTheLastLineAndItsLonePointsUntilTheBlockButtonsGoDisabled) {
    TToolHarness harness;
    auto& tool = selectWithWindow();
    drawLines({{10, 10}, {50, 10}, {50, 50}});
    EXPECT_TRUE(form().DeleteLastLineButton->isEnabled());
    Key(Qt::Key_Backspace);
    EXPECT_EQ(tool.FBlock.SegmentCount(), 1);
    EXPECT_EQ(tool.FBlock.PointCount(), 2);
    EXPECT_TRUE(form().SaveBlockButton->isEnabled());
    form().DeleteLastLineButton->click();
    EXPECT_EQ(tool.FBlock.PointCount(), 0);
    for (QToolButton* button :
         {form().MoveBlockButton, form().RotateBlockButton, form().ScaleBlockButton, form().SetCenterButton,
          form().SelectVertexButton, form().AcceptButton, form().AddToLibraryButton, form().SaveBlockButton,
          form().DeleteLastLineButton})
        EXPECT_FALSE(button->isEnabled()) << button->objectName().toStdString();
    EXPECT_TRUE(form().AddNewLineButton->isEnabled());
}

TEST(BlockTool, TransformsTurnAndScaleAboutTheAnchorAndCtrlScalesTheAxesApart) {
    TToolHarness harness;
    auto& tool = selectWithWindow();
    drawLines({{50, 50}, {70, 50}, {70, 60}});
    // Rotating: 90 pixels to the right turn the block a quarter, clockwise on screen.
    form().RotateBlockButton->click();
    EXPECT_EQ(harness.Host.Cursor, RotateCursor);
    EXPECT_EQ(harness.Host.Prompt, QString::fromUtf8("Enter - начать редактирование блока"));
    Click({100, 100});
    EXPECT_EQ(harness.Host.Prompt,
              QString::fromUtf8("Вращайте блок относительно точки привязки (Enter - ОК)"));
    PointerMove({190, 100});
    Click({190, 100});
    EXPECT_EQ(at(tool, 1), (gdi::Point{50, 70}));
    EXPECT_EQ(at(tool, 2), (gdi::Point{40, 70}));
    // Ctrl with a move straight down stretches only the height.
    form().ScaleBlockButton->click();
    Click({100, 100});
    KeyDown(Qt::Key_Control);
    PointerMove({100, 150}, ssCtrl);
    KeyUp(Qt::Key_Control);
    EXPECT_EQ(at(tool, 1), (gdi::Point{50, 80}));
    EXPECT_EQ(at(tool, 2), (gdi::Point{40, 80}));
    // Without Ctrl both axes take the mean factor.
    PointerMove({100, 230});
    EXPECT_EQ(at(tool, 1), (gdi::Point{50, 92}));
    EXPECT_EQ(at(tool, 2), (gdi::Point{36, 92}));
    Click({100, 230});
    // The anchor moves, the drawing stays; moving then takes the anchor along.
    form().SetCenterButton->click();
    Click({10, 10});
    EXPECT_EQ(at(tool, 1), (gdi::Point{50, 92}));
    form().MoveBlockButton->click();
    Click({10, 10});
    PointerMove({20, 15});
    EXPECT_EQ(at(tool, 0), (gdi::Point{60, 55}));
    EXPECT_EQ(tool.FBlock.GetAnchor().x, 20.0f);
}

TEST(BlockTool, ALoadedBlockFollowsThePointerUntilAClickAndSavesWithItsExtension) {
    TToolHarness harness;
    QTemporaryDir folder;
    TBlockObject block;
    block.AddPoint({0, 0});
    block.AddPoint({10, 5});
    block.AddSegment(0, 1, 0, 1);
    const std::string file = folder.filePath("two.blk").toStdString();
    block.SaveToFile(file);
    auto& tool = selectWithWindow();
    PointerEnter({5, 5});
    tool.LoadBlock(file);
    EXPECT_EQ(harness.Host.Prompt, QString::fromUtf8("Сдвиг блока (Enter - ОК)"));
    EXPECT_TRUE(form().MoveBlockButton->isChecked());
    PointerMove({50, 60});
    EXPECT_EQ(at(tool, 1), (gdi::Point{60, 65}));
    PointerMove({70, 80});
    EXPECT_EQ(at(tool, 0), (gdi::Point{70, 80}));
    Click({70, 80});
    PointerMove({90, 90});
    EXPECT_EQ(at(tool, 0), (gdi::Point{70, 80}));
    // Saved through the save dialog: a name typed without extension gets the kind's,
    // and Backspace typed meanwhile is the dialog's, not the block's.
    BlocksDir = folder.filePath("").toStdString();
    {
        ModalScript script({[](QWidget* dialog) {
            Key(Qt::Key_Backspace);
            auto* edit = child<QLineEdit>(dialog, "fileNameEdit");
            edit->setFocus();
            edit->setText(QString::fromUtf8("проба"));
            auto* accept = child<QDialogButtonBox>(dialog, "buttonBox")->button(QDialogButtonBox::Save);
            QMetaObject::invokeMethod(accept, &QPushButton::click, Qt::QueuedConnection);
        }});
        form().SaveBlockButton->click();
        EXPECT_EQ(script.StepsDone(), 1u);
    }
    EXPECT_EQ(tool.FBlock.SegmentCount(), 1);
    TBlockObject saved;
    EXPECT_TRUE(saved.LoadFromFile(folder.filePath(QString::fromUtf8("проба.blk")).toStdString()));
    EXPECT_EQ(saved.Points(), tool.FBlock.Points());
    ClearInstallationFolders();
    // A file that is not a block leaves the tool with an empty block.
    tool.LoadBlock(folder.filePath("missing.blk").toStdString());
    EXPECT_EQ(tool.FBlock.PointCount(), 0);
}

TEST(BlockTool, AddingToTheLibraryAsksBeforeReplacingAndRefusesNamesThatLeaveTheFolder) {
    TToolHarness harness;
    QTemporaryDir root;
    QDir(root.path()).mkdir(QStringLiteral("Blocks"));
    BlocksDir = root.filePath("Blocks/").toStdString();
    const std::string existing = BlocksDir + "вал.blk";
    { std::ofstream(existing) << "user's own"; }
    auto& tool = selectWithWindow();
    drawLines({{10, 10}, {40, 10}});

    QString question;
    {
        ModalScript script({nameAndOk("вал"), answer(QMessageBox::No, &question)});
        form().AddToLibraryButton->click();
        EXPECT_EQ(script.StepsDone(), 2u);
    }
    EXPECT_EQ(question, QString::fromUtf8("Файл вал.blk уже существует, заменить?"));
    EXPECT_EQ(bytesOf(existing), (std::vector<char>{'u', 's', 'e', 'r', '\'', 's', ' ', 'o', 'w', 'n'}));
    EXPECT_FALSE(tool.KeysSuspended);
    {
        ModalScript script({nameAndOk("вал"), answer(QMessageBox::Yes)});
        tool.AddToLibrary();
    }
    TBlockObject saved;
    ASSERT_TRUE(saved.LoadFromFile(existing));
    EXPECT_EQ(saved.SegmentCount(), 1);
    // An empty name is a cancel: no question, no file.
    {
        ModalScript script({nameAndOk("")});
        tool.AddToLibrary();
        EXPECT_EQ(script.StepsDone(), 1u);
    }
    // A name leading out of the folder is refused, and the dialog stays for another.
    for (const char* bad : {"../вне", "под/папка", "a\\b"}) {
        ModalScript script({nameAndOk(bad), answer(QMessageBox::Ok),
                            [](QWidget* dialog) { child<QPushButton>(dialog, "CancelButton")->click(); }});
        tool.AddToLibrary();
        EXPECT_EQ(script.StepsDone(), 3u) << bad;
        EXPECT_FALSE(script.Stuck());
    }
    EXPECT_FALSE(QFileInfo::exists(root.filePath("вне.blk")));
    EXPECT_EQ(QDir(QString::fromStdString(BlocksDir)).entryList(QDir::Files).size(), 1);
    // A library folder that has gone: the user is told the block was not saved.
    BlocksDir = root.filePath(QString::fromUtf8("нет/")).toStdString();
    QString warning;
    {
        ModalScript script({nameAndOk("новый"), answer(QMessageBox::Ok, &warning)});
        tool.AddToLibrary();
        EXPECT_EQ(script.StepsDone(), 2u);
    }
    EXPECT_TRUE(warning.contains(QString::fromUtf8("Блок не сохранён"))) << warning.toStdString();
    EXPECT_EQ(tool.FBlock.SegmentCount(), 1);
    ClearInstallationFolders();
}

TEST(InstrumentTool, IsRedWithItsOwnTextsAndTheColourPanelGivesTheBlockItsColour) {
    TToolHarness harness;
    auto& tool = selectWithWindow<TInstrument>();
    EXPECT_EQ(form().windowTitle(), QString::fromUtf8("Инструмент"));
    EXPECT_EQ(form().AddNewLineButton->toolTip(), QString::fromUtf8("Создать инструмент, добавить линии"));
    EXPECT_EQ(form().SetCenterButton->toolTip(), QString::fromUtf8("Точка привязки"));
    EXPECT_EQ(form().BlockColor->Color(), Red);
    EXPECT_EQ(tool.FileExtension(), ".ins");
    TSketchReference expected;
    drawLines({{10, 10}, {40, 10}});
    form().AcceptButton->click();
    expected.Line({10, 10}, {40, 10}, gdi::createPen(gdi::PS_SOLID, 1, Red));
    EXPECT_EQ(expected.FirstDifference(), "");

    // A right click on the panel opens the palette; OK there recolours panel and block.
    ModalScript script({[](QWidget* dialog) {
        dynamic_cast<TColorForm&>(*dialog).SelectPanel(4); // green
        child<QPushButton>(dialog, "OKButton")->click();
    }});
    QTest::mouseClick(form().BlockColor, Qt::RightButton);
    EXPECT_EQ(tool.FBlockColor, 0x008000u);
    EXPECT_EQ(form().BlockColor->Color(), 0x008000u);
    EXPECT_EQ(form().BlockColor->FontColor(), CaptionColorFor(0x008000));
}

TEST(BlockTool, ClosingTheToolWindowEndsTheToolAndDropsTheUnstampedBlock) {
    TToolHarness harness;
    TSketchReference before;
    selectWithWindow();
    drawLines({{10, 10}, {40, 10}});
    form().close();
    EXPECT_EQ(CurrentTool, nullptr);
    QApplication::processEvents();
    EXPECT_EQ(CurrentDialog, nullptr);
    EXPECT_EQ(before.FirstDifference(), "");
    EXPECT_EQ(UndoHistory->StoredCount, 0);
}

TEST(BlockTool, ARubberBandPicksThePointsInsideIt) {
    TToolHarness harness;
    auto& tool = selectWithWindow();
    drawLines({{10, 10}, {30, 10}, {30, 30}, {80, 80}});
    form().SelectVertexButton->click();
    PointerEnter({5, 5});
    tool.SurfMouseDown(nullptr, Qt::LeftButton, ssLeft, 5, 5);
    PointerMove({6, 6});
    EXPECT_FALSE(tool.FBand);
    PointerMove({40, 40});
    EXPECT_TRUE(tool.FBand);
    EXPECT_EQ(tool.FBandRect, (gdi::Rect{5, 5, 40, 40}));
    tool.SurfMouseUp(nullptr, Qt::LeftButton, {}, 40, 40);
    EXPECT_EQ(tool.FSelection, (std::vector<int32_t>{0, 1, 2}));
    // Esc while dragging points puts them down and forgets the pick.
    Click({30, 30});
    Key(Qt::Key_Escape);
    EXPECT_TRUE(tool.FSelection.empty());
    EXPECT_EQ(tool.SubStep, TBlock::StepIdle);
}

TEST(BlockTool, PreviewAndMarkersGoIntoTheBufferShiftedByTheViewAndNeverIntoTheSketch) {
    TToolHarness harness;
    TSketchReference before;
    auto& tool = selectWithWindow();
    drawLines({{20, 20}, {60, 20}});
    form().SelectVertexButton->click();
    Click({60, 20});
    gdi::DeviceContext buffer;
    buffer.selectBitmap(gdi::Bitmap::create(100, 80, 32));
    buffer.bitmap()->fill(0xFFFFFF);
    // The buffer shows the sketch from (10, 5) on.
    tool.DrawPreview(buffer, {0, 0, 100, 80}, 10, 5);
    tool.DrawCursor(buffer, {0, 0, 100, 80}, 10, 5);
    EXPECT_EQ(buffer.getPixel(30, 15), 0x00FF00u);
    // The anchor (the first point) as a red dot, the picked point red, the other blue.
    EXPECT_EQ(buffer.getPixel(10, 15), Red);
    EXPECT_EQ(buffer.getPixel(10, 15 - 2), Red);
    EXPECT_EQ(buffer.getPixel(50, 15), Red);
    form().SelectVertexButton->click(); // the mode in force: nothing changes
    Key(Qt::Key_Escape);
    form().AddNewLineButton->click();
    EXPECT_TRUE(tool.FSelection.empty());
    buffer.bitmap()->fill(0xFFFFFF);
    tool.DrawCursor(buffer, {0, 0, 100, 80}, 10, 5);
    EXPECT_EQ(buffer.getPixel(50, 15), 0xFF0000u);
    EXPECT_EQ(before.FirstDifference(), "");
}

} // namespace
