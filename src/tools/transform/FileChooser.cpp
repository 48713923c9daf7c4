#include "tools/transform/FileChooser.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QString overwriteQuestion(const QString& fileName) {
    return QStringLiteral("Файл %1 уже существует.\nЗаменить его?").arg(fileName);
}

QString fileNotFoundMessage(const QString& fileName) {
    return fileName + QStringLiteral("\nФайл не найден.\nПроверьте правильность указанного имени файла.");
}

} // namespace

TFileChooser::TFileChooser(QWidget* owner, const QString& title, AcceptMode acceptMode, FileMode fileMode)
    : QFileDialog(owner) {
    setObjectName(QStringLiteral("TechFilesDialog"));
    // The desktop's own dialog could not take the pane; the questions are asked here, in
    // Russian, and the filter list shows the descriptions alone, as they already name
    // their patterns where it matters.
    setOptions(DontUseNativeDialog | DontConfirmOverwrite | HideNameFilterDetails);
    setWindowTitle(title);
    setAcceptMode(acceptMode);
    setFileMode(fileMode);
    setLabelText(LookIn, QStringLiteral("Папка:"));
    setLabelText(FileName, QStringLiteral("Имя файла:"));
    setLabelText(FileType, QStringLiteral("Тип файлов:"));
    setLabelText(Accept, acceptMode == AcceptSave ? QStringLiteral("Сохранить") : QStringLiteral("Открыть"));
    setLabelText(Reject, QStringLiteral("Отмена"));
    setSizeGripEnabled(true);
}

void TFileChooser::AddPreviewPane(QWidget* pane) {
    // Qt's widget-based dialog lays all its controls out in one grid; the pane takes a
    // column of its own to the right of them, over all rows.
    auto* grid = qobject_cast<QGridLayout*>(layout());
    if (!grid) {
        pane->setParent(this);
        pane->move(width(), PaneTop);
        return;
    }
    auto* column = new QVBoxLayout;
    column->setContentsMargins(0, std::max(0, PaneTop - grid->contentsMargins().top()), 0, 0);
    column->addWidget(pane);
    column->addStretch();
    grid->addLayout(column, 0, grid->columnCount(), grid->rowCount(), 1);
}

void TFileChooser::accept() {
    if (Confirmed()) QFileDialog::accept();
}

bool TFileChooser::Confirmed() {
    const QStringList files = selectedFiles();
    if (files.size() != 1) return true;
    const QFileInfo info(files.first());
    if (info.isDir()) return true; // Qt's dialog goes into the folder
    if (acceptMode() == AcceptSave && info.exists()) {
        QMessageBox box(QMessageBox::Warning, windowTitle(), overwriteQuestion(info.fileName()),
                        QMessageBox::Yes | QMessageBox::No, this);
        box.button(QMessageBox::Yes)->setText(QStringLiteral("Да"));
        box.button(QMessageBox::No)->setText(QStringLiteral("Нет"));
        box.setDefaultButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes;
    }
    // Qt's dialog keeps its open button disabled until the name is that of an existing
    // file, but Enter in the name box still comes here.
    if (acceptMode() == AcceptOpen && fileMode() == ExistingFile && !info.exists()) {
        QMessageBox box(QMessageBox::Warning, windowTitle(), fileNotFoundMessage(info.fileName()),
                        QMessageBox::Ok, this);
        box.exec();
        return false;
    }
    return true;
}
