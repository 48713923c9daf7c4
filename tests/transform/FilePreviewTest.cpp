#include "DialogTestSupport.h"
#include "blocks/BlockObject.h"
#include "document/SketchBitmap.h"
#include "tools/transform/FileDialogSetups.h"
#include "tools/transform/PreviewPane.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QSplitter>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QColor Red(255, 0, 0);
const QColor Blue(0, 0, 255);
const QColor Black(0, 0, 0);

// The picture of a w by h bitmap fitted into the 165 by 196 client area: its rows and
// columns. The pane's edge takes two pixels on each side of the 169 by 200 pane.
struct Placement {
    int left, top, width, height;
};

// Checks the pane: the placed picture red left, blue right; grey around it.
void expectSketchIn(const QImage& pane, Placement p) {
    ASSERT_EQ(pane.size(), QSize(165, 196));
    const int right = p.left + p.width - 1, bottom = p.top + p.height - 1;
    EXPECT_EQ(pane.pixelColor(p.left, p.top), Red);
    EXPECT_EQ(pane.pixelColor(p.left, bottom), Red);
    EXPECT_EQ(pane.pixelColor(right, p.top), Blue);
    EXPECT_EQ(pane.pixelColor(right, bottom), Blue);
    if (p.top > 0) {
        EXPECT_EQ(pane.pixelColor(p.left, p.top - 1), PaneGrey);
        EXPECT_EQ(pane.pixelColor(right, p.top - 1), PaneGrey);
    }
    if (bottom + 1 < pane.height()) {
        EXPECT_EQ(pane.pixelColor(p.left, bottom + 1), PaneGrey);
    }
    if (p.left > 0) {
        EXPECT_EQ(pane.pixelColor(p.left - 1, p.top), PaneGrey);
    }
    if (right + 1 < pane.width()) {
        EXPECT_EQ(pane.pixelColor(right + 1, p.top), PaneGrey);
    }
}

std::string blockBytes(const TBlockObject& block) {
    const std::vector<uint8_t> bytes = block.SaveToBytes();
    return std::string(bytes.begin(), bytes.end());
}

// A 40 by 20 rectangle with its anchor in the top-left corner.
TBlockObject rectangleBlock() {
    TBlockObject block;
    for (TBlockPoint p : {TBlockPoint{0, 0}, TBlockPoint{40, 0}, TBlockPoint{40, 20}, TBlockPoint{0, 20}})
        block.AddPoint(p);
    for (int32_t i = 0; i < 4; ++i)
        block.AddSegment(i, (i + 1) % 4, gdi::PS_SOLID, 1);
    return block;
}

class FilePreviewTest : public ::testing::Test {
  protected:
    TTestFolder folder;
};

TEST_F(FilePreviewTest, PaneSitsRightOfTheStandardControlsAndLivesWithTheDialog) {
    TTechOpenDialog dialog;
    ConfigureSketchOpenDialog(dialog, folder.Folder());
    EXPECT_EQ(CurrentFilesDialog, nullptr);
    const bool chosen = ExecuteWith(dialog, {[&](QWidget* window) {
                                        ASSERT_EQ(CurrentFilesDialog, &dialog);
                                        ASSERT_EQ(dialog.DialogWindow(), window);
                                        TPreviewPane* pane = dialog.PreviewControl();
                                        ASSERT_NE(pane, nullptr);
                                        EXPECT_EQ(pane->size(), QSize(169, 200));
                                        EXPECT_EQ(pane->mapTo(window, QPoint(0, 0)).y(), 32);
                                        const int paneLeft = pane->mapTo(window, QPoint(0, 0)).x();
                                        for (const char* name : {"splitter", "buttonBox", "fileTypeCombo"}) {
                                            QWidget* control = child<QWidget>(window, name);
                                            EXPECT_LE(control->geometry().right(), paneLeft) << name;
                                        }
                                        EXPECT_EQ(dialog.PreviewRect(), (gdi::Rect{0, 0, 165, 196}));
                                        EXPECT_EQ(pane->accessibleName(), QStringLiteral("Просмотр"));
                                        PressCancel(FileDialogOf(window));
                                    }});
    EXPECT_FALSE(chosen);
    EXPECT_EQ(CurrentFilesDialog, nullptr);
    EXPECT_EQ(dialog.DialogWindow(), nullptr);
    EXPECT_EQ(dialog.PreviewControl(), nullptr);
}

TEST_F(FilePreviewTest, SketchFilesAreFittedIntoThePaneAtEverySelection) {
    folder.WriteSketch(QStringLiteral("small.bmp"), 10, 10);
    folder.WriteSketch(QStringLiteral("wide.ilj"), 100, 20);
    folder.WriteBytes(QStringLiteral("broken.bmp"), "BM not a bitmap");
    QDir(folder.Folder()).mkdir(QStringLiteral("sub"));
    TTechOpenDialog dialog;
    ConfigureSketchOpenDialog(dialog, folder.Folder());
    dialog.FilterIndex = 1; // all formats
    int selections = 0;
    dialog.OnSelChange = [&](TTechFilesDialog& sender) {
        EXPECT_EQ(&sender, &dialog);
        ++selections;
    };

    ExecuteWith(dialog, {[&](QWidget* window) {
                    QFileDialog* files = FileDialogOf(window);
                    EXPECT_TRUE(AllOf(PaneClientPixels(), PaneGrey));

                    // 10 x 10 is enlarged 16.5 times to 165 x 165, centred at round(15.5) = 16.
                    ClickInList(files, folder.Path(QStringLiteral("small.bmp")));
                    EXPECT_EQ(dialog.FileName, folder.Path(QStringLiteral("small.bmp")));
                    expectSketchIn(PaneClientPixels(), {0, 16, 165, 165});

                    // 100 x 20 goes 1.65 times to 165 x 33, with grey above and below.
                    ClickInList(files, folder.Path(QStringLiteral("wide.ilj")));
                    expectSketchIn(PaneClientPixels(), {0, 82, 165, 33});

                    // What cannot be read leaves the pane grey, a folder too.
                    ClickInList(files, folder.Path(QStringLiteral("broken.bmp")));
                    EXPECT_TRUE(AllOf(PaneClientPixels(), PaneGrey));
                    ClickInList(files, folder.Path(QStringLiteral("wide.ilj")));
                    ClickInList(files, folder.Path(QStringLiteral("sub")));
                    EXPECT_EQ(dialog.FileName, folder.Path(QStringLiteral("sub")));
                    EXPECT_TRUE(AllOf(PaneClientPixels(), PaneGrey));
                    PressCancel(files);
                }});
    EXPECT_EQ(selections, 5);
    // Cancelled, the dialog still holds the last path it saw.
    EXPECT_EQ(dialog.FileName, folder.Path(QStringLiteral("sub")));
}

TEST_F(FilePreviewTest, ATypedNameIsPreviewedAsAClickedOne) {
    folder.WriteSketch(QStringLiteral("small.bmp"), 10, 10);
    folder.WriteSketch(QStringLiteral("wide.ilj"), 100, 20);
    TTechOpenDialog dialog;
    ConfigureSketchOpenDialog(dialog, folder.Folder());
    dialog.FilterIndex = 1; // all formats
    int selections = 0;
    dialog.OnSelChange = [&](TTechFilesDialog&) { ++selections; };

    ExecuteWith(dialog, {[&](QWidget* window) {
                    QFileDialog* files = FileDialogOf(window);
                    auto* edit = child<QLineEdit>(files, "fileNameEdit");
                    edit->setFocus();
                    // A part of a name shows nothing yet.
                    QTest::keyClicks(edit, QStringLiteral("sma"));
                    EXPECT_TRUE(AllOf(PaneClientPixels(), PaneGrey));
                    QTest::keyClicks(edit, QStringLiteral("ll.bmp"));
                    EXPECT_EQ(dialog.FileName, folder.Path(QStringLiteral("small.bmp")));
                    expectSketchIn(PaneClientPixels(), {0, 16, 165, 165});

                    // A whole path typed over it.
                    edit->selectAll();
                    QTest::keyClicks(edit, folder.Path(QStringLiteral("wide.ilj")));
                    EXPECT_EQ(dialog.FileName, folder.Path(QStringLiteral("wide.ilj")));
                    expectSketchIn(PaneClientPixels(), {0, 82, 165, 33});
                    PressCancel(files);
                }});
    EXPECT_GE(selections, 2);
}

TEST_F(FilePreviewTest, BlockFilesAreDrawnOnWhiteWithTheirAnchor) {
    folder.WriteBytes(QStringLiteral("frame.blk"), blockBytes(rectangleBlock()));
    folder.WriteBytes(QStringLiteral("lying.blk"), blockBytes(rectangleBlock()).substr(0, 60));
    TTechOpenDialog dialog;
    ConfigureBlockLoadDialog(dialog, TBlockFileKind::Block, folder.Folder());
    ExecuteWith(dialog, {[&](QWidget* window) {
                    QFileDialog* files = FileDialogOf(window);
                    ClickInList(files, folder.Path(QStringLiteral("frame.blk")));
                    // The mean corner (20, 10) goes to (165 / 2 + 3, 196 / 2 + 3) = (85, 101), so
                    // the rectangle runs from (65, 91) to (105, 111).
                    const QImage pane = PaneClientPixels();
                    EXPECT_EQ(pane.pixelColor(0, 0), PaneWhite);
                    EXPECT_EQ(pane.pixelColor(164, 195), PaneWhite);
                    EXPECT_EQ(pane.pixelColor(85, 91), Black);
                    EXPECT_EQ(pane.pixelColor(104, 91), Black);
                    EXPECT_EQ(pane.pixelColor(105, 100), Black);
                    EXPECT_EQ(pane.pixelColor(85, 111), Black);
                    EXPECT_EQ(pane.pixelColor(85, 90), PaneWhite);
                    EXPECT_EQ(pane.pixelColor(85, 101), PaneWhite);
                    EXPECT_EQ(pane.pixelColor(106, 100), PaneWhite);
                    // The anchor's dot is drawn over the corner.
                    EXPECT_EQ(pane.pixelColor(65, 91), Red);
                    EXPECT_EQ(pane.pixelColor(63, 91), Red);
                    EXPECT_EQ(pane.pixelColor(70, 91), Black);

                    // A file shorter than it claims shows nothing, on white.
                    ClickInList(files, folder.Path(QStringLiteral("lying.blk")));
                    EXPECT_TRUE(AllOf(PaneClientPixels(), PaneWhite));
                    PressCancel(files);
                }});
}

TEST_F(FilePreviewTest, WithoutAPreviewThePaneStaysGrey) {
    folder.WriteSketch(QStringLiteral("small.bmp"), 10, 10);
    TTechSaveDialog dialog;
    ConfigureFragmentSaveDialog(dialog, folder.Folder());
    ExecuteWith(dialog, {[&](QWidget* window) {
                    QFileDialog* files = FileDialogOf(window);
                    EXPECT_TRUE(AllOf(PaneClientPixels(), PaneGrey));
                    ClickInList(files, folder.Path(QStringLiteral("small.bmp")));
                    EXPECT_EQ(dialog.FileName, folder.Path(QStringLiteral("small.bmp")));
                    EXPECT_TRUE(AllOf(PaneClientPixels(), PaneGrey));
                    PressCancel(files);
                }});
}

TEST_F(FilePreviewTest, TheSketchBeingSavedIsShownFromTheFirstMoment) {
    gdi::DeviceContext docDC;
    gdi::BitmapPtr sketch = CreateSketchDib(30, 20);
    for (int32_t y = 0; y < 20; ++y)
        for (int32_t x = 0; x < 30; ++x)
            sketch->setPixel(x, y, x < 15 ? 2 : 12);
    docDC.selectBitmap(sketch);
    folder.WriteSketch(QStringLiteral("small.bmp"), 10, 10);

    TTechSaveDialog dialog;
    ConfigureSketchSaveDialog(dialog, folder.Folder(), &docDC);
    ExecuteWith(dialog, {[&](QWidget* window) {
                    // 30 x 20 goes 5.5 times to 165 x 110, at round(43) = 43.
                    expectSketchIn(PaneClientPixels(), {0, 43, 165, 110});
                    // The selection does not change it: there is no preview procedure.
                    ClickInList(FileDialogOf(window), folder.Path(QStringLiteral("small.bmp")));
                    expectSketchIn(PaneClientPixels(), {0, 43, 165, 110});

                    // Handed in while the dialog is open, a DC is drawn at once; a DC without
                    // a bitmap draws nothing.
                    gdi::DeviceContext tall;
                    gdi::BitmapPtr picture = CreateSketchDib(2, 4);
                    picture->setPixel(0, 0, 2);
                    picture->setPixel(0, 3, 2);
                    picture->setPixel(1, 0, 12);
                    picture->setPixel(1, 3, 12);
                    tall.selectBitmap(picture);
                    dialog.SetPreviewDC(&tall);
                    // 2 x 4 goes 49 times to 98 x 196, at x = round(33.5) = 34.
                    const QImage pane = PaneClientPixels();
                    EXPECT_EQ(pane.pixelColor(34, 0), Red);
                    EXPECT_EQ(pane.pixelColor(131, 195), Blue);
                    EXPECT_EQ(pane.pixelColor(34, 60), Black);
                    gdi::DeviceContext empty;
                    dialog.SetPreviewDC(&empty);
                    EXPECT_EQ(PaneClientPixels(), pane);
                    PressCancel(FileDialogOf(window));
                }});
    // The DC handed in after the dialog has closed draws nowhere.
    dialog.SetPreviewDC(&docDC);
    EXPECT_EQ(dialog.PreviewControl(), nullptr);
}

} // namespace
