#include "ModalScript.h"
#include "document/SketchBitmap.h"
#include "document/SketchFiles.h"
#include "document/TechDocument.h"
#include "tools/draw/AnySizeDraftDlg.h"
#include "tools/draw/NewDraftDlg.h"
#include "tools/draw/NewSketchCommand.h"
#include "tools/draw/SampleImage.h"
#include "tools/draw/SheetChoices.h"
#include "tools/draw/UpDown.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include <filesystem>

namespace {

struct RecordingHost : TDocumentHost {
    std::vector<std::string> errors;
    void ReportError(const std::string& m) override { errors.push_back(m); }
};

struct FormFile {
    const char* name;
    int32_t width;
    int32_t height;
};
// Small forms of distinct sizes, so that a test sees which one was loaded.
constexpr FormFile TestForms[] = {
    {"konstra4.bmp", 40, 57}, {"3.1105-f7.bmp", 57, 40}, {"3.1105-f7a.bmp", 58, 41},
    {"form8.ilj", 59, 42},    {"form8a.ilj", 61, 43},
};

gdi::BitmapPtr formPicture(int32_t width, int32_t height, int seed) {
    gdi::BitmapPtr bitmap = CreateSketchDib(width, height);
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x)
            bitmap->setPixel(x, y, uint32_t(x * 5 + y * 3 + seed) % 16);
    return bitmap;
}

class NewSketchTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(forms.isValid());
        int seed = 0;
        for (const FormFile& form : TestForms)
            SaveSketchImage(formPicture(form.width, form.height, seed++), path(form.name));
        Document = std::make_unique<TTechDocument>(&host);
        Document->CreateNewDocument(10, 12);
        Document->SheetKind = 3;
        Document->SheetName = "old";
        oldBitmap = Document->FDocBitmap;
        prompts.ShowPrompt = [this](const QString& p) { promptLog.push_back(p); };
        prompts.ShowToolPrompt = [this] { promptLog.push_back(QStringLiteral("<tool>")); };
    }
    void TearDown() override { Document.reset(); }

    std::string path(const char* name) const {
        return forms.filePath(QString::fromLatin1(name)).toStdString();
    }

    // Runs the command with the dialogs answered by the steps, all of which must run.
    bool run(std::vector<ModalScript::Step> steps) {
        ModalScript script(std::move(steps));
        const bool relayout = CreateNewSketch(nullptr, forms.path(), prompts);
        EXPECT_EQ(script.StepsDone(), script.StepCount());
        EXPECT_FALSE(script.Stuck());
        return relayout;
    }
    void expectUnchanged() {
        EXPECT_EQ(Document->FDocBitmap, oldBitmap);
        EXPECT_EQ(Document->Width, 10);
        EXPECT_EQ(Document->SheetKind, 3);
        EXPECT_EQ(Document->SheetName, "old");
    }

    QTemporaryDir forms;
    RecordingHost host;
    TPromptCallbacks prompts;
    std::vector<QString> promptLog;
    gdi::BitmapPtr oldBitmap;
};

void pick(QWidget* dialog, const char* image) {
    QTest::mouseClick(child<TSampleImage>(dialog, image), Qt::LeftButton);
}
void press(QWidget* dialog, Qt::Key key) {
    QWidget* target = QApplication::focusWidget();
    QTest::keyClick(target && target->window() == dialog ? target : dialog, key);
}
void pressOk(QWidget* dialog) {
    press(dialog, Qt::Key_Return);
}

} // namespace

TEST_F(NewSketchTest, CancelOrEscChangesNothing) {
    const QString prompt = QString::fromUtf8(NewDraftPrompt);
    EXPECT_FALSE(run({[&](QWidget* dialog) {
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Новый эскиз"));
        EXPECT_EQ(promptLog, std::vector<QString>{prompt});
        auto* dlg = qobject_cast<TNewDraftDlg*>(dialog);
        ASSERT_NE(dlg, nullptr);
        EXPECT_EQ(dlg->Choice(), 2);
        EXPECT_EQ(dlg->SelectedImage(), child<TSampleImage>(dialog, "Image1"));
        EXPECT_EQ(dialog->findChildren<TSampleImage*>().size(), 8);
        pick(dialog, "Image7");
        QTest::mouseClick(child<QPushButton>(dialog, "CancelButton"), Qt::LeftButton);
    }}));
    expectUnchanged();
    EXPECT_EQ(promptLog, (std::vector<QString>{prompt, QStringLiteral("<tool>")}));

    EXPECT_FALSE(run({[&](QWidget* dialog) {
        pick(dialog, "Image8");
        press(dialog, Qt::Key_Escape);
    }}));
    expectUnchanged();
}

TEST_F(NewSketchTest, SelectionFollowsClicksAndFocusAndMarksOnePicture) {
    EXPECT_FALSE(run({[&](QWidget* dialog) {
        auto* dlg = qobject_cast<TNewDraftDlg*>(dialog);
        const QList<TSampleImage*> images = dialog->findChildren<TSampleImage*>();
        auto transparentCount = [&] {
            return std::count_if(images.begin(), images.end(),
                                 [](TSampleImage* i) { return i->Transparent(); });
        };
        EXPECT_TRUE(child<TSampleImage>(dialog, "Image1")->Transparent());
        EXPECT_EQ(transparentCount(), 1);

        pick(dialog, "Image5");
        EXPECT_EQ(dlg->Choice(), 6);
        EXPECT_TRUE(child<TSampleImage>(dialog, "Image5")->Transparent());
        EXPECT_FALSE(child<TSampleImage>(dialog, "Image1")->Transparent());
        EXPECT_EQ(transparentCount(), 1);

        child<QWidget>(dialog, "Panel6")->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(dlg->Choice(), 1);
        EXPECT_EQ(dlg->SelectedImage(), child<TSampleImage>(dialog, "Image6"));
        EXPECT_EQ(transparentCount(), 1);

        // Two rows of four in the order of the codes' table.
        auto at = [&](const char* panel) { return child<QWidget>(dialog, panel)->geometry(); };
        const char* rows[2][4] = {{"Panel1", "Panel2", "Panel4", "Panel6"},
                                  {"Panel3", "Panel5", "Panel7", "Panel8"}};
        for (int r = 0; r < 2; ++r)
            for (int c = 0; c < 4; ++c) {
                EXPECT_EQ(at(rows[r][c]).top(), at(rows[r][0]).top());
                EXPECT_EQ(at(rows[r][c]).left(), at(rows[0][c]).left());
                if (c > 0) {
                    EXPECT_GT(at(rows[r][c]).left(), at(rows[r][c - 1]).right());
                }
            }
        EXPECT_GT(at("Panel3").top(), at("Panel1").bottom());
        EXPECT_EQ(child<QWidget>(dialog, "Image8")->accessibleName(),
                  QStringLiteral("Бланк form8a, A4 горизонтально"));
        press(dialog, Qt::Key_Escape);
    }}));
}

TEST_F(NewSketchTest, EverySheetOfTheTable) {
    struct Expected {
        const char* image;
        int32_t width, height;
        uint8_t kind;
        const char* name;
    };
    const Expected sheets[] = {
        {"Image1", 40, 57, 1, "konstra4"},   {"Image2", 794, 1123, 1, ""},
        {"Image3", 1123, 794, 2, ""},        {"Image4", 57, 40, 2, "3.1105-f7"},
        {"Image5", 58, 41, 2, "3.1105-f7a"}, {"Image7", 59, 42, 2, "form8"},
    };
    for (const Expected& sheet : sheets) {
        SCOPED_TRACE(sheet.image);
        Document->FileName = "/somewhere/old.bmp";
        EXPECT_TRUE(run({[&](QWidget* dialog) {
            pick(dialog, sheet.image);
            QTest::mouseClick(child<QPushButton>(dialog, "OKButton"), Qt::LeftButton);
        }}));
        EXPECT_EQ(Document->Width, sheet.width);
        EXPECT_EQ(Document->Height, sheet.height);
        EXPECT_EQ(Document->SheetKind, sheet.kind);
        EXPECT_EQ(Document->SheetName, sheet.name);
        EXPECT_TRUE(Document->FileName.empty());
    }
}

TEST_F(NewSketchTest, EnterIsOkWhereverTheFocusIs) {
    EXPECT_TRUE(run({[&](QWidget* dialog) {
        child<QPushButton>(dialog, "CancelButton")->setFocus();
        pressOk(dialog);
    }}));
    EXPECT_EQ(Document->SheetName, "konstra4");
    EXPECT_EQ(Document->SheetKind, 1);
}

TEST_F(NewSketchTest, DoubleClickOnAFormCreatesItAtOnce) {
    EXPECT_TRUE(run({[&](QWidget* dialog) {
        QTest::mouseDClick(child<TSampleImage>(dialog, "Image8"), Qt::LeftButton);
    }}));
    EXPECT_EQ(Document->SheetKind, 2);
    EXPECT_EQ(Document->SheetName, "form8a");
    ASSERT_EQ(Document->Width, 61);
    ASSERT_EQ(Document->Height, 43);
    const gdi::BitmapPtr expected = formPicture(61, 43, 4);
    for (int32_t y = 0; y < 43; ++y)
        for (int32_t x = 0; x < 61; ++x)
            ASSERT_EQ(Document->FDocBitmap->pixel(x, y), expected->pixel(x, y));
}

TEST_F(NewSketchTest, AnySizeCancelledKeepsTheSketchButLaysOutAgain) {
    EXPECT_TRUE(run({[&](QWidget* dialog) {
                         pick(dialog, "Image6");
                         QTest::mouseClick(child<QPushButton>(dialog, "OKButton"), Qt::LeftButton);
                     },
                     [&](QWidget* dialog) {
                         EXPECT_TRUE(qobject_cast<TAnySizeDraftDlg*>(dialog));
                         EXPECT_TRUE(dialog->windowFlags() & Qt::WindowStaysOnTopHint);
                         press(dialog, Qt::Key_Escape);
                     }}));
    expectUnchanged();
}

TEST_F(NewSketchTest, DefaultSizeIs946By567) {
    EXPECT_EQ(MmToPixels(210), 794);
    EXPECT_EQ(MmToPixels(297), 1123);
    EXPECT_TRUE(run({[&](QWidget* dialog) {
                         pick(dialog, "Image6");
                         pressOk(dialog);
                     },
                     [&](QWidget* dialog) {
                         EXPECT_EQ(child<QLineEdit>(dialog, "EditWidth")->text(), QStringLiteral("250"));
                         EXPECT_EQ(child<QLineEdit>(dialog, "EditHeight")->text(), QStringLiteral("150"));
                         pressOk(dialog);
                     }}));
    EXPECT_EQ(Document->Width, 946);
    EXPECT_EQ(Document->Height, 567);
    EXPECT_EQ(Document->SheetKind, 5);
    EXPECT_EQ(Document->SheetName, "");
}

TEST_F(NewSketchTest, EmptyEditDisablesOkAndOnlyDigitsGetIn) {
    EXPECT_TRUE(run({[&](QWidget* dialog) {
                         pick(dialog, "Image6");
                         pressOk(dialog);
                     },
                     [&](QWidget* dialog) {
                         auto* width = child<QLineEdit>(dialog, "EditWidth");
                         auto* ok = child<QPushButton>(dialog, "AcceptButton");
                         width->setFocus();
                         width->selectAll();
                         QTest::keyClick(width, Qt::Key_Backspace);
                         EXPECT_TRUE(width->text().isEmpty());
                         EXPECT_FALSE(ok->isEnabled());
                         QTest::keyClick(width, Qt::Key_Return);
                         EXPECT_TRUE(dialog->isVisible());
                         QTest::keyClicks(width, "a- ,");
                         EXPECT_TRUE(width->text().isEmpty());
                         QTest::keyClicks(width, "3x0");
                         EXPECT_EQ(width->text(), QStringLiteral("30"));
                         EXPECT_TRUE(ok->isEnabled());

                         auto* height = child<QLineEdit>(dialog, "EditHeight");
                         auto* upDown = child<TUpDown>(dialog, "UpDownHeight");
                         QTest::mouseClick(upDown->UpButton(), Qt::LeftButton);
                         EXPECT_EQ(height->text(), QStringLiteral("151"));
                         height->clear();
                         EXPECT_FALSE(ok->isEnabled());
                         QTest::keyClicks(height, "151");
                         QTest::keyClick(width, Qt::Key_Return);
                     }}));
    // 30 x 3.7824 = 113.47, 151 x 3.7824 = 571.14.
    EXPECT_EQ(Document->Width, 113);
    EXPECT_EQ(Document->Height, 571);
}

TEST_F(NewSketchTest, UpDownStepsWithinItsRangeButTypingIsFree) {
    TAnySizeDraftDlg dialog;
    QTest::mouseClick(dialog.UpDownWidth->DownButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.EditWidth->text(), QStringLiteral("249"));
    dialog.EditWidth->setText(QStringLiteral("0"));
    QTest::mouseClick(dialog.UpDownWidth->DownButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.EditWidth->text(), QStringLiteral("0"));
    dialog.EditHeight->setText(QStringLiteral("1000"));
    QTest::keyClick(dialog.EditHeight, Qt::Key_Up);
    EXPECT_EQ(dialog.EditHeight->text(), QStringLiteral("1000"));
    QTest::keyClick(dialog.EditHeight, Qt::Key_Down);
    EXPECT_EQ(dialog.EditHeight->text(), QStringLiteral("999"));
    dialog.EditHeight->clear();
    QTest::keyClicks(dialog.EditHeight, "5000");
    EXPECT_EQ(dialog.EditHeight->text(), QStringLiteral("5000"));
}

TEST_F(NewSketchTest, ZeroOrHugeSizesAreRefusedWithAMessageAndTheDialogStays) {
    const std::pair<const char*, const char*> sizes[] = {
        {"0", "больше нуля"}, {"99999", "слишком велик"}, {"99999999999999999999999", "слишком велик"}};
    for (const auto& [typed, words] : sizes) {
        QString message;
        EXPECT_TRUE(run({[&](QWidget* dialog) {
                             pick(dialog, "Image6");
                             pressOk(dialog);
                         },
                         [&](QWidget* dialog) {
                             auto* height = child<QLineEdit>(dialog, "EditHeight");
                             height->setText(QString::fromLatin1(typed));
                             // The refusal is a dialog of its own: it must open after the step.
                             QMetaObject::invokeMethod(child<QPushButton>(dialog, "AcceptButton"),
                                                       &QPushButton::click, Qt::QueuedConnection);
                         },
                         [&](QWidget* dialog) {
                             auto* box = qobject_cast<QMessageBox*>(dialog);
                             ASSERT_NE(box, nullptr);
                             message = box->text();
                             box->button(QMessageBox::Ok)->click();
                         },
                         [&](QWidget* dialog) {
                             // Back in the size dialog with what was typed.
                             ASSERT_TRUE(qobject_cast<TAnySizeDraftDlg*>(dialog));
                             EXPECT_EQ(child<QLineEdit>(dialog, "EditWidth")->text(), QStringLiteral("250"));
                             EXPECT_EQ(child<QLineEdit>(dialog, "EditHeight")->text(),
                                       QString::fromLatin1(typed));
                             press(dialog, Qt::Key_Escape);
                         }}));
        EXPECT_TRUE(message.contains(QString::fromUtf8(words))) << message.toStdString();
        expectUnchanged();
    }
}

TEST_F(NewSketchTest, ARefusedSizeNamesTheLimitAndCanBeCorrected) {
    QString message;
    EXPECT_TRUE(run({[&](QWidget* dialog) {
                         pick(dialog, "Image6");
                         pressOk(dialog);
                     },
                     [&](QWidget* dialog) {
                         child<QLineEdit>(dialog, "EditWidth")->setText(QStringLiteral("7932"));
                         child<QLineEdit>(dialog, "EditHeight")->setText(QStringLiteral("10"));
                         QMetaObject::invokeMethod(child<QPushButton>(dialog, "AcceptButton"),
                                                   &QPushButton::click, Qt::QueuedConnection);
                     },
                     [&](QWidget* dialog) {
                         message = qobject_cast<QMessageBox*>(dialog)->text();
                         qobject_cast<QMessageBox*>(dialog)->button(QMessageBox::Ok)->click();
                     },
                     [&](QWidget* dialog) {
                         // 7931 mm is the longest side: 29998 pixels.
                         child<QLineEdit>(dialog, "EditWidth")->setText(QStringLiteral("7931"));
                         pressOk(dialog);
                     }}));
    EXPECT_TRUE(message.contains(QStringLiteral("7932 × 10 мм"))) << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("не больше 7931 мм"))) << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("29,3 м²"))) << message.toStdString();
    EXPECT_EQ(Document->Width, 29998);
    EXPECT_EQ(Document->Height, 38);
    EXPECT_EQ(Document->SheetKind, 5);
}

TEST_F(NewSketchTest, AMissingFormShowsItsNameAndChangesNothing) {
    std::filesystem::remove(path("konstra4.bmp"));
    EXPECT_FALSE(run({[&](QWidget* dialog) { pressOk(dialog); }}));
    expectUnchanged();
    ASSERT_EQ(host.errors.size(), 1u);
    EXPECT_NE(host.errors[0].find("konstra4.bmp"), std::string::npos);
}
