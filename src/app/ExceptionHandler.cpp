#include "app/ExceptionHandler.h"

#include "document/Folders.h"
#include "document/SketchFiles.h"
#include "document/TechDocument.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QMessageBox>

#include <new>

void TGloblaExceptionHandler::HandleException(std::exception_ptr error) {
    if (!error) return;
    try {
        std::rethrow_exception(error);
    } catch (const std::bad_alloc&) {
        OutOfMemory();
    } catch (...) {
        // Dropped on purpose: the command stops where it failed and keeps what it drew.
    }
}

void TGloblaExceptionHandler::OutOfMemory() {
    // The program cannot go on safely, but the drawing must not be lost with it.
    const std::string saved = SaveSketchForRescue();
    QString text = QStringLiteral("Не хватает памяти, программа будет закрыта.");
    if (!saved.empty())
        text += QStringLiteral("\nЭскиз сохранён в файле\n") + QString::fromStdString(saved);
    else if (Document && Document->FDocBitmap)
        text += QStringLiteral("\nСохранить эскиз не удалось.");
    QMessageBox box(QMessageBox::Critical, QString::fromUtf8(ProgramTitle), text, QMessageBox::Ok);
    box.exec();
    EndProgram();
}

void TGloblaExceptionHandler::EndProgram() {
    QCoreApplication::exit(OutOfMemoryExitCode);
}

std::string SaveSketchForRescue() {
    if (!Document || !Document->FDocBitmap || TempDir.empty()) return {};
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh-mm-ss"));
    const std::string path = TempDir + "/Несохранённый эскиз " + stamp.toStdString() + ".ilj";
    try {
        SaveSketchImage(Document->FDocBitmap, path);
    } catch (...) {
        return {};
    }
    return path;
}
