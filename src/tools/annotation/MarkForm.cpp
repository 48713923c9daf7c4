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

#include <algorithm>
#include <array>

namespace {

constexpr int PictureSize = 44;
constexpr int ButtonsPerRow = 3;
constexpr int OtherButtonsPerRow = 5;
constexpr gdi::COLORREF White = 0xFFFFFF;
constexpr gdi::COLORREF Black = 0x000000;

constexpr std::array<const char*, 6> ClutchLetters{"", "P", "H", "E", "M", "EM"};
constexpr std::array<const char*, 6> ClutchCaptions{"Нет", "P", "H", "E", "M", "EM"};

// Big enough for the largest mark (the sign of the rest of the surfaces) about its
// anchor in the middle.
constexpr int ScratchSize = 160;
constexpr int PictureMargin = 2;

void drawPicture(gdi::DeviceContext& dc, int32_t kind, gdi::Point anchor) {
    TMarkRenderer renderer;
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

gdi::DeviceContext whiteCanvas(int width, int height) {
    gdi::DeviceContext dc;
    dc.selectBitmap(gdi::Bitmap::create(width, height, 32));
    dc.fillRect({0, 0, width, height}, gdi::createSolidBrush(White));
    return dc;
}

// The pixels a kind's picture covers when drawn about the middle of the scratch canvas.
gdi::Rect pictureBounds(int32_t kind) {
    gdi::DeviceContext scratch = whiteCanvas(ScratchSize, ScratchSize);
    drawPicture(scratch, kind, {ScratchSize / 2, ScratchSize / 2});
    gdi::Rect bounds{ScratchSize, ScratchSize, 0, 0};
    for (int y = 0; y < ScratchSize; ++y)
        for (int x = 0; x < ScratchSize; ++x)
            if (scratch.getPixel(x, y) != White) {
                bounds.left = std::min(bounds.left, x);
                bounds.top = std::min(bounds.top, y);
                bounds.right = std::max(bounds.right, x + 1);
                bounds.bottom = std::max(bounds.bottom, y + 1);
            }
    return bounds.left < bounds.right ? bounds : gdi::Rect{0, 0, 1, 1};
}

QGroupBox* buttonGroup(const char* title, QWidget* parent) {
    auto* box = new QGroupBox(QString::fromUtf8(title), parent);
    auto* grid = new QGridLayout(box);
    grid->setSpacing(1);
    return box;
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
    // The mark upright, in the middle of a square at least as big as a button's picture;
    // the button shrinks the few bigger ones.
    const gdi::Rect bounds = pictureBounds(kind);
    const int side =
        std::max({PictureSize, bounds.width() + 2 * PictureMargin, bounds.height() + 2 * PictureMargin});
    gdi::DeviceContext dc = whiteCanvas(side, side);
    const gdi::Point anchor{ScratchSize / 2 - (bounds.left + bounds.right) / 2 + side / 2,
                            ScratchSize / 2 - (bounds.top + bounds.bottom) / 2 + side / 2};
    drawPicture(dc, kind, anchor);
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

    auto* technological = new QGroupBox(QStringLiteral("Технологические обозначения"), this);
    auto* technologicalLayout = new QHBoxLayout(technological);
    QGroupBox* supports = buttonGroup("Опоры", technological);
    QGroupBox* clutches = buttonGroup("Зажимы", technological);
    QGroupBox* mounts = buttonGroup("Установочные устройства", technological);
    QGroupBox* forms = buttonGroup("Формы рабочей поверхности", technological);
    for (QGroupBox* box : {supports, clutches, mounts, forms})
        technologicalLayout->addWidget(box, 0, Qt::AlignTop);
    QGroupBox* others = buttonGroup("Другие знаки", this);

    const std::array boxes{supports, clutches, mounts, forms, others};
    std::array<int, boxes.size()> placed{};
    for (const TMarkKind& kind : MarkKinds()) {
        QAction* action = NewMarkAction(kind);
        const bool other = kind.Group == TMarkGroup::Others;
        (other ? OtherActionList : USTDActionList).push_back(action);
        QGroupBox* box = boxes[size_t(kind.Group)];
        int& at = placed[size_t(kind.Group)];
        const int perRow = other ? OtherButtonsPerRow : ButtonsPerRow;
        static_cast<QGridLayout*>(box->layout())
            ->addWidget(markButton(action, box), at / perRow, at % perRow);
        ++at;
    }
    AddClutchLetters(clutches);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(technological);
    layout->addWidget(others);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QAction* TMarkForm::NewMarkAction(const TMarkKind& kind) {
    auto* action = new QAction(this);
    action->setObjectName(QString::fromLatin1(kind.Action));
    const QString hint = QString::fromUtf8(kind.Hint);
    // The one mark without a name is read out by its action's name.
    action->setText(hint.isEmpty() ? action->objectName() : hint);
    action->setToolTip(hint);
    action->setData(kind.Kind);
    action->setCheckable(true);
    action->setIcon(QIcon(QPixmap::fromImage(MarkPicture(kind.Kind))));
    connect(action, &QAction::triggered, this, [this, action] { USTD_OthersMarkSel(action); });
    return action;
}

void TMarkForm::AddClutchLetters(QGroupBox* clutches) {
    auto* letters = static_cast<QGridLayout*>(clutches->layout());
    for (size_t tag = 0; tag < ClutchCaptions.size(); ++tag) {
        auto* radio = new QRadioButton(QString::fromUtf8(ClutchCaptions[tag]), clutches);
        radio->setObjectName(QStringLiteral("ClutchChar%1").arg(tag));
        radio->setChecked(tag == 0);
        connect(radio, &QRadioButton::clicked, this, [this, tag] { ClutchCharClick(int(tag)); });
        // Below the clamps' buttons, two to a row.
        letters->addWidget(radio, 1 + int(tag) / 2, int(tag) % 2);
        ClutchButtons.push_back(radio);
    }
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
