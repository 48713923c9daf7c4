#include "tools/draw/FontProperty.h"

#include "tools/draw/ColorForm.h"
#include "tools/draw/Text.h"

#include "gdi/FontRegistry.h"
#include "gdi/SystemFonts.h"

#include <QComboBox>
#include <QLabel>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>

#include <array>

namespace {

// The heights offered, as the list shows them: always with a decimal comma, the way the
// program writes every measure.
constexpr std::array<const char*, 11> Heights = {"2,50", "3,00",  "3,50",  "4,00",  "4,50", "5,00",
                                                 "7,00", "10,00", "14,00", "28,00", "40,00"};
constexpr int InitialHeightIndex = 2;
constexpr int BoldTag = 1, ItalicTag = 2, UnderlineTag = 3;
constexpr int32_t BoldWeight = 700, NormalWeight = 400;

QColor qColorOf(gdi::COLORREF colour) {
    return QColor(gdi::GetRValue(colour), gdi::GetGValue(colour), gdi::GetBValue(colour));
}

QString heightText(float heightMm) {
    return QString::number(double(heightMm), 'f', 2).replace(QLatin1Char('.'), QLatin1Char(','));
}

// The height a text of the list stands for; either decimal separator is read.
bool readHeight(QString text, float& heightMm) {
    bool ok = false;
    const float value = QLocale::c().toFloat(text.replace(QLatin1Char(','), QLatin1Char('.')).trimmed(), &ok);
    if (!ok || !(value > 0)) return false;
    heightMm = value;
    return true;
}

// The style button's picture: the Russian initial of the style, written in it.
QIcon styleIcon(int tag) {
    QPixmap picture(16, 16);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    QFont font(QStringLiteral("Sans"));
    font.setPixelSize(13);
    font.setBold(tag == BoldTag);
    font.setItalic(tag == ItalicTag);
    font.setUnderline(tag == UnderlineTag);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QString letter = tag == BoldTag     ? QStringLiteral("Ж")
                           : tag == ItalicTag ? QStringLiteral("К")
                                              : QStringLiteral("Ч");
    painter.drawText(picture.rect(), Qt::AlignCenter, letter);
    return QIcon(picture);
}

} // namespace

// ---- The colour panel ---------------------------------------------------------------------------

TFontColorPanel::TFontColorPanel(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
}

void TFontColorPanel::SetColor(gdi::COLORREF color) {
    if (color == m_color) return;
    m_color = color;
    update();
}

void TFontColorPanel::paintEvent(QPaintEvent* event) {
    QPainter(this).fillRect(contentsRect(), qColorOf(m_color));
    QFrame::paintEvent(event);
}

void TFontColorPanel::mousePressEvent(QMouseEvent* event) {
    if (OnMouseDown) OnMouseDown(event->button(), false);
}

void TFontColorPanel::mouseDoubleClickEvent(QMouseEvent* event) {
    if (OnMouseDown) OnMouseDown(event->button(), true);
}

// ---- The form -------------------------------------------------------------------------------------

TFontProperty::TFontProperty(QWidget* owner) : TTechDialogBaseForm(owner) {
    setObjectName(QStringLiteral("FontProperty"));
    setWindowTitle(QStringLiteral("Параметры шрифта"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setFixedSize(385, 44);
    CreateControls();
    FillFamilies();
    FormCreate();
    connect(FontsCombo, &QComboBox::currentIndexChanged, this, &TFontProperty::FontsComboChange);
    connect(HeightComboBox, &QComboBox::currentIndexChanged, this, &TFontProperty::HeightComboBoxChange);
    ColorPanel->OnMouseDown = [this](Qt::MouseButton button, bool isDouble) {
        ColorPanelMouseDown(button, isDouble);
    };
}

void TFontProperty::CreateControls() {
    auto label = [this](const char* name, const QString& text, int x) {
        auto* created = new QLabel(text, this);
        created->setObjectName(QLatin1String(name));
        created->move(x, 1);
        return created;
    };
    FontLabel = label("FontLabel", QStringLiteral("Шрифт"), 4);
    FontsCombo = new QComboBox(this);
    FontsCombo->setObjectName(QStringLiteral("FontsCombo"));
    FontsCombo->setAccessibleName(QStringLiteral("Шрифт"));
    FontsCombo->setGeometry(4, 18, 180, 22);
    HeightLabel = label("HeightLabel", QStringLiteral("Высота мм."), 190);
    HeightComboBox = new QComboBox(this);
    HeightComboBox->setObjectName(QStringLiteral("HeightComboBox"));
    HeightComboBox->setAccessibleName(QStringLiteral("Высота мм."));
    HeightComboBox->setGeometry(190, 18, 72, 22);
    HeightComboBox->setMaxVisibleItems(int(Heights.size()));
    for (const char* height : Heights)
        HeightComboBox->addItem(QString::fromUtf8(height));
    HeightComboBox->setCurrentIndex(InitialHeightIndex);
    Label1 = label("Label1", QStringLiteral("Цвет"), 268);
    ColorPanel = new TFontColorPanel(this);
    ColorPanel->setObjectName(QStringLiteral("ColorPanel"));
    ColorPanel->setAccessibleName(QStringLiteral("Цвет"));
    ColorPanel->setGeometry(268, 18, 30, 22);
    BoldButton = CreateStyleButton("BoldButton", BoldTag, QStringLiteral("Полужирный"), 304);
    ItalicButton = CreateStyleButton("ItalicButton", ItalicTag, QStringLiteral("Курсив"), 331);
    UnderlineButton = CreateStyleButton("UnderlineButton", UnderlineTag, QStringLiteral("Подчёркнутый"), 358);
}

QToolButton* TFontProperty::CreateStyleButton(const char* name, int tag, const QString& hint, int x) {
    auto* button = new QToolButton(this);
    button->setObjectName(QLatin1String(name));
    button->setProperty("tag", tag);
    button->setCheckable(true);
    button->setAutoRaise(false);
    button->setIcon(styleIcon(tag));
    button->setToolTip(hint);
    button->setAccessibleName(hint);
    button->setGeometry(x, 17, 24, 24);
    connect(button, &QToolButton::clicked, this, [this, button] { UnderlineButtonClick(button); });
    return button;
}

QStringList TFontProperty::TrueTypeFamilies() {
    QStringList families;
    for (const std::string& family : gdi::systemFontFamilies())
        families << QString::fromStdString(family);
    for (const std::string& family : gdi::FontRegistry::instance().families())
        families << QString::fromStdString(family);
    families.sort(Qt::CaseInsensitive);
    QStringList unique;
    for (const QString& family : families)
        if (unique.isEmpty() || unique.back().compare(family, Qt::CaseInsensitive) != 0) unique << family;
    return unique;
}

void TFontProperty::FillFamilies() {
    const QStringList families = TrueTypeFamilies();
    FontsCombo->addItems(families);
    FontsCombo->setCurrentIndex(families.isEmpty() ? -1 : 0);
    if (!TextLogFont.faceName.empty() || families.isEmpty()) return;
    // The first time, the program's own text face, if it is there.
    QString face = families.front();
    for (const QString& family : families)
        if (family.toLower() == QLatin1String("zyq courier")) face = family;
    TextLogFont.faceName = face.toStdString();
}

void TFontProperty::FormCreate() {
    const int face = FontsCombo->findText(QString::fromStdString(TextLogFont.faceName), Qt::MatchFixedString);
    if (face >= 0) FontsCombo->setCurrentIndex(face);
    ShowHeight();
    BoldButton->setChecked(TextLogFont.weight == BoldWeight);
    ItalicButton->setChecked(TextLogFont.italic);
    UnderlineButton->setChecked(TextLogFont.underline);
    ColorPanel->SetColor(TextColor);
}

void TFontProperty::ShowHeight() {
    const QSignalBlocker quiet(HeightComboBox);
    const int index = HeightComboBox->findText(heightText(TextHeightMm));
    if (index >= 0) HeightComboBox->setCurrentIndex(index);
}

// ---- Changes ----------------------------------------------------------------------------------------

void TFontProperty::FontsComboChange() {
    if (FontsCombo->currentIndex() < 0) return;
    TextLogFont.faceName = FontsCombo->currentText().toStdString();
    ApplyTextFont();
}

void TFontProperty::HeightComboBoxChange() {
    float heightMm = 0;
    if (!readHeight(HeightComboBox->currentText(), heightMm)) {
        ShowHeight();
        return;
    }
    TextLogFont.height = TextFontHeight(heightMm, ScreenPixelsPerInchY());
    TextHeightMm = heightMm;
    ApplyTextFont();
}

void TFontProperty::ColorPanelMouseDown(Qt::MouseButton button, bool isDouble) {
    if (button != Qt::RightButton && !isDouble) return;
    gdi::COLORREF colour = ColorPanel->Color();
    if (!PickColor(colour, this)) return;
    TextColor = colour;
    ColorPanel->SetColor(colour);
    ApplyTextFont();
}

void TFontProperty::UnderlineButtonClick(QToolButton* button) {
    const bool down = button->isChecked();
    switch (button->property("tag").toInt()) {
    case BoldTag:
        TextLogFont.weight = down ? BoldWeight : NormalWeight;
        break;
    case ItalicTag:
        TextLogFont.italic = down;
        break;
    case UnderlineTag:
        TextLogFont.underline = down;
        break;
    default:
        return;
    }
    ApplyTextFont();
}
