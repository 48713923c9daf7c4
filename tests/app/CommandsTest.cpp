// The main window's file commands and closing, answered through the real dialogs.
#include "AppTestSupport.h"

#include "app/ExceptionHandler.h"
#include "app/VerigrafApplication.h"

#include "document/Folders.h"
#include "document/SketchFiles.h"
#include "document/TechDocument.h"
#include "document/TitleBlock.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPrintDialog>
#include <QRegularExpression>
#include <QTest>
#include <gtest/gtest.h>

#include <fstream>
#include <stdexcept>

using namespace app_testing;

namespace {

// Types a full path into the dialog's name field.
void typeFileName(QFileDialog* dialog, const QString& path) {
    auto* edit = dialog->findChild<QLineEdit*>("fileNameEdit");
    ASSERT_NE(edit, nullptr);
    edit->setText(path);
}

// Picks the file in a file dialog and accepts it, as a user typing its name would.
std::function<void(QWidget*)> chooseFile(const QString& path, QString* filter = nullptr) {
    return [path, filter](QWidget* w) {
        auto* dialog = qobject_cast<QFileDialog*>(w);
        ASSERT_NE(dialog, nullptr);
        if (filter) *filter = dialog->selectedNameFilter();
        typeFileName(dialog, path);
        static_cast<QDialog*>(dialog)->accept();
    };
}

void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

} // namespace

TEST(Commands, ClosingAModifiedSketchAsksFirst) {
    TMainFormSetup setup;
    TMainForm& form = setup.Form();
    setup.NewSketch(200, 100);

    // Unmodified: no question.
    EXPECT_TRUE(form.close());
    EXPECT_FALSE(form.isVisible());
    form.show();

    Document->Modified = true;
    TSeenBox asked;
    AnswerModal(PressInBox(QMessageBox::Cancel, &asked));
    form.ExitCmd->trigger();
    ASSERT_TRUE(asked.Seen);
    EXPECT_EQ(asked.Text, "Сохранить изменения?");
    EXPECT_EQ(asked.Title, "Вериграф технолога");
    EXPECT_EQ(asked.Icon, QMessageBox::Question);
    EXPECT_EQ(asked.Buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_TRUE(form.isVisible());

    AnswerModal(PressInBox(QMessageBox::No, nullptr));
    EXPECT_TRUE(form.close());
    EXPECT_TRUE(Document->Modified);
}

TEST(Commands, YesOnClosingSavesUnderTheKnownNameOrAsksForOne) {
    TTempFolder dir;
    {
        TMainFormSetup setup;
        WriteSampleSketch(dir("known.bmp"), 50, 40);
        setup.Form().OpenSketch(dir.Q("known.bmp"));
        Document->DC().setPixel(3, 3, 0x0000FF);
        Document->Modified = true;
        AnswerModal(PressInBox(QMessageBox::Yes, nullptr));
        EXPECT_TRUE(setup.Form().close());
        const gdi::BitmapPtr saved = LoadSketchImage(dir("known.bmp"));
        ASSERT_TRUE(saved);
        EXPECT_EQ(saved->pixelToColor(saved->pixel(3, 3)), 0x0000FFu);
    }
    {
        // A new sketch has no name: Save As asks; giving it up still closes.
        TMainFormSetup setup;
        setup.NewSketch(30, 20);
        Document->Modified = true;
        AnswerModal(
            PressInBox(QMessageBox::Yes, nullptr, [] { AnswerModal([](QWidget* w) { w->close(); }); }));
        EXPECT_TRUE(setup.Form().close());
    }
}

TEST(Commands, OpenSaveAsAndOpenAgain) {
    TMainFormSetup setup;
    TMainForm& form = setup.Form();
    TTempFolder dir;
    WriteSampleSketch(dir("first.bmp"), 120, 90);

    QString openFilter;
    AnswerModal(chooseFile(dir.Q("first.bmp"), &openFilter));
    form.OpenCmd->trigger();
    EXPECT_TRUE(openFilter.startsWith("Точечный рисунок Windows")) << openFilter.toStdString();
    EXPECT_EQ(Document->Width, 120);
    EXPECT_EQ(Document->SheetKind, 5);
    EXPECT_EQ(form.windowTitle(), "Вериграф технолога - first.bmp");
    EXPECT_TRUE(form.ViewAll->isEnabled());
    EXPECT_EQ(form.DrawSurf->size(), QSize(120, 90));

    // Save As in the sketch format, the extension added from the chosen kind.
    Document->DC().setPixel(5, 6, 0xFF0000);
    QString saveFilter;
    AnswerModal([&](QWidget* w) {
        auto* dialog = qobject_cast<QFileDialog*>(w);
        ASSERT_NE(dialog, nullptr);
        saveFilter = dialog->selectedNameFilter();
        const QStringList kinds = dialog->nameFilters().filter(QRegularExpression("^Эскизы"));
        ASSERT_EQ(kinds.size(), 1);
        dialog->selectNameFilter(kinds.first());
        emit dialog->filterSelected(kinds.first());
        typeFileName(dialog, dir.Q("second"));
        static_cast<QDialog*>(dialog)->accept();
    });
    form.SaveAsCmd->trigger();
    EXPECT_TRUE(saveFilter.startsWith("Точечный рисунок Windows")) << saveFilter.toStdString();
    ASSERT_TRUE(QFile::exists(dir.Q("second.ilj")));
    EXPECT_EQ(form.windowTitle(), "Вериграф технолога - second.ilj");

    // Save writes under the name the sketch has now.
    Document->DC().setPixel(7, 7, 0x00FF00);
    form.SaveCmd->trigger();

    setup.NewSketch(10, 10);
    AnswerModal(chooseFile(dir.Q("second.ilj")));
    form.OpenCmd->trigger();
    EXPECT_EQ(Document->Width, 120);
    EXPECT_EQ(Document->DC().getPixel(5, 6), 0xFF0000u);
    EXPECT_EQ(Document->DC().getPixel(7, 7), 0x00FF00u);
    EXPECT_EQ(Document->DC().getPixel(100, 50), 0x0000FFu);
}

TEST(Commands, AFileThatIsNotASketchLeavesTheSketchAndSaysWhy) {
    TMainFormSetup setup;
    TMainForm& form = setup.Form();
    setup.NewSketch(64, 32);
    TTempFolder dir;
    writeBytes(dir("broken.bmp"), "BM not really");
    TSeenBox told;
    AnswerModal(PressInBox(QMessageBox::Ok, &told));
    form.OpenSketch(dir.Q("broken.bmp"));
    EXPECT_TRUE(told.Seen);
    EXPECT_EQ(Document->Width, 64);
    EXPECT_TRUE(Document->FileName.empty());
}

TEST(Commands, FillTheTitleBlockFromTheExchangeText) {
    TMainFormSetup setup;
    TMainForm& form = setup.Form();
    setup.NewSketch(300, 200);
    Document->SheetName = "konstra4";
    // One horizontal text at (20, 30).
    writeBytes(AppDir + "/obmen.txt", "HHHH\r\n");
    std::filesystem::create_directories(StdFormsDir);
    writeBytes(StdFormsDir + "konstra4.map", std::string("\x02\x00\x14\x00\x1e\x00", 6));
    form.FillHead->trigger();
    int black = 0;
    for (int y = 30; y < 45; ++y)
        for (int x = 20; x < 60; ++x)
            black += Document->DC().getPixel(x, y) == 0 ? 1 : 0;
    EXPECT_GT(black, 10);
    EXPECT_FALSE(Document->Modified);

    // obmen.fff goes before obmen.txt.
    setup.NewSketch(300, 200);
    Document->SheetName = "konstra4";
    writeBytes(AppDir + "/obmen.fff", "\r\n");
    form.FillHead->trigger();
    for (int y = 30; y < 45; ++y)
        for (int x = 20; x < 60; ++x)
            ASSERT_EQ(Document->DC().getPixel(x, y), 0xFFFFFFu);
}

TEST(Commands, AMissingTitleBlockMapCanBeLookedFor) {
    TMainFormSetup setup;
    TMainForm& form = setup.Form();
    setup.NewSketch(300, 200);
    Document->SheetName = "form8";
    std::filesystem::create_directories(StdFormsDir);
    writeBytes(AppDir + "/obmen.txt", "HHHH\r\n");
    TTempFolder elsewhere;
    writeBytes(elsewhere("mine.map"), std::string("\x02\x00\x14\x00\x1e\x00", 6));

    TSeenBox asked;
    AnswerModal(PressInBox(QMessageBox::No, &asked));
    form.FillHead->trigger();
    ASSERT_TRUE(asked.Seen);
    EXPECT_EQ(asked.Text, "Отсутствует карта размещения строк.\nХотите найти самостоятельно?");
    EXPECT_EQ(asked.Icon, QMessageBox::Information);
    EXPECT_EQ(Document->DC().getPixel(21, 35), 0xFFFFFFu);

    AnswerModal(PressInBox(QMessageBox::Yes, nullptr,
                           [&] { AnswerModal(chooseFile(QString::fromStdString(elsewhere("mine.map")))); }));
    form.FillHead->trigger();
    int black = 0;
    for (int y = 30; y < 45; ++y)
        for (int x = 20; x < 60; ++x)
            black += Document->DC().getPixel(x, y) == 0 ? 1 : 0;
    EXPECT_GT(black, 10);
}

TEST(Commands, PrintingGoesThroughThePrintDialogToAPdf) {
    TMainFormSetup setup;
    TMainForm& form = setup.Form();
    setup.NewSketch(794, 1123);
    Document->SheetKind = 1;
    TTempFolder dir;
    form.Printer().setOutputFormat(QPrinter::PdfFormat);
    form.Printer().setOutputFileName(dir.Q("sketch.pdf"));
    AnswerModal([](QWidget* w) {
        auto* dialog = qobject_cast<QPrintDialog*>(w);
        ASSERT_NE(dialog, nullptr);
        static_cast<QDialog*>(dialog)->accept();
    });
    form.PrintCmd->trigger();
    QFile pdf(dir.Q("sketch.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.readAll().startsWith("%PDF"));
}

TEST(Commands, AnExceptionInACommandIsDroppedAndTheWindowGoesOn) {
    TMainFormSetup setup;
    TMainForm& form = setup.Form();
    int reached = 0;
    auto* failing = new QAction(&form);
    failing->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
    form.addAction(failing);
    QObject::connect(failing, &QAction::triggered, [&reached] {
        ++reached;
        throw std::runtime_error("the command fails half way");
    });
    form.activateWindow();
    QTest::keyClick(&form, Qt::Key_K, Qt::ControlModifier);
    QTest::keyClick(&form, Qt::Key_K, Qt::ControlModifier);
    EXPECT_EQ(reached, 2);
    EXPECT_TRUE(form.isVisible());
    // The window still works.
    form.MagnifyInc->trigger();
    EXPECT_EQ(form.ZoomFactor, 3);
}

TEST(Commands, ACommandsExceptionStopsAtTheCommandAndReachesTheHandler) {
    struct TSeenHandler : TGloblaExceptionHandler {
        int OutOfMemoryCalls = 0;
        void OutOfMemory() override { ++OutOfMemoryCalls; }
    } handler;
    auto* app = qobject_cast<TVerigrafApplication*>(QCoreApplication::instance());
    ASSERT_NE(app, nullptr);
    app->SetExceptionHandler(&handler);
    bool after = false;
    EXPECT_NO_THROW(TVerigrafApplication::RunCommand([] { throw std::runtime_error("half way"); }));
    EXPECT_NO_THROW(TVerigrafApplication::RunCommand([] { throw std::bad_alloc(); }));
    TVerigrafApplication::RunCommand([&after] { after = true; });
    app->SetExceptionHandler(nullptr);
    EXPECT_EQ(handler.OutOfMemoryCalls, 1);
    EXPECT_TRUE(after);
}

TEST(Commands, ANewSketchFromTheSheetDialogIsLaidOutAndViewable) {
    TMainFormSetup setup({}, {1100, 1400});
    TMainForm& form = setup.Form();
    const QString before = form.PromptText();

    // Cancelled: nothing at all changes.
    AnswerModal([](QWidget* w) { static_cast<QDialog*>(w)->reject(); });
    form.CreateNewCmd->trigger();
    EXPECT_FALSE(form.ViewAll->isEnabled());
    EXPECT_EQ(Document->Width, 0);

    // The A4 upright blank sheet; the status bar says what to do meanwhile.
    QString promptMeanwhile;
    AnswerModal([&](QWidget* w) {
        promptMeanwhile = form.PromptText();
        // Click once the dialog is up and has the focus, as a user does.
        (void)QTest::qWaitForWindowActive(w, 3000);
        QTest::mouseClick(w->findChild<QWidget*>("Image2"), Qt::LeftButton);
        static_cast<QDialog*>(w)->accept();
    });
    form.CreateNewCmd->trigger();
    EXPECT_EQ(promptMeanwhile, "Подсветите нужный формат эскиза и нажмите ОК");
    EXPECT_EQ(form.PromptText(), "Выберите любую функцию");
    EXPECT_NE(form.PromptText(), before);
    EXPECT_EQ(Document->Width, 794);
    EXPECT_EQ(Document->Height, 1123);
    EXPECT_EQ(Document->SheetKind, 1);
    EXPECT_TRUE(form.ViewAll->isEnabled());
    EXPECT_EQ(form.DrawSurf->size(), QSize(794, 1123));
    EXPECT_EQ(form.windowTitle(), "Вериграф технолога");
}
