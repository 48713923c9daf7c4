#include "tools/draw/ArcForm.h"

#include "tools/base/BitmapImage.h"
#include "tools/base/ToolSwitch.h"
#include "tools/draw/Arc.h"
#include "tools/draw/UpDown.h"

#include "gdi/Brush.h"
#include "gdi/DeviceContext.h"
#include "gdi/Pen.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QToolButton>

#include <algorithm>
#include <tuple>

namespace {

struct TArcPreset {
    int32_t From;
    int32_t To;
};

// The presets by tag - 1, in degrees.
constexpr std::array<TArcPreset, 16> Presets{{{0, 180},
                                              {180, 360},
                                              {90, 270},
                                              {-90, 90},
                                              {90, 180},
                                              {180, 270},
                                              {270, 0},
                                              {0, 90},
                                              {0, 45},
                                              {45, 90},
                                              {90, 135},
                                              {135, 180},
                                              {180, 225},
                                              {225, 270},
                                              {270, 315},
                                              {315, 360}}};

constexpr int32_t AngleLimit = 360;
constexpr gdi::COLORREF White = 0xFFFFFF;
constexpr gdi::COLORREF Black = 0x000000;

// A white picture with a small cross at its centre and the arc about it in black; the
// radius keeps margin pixels from the nearer edge, and nothing but the cross is drawn
// when that leaves no radius.
QImage arcPicture(int32_t width, int32_t height, int32_t margin, int32_t cross, float from, float to) {
    gdi::DeviceContext dc;
    dc.selectBitmap(gdi::Bitmap::create(width, height, 32));
    dc.fillRect({0, 0, width, height}, gdi::createSolidBrush(White));
    gdi::PenPtr old = dc.selectPen(gdi::createPen(gdi::PS_SOLID, 1, Black));
    const gdi::Point centre{width / 2, height / 2};
    dc.moveTo(centre.x - cross, centre.y);
    dc.lineTo(centre.x + cross, centre.y);
    dc.moveTo(centre.x, centre.y - cross);
    dc.lineTo(centre.x, centre.y + cross);
    const int32_t radius = std::min(centre.x, centre.y) - margin;
    if (radius > 0) DrawArcOfCircle(dc, centre, radius, from, to);
    dc.selectPen(old);
    return ImageOfBitmap(dc.bitmap());
}

QLineEdit* degreesEdit(const char* name, const QString& caption, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setAccessibleName(caption);
    edit->setMaximumWidth(60);
    return edit;
}

} // namespace

TArcForm::TArcForm(QWidget* owner) : TTechDialogBaseForm(owner) {
    setObjectName(QStringLiteral("ArcForm"));
    setWindowTitle(QStringLiteral("Задание дуги"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setMinimumSize(191, 159);
    EnterActivatesMain = true;

    auto* layout = new QGridLayout(this);
    layout->addLayout(BuildPresets(), 0, 0, 1, 2);
    layout->addLayout(BuildEdits(), 1, 0);
    ArcImage = new QLabel(this);
    ArcImage->setObjectName(QStringLiteral("ArcImage"));
    ArcImage->setAccessibleName(QStringLiteral("Дуга"));
    ArcImage->setFixedSize(101, 99);
    layout->addWidget(ArcImage, 1, 1);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    DrawPreviewImage();
}

QGridLayout* TArcForm::BuildPresets() {
    auto* presets = new QGridLayout;
    presets->setSpacing(1);
    for (int tag = 1; tag <= int(Presets.size()); ++tag) {
        auto* button = new QToolButton(this);
        const TArcPreset& preset = Presets[size_t(tag - 1)];
        button->setObjectName(QStringLiteral("ArcButton%1").arg(tag));
        button->setAccessibleName(QStringLiteral("Дуга %1..%2").arg(preset.From).arg(preset.To));
        button->setProperty("tag", tag);
        button->setCheckable(true);
        const QImage glyph =
            arcPicture(19, 19, 2, 2, ArcAngleOfDegrees(preset.From), ArcAngleOfDegrees(preset.To));
        button->setIcon(QIcon(QPixmap::fromImage(glyph)));
        button->setIconSize(glyph.size());
        connect(button, &QToolButton::clicked, this, [this, button] { PresetClicked(button); });
        PresetButtons[size_t(tag - 1)] = button;
        presets->addWidget(button, (tag - 1) / 4, (tag - 1) % 4);
    }
    return presets;
}

QGridLayout* TArcForm::BuildEdits() {
    const QString fromCaption = QStringLiteral("От");
    const QString toCaption = QStringLiteral("До");
    FromEdit = degreesEdit("FromEdit", fromCaption, this);
    ToEdit = degreesEdit("ToEdit", toCaption, this);
    UpDown1 = new TUpDown(FromEdit, -AngleLimit, AngleLimit, 0, this);
    UpDown1->setObjectName(QStringLiteral("UpDown1"));
    UpDown1->SetAccessibleNames(fromCaption);
    UpDown2 = new TUpDown(ToEdit, -AngleLimit, AngleLimit, 0, this);
    UpDown2->setObjectName(QStringLiteral("UpDown2"));
    UpDown2->SetAccessibleNames(toCaption);
    auto* edits = new QGridLayout;
    int row = 0;
    for (auto [caption, edit, upDown] :
         {std::tuple{fromCaption, FromEdit, UpDown1}, std::tuple{toCaption, ToEdit, UpDown2}}) {
        auto* label = new QLabel(caption, this);
        label->setBuddy(edit);
        edits->addWidget(label, row, 0);
        edits->addWidget(edit, row, 1);
        edits->addWidget(upDown, row, 2);
        ++row;
    }
    connect(FromEdit, &QLineEdit::editingFinished, this, [this] { ApplyEdit(1); });
    connect(ToEdit, &QLineEdit::editingFinished, this, [this] { ApplyEdit(2); });
    connect(UpDown1, &TUpDown::Stepped, this, [this](int32_t p) { UpDownChanged(1, p); });
    connect(UpDown2, &TUpDown::Stepped, this, [this](int32_t p) { UpDownChanged(2, p); });
    return edits;
}

void TArcForm::PresetClicked(QToolButton* button) {
    // One group in which every button may be up: a click puts the others up.
    for (QToolButton* other : PresetButtons)
        if (other != button) other->setChecked(false);
    SelArc(button->property("tag").toInt());
}

void TArcForm::SelArc(int tag) {
    if (tag < 1 || tag > int(Presets.size())) return;
    const TArcPreset& preset = Presets[size_t(tag - 1)];
    FromAngle = ArcAngleOfDegrees(preset.From);
    ToAngle = ArcAngleOfDegrees(preset.To);
    FromEdit->setText(QString::number(DegreesOfArcAngle(FromAngle)));
    ToEdit->setText(QString::number(DegreesOfArcAngle(ToAngle)));
    AnglesChanged();
}

void TArcForm::ApplyEdit(int tag) {
    QLineEdit* edit = tag == 1 ? FromEdit : ToEdit;
    float& angle = tag == 1 ? FromAngle : ToAngle;
    bool ok = false;
    const int32_t typed = edit->text().trimmed().toInt(&ok);
    if (!ok) {
        // Not a number: the edit shows the angle that stays.
        edit->setText(QString::number(DegreesOfArcAngle(angle)));
    } else {
        const int32_t degrees = std::clamp(typed, -AngleLimit, AngleLimit);
        if (degrees != typed) edit->setText(QString::number(degrees));
        angle = ArcAngleOfDegrees(degrees);
    }
    AnglesChanged();
}

void TArcForm::UpDownChanged(int tag, int32_t position) {
    (tag == 1 ? FromAngle : ToAngle) = ArcAngleOfDegrees(position);
    AnglesChanged();
}

void TArcForm::AnglesChanged() {
    if (auto* arc = dynamic_cast<TArc*>(CurrentTool.get())) {
        arc->SetAngles(FromAngle, ToAngle);
        arc->Repaint();
    }
    DrawPreviewImage();
}

void TArcForm::DrawPreviewImage() {
    ArcImage->setPixmap(QPixmap::fromImage(arcPicture(101, 99, 10, 5, FromAngle, ToAngle)));
}
