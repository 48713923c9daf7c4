#include "tools/draw/AnySizeDraftDlg.h"

#include "document/SketchBitmap.h"
#include "document/TechDocument.h"
#include "tools/draw/NewSketchCommand.h"
#include "tools/draw/UpDown.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpressionValidator>

#include <cmath>

namespace {

constexpr int32_t UpDownMin = 0;
constexpr int32_t UpDownMax = 1000;
constexpr int32_t DefaultWidthMm = 250;
constexpr int32_t DefaultHeightMm = 150;

// Nothing but digits gets into the edits, typed or pasted; any run of them is taken,
// also beyond the arrows' range.
QLineEdit* millimetreEdit(const char* name, const QString& caption, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setAccessibleName(caption);
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
    edit->setMinimumWidth(97);
    return edit;
}

// The longest side in millimetres that still fits a sketch.
int64_t longestSideMm() {
    int64_t mm = int64_t(MaxSketchSide / 3.7824) + 1;
    while (MmToPixels(mm) > MaxSketchSide)
        --mm;
    return mm;
}

// The largest area a sketch holds, in square metres, rounded down to a tenth.
QString largestAreaM2() {
    const double mm2 = double(MaxSketchPixels) / (3.7824 * 3.7824);
    return QString::number(std::floor(mm2 / 1e5) / 10.0, 'f', 1).replace(QLatin1Char('.'), QLatin1Char(','));
}

// Millimetres typed into an edit; a run of digits too long to count is as good as huge.
int64_t typedMm(const QLineEdit* edit) {
    bool ok = false;
    const int64_t mm = edit->text().toLongLong(&ok);
    return ok && mm <= 1'000'000'000 ? mm : 1'000'000'000;
}

} // namespace

TAnySizeDraftDlg::TAnySizeDraftDlg(QWidget* parent) : TTechModalDialog(parent) {
    setWindowTitle(QStringLiteral("Новый эскиз"));
    setObjectName(QStringLiteral("AnySizeDraftDlg"));
    setWindowFlag(Qt::WindowStaysOnTopHint);

    const QString widthCaption = QStringLiteral("Ширина листа(мм)");
    const QString heightCaption = QStringLiteral("Высота листа(мм)");
    auto* label1 = new QLabel(widthCaption, this);
    label1->setObjectName(QStringLiteral("Label1"));
    auto* label2 = new QLabel(heightCaption, this);
    label2->setObjectName(QStringLiteral("Label2"));
    EditWidth = millimetreEdit("EditWidth", widthCaption, this);
    EditHeight = millimetreEdit("EditHeight", heightCaption, this);
    label1->setBuddy(EditWidth);
    label2->setBuddy(EditHeight);
    UpDownWidth = new TUpDown(EditWidth, UpDownMin, UpDownMax, DefaultWidthMm, this);
    UpDownWidth->setObjectName(QStringLiteral("UpDownWidth"));
    UpDownWidth->SetAccessibleNames(QStringLiteral("Ширина листа"));
    UpDownHeight = new TUpDown(EditHeight, UpDownMin, UpDownMax, DefaultHeightMm, this);
    UpDownHeight->setObjectName(QStringLiteral("UpDownHeight"));
    UpDownHeight->SetAccessibleNames(QStringLiteral("Высота листа"));

    AcceptButton = new QPushButton(QStringLiteral("OK"), this);
    AcceptButton->setObjectName(QStringLiteral("AcceptButton"));
    CancelButton = new QPushButton(QStringLiteral("Отмена"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    for (QPushButton* button : {AcceptButton, CancelButton})
        button->setAutoDefault(false);
    connect(AcceptButton, &QPushButton::clicked, this, &TAnySizeDraftDlg::accept);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);

    auto editRow = [](QLineEdit* edit, TUpDown* upDown) {
        auto* row = new QHBoxLayout;
        row->setSpacing(0);
        row->addWidget(edit);
        row->addWidget(upDown);
        return row;
    };
    auto* layout = new QGridLayout(this);
    layout->addWidget(label1, 0, 0);
    layout->addLayout(editRow(EditWidth, UpDownWidth), 1, 0);
    layout->addWidget(AcceptButton, 1, 1);
    layout->addWidget(label2, 2, 0);
    layout->addLayout(editRow(EditHeight, UpDownHeight), 3, 0);
    layout->addWidget(CancelButton, 3, 1);
    layout->setColumnMinimumWidth(1, 75);
    layout->setHorizontalSpacing(16);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(EditWidth, &QLineEdit::textChanged, this, &TAnySizeDraftDlg::EditsChange);
    connect(EditHeight, &QLineEdit::textChanged, this, &TAnySizeDraftDlg::EditsChange);
    EditsChange();
}

QString TAnySizeDraftDlg::SizeRefusal() const {
    const int64_t widthMm = typedMm(EditWidth);
    const int64_t heightMm = typedMm(EditHeight);
    if (widthMm == 0 || heightMm == 0) return QStringLiteral("Размер листа должен быть больше нуля.");
    if (IsSaneSketchSize(MmToPixels(widthMm), MmToPixels(heightMm))) return {};
    return QStringLiteral("Лист %1 × %2 мм слишком велик для эскиза.\n"
                          "Сторона листа может быть не больше %3 мм, площадь — не больше %4 м².")
        .arg(EditWidth->text(), EditHeight->text())
        .arg(longestSideMm())
        .arg(largestAreaM2());
}

void TAnySizeDraftDlg::accept() {
    const QString refusal = SizeRefusal();
    if (refusal.isEmpty()) {
        TTechModalDialog::accept();
        return;
    }
    QMessageBox box(QMessageBox::Warning, QString::fromUtf8(ProgramTitle), refusal, QMessageBox::Ok, this);
    box.exec();
    // The typed values stay for the user to correct, with the keys back in the dialog.
    activateWindow();
    EditWidth->setFocus();
}

void TAnySizeDraftDlg::EditsChange() {
    AcceptButton->setEnabled(!EditWidth->text().isEmpty() && !EditHeight->text().isEmpty());
}

bool TAnySizeDraftDlg::CanAccept() const {
    return AcceptButton->isEnabled();
}
