#include "tools/draw/CtPPForm.h"

#include "tools/base/KeysSuspension.h"
#include "tools/base/ToolHost.h"
#include "tools/draw/CentreMark.h"
#include "tools/draw/CoordForm.h"
#include "tools/draw/UpDown.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int32_t MaxParts = 99;
constexpr int32_t MaxAngle = 360;
constexpr int32_t DefaultParts = 16;

QLineEdit* numberEdit(const char* name, const QString& caption, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setAccessibleName(caption);
    edit->setMaximumWidth(50);
    return edit;
}

QLabel* label(const char* name, const char* caption, QWidget* buddy, QWidget* parent) {
    auto* text = new QLabel(QString::fromUtf8(caption), parent);
    text->setObjectName(QString::fromLatin1(name));
    text->setBuddy(buddy);
    return text;
}

// The check box's caption says its state.
void captionCircleBool(QCheckBox* box) {
    box->setText(box->isChecked() ? QStringLiteral("Да") : QStringLiteral("Нет"));
}

} // namespace

TCtPPForm::TCtPPForm(QWidget* owner) : TTechModalDialog(owner) {
    setObjectName(QStringLiteral("CtPPForm"));
    setWindowTitle(QStringLiteral("Свойства"));
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint);
    setMinimumSize(192, 111);

    Edit1 = numberEdit("Edit1", QStringLiteral("Число делений"), this);
    UpDown1 = new TUpDown(Edit1, 0, MaxParts, DefaultParts, this);
    UpDown1->setObjectName(QStringLiteral("UpDown1"));
    UpDown1->SetAccessibleNames(QStringLiteral("Число делений"));
    Edit2 = numberEdit("Edit2", QStringLiteral("Начальный угол"), this);
    UpDown2 = new TUpDown(Edit2, 0, MaxAngle, 0, this);
    UpDown2->setObjectName(QStringLiteral("UpDown2"));
    UpDown2->SetAccessibleNames(QStringLiteral("Начальный угол"));
    CircleBool = new QCheckBox(this);
    CircleBool->setObjectName(QStringLiteral("CircleBool"));
    CircleBool->setAccessibleName(QStringLiteral("Окружность"));
    CircleBool->setChecked(true);
    captionCircleBool(CircleBool);
    CtpAcceptButton = NewButton("CtpAcceptButton", "OK");
    CtPCancelButton = NewButton("CtPCancelButton", "Отмена");

    auto* layout = new QGridLayout(this);
    auto row = [&](int at, QWidget* caption, QWidget* edit, QWidget* upDown) {
        layout->addWidget(caption, at, 0);
        auto* cell = new QHBoxLayout;
        cell->setSpacing(0);
        cell->addWidget(edit);
        if (upDown) cell->addWidget(upDown);
        cell->addStretch();
        layout->addLayout(cell, at, 1);
    };
    row(0, label("PartQuantity", "Число делений:", Edit1, this), Edit1, UpDown1);
    row(1, label("BeganAngle", "Начальный угол (град.):", Edit2, this), Edit2, UpDown2);
    row(2, label("Label1", "Окружность:", CircleBool, this), CircleBool, nullptr);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(CtpAcceptButton);
    buttons->addWidget(CtPCancelButton);
    layout->addLayout(buttons, 3, 0, 1, 2);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(CircleBool, &QCheckBox::toggled, this, [this] { captionCircleBool(CircleBool); });
    connect(CtpAcceptButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CtPCancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(Edit1, &QLineEdit::textChanged, this, &TCtPPForm::PartsChanged);
    PartsChanged();
}

void TCtPPForm::PartsChanged() {
    CtpAcceptButton->setEnabled(UpDown1->TypedPosition() > 0);
}

bool TCtPPForm::CanAccept() const {
    return CtpAcceptButton->isEnabled();
}

void TCtPPForm::Load(const TDivisionSettings& settings) {
    if (settings.Mask & DivisionCircleGiven) CircleBool->setChecked(settings.Circle != 0);
    // The controls hold 16-bit numbers.
    if (settings.Mask & DivisionAngleGiven) UpDown2->SetPosition(int16_t(settings.StartAngle));
    if (settings.Mask & DivisionPartsGiven) UpDown1->SetPosition(int16_t(settings.Parts));
}

TDivisionSettings TCtPPForm::Read() const {
    TDivisionSettings settings;
    settings.Mask = DivisionAllGiven;
    settings.StartAngle = UpDown2->TypedPosition();
    settings.Parts = UpDown1->TypedPosition();
    settings.Circle = CircleBool->isChecked() ? 1 : 0;
    return settings;
}

bool AskDivision(TDivisionSettings& settings) {
    TKeysSuspension suspension;
    TCtPPForm form(ToolHost().MainWindow());
    form.Load(settings);
    PlaceNearPointer(form);
    ToolHost().SetPromptText(QString::fromUtf8(DivisionPrompt));
    const bool accepted = form.exec() == QDialog::Accepted;
    ToolHost().SetPromptText(QString());
    if (accepted) settings = form.Read();
    return accepted;
}
