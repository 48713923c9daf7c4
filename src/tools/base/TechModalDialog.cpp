#include "tools/base/TechModalDialog.h"

#include "tools/base/KeyPreview.h"

#include <QKeyEvent>
#include <QPushButton>

TTechModalDialog::TTechModalDialog(QWidget* owner) : QDialog(owner) {
    new TKeyPreview(this, [this](QKeyEvent& event) { return FormKeyDown(event); });
}

bool TTechModalDialog::FormKeyDown(QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (CanAccept()) accept();
        return true;
    case Qt::Key_Escape:
        reject();
        return true;
    default:
        return false;
    }
}

QPushButton* TTechModalDialog::NewButton(const char* name, const char* caption) {
    auto* button = new QPushButton(QString::fromUtf8(caption), this);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}
