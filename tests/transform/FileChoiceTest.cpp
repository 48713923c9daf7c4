#include "DialogTestSupport.h"
#include "tools/transform/FileDialogSetups.h"
#include "tools/transform/FileFilters.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QStringList comboItems(QWidget* window) {
    auto* combo = child<QComboBox>(window, "fileTypeCombo");
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

// Answers a message box by the button with the text, after checking its text.
ModalScript::Step answer(const QString& expectedText, const QString& button) {
    return [expectedText, button](QWidget* dialog) {
        auto* box = qobject_cast<QMessageBox*>(dialog);
        if (!box) throw std::runtime_error("not a message box");
        EXPECT_EQ(box->text(), expectedText);
        for (QAbstractButton* b : box->buttons())
            if (b->text() == button) return b->click();
        throw std::runtime_error("no button " + button.toStdString());
    };
}

TEST(FileFilters, ClassicListsBecomeQtNameFilters) {
    const QString list = SketchOpenFilter();
    const QChar nul(0);
    EXPECT_EQ(list, QStringLiteral("Все форматы") + nul + QStringLiteral("*.bmp;*.ilj") + nul +
                        QStringLiteral("Точечный рисунок Windows") + nul + QStringLiteral("*.bmp") + nul +
                        QStringLiteral("Эскизы") + nul + QStringLiteral("*.ilj") + nul + nul);
    EXPECT_EQ(QtNameFilters(list), (QStringList{QStringLiteral("Все форматы (*.bmp *.BMP *.ilj *.ILJ)"),
                                                QStringLiteral("Точечный рисунок Windows (*.bmp *.BMP)"),
                                                QStringLiteral("Эскизы (*.ilj *.ILJ)")}));
    EXPECT_EQ(QtNameFilters(BlockFilter(TBlockFileKind::Instrument)),
              QStringList{QStringLiteral("Файлы инструмента (*.ins) (*.ins *.INS)")});

    // The empty list is two NULs and gives no filter; the list ends at its empty item.
    EXPECT_EQ(MakeFilterList({}), QString(2, QChar(0)));
    EXPECT_TRUE(QtNameFilters(MakeFilterList({})).isEmpty());
    QString early = MakeFilterList({{QStringLiteral("A"), QStringLiteral("*.a")}});
    early += QStringLiteral("B") + QChar(0) + QStringLiteral("*.b") + QChar(0) + QChar(0);
    EXPECT_EQ(QtNameFilters(early), QStringList{QStringLiteral("A (*.a *.A)")});
    // A description left without its pattern is dropped.
    EXPECT_EQ(ParseFilterList(QStringLiteral("A") + QChar(0)).size(), 0u);
}

class FileChoiceTest : public ::testing::Test {
  protected:
    TTestFolder folder;
};

TEST_F(FileChoiceTest, OpeningASketchOffersTheThreeTypesWithBitmapsFirst) {
    folder.WriteSketch(QStringLiteral("a.bmp"), 4, 4);
    folder.WriteSketch(QStringLiteral("b.ilj"), 4, 4);
    TTechOpenDialog dialog;
    ConfigureSketchOpenDialog(dialog, folder.Folder());
    const bool chosen =
        ExecuteWith(dialog, {[&](QWidget* window) {
                        QFileDialog* files = FileDialogOf(window);
                        EXPECT_EQ(files->windowTitle(), QStringLiteral("Открыть"));
                        EXPECT_EQ(files->directory().path(), folder.Folder());
                        EXPECT_EQ(comboItems(files), (QStringList{QStringLiteral("Все форматы"),
                                                                  QStringLiteral("Точечный рисунок Windows"),
                                                                  QStringLiteral("Эскизы")}));
                        EXPECT_EQ(child<QComboBox>(files, "fileTypeCombo")->currentIndex(), 1);
                        EXPECT_TRUE(child<QLineEdit>(files, "fileNameEdit")->text().isEmpty());
                        // The user picks compressed sketches and one of them.
                        auto* types = child<QComboBox>(files, "fileTypeCombo");
                        types->setFocus();
                        QTest::keyClick(types, Qt::Key_Down);
                        ClickInList(files, folder.Path(QStringLiteral("b.ilj")));
                        TypeNameAndAccept(files, QStringLiteral("b.ilj"));
                    }});
    ASSERT_TRUE(chosen);
    EXPECT_EQ(dialog.FileName, folder.Path(QStringLiteral("b.ilj")));
    EXPECT_EQ(dialog.FilterIndex, 3);
}

TEST_F(FileChoiceTest, AFileToOpenMustExist) {
    folder.WriteSketch(QStringLiteral("there.bmp"), 4, 4);
    TTechOpenDialog dialog;
    ConfigureFragmentLoadDialog(dialog, folder.Folder());
    dialog.FileName = QStringLiteral("/before");
    const bool chosen = ExecuteWith(
        dialog,
        {[&](QWidget* window) {
             QFileDialog* files = FileDialogOf(window);
             EXPECT_EQ(child<QComboBox>(files, "fileTypeCombo")->currentIndex(), 0);
             auto* edit = child<QLineEdit>(files, "fileNameEdit");
             QTest::keyClicks(edit, QStringLiteral("missing.bmp"));
             EXPECT_FALSE(
                 child<QDialogButtonBox>(files, "buttonBox")->button(QDialogButtonBox::Open)->isEnabled());
             // Enter still tries the name.
             QMetaObject::invokeMethod(
                 edit, [edit] { QTest::keyClick(edit, Qt::Key_Return); }, Qt::QueuedConnection);
         },
         [&](QWidget* box) {
             QFileDialog* files = FileDialogOf(box->parentWidget());
             answer(QStringLiteral(
                        "missing.bmp\nФайл не найден.\nПроверьте правильность указанного имени файла."),
                    QStringLiteral("OK"))(box);
             EXPECT_TRUE(files->isVisible());
             PressCancel(files);
         }});
    EXPECT_FALSE(chosen);
    EXPECT_EQ(dialog.FileName, QStringLiteral("/before"));
    EXPECT_EQ(dialog.FilterIndex, 1);
}

TEST_F(FileChoiceTest, SavingOverAnExistingFileAsksFirst) {
    folder.WriteSketch(QStringLiteral("old.bmp"), 4, 4);
    const QString question = QStringLiteral("Файл old.bmp уже существует.\nЗаменить его?");
    TTechSaveDialog dialog;
    ConfigureSketchSaveDialog(dialog, folder.Folder(), nullptr);
    dialog.FileName = QStringLiteral("draft");
    const bool chosen = ExecuteWith(
        dialog, {[&](QWidget* window) {
                     QFileDialog* files = FileDialogOf(window);
                     EXPECT_EQ(files->windowTitle(), QStringLiteral("Сохранить как..."));
                     EXPECT_EQ(files->defaultSuffix(), QStringLiteral("bmp"));
                     EXPECT_EQ(comboItems(files), (QStringList{QStringLiteral("Точечный рисунок Windows"),
                                                               QStringLiteral("Эскизы")}));
                     EXPECT_EQ(child<QLineEdit>(files, "fileNameEdit")->text(), QStringLiteral("draft"));
                     // The typed name has no extension: the default one makes it old.bmp.
                     TypeNameAndAccept(files, QStringLiteral("old"));
                 },
                 [&](QWidget* box) {
                     // Refused, the dialog stays for another try.
                     QFileDialog* files = FileDialogOf(box->parentWidget());
                     answer(question, QStringLiteral("Нет"))(box);
                     EXPECT_TRUE(files->isVisible());
                     TypeNameAndAccept(files, QStringLiteral("old.bmp"));
                 },
                 answer(question, QStringLiteral("Да"))});
    ASSERT_TRUE(chosen);
    EXPECT_EQ(dialog.FileName, folder.Path(QStringLiteral("old.bmp")));
    EXPECT_EQ(dialog.FilterIndex, 1);
}

TEST_F(FileChoiceTest, ANewNameIsTakenWithoutAQuestion) {
    TTechSaveDialog dialog;
    ConfigureBlockSaveDialog(dialog, TBlockFileKind::Instrument, folder.Folder());
    const bool chosen = ExecuteWith(dialog, {[&](QWidget* window) {
                                        QFileDialog* files = FileDialogOf(window);
                                        EXPECT_EQ(comboItems(files),
                                                  QStringList{QStringLiteral("Файлы инструмента (*.ins)")});
                                        EXPECT_EQ(files->defaultSuffix(), QStringLiteral("ins"));
                                        EXPECT_EQ(files->directory().path(), folder.Folder());
                                        TypeNameAndAccept(files, QStringLiteral("cutter"));
                                    }});
    ASSERT_TRUE(chosen);
    EXPECT_EQ(dialog.FileName, folder.Path(QStringLiteral("cutter.ins")));
    EXPECT_FALSE(QFile::exists(dialog.FileName)); // choosing writes nothing
}

} // namespace
