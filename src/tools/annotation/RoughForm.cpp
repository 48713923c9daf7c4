#include "tools/annotation/RoughForm.h"

#include "tools/base/ToolHost.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int EditWidth = 177;

} // namespace

TRoughForm::TRoughForm(QWidget* owner) : TTechModalDialog(owner) {
    setObjectName(QStringLiteral("RoughForm"));
    setWindowTitle(QStringLiteral("Вериграф технолога"));
    auto* caption = new QLabel(QStringLiteral("Введите значение параметра"), this);
    caption->setObjectName(QStringLiteral("Label1"));
    RoughEdit = new QLineEdit(this);
    RoughEdit->setObjectName(QStringLiteral("RoughEdit"));
    RoughEdit->setAccessibleName(caption->text());
    RoughEdit->setFixedWidth(EditWidth);
    caption->setBuddy(RoughEdit);
    OKButton = NewButton("OKButton", "OK");
    CancelButton = NewButton("CancelButton", "Отмена");

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addWidget(RoughEdit);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(OKButton);
    buttons->addWidget(CancelButton);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void TRoughForm::showEvent(QShowEvent* event) {
    TTechModalDialog::showEvent(event);
    RoughEdit->clear();
    RoughEdit->setFocus();
}

bool AskRoughValue(QString& text) {
    TRoughForm form(ToolHost().MainWindow());
    if (form.exec() != QDialog::Accepted) return false;
    text = form.RoughEdit->text();
    return true;
}
