#include "app/QtPrinterTarget.h"
#include "document/TechDocument.h"

#include <QApplication>
#include <QFile>
#include <QPrintDialog>
#include <QTimer>
#include <gtest/gtest.h>

#include <filesystem>

namespace {

class PrintingTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Document = std::make_unique<TTechDocument>();
        std::filesystem::create_directories(m_dir);
    }
    void TearDown() override {
        Document.reset();
        std::filesystem::remove_all(m_dir);
    }
    QString pdf(const char* name) const { return QString::fromStdString((m_dir / name).string()); }

    static QByteArray read(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

  private:
    std::filesystem::path m_dir =
        std::filesystem::temp_directory_path() / ("verigraf-print-" + std::to_string(::getpid()));
};

} // namespace

TEST_F(PrintingTest, SketchGoesToAPdfPageInTheOrientationOfItsSheet) {
    Document->CreateNewDocument(794, 1123);
    Document->SheetKind = 1;
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setOutputFileName(pdf("portrait.pdf"));
        TQtPrinterTarget target(printer);
        EXPECT_EQ(target.PixelsPerInchX(), printer.resolution());
        ASSERT_TRUE(Document->Print(target));
        EXPECT_EQ(printer.docName(), "Вериграф технолога");
    }
    const QByteArray portrait = read(pdf("portrait.pdf"));
    ASSERT_TRUE(portrait.startsWith("%PDF"));
    EXPECT_EQ(portrait.count("/Type /Page\n") + portrait.count("/Type /Page\r") +
                  portrait.count("/Type /Page "),
              1);
    EXPECT_TRUE(portrait.contains("/Width 794"));
    EXPECT_TRUE(portrait.contains("/Height 1123"));
    EXPECT_TRUE(portrait.contains("/MediaBox [0 0 595")) << portrait.left(2000).toStdString();

    Document->CreateNewDocument(1123, 794);
    Document->SheetKind = 2;
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setOutputFileName(pdf("landscape.pdf"));
        TQtPrinterTarget target(printer);
        ASSERT_TRUE(Document->Print(target));
        EXPECT_GT(target.PageSize().cx, target.PageSize().cy);
    }
    EXPECT_TRUE(read(pdf("landscape.pdf")).contains("/MediaBox [0 0 842"));
}

TEST_F(PrintingTest, ThePrintDialogCanPrintToAPdfFile) {
    Document->CreateNewDocument(300, 200);
    Document->SheetKind = 5;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf("dialog.pdf"));
    // The user presses Print in the dialog, which offers the PDF file chosen before.
    QTimer::singleShot(300, [] {
        if (auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget())) dialog->accept();
    });
    ASSERT_TRUE(PrintSketchWithDialog(printer, nullptr));
    EXPECT_TRUE(read(pdf("dialog.pdf")).startsWith("%PDF"));

    // Cancelled: nothing is printed.
    printer.setOutputFileName(pdf("cancelled.pdf"));
    QTimer::singleShot(300, [] {
        if (auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget())) dialog->reject();
    });
    EXPECT_FALSE(PrintSketchWithDialog(printer, nullptr));
    EXPECT_FALSE(QFile::exists(pdf("cancelled.pdf")));
}
