#include "tools/draw/CoordForm.h"

#include "tools/base/ToolHost.h"
#include "tools/draw/CentreMark.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

namespace {

QRadioButton* flag(const char* name, const char* caption, QWidget* parent) {
    auto* button = new QRadioButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

} // namespace

TCoordForm::TCoordForm(QWidget* owner) : TTechModalDialog(owner) {
    setObjectName(QStringLiteral("CoordForm"));
    setWindowTitle(QStringLiteral("Координаты центра"));
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint);
    setMinimumSize(171, 79);

    CrossFlag = flag("CrossFlag", "Крест", this);
    AxisLineFlag = flag("AxisLineFlag", "Осевые линии", this);
    PointFlag = flag("PointFlag", "Точка", this);
    EmptyFlag = flag("EmptyFlag", "Нет", this);
    AxisLineFlag->setChecked(true);
    AcceptButton = NewButton("AcceptButton", "OK");
    CancelButton = NewButton("CancelButton", "Отмена");
    connect(AcceptButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QGridLayout(this);
    layout->addWidget(CrossFlag, 0, 0);
    layout->addWidget(AxisLineFlag, 1, 0);
    layout->addWidget(PointFlag, 0, 1);
    layout->addWidget(EmptyFlag, 1, 1);
    layout->addWidget(AcceptButton, 2, 0);
    layout->addWidget(CancelButton, 2, 1);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

uint8_t TCoordForm::Kind() const {
    if (CrossFlag->isChecked()) return CentreMarkCross;
    if (AxisLineFlag->isChecked()) return CentreMarkAxes;
    if (PointFlag->isChecked()) return CentreMarkPoint;
    return CentreMarkNone;
}

void PlaceNearPointer(QWidget& form) {
    form.adjustSize();
    const QPoint pointer = ToolHost().PointerPos();
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize screenSize = screen ? screen->size() : QSize(1024, 768);
    const int left =
        pointer.x() + form.width() + 50 < screenSize.width() ? pointer.x() + 50 : pointer.x() - 200;
    const int top = pointer.y() + form.height() < screenSize.height() ? pointer.y() - 50 : pointer.y() - 80;
    form.move(left, top);
}
