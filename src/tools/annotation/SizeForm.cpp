#include "tools/annotation/SizeForm.h"

#include "tools/base/ToolHost.h"

#include "document/Cp1251.h"
#include "document/Folders.h"

#include <QCheckBox>
#include <QEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <string>

const std::array<TDeviationGlyph, 14> DeviationGlyphs = {{
    {'+', 0xB6, 0x9B},
    {',', 0xA8, 0xB8},
    {'-', 0xB4, 0xB5},
    {'.', 0xB7, 0x2E},
    {'0', 0xBA, 0xA0},
    {'1', 0xAB, 0xA1},
    {'2', 0xAC, 0xA2},
    {'3', 0xAD, 0xA3},
    {'4', 0xAE, 0xA4},
    {'5', 0xAF, 0xA5},
    {'6', 0xB0, 0xA6},
    {'7', 0xB1, 0xA7},
    {'8', 0xB2, 0xAA},
    {'9', 0xB3, 0xA9},
}};

namespace {

const char* const FormPrompt = "Задайте значение размера";
// The signs the value and the deviations can be given; the dimension font draws them
// as degree, minute and second.
const std::array<const char*, 3> SignCaptions = {"^", "’", "”"};
const QString Symbols = QStringLiteral("MR$");

QChar glyphOf(uint8_t code) {
    return QString::fromStdString(Cp1251ToUtf8(std::string(1, char(code)))).at(0);
}

// The widgets learn the dimension face once, from the program's own fonts, so that
// the boxes and buttons show the signs as the sketch will.
void loadFaceForWidgets() {
    static const bool loaded = [] {
        QFontDatabase::addApplicationFont(QString::fromStdString(FontsDir + "ZYQVerigraf.ttf"));
        return true;
    }();
    (void)loaded;
}

QFont dimensionFont(int pixels) {
    loadFaceForWidgets();
    QFont font(QStringLiteral("zyq courier"));
    font.setPixelSize(pixels);
    return font;
}

QLineEdit* edit(QWidget* parent, const char* name, int maxLength, int fontPixels) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setAccessibleName(QString::fromLatin1(name));
    box->setMaxLength(maxLength);
    box->setFont(dimensionFont(fontPixels));
    return box;
}

// Deviations take only what a deviation is written with, and the editing keys.
class TDeviationKeys : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
        const QString text = static_cast<QKeyEvent*>(event)->text();
        if (text.isEmpty() || text.at(0).category() == QChar::Other_Control) return false;
        static const QString allowed = QString::fromUtf8("+,-.0123456789^’”");
        return !allowed.contains(text.at(0));
    }
};

} // namespace

QString ConvertDeviation(const QString& text, TDeviationForm form) {
    QString out = text;
    for (QChar& c : out)
        for (const TDeviationGlyph& row : DeviationGlyphs)
            if (c == QLatin1Char(row.Character)) {
                c = glyphOf(form == TDeviationForm::Raised ? row.Raised : row.Lowered);
                break;
            }
    return out;
}

QString ApplyValueSymbol(const QString& value, int tag) {
    const bool hasSymbol = !value.isEmpty() && Symbols.contains(value.at(0));
    if (tag <= 0 || tag > Symbols.size()) return hasSymbol ? value.mid(1) : value;
    const QChar symbol = Symbols.at(tag - 1);
    if (hasSymbol) return symbol + value.mid(1);
    return (symbol + value).left(TSizeDialogData::ValueLimit);
}

// ---- The form ---------------------------------------------------------------------------------

TSizeForm::TSizeForm(QWidget* owner) : TTechModalDialog(owner) {
    setObjectName(QStringLiteral("SizeForm"));
    setWindowTitle(QStringLiteral("Задание размерной надписи"));
    setWindowFlags(Qt::Dialog | Qt::WindowStaysOnTopHint);
    setFixedSize(276, 316);

    auto* params = new QGroupBox(QStringLiteral("Параметры надписи"), this);
    ShaftCheckBox = new QCheckBox(QStringLiteral("Текст на полке"), params);
    ShaftCheckBox->setObjectName(QStringLiteral("ShaftCheckBox"));
    (new QVBoxLayout(params))->addWidget(ShaftCheckBox);

    OKButton = NewButton("OKButton", "OK");
    CancelButton = NewButton("CancelButton", "Отмена");
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKButton);
    buttons->addWidget(CancelButton);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(MakeTextGroup());
    layout->addWidget(params);
    layout->addLayout(buttons);
    EditValue->setFocus();
    ToolHost().SetPromptText(QString::fromUtf8(FormPrompt));
}

TSizeForm::~TSizeForm() {
    ToolHost().SetPromptText(QString());
}

QWidget* TSizeForm::MakeTextGroup() {
    auto* group = new QGroupBox(QStringLiteral("Текст надписи"), this);
    EditBefore = edit(group, "EditBefore", 64, 11);
    EditValue = edit(group, "EditValue", TSizeDialogData::ValueLimit, 13);
    EditUpIndex = edit(group, "EditUpIndex", TSizeDialogData::DeviationLimit, 11);
    EditDownIndex = edit(group, "EditDownIndex", TSizeDialogData::DeviationLimit, 11);
    EditAfter = edit(group, "EditAfter", 64, 11);
    auto* keys = new TDeviationKeys(this);
    EditUpIndex->installEventFilter(keys);
    EditDownIndex->installEventFilter(keys);

    auto* grid = new QGridLayout(group);
    grid->setVerticalSpacing(3);
    grid->addWidget(new QLabel(QStringLiteral("Текст до:"), group), 0, 0);
    grid->addWidget(EditBefore, 0, 1);
    grid->addWidget(MakeSymbolGroup(), 1, 0, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Значение:"), group), 2, 0);
    grid->addWidget(MakeDeviationRow(EditValue, -1), 2, 1);
    grid->addWidget(new QLabel(QStringLiteral("Отклонения:"), group), 3, 0);
    grid->addWidget(MakeDeviationRow(EditUpIndex, 0), 3, 1);
    grid->addWidget(MakeDeviationRow(EditDownIndex, 3), 4, 1);
    grid->addWidget(new QLabel(QStringLiteral("Текст после:"), group), 5, 0);
    grid->addWidget(EditAfter, 5, 1);
    return group;
}

QWidget* TSizeForm::MakeSymbolGroup() {
    auto* group = new QGroupBox(QStringLiteral("Символ"), this);
    auto* row = new QHBoxLayout(group);
    row->setContentsMargins(4, 0, 4, 0);
    const std::array<std::pair<const char*, const char*>, 4> radios = {
        {{"RadioNo", "Нет"}, {"Radio1", "M"}, {"Radio2", "R"}, {"Radio3", "$"}}};
    std::array<QRadioButton*, 4> made{};
    for (int tag = 0; tag < 4; ++tag) {
        made[size_t(tag)] = new QRadioButton(QString::fromUtf8(radios[size_t(tag)].second), group);
        made[size_t(tag)]->setObjectName(QString::fromLatin1(radios[size_t(tag)].first));
        row->addWidget(made[size_t(tag)]);
        connect(made[size_t(tag)], &QRadioButton::clicked, this, [this, tag] { SymbolClick(tag); });
    }
    RadioNo = made[0];
    Radio1 = made[1];
    Radio2 = made[2];
    Radio3 = made[3];
    Radio3->setFont(dimensionFont(16));
    return group;
}

// An edit box with its three sign buttons; firstButton -1 makes the value's buttons.
QWidget* TSizeForm::MakeDeviationRow(QLineEdit* box, int firstButton) {
    auto* holder = new QWidget(box->parentWidget());
    auto* row = new QHBoxLayout(holder);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    box->setParent(holder);
    row->addWidget(box, 1);
    static const std::array<const char*, 3> valueNames = {"DegreeSpeedButton", "MinuteSpeedButton",
                                                          "SecundeSpeedButton"};
    for (int i = 0; i < 3; ++i) {
        const std::string name = firstButton < 0 ? std::string(valueNames[size_t(i)])
                                                 : "SpeedButton" + std::to_string(firstButton + i + 1);
        QPushButton* button = NewButton(name.c_str(), SignCaptions[size_t(i)]);
        button->setParent(holder);
        button->setFont(dimensionFont(13));
        button->setFixedWidth(22);
        button->setFocusPolicy(Qt::NoFocus);
        row->addWidget(button);
        connect(button, &QPushButton::clicked, this, [box, i] {
            box->setText(box->text() + QString::fromUtf8(SignCaptions[size_t(i)]));
            box->setCursorPosition(int(box->text().size()));
        });
        if (firstButton < 0)
            (i == 0 ? DegreeSpeedButton : i == 1 ? MinuteSpeedButton : SecundeSpeedButton) = button;
        else
            SpeedButtons[size_t(firstButton + i)] = button;
    }
    return holder;
}

void TSizeForm::SymbolClick(int tag) {
    EditValue->setText(ApplyValueSymbol(EditValue->text(), tag));
}

void TSizeForm::ShowSymbolOf(const QString& value) {
    const int tag = value.isEmpty() ? 0 : int(Symbols.indexOf(value.at(0))) + 1;
    const std::array<QRadioButton*, 4> radios = {RadioNo, Radio1, Radio2, Radio3};
    radios[size_t(tag)]->setChecked(true);
}

void TSizeForm::SetData(const TSizeDialogData& data) {
    EditBefore->setText(data.BeforeText);
    EditAfter->setText(data.AfterText);
    if (data.Flags & SizeDialogHasValue) EditValue->setText(data.ValueText);
    if (data.Flags & SizeDialogHasShelfState) ShaftCheckBox->setEnabled(data.ShelfEnabled);
    ShowSymbolOf(EditValue->text());
}

void TSizeForm::GetData(TSizeDialogData& data) const {
    data.BeforeText = EditBefore->text().left(TSizeDialogData::TextLimit);
    data.AfterText = EditAfter->text().left(TSizeDialogData::TextLimit);
    data.ValueText = EditValue->text().left(TSizeDialogData::ValueLimit);
    data.UpperText =
        ConvertDeviation(EditUpIndex->text(), TDeviationForm::Raised).left(TSizeDialogData::DeviationLimit);
    data.LowerText = ConvertDeviation(EditDownIndex->text(), TDeviationForm::Lowered)
                         .left(TSizeDialogData::DeviationLimit);
    data.Shelf = ShaftCheckBox->isChecked();
}

bool ExecuteSizeDialog(TSizeDialogData& data) {
    TSizeForm form(ToolHost().MainWindow());
    form.SetData(data);
    if (form.exec() != QDialog::Accepted) return false;
    form.GetData(data);
    data.Flags = SizeDialogAccepted;
    return true;
}
