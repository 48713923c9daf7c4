#include "tools/blocks/AddToLibraryForm.h"

#include "tools/base/ToolHost.h"

#include "document/TechDocument.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace {

// Most file systems take 255 bytes for a name; the extension needs four of them.
constexpr int MaxNameBytes = 255 - 4;

void refuse(QWidget* owner) {
    QMessageBox box(QMessageBox::Warning, QString::fromUtf8(ProgramTitle),
                    QStringLiteral("Такое имя не годится для файла библиотеки. Имя не может содержать "
                                   "«/», «\\», «..» и управляющие символы и должно быть короче."),
                    QMessageBox::Ok, owner);
    box.exec();
}

} // namespace

bool LibraryNameAcceptable(const QString& name) {
    if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) ||
        name.contains(QLatin1String("..")) || name.toUtf8().size() > MaxNameBytes)
        return false;
    for (QChar c : name)
        if (c.category() == QChar::Other_Control) return false;
    return true;
}

TAddToLibraryForm::TAddToLibraryForm(QWidget* owner) : TTechModalDialog(owner) {
    setObjectName(QStringLiteral("AddToLibraryForm"));
    setWindowTitle(QStringLiteral("Добавить в библиотеку"));
    setFixedSize(170, 84);
    Label1 = new QLabel(QStringLiteral("Введите имя объекта"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(8, 4, 154, 16);
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setAccessibleName(Label1->text());
    Edit1->setGeometry(8, 24, 154, 22);
    OKButton = NewButton("OKButton", "OK");
    OKButton->setGeometry(8, 54, 73, 24);
    CancelButton = NewButton("CancelButton", "Отмена");
    CancelButton->setGeometry(89, 54, 73, 24);
    connect(OKButton, &QPushButton::clicked, this, &TAddToLibraryForm::accept);
    connect(CancelButton, &QPushButton::clicked, this, &TAddToLibraryForm::reject);
}

void TAddToLibraryForm::accept() {
    if (!LibraryNameAcceptable(Edit1->text())) {
        refuse(this);
        Edit1->setFocus();
        return;
    }
    TTechModalDialog::accept();
}

TLibraryName AskLibraryName() {
    TAddToLibraryForm form(ToolHost().MainWindow());
    const bool ok = form.exec() == QDialog::Accepted;
    const QString name = form.Edit1->text();
    return {ok && !name.isEmpty(), name};
}

bool ConfirmLibraryReplace(const std::string& path) {
    const QFileInfo file(QString::fromStdString(path));
    if (!file.exists()) return true;
    QMessageBox box(QMessageBox::Question, QString::fromUtf8(ProgramTitle),
                    QStringLiteral("Файл %1 уже существует, заменить?").arg(file.fileName()),
                    QMessageBox::Yes | QMessageBox::No, ToolHost().MainWindow());
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Да"));
    box.button(QMessageBox::No)->setText(QStringLiteral("Нет"));
    return box.exec() == QMessageBox::Yes;
}

void TellBlockNotSaved(const std::string& path) {
    QMessageBox box(QMessageBox::Warning, QString::fromUtf8(ProgramTitle),
                    QStringLiteral("Не удалось записать файл %1. Блок не сохранён.")
                        .arg(QDir::toNativeSeparators(QString::fromStdString(path))),
                    QMessageBox::Ok, ToolHost().MainWindow());
    box.exec();
}
