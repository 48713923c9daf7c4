// The program from start to end, through RunVerigraf and the real message boxes.
#include "AppTestSupport.h"

#include "app/ExceptionHandler.h"
#include "app/Startup.h"
#include "app/VerigrafApplication.h"
#include "document/Folders.h"
#include "document/Pens.h"
#include "document/SketchFiles.h"
#include "document/TechDocument.h"
#include "document/UnDoObj.h"
#include "gdi/FontRegistry.h"

#include <QApplication>
#include <QTimer>
#include <gtest/gtest.h>

#include <filesystem>
#include <new>

using namespace app_testing;

namespace {

TVerigrafApplication& application() {
    return *static_cast<TVerigrafApplication*>(qApp);
}

struct TRun {
    int ExitCode = -1;
    bool MainFormShown = false;
    QString Caption;
};

// Runs the program on the installation; inspect sees the shown main window, which is
// then closed.
TRun run(const TInstallation& inst, const QStringList& arguments = {},
         std::function<void(TMainForm&)> inspect = {}) {
    TRun result;
    TStartupOptions options;
    options.AppDir = inst.AppDir();
    options.Arguments = arguments;
    options.SplashMilliseconds = 0;
    options.OnMainFormShown = [&result, inspect](TMainForm& form) {
        result.MainFormShown = true;
        result.Caption = form.windowTitle();
        if (inspect) inspect(form);
        QTimer::singleShot(0, &form, &QWidget::close);
    };
    result.ExitCode = RunVerigraf(application(), options);
    return result;
}

bool fontsRegistered() {
    const auto families = gdi::FontRegistry::instance().families();
    return !families.empty();
}

} // namespace

TEST(Startup, ANormalRunGivesEverythingBack) {
    TInstallation inst;
    bool fontsWhileRunning = false, pensWhileRunning = false, historyWhileRunning = false;
    const TRun r = run(inst, {}, [&](TMainForm& form) {
        fontsWhileRunning = fontsRegistered();
        pensWhileRunning = GreenPen && MagentaPen && RedPen && LinePen;
        historyWhileRunning = UndoHistory != nullptr;
        EXPECT_EQ(form.windowTitle(), "Вериграф технолога");
        EXPECT_EQ(form.PromptText(), "Выберите существующий эскиз или задайте формат нового эскиза");
        EXPECT_TRUE(form.isVisible());
        EXPECT_FALSE(form.ViewAll->isEnabled());
        EXPECT_EQ(::DrawSurf, form.DrawSurf);
    });
    EXPECT_EQ(r.ExitCode, 0);
    EXPECT_TRUE(r.MainFormShown);
    EXPECT_TRUE(fontsWhileRunning);
    EXPECT_TRUE(pensWhileRunning);
    EXPECT_TRUE(historyWhileRunning);
    // Shut-down: no fonts, pens, history or document remain.
    EXPECT_FALSE(fontsRegistered());
    EXPECT_FALSE(GreenPen || MagentaPen || RedPen || LinePen);
    EXPECT_EQ(UndoHistory, nullptr);
    EXPECT_EQ(Document, nullptr);
    EXPECT_EQ(application().ExceptionHandler(), nullptr);
    // The library folders were made beside the program.
    for (const char* dir : {"Blocks", "Эскизы", "Instrument", "Temp"})
        EXPECT_TRUE(std::filesystem::is_directory(inst.Folder.Path() / dir)) << dir;
}

TEST(Startup, AMissingSheetFormFolderEndsBeforeTheMainWindow) {
    TInstallation inst(true, false);
    TSeenBox box;
    AnswerModal(PressInBox(QMessageBox::Ok, &box));
    const TRun r = run(inst);
    EXPECT_NE(r.ExitCode, 0);
    EXPECT_FALSE(r.MainFormShown);
    ASSERT_TRUE(box.Seen);
    EXPECT_EQ(box.Text, "Вериграф технолога");
    EXPECT_EQ(box.Title, "");
    EXPECT_EQ(box.Icon, QMessageBox::Critical);
    EXPECT_FALSE(fontsRegistered());
    EXPECT_EQ(Document, nullptr);
}

TEST(Startup, MissingFontsAskWhetherToGoOn) {
    const QString question = "Не все шрифты были загружены корректно.\n"
                             "Из-за этого текстовая информация может отображаться некорректно.\n"
                             "Хотите ли вы запустить программу?";
    {
        // No: the error box follows and the program ends.
        TInstallation inst(false);
        TSeenBox asked, failed;
        AnswerModal(PressInBox(QMessageBox::No, &asked,
                               [&failed] { AnswerModal(PressInBox(QMessageBox::Ok, &failed)); }));
        const TRun r = run(inst);
        ASSERT_TRUE(asked.Seen);
        EXPECT_EQ(asked.Text, question);
        EXPECT_EQ(asked.Title, "Вериграф технолога");
        EXPECT_EQ(asked.Icon, QMessageBox::Warning);
        EXPECT_EQ(asked.Buttons, QMessageBox::Yes | QMessageBox::No);
        ASSERT_TRUE(failed.Seen);
        EXPECT_EQ(failed.Text, "Вериграф технолога");
        EXPECT_FALSE(r.MainFormShown);
        EXPECT_NE(r.ExitCode, 0);
        EXPECT_FALSE(GreenPen || LinePen);
    }
    {
        // Yes: the program starts without them.
        TInstallation inst(false);
        TSeenBox asked;
        AnswerModal(PressInBox(QMessageBox::Yes, &asked));
        const TRun r = run(inst);
        EXPECT_TRUE(asked.Seen);
        EXPECT_TRUE(r.MainFormShown);
        EXPECT_EQ(r.ExitCode, 0);
    }
}

TEST(Startup, AMissingTempFolderIsMade) {
    TInstallation inst;
    ASSERT_FALSE(std::filesystem::exists(inst.Folder.Path() / "Temp"));
    bool tempDuringRun = false;
    run(inst, {},
        [&](TMainForm&) { tempDuringRun = std::filesystem::is_directory(inst.Folder.Path() / "Temp"); });
    EXPECT_TRUE(tempDuringRun);
    EXPECT_EQ(TempDir, inst.Folder("Temp"));
}

TEST(Startup, TheCommandLineOpensAPathWithSpacesQuotedOrNot) {
    TInstallation inst;
    std::filesystem::create_directories(inst.Folder.Path() / "my sketches");
    const std::string path = inst.Folder("my sketches/Shaft 1.bmp");
    WriteSampleSketch(path, 300, 200);
    const QString qpath = QString::fromStdString(path);

    int width = 0;
    const TRun quoted = run(inst, {"-open", qpath}, [&](TMainForm& form) {
        width = Document->Width;
        EXPECT_TRUE(form.ViewAll->isEnabled());
        EXPECT_EQ(Document->SheetKind, 5);
    });
    EXPECT_EQ(quoted.Caption, "Вериграф технолога - Shaft 1.bmp");
    EXPECT_EQ(width, 300);

    // The shell split the path at its spaces; the option name is in capitals.
    const TRun split = run(inst, QStringList{"-OPEN"} + qpath.split(' '));
    EXPECT_EQ(split.Caption, "Вериграф технолога - Shaft 1.bmp");

    // A dot in a folder's name and a space in the file's, quoted or not; an empty value
    // opens nothing.
    std::filesystem::create_directories(inst.Folder.Path() / "work.v2");
    const std::string dotted = inst.Folder("work.v2/part 1.bmp");
    WriteSampleSketch(dotted, 120, 90);
    const QString qdotted = QString::fromStdString(dotted);
    EXPECT_EQ(run(inst, {"-open", qdotted}).Caption, "Вериграф технолога - part 1.bmp");
    EXPECT_EQ(run(inst, QStringList{"-o"} + qdotted.split(' ')).Caption, "Вериграф технолога - part 1.bmp");
    EXPECT_EQ(run(inst, {"-open", ""}).Caption, "Вериграф технолога");
}

TEST(Startup, ADamagedSketchOnTheCommandLineIsReportedAndTheProgramStarts) {
    TInstallation inst;
    const std::string path = inst.Folder("damaged.ilj");
    WriteSampleSketch(path, 300, 200);
    std::filesystem::resize_file(path, std::filesystem::file_size(path) / 2);
    TSeenBox told;
    AnswerModal(PressInBox(QMessageBox::Ok, &told));
    int width = -1;
    const TRun r =
        run(inst, {"-o", QString::fromStdString(path)}, [&](TMainForm&) { width = Document->Width; });
    EXPECT_TRUE(r.MainFormShown);
    ASSERT_TRUE(told.Seen);
    EXPECT_TRUE(told.Text.contains("damaged.ilj"));
    EXPECT_EQ(width, 0);
    EXPECT_EQ(r.Caption, "Вериграф технолога");
}

TEST(Startup, RunningOutOfMemoryPutsTheSketchInSafetyAndEnds) {
    TInstallation inst;
    TSeenBox box;
    struct TThrower : QObject {
        bool event(QEvent* e) override {
            if (e->type() == QEvent::User) throw std::bad_alloc();
            return QObject::event(e);
        }
    } thrower;
    TStartupOptions options;
    options.AppDir = inst.AppDir();
    options.SplashMilliseconds = 0;
    options.OnMainFormShown = [&](TMainForm& form) {
        Document->CreateNewDocument(120, 80);
        Document->DC().setPixel(7, 9, 0x0000FF);
        form.ShowNewSketch();
        AnswerModal(PressInBox(QMessageBox::Ok, &box));
        QCoreApplication::postEvent(&thrower, new QEvent(QEvent::User));
    };
    const int exitCode = RunVerigraf(application(), options);
    EXPECT_EQ(exitCode, TGloblaExceptionHandler::OutOfMemoryExitCode);
    ASSERT_TRUE(box.Seen);
    EXPECT_EQ(box.Title, "Вериграф технолога");

    std::vector<std::filesystem::path> saved;
    for (const auto& entry : std::filesystem::directory_iterator(inst.Folder.Path() / "Temp"))
        saved.push_back(entry.path());
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_EQ(saved[0].extension(), ".ilj");
    EXPECT_TRUE(box.Text.contains(QString::fromStdString(saved[0].string()))) << box.Text.toStdString();
    const gdi::BitmapPtr back = LoadSketchImage(saved[0].string());
    ASSERT_TRUE(back);
    EXPECT_EQ(back->width(), 120);
    EXPECT_EQ(back->pixelToColor(back->pixel(7, 9)), 0x0000FFu);
}
