#include "tools/annotation/MarkForm.h"

#include "tools/annotation/Mark.h"
#include "tools/annotation/MarkCallouts.h"
#include "tools/annotation/MarkKinds.h"

#include "tools/base/BitmapImage.h"
#include "tools/base/ToolSwitch.h"

#include "gdi/Brush.h"
#include "gdi/DeviceContext.h"

#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <array>

namespace {

constexpr int PictureSize = 44;
constexpr int ButtonsPerRow = 3;
constexpr gdi::COLORREF White = 0xFFFFFF;
constexpr gdi::COLORREF Black = 0x000000;

constexpr std::array<const char*, 6> ClutchLetters{"", "P", "H", "E", "M", "EM"};
constexpr std::array<const char*, 6> ClutchCaptions{"Нет", "P", "H", "E", "M", "EM"};

// Where a kind's picture has its anchor: most marks stand upright on the bottom edge;
// the two drawn in a fixed frame and the callouts need room of their own.
gdi::Point pictureAnchor(int32_t kind) {
    switch (kind) {
    case 361:
        return {PictureSize / 2, PictureSize - 1};
    case RoughOtherKind:
        return {11, PictureSize - 3};
    case SurfaceNumberKind:
        return {4, PictureSize / 2};
    case DatumKind:
        return {PictureSize / 2, PictureSize - 2};
    default:
        return {PictureSize / 2, PictureSize - 2};
    }
}

void drawPicture(gdi::DeviceContext& dc, int32_t kind) {
    TMarkRenderer renderer;
    const gdi::Point anchor = pictureAnchor(kind);
    if (kind == SurfaceNumberKind) {
        DrawSurfaceNumber(renderer, dc, Black, "1", {anchor.x + 12, anchor.y}, anchor);
        return;
    }
    if (kind == DatumKind) {
        DrawDatum(renderer, dc, Black, "А", {anchor.x, anchor.y - 26}, anchor);
        return;
    }
    renderer.Begin(dc, gdi::R2_COPYPEN, MarkPenWidth(kind), Black);
    renderer.SetOrigin(anchor);
    const TMarkDirection up = MarkDirections[UprightDirection];
    DrawMarkStrokes(renderer, kind, up.Cos, up.Sin);
    renderer.Finish();
}

QToolButton* markButton(QAction* action, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setDefaultAction(action);
    button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    button->setIconSize(QSize(PictureSize, PictureSize));
    button->setAutoRaise(true);
    return button;
}

} // namespace

QImage MarkPicture(int32_t kind) {
    gdi::DeviceContext dc;
    dc.selectBitmap(gdi::Bitmap::create(PictureSize, PictureSize, 32));
    dc.fillRect({0, 0, PictureSize, PictureSize}, gdi::createSolidBrush(White));
    drawPicture(dc, kind);
    return ImageOfBitmap(dc.bitmap());
}

QString ClutchLetterOfTag(int tag) {
    if (tag < 0 || size_t(tag) >= ClutchLetters.size()) return {};
    return QString::fromLatin1(ClutchLetters[size_t(tag)]);
}

TMarkForm::TMarkForm(QWidget* owner) : TTechDialogBaseForm(owner) {
    setObjectName(QStringLiteral("MarkForm"));
    setWindowTitle(QStringLiteral("Спецзнаки"));
    setWindowFlag(Qt::WindowStaysOnTopHint);

    auto group = [](const char* title, QWidget* parent) {
        auto* box = new QGroupBox(QString::fromUtf8(title), parent);
        auto* grid = new QGridLayout(box);
        grid->setSpacing(1);
        return box;
    };
    auto* technological = new QGroupBox(QStringLiteral("Технологические обозначения"), this);
    auto* technologicalLayout = new QHBoxLayout(technological);
    QGroupBox* supports = group("Опоры", technological);
    QGroupBox* clutches = group("Зажимы", technological);
    QGroupBox* mounts = group("Установочные устройства", technological);
    QGroupBox* forms = group("Формы рабочей поверхности", technological);
    for (QGroupBox* box : {supports, clutches, mounts, forms})
        technologicalLayout->addWidget(box, 0, Qt::AlignTop);
    QGroupBox* others = group("Другие знаки", this);

    std::array<int, 5> placed{};
    for (const TMarkKind& kind : MarkKinds()) {
        auto* action = new QAction(this);
        action->setObjectName(QString::fromLatin1(kind.Action));
        const QString hint = QString::fromUtf8(kind.Hint);
        action->setText(hint.isEmpty() ? action->objectName() : hint);
        action->setToolTip(hint);
        action->setData(kind.Kind);
        action->setCheckable(true);
        action->setIcon(QIcon(QPixmap::fromImage(MarkPicture(kind.Kind))));
        connect(action, &QAction::triggered, this, [this, action] { USTD_OthersMarkSel(action); });
        const bool other = kind.Group == TMarkGroup::Others;
        (other ? OtherActionList : USTDActionList).push_back(action);
        QGroupBox* box = std::array{supports, clutches, mounts, forms, others}[size_t(kind.Group)];
        int& at = placed[size_t(kind.Group)];
        const int perRow = other ? 5 : ButtonsPerRow;
        static_cast<QGridLayout*>(box->layout())
            ->addWidget(markButton(action, box), at / perRow, at % perRow);
        ++at;
    }

    auto* letters = static_cast<QGridLayout*>(clutches->layout());
    for (size_t tag = 0; tag < ClutchCaptions.size(); ++tag) {
        auto* radio = new QRadioButton(QString::fromUtf8(ClutchCaptions[tag]), clutches);
        radio->setObjectName(QStringLiteral("ClutchChar%1").arg(tag));
        radio->setChecked(tag == 0);
        connect(radio, &QRadioButton::clicked, this, [this, tag] { ClutchCharClick(int(tag)); });
        letters->addWidget(radio, 1 + int(tag) / 2, int(tag) % 2);
        ClutchButtons.push_back(radio);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(technological);
    layout->addWidget(others);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

TMarkForm::~TMarkForm() {
    FChosen = nullptr;
}

QAction* TMarkForm::ActionOf(int32_t kind) const {
    for (const auto* list : {&USTDActionList, &OtherActionList})
        for (QAction* action : *list)
            if (action->data().toInt() == kind) return action;
    return nullptr;
}

void TMarkForm::USTD_OthersMarkSel(QAction* action) {
    if (FChosen && FChosen != action) FChosen->setChecked(false);
    action->setChecked(true);
    if (auto* mark = dynamic_cast<TMark*>(CurrentTool.get())) mark->SelectKind(action->data().toInt());
    FChosen = action;
}

void TMarkForm::ClutchCharClick(int tag) {
    if (auto* mark = dynamic_cast<TMark*>(CurrentTool.get())) mark->ClutchLetter = ClutchLetterOfTag(tag);
}
