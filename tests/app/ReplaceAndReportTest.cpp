// What a newcomer runs into: a modified drawing that New or Open would replace, Qt's own
// buttons in Russian, and commands that cannot do their work saying why.
#include "AppTestSupport.h"

#include "app/VerigrafApplication.h"
#include "document/Folders.h"
#include "document/SketchFiles.h"
#include "document/TechDocument.h"
#include "tools/draw/SampleImage.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <fstream>

using namespace app_testing;

namespace {

// A sketch of the given file with one red pixel drawn since it was opened.
void openAndDraw(TMainForm& form, const TTempFolder& dir, const std::string& name) {
    WriteSampleSketch(dir(name), 50, 40);
    form.OpenSketch(QString::fromStdString(dir(name)));
    Document->DC().setPixel(3, 3, 0x0000FF);
    Document->Modified = true;
}

gdi::COLORREF pixelOnDisk(const std::string& path, int x, int y) {
    const gdi::BitmapPtr saved = LoadSketchImage(path);
    return saved ? saved->pixelToColor(saved->pixel(x, y)) : 0xDEADu;
}

// The new-sketch dialog answered with the blank upright A4. The picture is chosen by
// its own signal: a dialog that comes up right after a message box may not be laid out
// yet when a synthetic click arrives.
void chooseBlankA4(QWidget* w) {
    ASSERT_EQ(w->objectName(), "NewDraftDlg");
    auto* image = w->findChild<TSampleImage*>("Image2");
    ASSERT_NE(image, nullptr);
    emit image->Clicked(image);
    w->findChild<QPushButton*>("OKButton")->click();
}

// A file dialog answered with the path, or cancelled for an empty one; the dialog's
// title is kept.
std::function<void(QWidget*)> answerFileDialog(const QString& path, QString* title) {
    return [path, title](QWidget* w) {
        auto* dialog = qobject_cast<QFileDialog*>(w);
        ASSERT_NE(dialog, nullptr);
        *title = dialog->windowTitle();
        if (path.isEmpty()) {
            dialog->reject();
            return;
        }
        dialog->findChild<QLineEdit*>("fileNameEdit")->setText(path);
        static_cast<QDialog*>(dialog)->accept();
    };
}

} // namespace

TEST(ReplaceSketch, NewAsksBeforeAModifiedSketchGoes) {
    TTempFolder dir;
    TMainFormSetup setup;
    TMainForm& form = setup.Form();
    openAndDraw(form, dir, "part.bmp");

    // Cancel: no sheet is asked for, the drawing stays as it is.
    TSeenBox asked;
    AnswerModal(PressInBox(QMessageBox::Cancel, &asked));
    form.CreateNewCmd->trigger();
    ASSERT_TRUE(asked.Seen);
    EXPECT_EQ(asked.Text, "Сохранить изменения?");
    EXPECT_EQ(asked.Title, "Вериграф технолога");
    EXPECT_EQ(asked.Icon, QMessageBox::Question);
    EXPECT_EQ(asked.Buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(Document->Width, 50);
    EXPECT_TRUE(Document->Modified);
    EXPECT_EQ(Document->DC().getPixel(3, 3), 0x0000FFu);

    // Yes: saved under its name as Save does, then the new sheet.
    bool sheetAsked = false;
    AnswerModal(PressInBox(QMessageBox::Yes, nullptr, [&] {
        AnswerModal([&](QWidget* w) {
            sheetAsked = true;
            chooseBlankA4(w);
        });
    }));
    form.CreateNewCmd->trigger();
    EXPECT_TRUE(sheetAsked);
    EXPECT_EQ(pixelOnDisk(dir("part.bmp"), 3, 3), 0x0000FFu);
    EXPECT_EQ(Document->Width, 794);
    EXPECT_FALSE(Document->Modified);

    // No: the drawing goes unsaved.
    Document->DC().setPixel(5, 5, 0x0000FF);
    Document->Modified = true;
    AnswerModal(PressInBox(QMessageBox::No, nullptr, [&] { AnswerModal(chooseBlankA4); }));
    form.CreateNewCmd->trigger();
    EXPECT_EQ(Document->DC().getPixel(5, 5), 0xFFFFFFu);
    EXPECT_EQ(pixelOnDisk(dir("part.bmp"), 5, 5), 0xFFFFFFu);

    // Unmodified: no question at all, the sheet dialog comes at once.
    sheetAsked = false;
    AnswerModal([&](QWidget* w) {
        sheetAsked = w->objectName() == "NewDraftDlg";
        static_cast<QDialog*>(w)->reject();
    });
    form.CreateNewCmd->trigger();
    EXPECT_TRUE(sheetAsked);
}

TEST(ReplaceSketch, OpenAsksBeforeAModifiedSketchGoes) {
    TTempFolder dir;
    WriteSampleSketch(dir("other.bmp"), 70, 60);
    TMainFormSetup setup;
    TMainForm& form = setup.Form();
    setup.NewSketch(80, 30);
    Document->DC().setPixel(3, 3, 0x0000FF);
    Document->Modified = true;

    // Cancel: no file is asked for.
    TSeenBox asked;
    AnswerModal(PressInBox(QMessageBox::Cancel, &asked));
    form.OpenCmd->trigger();
    ASSERT_TRUE(asked.Seen);
    EXPECT_EQ(asked.Text, "Сохранить изменения?");
    EXPECT_EQ(Document->Width, 80);
    EXPECT_TRUE(Document->Modified);

    // Yes on an unnamed sketch asks for a name; giving up there keeps the drawing and
    // opens nothing.
    QString title;
    AnswerModal(PressInBox(QMessageBox::Yes, nullptr, [&] { AnswerModal(answerFileDialog({}, &title)); }));
    form.OpenCmd->trigger();
    EXPECT_EQ(title, "Сохранить как...");
    EXPECT_EQ(Document->Width, 80);
    EXPECT_TRUE(Document->Modified);

    // Yes with a name given: saved, then the open dialog.
    QString openTitle;
    AnswerModal(PressInBox(QMessageBox::Yes, nullptr, [&] {
        AnswerModal([&](QWidget* w) {
            answerFileDialog(QString::fromStdString(dir("mine.bmp")), &title)(w);
            AnswerModal(answerFileDialog(QString::fromStdString(dir("other.bmp")), &openTitle));
        });
    }));
    form.OpenCmd->trigger();
    EXPECT_EQ(pixelOnDisk(dir("mine.bmp"), 3, 3), 0x0000FFu);
    EXPECT_EQ(openTitle, "Открыть");
    EXPECT_EQ(Document->Width, 70);

    // No: the drawing goes unsaved and the file opens.
    Document->DC().setPixel(4, 4, 0x0000FF);
    Document->Modified = true;
    AnswerModal(PressInBox(QMessageBox::No, nullptr, [&] {
        AnswerModal(answerFileDialog(QString::fromStdString(dir("mine.bmp")), &openTitle));
    }));
    form.OpenCmd->trigger();
    EXPECT_EQ(Document->Width, 80);
    EXPECT_EQ(pixelOnDisk(dir("other.bmp"), 4, 4), 0xFFFFFFu);
    EXPECT_FALSE(Document->Modified);
}

TEST(QtInRussian, StandardButtonsOfAMessageBoxReadInRussian) {
    auto& app = *static_cast<TVerigrafApplication*>(qApp);
    ASSERT_TRUE(app.QtTranslationsLoaded()) << "Qt's Russian translations are not installed";
    QMessageBox box(QMessageBox::Question, "t", "q",
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel | QMessageBox::Ok);
    auto text = [&box](QMessageBox::StandardButton b) { return box.button(b)->text().remove('&'); };
    EXPECT_EQ(text(QMessageBox::Yes), "Да");
    EXPECT_EQ(text(QMessageBox::No), "Нет");
    EXPECT_EQ(text(QMessageBox::Cancel), "Отмена");
    EXPECT_EQ(text(QMessageBox::Ok), "OK");
    // Qt's own dialogs too: the file dialog's labels the program does not set itself.
    QFileDialog files;
    files.setOption(QFileDialog::DontUseNativeDialog);
    EXPECT_EQ(files.labelText(QFileDialog::LookIn), "Перейти к:");
}

TEST(Reports, FillingTheTitleBlockWithoutAnExchangeFileSaysWhereItLooked) {
    TMainFormSetup setup;
    TMainForm& form = setup.Form();
    setup.NewSketch(300, 200);
    Document->SheetName = "konstra4";
    TSeenBox told;
    AnswerModal(PressInBox(QMessageBox::Ok, &told));
    form.FillHead->trigger();
    ASSERT_TRUE(told.Seen);
    EXPECT_EQ(told.Icon, QMessageBox::Warning);
    const QString folder = QString::fromStdString(AppDir);
    EXPECT_EQ(told.Text, "Шапка не заполнена: нет файла обмена с текстом для неё.\nИскали:\n" + folder +
                             "/obmen.fff\n" + folder + "/obmen.txt");
    EXPECT_FALSE(Document->Modified);

    // Where the written folders are apart, both folders are named.
    EXPECT_EQ(TMainForm::MissingExchangeFileText({"/a/obmen.fff", "/b/obmen.txt"}),
              "Шапка не заполнена: нет файла обмена с текстом для неё.\nИскали:\n/a/obmen.fff\n/b/obmen.txt");
    TTempFolder data;
    SetDataFolders(data.Path().string());
    std::ofstream(data("obmen.txt"), std::ios::binary) << "HHHH\r\n";
    // The text in the data folder is found: no message, the map question comes instead.
    TSeenBox mapAsked;
    AnswerModal(PressInBox(QMessageBox::No, &mapAsked));
    form.FillHead->trigger();
    ASSERT_TRUE(mapAsked.Seen);
    EXPECT_TRUE(mapAsked.Text.startsWith("Отсутствует карта"));
}

TEST(Reports, PrintingWithoutASketchSaysThereIsNothingToPrint) {
    TMainFormSetup setup;
    TSeenBox told;
    AnswerModal(PressInBox(QMessageBox::Ok, &told));
    setup.Form().PrintCmd->trigger();
    ASSERT_TRUE(told.Seen);
    EXPECT_TRUE(told.Text.startsWith("Печатать нечего")) << told.Text.toStdString();
}
