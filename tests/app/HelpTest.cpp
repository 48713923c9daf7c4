// Help and about: F1 shows the help file that lies beside the program, with contents,
// index and a section for every tool; the about window names this version.
#include "AppTestSupport.h"

#include "app/AboutForm.h"
#include "app/HelpWindow.h"
#include "document/Folders.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>
#include <gtest/gtest.h>

#include <filesystem>

using namespace app_testing;

namespace {

QString installedHelp() {
    return QStringLiteral(VERIGRAF_BIN_DIR "/") + QLatin1String(THelpWindow::FileName);
}

} // namespace

TEST(Help, F1OpensTheHelpFileOfTheProgramFolder) {
    TMainFormSetup setup;
    TMainForm& form = setup.Form();
    std::filesystem::copy_file(installedHelp().toStdString(),
                               std::filesystem::path(AppDir) / THelpWindow::FileName);
    ASSERT_EQ(form.HelpWindow(), nullptr);
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    QTest::keyClick(&form, Qt::Key_F1);
    THelpWindow* help = form.HelpWindow();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_TRUE(help->HelpFound());
    EXPECT_EQ(help->HelpFile().toLocalFile(),
              QString::fromStdString((std::filesystem::path(AppDir) / THelpWindow::FileName).string()));
    const QString text = help->Browser()->toPlainText();
    EXPECT_TRUE(text.contains(QStringLiteral("Содержание")));
    EXPECT_TRUE(text.contains(QStringLiteral("Указатель")));
    EXPECT_EQ(help->Browser()->documentTitle(), "Справка по Вериграфу");

    // Every tool the window offers is explained, under the name its command has.
    for (QAction* action : form.ToolsActions + form.FourVertexActions)
        EXPECT_TRUE(text.contains(action->text(), Qt::CaseInsensitive)) << action->text().toStdString();
}

TEST(Help, EveryLinkOfTheHelpFileLeadsSomewhere) {
    QFile file(installedHelp());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(file.readAll());
    QSet<QString> anchors;
    for (const auto& match : QRegularExpression(QStringLiteral("name=\"([^\"]+)\"")).globalMatch(html))
        anchors << match.captured(1);
    int links = 0;
    for (const auto& match : QRegularExpression(QStringLiteral("href=\"#([^\"]+)\"")).globalMatch(html)) {
        ++links;
        EXPECT_TRUE(anchors.contains(match.captured(1))) << match.captured(1).toStdString();
    }
    EXPECT_GT(links, 50);

    // Without the file, the window says where it looked.
    TTempFolder empty;
    THelpWindow missing(QString::fromStdString(empty.Path().string()));
    EXPECT_FALSE(missing.HelpFound());
    EXPECT_TRUE(missing.Browser()->toPlainText().contains(QLatin1String(THelpWindow::FileName)));
}

TEST(Help, AboutNamesTheProgramAndItsVersionHere) {
    TMainFormSetup setup;
    QString title;
    QString product;
    AnswerModal([&](QWidget* w) {
        title = w->windowTitle();
        if (auto* line = w->findChild<QLabel*>("ProductLine")) product = line->text();
        if (auto* ok = w->findChild<QPushButton*>("OKButton")) ok->click();
    });
    setup.Form().AboutCmd->trigger();
    EXPECT_EQ(title, "О программе");
    EXPECT_EQ(product, TAboutForm::ProductLine());
    EXPECT_TRUE(product.startsWith(QStringLiteral("Вериграф технолога версия 2.1 (")));
    EXPECT_TRUE(product.contains(QStringLiteral("Qt 6")));
}
