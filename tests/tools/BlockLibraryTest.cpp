// The block library window over folders of real files, the thumbnails it draws, the
// block tool taking a choice from it, and the starter library the build ships.

#include "ModalScript.h"
#include "StarterLibrary.h"
#include "ToolHarness.h"

#include "tools/blocks/Block.h"
#include "tools/blocks/BlockLibForm.h"
#include "tools/blocks/BlockModifForm.h"

#include "document/Folders.h"

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <fstream>

namespace {

// A block with one segment from a to b, anchored at (0, 0); with a point there of its
// own the anchor's red dot stays off the segment in the thumbnail.
void writeBlock(const QString& path, TBlockPoint a, TBlockPoint b, bool pointAtOrigin = false) {
    TBlockObject block;
    if (pointAtOrigin) block.AddPoint({0, 0});
    const int32_t first = block.AddPoint(a);
    block.AddSegment(first, block.AddPoint(b), 0, 1);
    block.SaveToFile(path.toStdString());
}

// The columns and rows of the thumbnail that hold magenta.
QRect inkBox(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) == 0xFF00FF) box |= QRect(x, y, 1, 1);
    return box;
}

QStringList captions(const QListWidget& list) {
    QStringList texts;
    for (int i = 0; i < list.count(); ++i)
        texts << list.item(i)->text();
    return texts;
}

struct TLibraryFolder {
    TLibraryFolder() {
        QDir(root.path()).mkdir(QStringLiteral("Blocks"));
        BlocksDir = root.filePath(QStringLiteral("Blocks/")).toStdString();
    }
    ~TLibraryFolder() { ClearInstallationFolders(); }
    QString File(const char* name) const {
        return QString::fromStdString(BlocksDir) + QString::fromUtf8(name);
    }
    QTemporaryDir root;
};

TEST(BlockLibrary, ShowsTheBlockFilesSortedLeavesOthersOutAndNeverEnlargesASmallBlock) {
    TToolHarness harness;
    TLibraryFolder folder;
    writeBlock(folder.File("штифт.blk"), {20, 0}, {30, 6}, true);
    writeBlock(folder.File("болт.blk"), {0, 0}, {400, 200});
    writeBlock(folder.File("ins.ins"), {0, 0}, {10, 10});
    { std::ofstream(folder.File("чужой.blk").toStdString()) << "not a block at all"; }

    TBlockLibForm form(0);
    EXPECT_EQ(form.windowTitle(), QString::fromUtf8("Библиотека блоков"));
    EXPECT_EQ(harness.Host.Prompt, QString::fromUtf8("Укажите мышью блок (двойной щелчок - выбор)"));
    EXPECT_EQ(captions(*form.ListView),
              (QStringList{QString::fromUtf8("болт.blk"), QString::fromUtf8("штифт.blk")}));
    EXPECT_EQ(form.SelectedPath(), QString());
    form.ListView->setCurrentRow(1);
    EXPECT_EQ(form.SelectedPath(), folder.File("штифт.blk"));

    // The small block keeps its size (a line leaves its last pixel out); the large one
    // is shrunk into 90 pixels, the anchor's dot covering its start.
    const QRect small = inkBox(BlockThumbnail(folder.File("штифт.blk").toStdString()));
    EXPECT_EQ(small, QRect(56, 51, 10, 6));
    const QRect large = inkBox(BlockThumbnail(folder.File("болт.blk").toStdString()));
    EXPECT_EQ(large.right(), 97);
    EXPECT_GT(large.width(), 80);
    EXPECT_LT(large.height(), 46);
    EXPECT_TRUE(BlockThumbnail(folder.File("чужой.blk").toStdString()).isNull());
}

TEST(BlockLibrary, TheToolLoadsTheDoubleClickedItemAndOkWithNothingSelectedLeavesItEmpty) {
    TToolHarness harness;
    TLibraryFolder folder;
    writeBlock(folder.File("штифт.blk"), {0, 0}, {10, 6});
    SelectTool(ToolClass<TBlock>, nullptr, DialogClass<TBlockModifForm>);
    auto& tool = dynamic_cast<TBlock&>(*CurrentTool);
    auto& window = dynamic_cast<TBlockModifForm&>(*CurrentDialog);
    {
        ModalScript script({[](QWidget* dialog) {
            auto& list = *child<QListWidget>(dialog, "ListView");
            // Items are laid out once the event loop has run; a user sees them laid out.
            list.doItemsLayout();
            const QRect place = list.visualItemRect(list.item(0));
            // A double click as the window system delivers it: press, release, then the
            // second press as a double click.
            QWidget* viewport = list.viewport();
            QTest::mouseClick(viewport, Qt::LeftButton, {}, place.center());
            QMouseEvent second(QEvent::MouseButtonDblClick, QPointF(place.center()),
                               QPointF(viewport->mapToGlobal(place.center())), Qt::LeftButton, Qt::LeftButton,
                               Qt::NoModifier);
            QApplication::sendEvent(viewport, &second);
        }});
        window.LoadFromLibraryButton->click();
        EXPECT_EQ(script.StepsDone(), 1u);
    }
    EXPECT_EQ(tool.FBlock.SegmentCount(), 1);
    EXPECT_EQ(tool.Step, TBlock::StageMove);
    EXPECT_EQ(tool.SubStep, TBlock::StepDragging);
    // The window's prompt went with it.
    EXPECT_EQ(harness.Host.Prompt, QString::fromUtf8("Сдвиг блока (Enter - ОК)"));
    {
        ModalScript script({[](QWidget* dialog) { child<QPushButton>(dialog, "OKButton")->click(); }});
        tool.LoadFromLibrary();
    }
    EXPECT_EQ(tool.FBlock.PointCount(), 0);
}

TEST(StarterLibrary, EveryShippedItemIsAValidBlockAndARebuildKeepsTheUsersFiles) {
    TToolHarness harness;
    const QString staged = QString::fromUtf8(STARTER_LIBRARY_DIR);
    for (const char* kind : {"Blocks", "Instrument"}) {
        const QDir dir(staged + QLatin1Char('/') + QLatin1String(kind));
        const QStringList files = dir.entryList(QDir::Files);
        EXPECT_GE(files.size(), 5) << kind;
        for (const QString& file : files) {
            TBlockObject block;
            ASSERT_TRUE(block.LoadFromFile(dir.filePath(file).toStdString())) << file.toStdString();
            EXPECT_GT(block.SegmentCount(), 0) << file.toStdString();
            EXPECT_TRUE(file.endsWith(QLatin1String(kind[0] == 'B' ? ".blk" : ".ins")));
        }
    }
    // The library window shows every one of them.
    SetInstallationFolders(staged.toStdString());
    TBlockLibForm instruments(1);
    EXPECT_EQ(instruments.ListView->count(), 5);
    ClearInstallationFolders();

    QTemporaryDir beside;
    const std::filesystem::path mine =
        std::filesystem::path(beside.path().toStdString()) / "Blocks" / std::filesystem::u8path("Фаска.blk");
    std::filesystem::create_directories(mine.parent_path());
    { std::ofstream(mine) << "mine"; }
    EXPECT_EQ(WriteStarterLibrary(beside.path().toStdString(), false), 9);
    std::ifstream in(mine);
    std::string text;
    in >> text;
    EXPECT_EQ(text, "mine");
}

} // namespace
