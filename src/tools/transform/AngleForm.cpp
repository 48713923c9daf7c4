#include "tools/transform/AngleForm.h"

#include "tools/base/KeysSuspension.h"
#include "tools/base/ToolHost.h"
#include "tools/draw/CentreMark.h"
#include "tools/draw/UpDown.h"

#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>
#include <numbers>

namespace {

constexpr int32_t AngleLimit = 360;

} // namespace

TAngleForm::TAngleForm(QWidget* owner) : TTechModalDialog(owner) {
    setObjectName(QStringLiteral("AngleForm"));
    setWindowTitle(QStringLiteral("Повернуть на угол"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowStaysOnTopHint);

    LabeledEdit1 = new QLineEdit(this);
    LabeledEdit1->setObjectName(QStringLiteral("LabeledEdit1"));
    EditLabel = new QLabel(QStringLiteral("Значение угла(°)"), this);
    EditLabel->setObjectName(QStringLiteral("EditLabel"));
    EditLabel->setBuddy(LabeledEdit1);
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(13);
    EditLabel->setFont(font);
    LabeledEdit1->setAccessibleName(EditLabel->text());
    UpDown1 = new TUpDown(LabeledEdit1, -AngleLimit, AngleLimit, 0, this);
    UpDown1->setObjectName(QStringLiteral("UpDown1"));
    UpDown1->SetAccessibleNames(EditLabel->text());
    OKButton = NewButton("OKButton", "OK");
    CancelButton = NewButton("CancelButton", "Отмена");

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(EditLabel);
    auto* edit = new QHBoxLayout;
    edit->setSpacing(0);
    edit->addWidget(LabeledEdit1);
    edit->addWidget(UpDown1);
    layout->addLayout(edit);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(OKButton);
    buttons->addWidget(CancelButton);
    layout->addLayout(buttons);
    // A dialog border: the form keeps the size its controls need.
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(LabeledEdit1, &QLineEdit::textChanged, this, &TAngleForm::TextChanged);
    TextChanged();
}

std::optional<double> TAngleForm::Degrees() const {
    // A Russian keyboard puts a comma before the fraction, an English one a point.
    QString text = LabeledEdit1->text().trimmed();
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double degrees = QLocale::c().toDouble(text, &ok);
    if (!ok || !std::isfinite(degrees)) return std::nullopt;
    return degrees;
}

void TAngleForm::TextChanged() {
    OKButton->setEnabled(Degrees().has_value());
}

bool TAngleForm::CanAccept() const {
    return OKButton->isEnabled();
}

bool AskAngle(float& angle) {
    TKeysSuspension suspension;
    TAngleForm form(ToolHost().MainWindow());
    if (form.exec() != QDialog::Accepted) return false;
    const std::optional<double> degrees = form.Degrees();
    if (!degrees) return false;
    angle = float(*degrees) * std::numbers::pi_v<float> / 180.0f;
    return true;
}
