#include "app/AboutForm.h"

#include "app/IntroForm.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QSysInfo>
#include <QVBoxLayout>

QString TAboutForm::ProductLine() {
    QString system = QSysInfo::kernelType();
    if (system == QLatin1String("linux")) system = QStringLiteral("Linux");
    return QStringLiteral("Вериграф технолога версия 2.1 (%1, Qt %2.%3)")
        .arg(system)
        .arg(QT_VERSION_MAJOR)
        .arg(QT_VERSION_MINOR);
}

TAboutForm::TAboutForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutForm"));
    setWindowTitle(QStringLiteral("О программе"));

    auto* picture = new QLabel(this);
    picture->setPixmap(QPixmap::fromImage(
        TIntroForm::IntroImage().scaledToWidth(TIntroForm::ImageWidth / 2, Qt::SmoothTransformation)));
    picture->setAlignment(Qt::AlignCenter);
    picture->setAccessibleName(QStringLiteral("Эскиз"));

    auto* product = new QLabel(ProductLine(), this);
    product->setObjectName(QStringLiteral("ProductLine"));
    QFont bold = product->font();
    bold.setBold(true);
    product->setFont(bold);
    product->setAlignment(Qt::AlignCenter);

    auto* purpose =
        new QLabel(QStringLiteral("Редактор операционных эскизов технологического процесса"), this);
    purpose->setAlignment(Qt::AlignCenter);
    purpose->setWordWrap(true);

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(picture);
    layout->addWidget(product);
    layout->addWidget(purpose);
    layout->addWidget(OKButton, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
