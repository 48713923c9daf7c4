#include "tools/annotation/DopuskForm.h"

#include "tools/annotation/DopuskMenus.h"
#include "tools/base/ToolHost.h"

#include "document/Folders.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <initializer_list>

namespace {

const char* const FormPrompt = "Выберите или введите те данные, которые необходимы для таблицы";
const char* const SymbolFamily = "zyqverigraf";
const char* const SymbolFontFile = "ZYQ(gdt).ttf";
constexpr int FieldLength = 64;
// The characters of the tolerance signs in the symbol font, in the order of the list.
const char* const SignCharacters[] = {"-", "c", "e", "g", "=", "f", "b", "a",
                                      "r", "i", "j", "h", "t", "k", "d"};
// What (M), (S) and (P) are in the symbol font: the circled letters.
const char* const ModifierCharacters[] = {"", "m", "s", "p"};

QRadioButton* radio(QWidget* parent, const QString& name, const char* caption, bool checked = false) {
    auto* button = new QRadioButton(QString::fromUtf8(caption), parent);
    button->setObjectName(name);
    button->setChecked(checked);
    return button;
}

QLineEdit* edit(QWidget* parent, const QString& name) {
    auto* line = new QLineEdit(parent);
    line->setObjectName(name);
    return line;
}

QToolButton* menuButton(QWidget* parent, const QString& name) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(QStringLiteral("..."));
    button->setAccessibleName(name);
    return button;
}

// The Qt side gets the symbol font from the installation too, so that the edits show
// the signs as the sketch will.
void UseSymbolFont(QWidget* control) {
    const QString family = QString::fromLatin1(SymbolFamily);
    if (!QFontDatabase::hasFamily(family))
        QFontDatabase::addApplicationFont(QString::fromStdString(FontsDir) +
                                          QString::fromLatin1(SymbolFontFile));
    QFont font = control->font();
    font.setFamilies({family});
    control->setFont(font);
}

// The first length characters of text, never half a surrogate pair, in UTF-8.
std::string Cut(const QString& text, int length) {
    if (text.size() <= length) return text.toStdString();
    if (length > 0 && text.at(length - 1).isHighSurrogate()) --length;
    return text.left(length).toStdString();
}

QString ModifierOf(const std::array<QRadioButton*, 4>& modifiers) {
    for (size_t i = 1; i < modifiers.size(); ++i)
        if (modifiers[i]->isChecked()) return QString::fromLatin1(ModifierCharacters[i]);
    return {};
}

// Radios made in one group box but chosen apart from the others there.
void Exclusive(QWidget* parent, std::initializer_list<QRadioButton*> buttons) {
    auto* group = new QButtonGroup(parent);
    for (QRadioButton* button : buttons)
        group->addButton(button);
}

QGridLayout* RadioRow(std::initializer_list<QRadioButton*> buttons, int columns) {
    auto* grid = new QGridLayout;
    int i = 0;
    for (QRadioButton* button : buttons) {
        grid->addWidget(button, i / columns, i % columns);
        ++i;
    }
    return grid;
}

void Unpack(const std::array<QRadioButton*, 4>& modifiers, QRadioButton*& none, QRadioButton*& m,
            QRadioButton*& s, QRadioButton*& p) {
    none = modifiers[0];
    m = modifiers[1];
    s = modifiers[2];
    p = modifiers[3];
}

} // namespace

TDopuskForm::TDopuskForm(QWidget* owner) : TTechModalDialog(owner) {
    setObjectName(QStringLiteral("DopuskForm"));
    setWindowTitle(QStringLiteral("Обозначение допуска"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowStaysOnTopHint);

    TableRadioButton = radio(this, QStringLiteral("TableRadioButton"), "Создать в виде таблицы", true);
    TextRadioButton = radio(this, QStringLiteral("TextRadioButton"), "Текстовая строка");
    TableRadioButton->setProperty("tag", 1);
    TextRadioButton->setProperty("tag", 2);

    // Made in the order the focus goes through them.
    auto* layout = new QGridLayout(this);
    layout->addWidget(TableRadioButton, 0, 0);
    layout->addWidget(TextRadioButton, 0, 1);
    layout->addWidget(NewTabelPanel(), 1, 0, 1, 4);
    layout->addWidget(NewTextPanel(), 2, 0, 1, 2);
    layout->addWidget(NewExtraGroup(), 2, 2, 1, 2);
    OKButton = NewButton("OKButton", "OK");
    CancelButton = NewButton("CancelButton", "Отмена");
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    layout->addWidget(OKButton, 3, 2);
    layout->addWidget(CancelButton, 3, 3);
    layout->setRowStretch(1, 1);

    connect(TableRadioButton, &QRadioButton::toggled, this, [this](bool on) { ChooseMode(on); });
    ChooseMode(true);
    setFixedSize(sizeHint().expandedTo(QSize(600, 283)));
    ToolHost().SetPromptText(QString::fromUtf8(FormPrompt));
}

TDopuskForm::~TDopuskForm() {
    ToolHost().SetPromptText(QString());
}

QWidget* TDopuskForm::NewTabelPanel() {
    TabelPanel = new QWidget(this);
    TabelPanel->setObjectName(QStringLiteral("TabelPanel"));
    TabelPanel->setAccessibleName(QStringLiteral("TabelPanel"));
    auto* table = new QHBoxLayout(TabelPanel);
    table->setContentsMargins(0, 0, 0, 0);
    table->addWidget(NewSignGroup());
    table->addWidget(NewValueGroup(), 1);
    const TDatumControls base1 = NewDatumGroup(1);
    Base1Edit = base1.Edit;
    Base1SpeedButton = base1.Button;
    PopupMenu2 = base1.Menu;
    m_base1Modifiers = base1.Modifiers;
    Unpack(base1.Modifiers, RBb1Not, RBb1M, RBb1S, RBb1P);
    const TDatumControls base2 = NewDatumGroup(2);
    Base2Edit = base2.Edit;
    Base2SpeedButton = base2.Button;
    PopupMenu3 = base2.Menu;
    m_base2Modifiers = base2.Modifiers;
    Unpack(base2.Modifiers, RBb2Not, RBb2M, RBb2S, RBb2P);
    table->addWidget(base1.Group);
    table->addWidget(base2.Group);
    return TabelPanel;
}

QGroupBox* TDopuskForm::NewSignGroup() {
    auto* group = new QGroupBox(QStringLiteral("Знак"), TabelPanel);
    SignComboBox = new QComboBox(group);
    SignComboBox->setObjectName(QStringLiteral("SignComboBox"));
    SignComboBox->setAccessibleName(QStringLiteral("Знак"));
    for (const char* sign : SignCharacters)
        SignComboBox->addItem(QString::fromLatin1(sign));
    // Nothing chosen at first: a frame may do without a sign.
    SignComboBox->setCurrentIndex(-1);
    UseSymbolFont(SignComboBox);
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(SignComboBox);
    layout->addStretch(1);
    return group;
}

QGroupBox* TDopuskForm::NewValueGroup() {
    auto* group = new QGroupBox(QStringLiteral("Числовое значение"), TabelPanel);
    RBv1Not = radio(group, QStringLiteral("RBv1Not"), "Нет", true);
    RBvR = radio(group, QStringLiteral("RBvR"), "R");
    RBvD = radio(group, QStringLiteral("RBvD"), "Диаметр");
    RBvT = radio(group, QStringLiteral("RBvT"), "T");
    RBvT2 = radio(group, QStringLiteral("RBvT2"), "T/2");
    Exclusive(group, {RBv1Not, RBvR, RBvD, RBvT, RBvT2});
    ValueEdit = edit(group, QStringLiteral("ValueEdit"));
    ValueEdit->setAccessibleName(QStringLiteral("Числовое значение"));
    UseSymbolFont(ValueEdit);
    ValueSpeedButton = menuButton(group, QStringLiteral("ValueSpeedButton"));
    PopupMenu1 = NewValueMenu(this, ValueEdit);
    connect(ValueSpeedButton, &QToolButton::clicked, this, [this] { PopUnder(*PopupMenu1, *ValueEdit); });
    RBv2Not = radio(group, QStringLiteral("RBv2Not"), "Нет", true);
    RBvM = radio(group, QStringLiteral("RBvM"), "(M)");
    RBvS = radio(group, QStringLiteral("RBvS"), "(S)");
    RBvP = radio(group, QStringLiteral("RBvP"), "(P)");
    m_valueModifiers = {RBv2Not, RBvM, RBvS, RBvP};
    Exclusive(group, {RBv2Not, RBvM, RBvS, RBvP});

    auto* line = new QHBoxLayout;
    line->addWidget(ValueEdit, 1);
    line->addWidget(ValueSpeedButton);
    auto* layout = new QVBoxLayout(group);
    layout->addLayout(RadioRow({RBv1Not, RBvR, RBvD, RBvT, RBvT2}, 3));
    layout->addLayout(line);
    layout->addLayout(RadioRow({RBv2Not, RBvM, RBvS, RBvP}, 4));
    return group;
}

TDopuskForm::TDatumControls TDopuskForm::NewDatumGroup(int number) {
    TDatumControls c;
    const QString n = QString::number(number);
    c.Group = new QGroupBox(QStringLiteral("База %1").arg(number), TabelPanel);
    c.Edit = edit(c.Group, QStringLiteral("Base%1Edit").arg(n));
    c.Edit->setAccessibleName(c.Group->title());
    UseSymbolFont(c.Edit);
    c.Button = menuButton(c.Group, QStringLiteral("Base%1SpeedButton").arg(n));
    c.Menu = NewDatumMenu(this, QStringLiteral("PopupMenu%1").arg(number + 1), c.Edit);
    QMenu* menu = c.Menu;
    QLineEdit* under = c.Edit;
    connect(c.Button, &QToolButton::clicked, this, [menu, under] { PopUnder(*menu, *under); });
    c.Modifiers = {radio(c.Group, QStringLiteral("RBb%1Not").arg(n), "Нет", true),
                   radio(c.Group, QStringLiteral("RBb%1M").arg(n), "(M)"),
                   radio(c.Group, QStringLiteral("RBb%1S").arg(n), "(S)"),
                   radio(c.Group, QStringLiteral("RBb%1P").arg(n), "(P)")};

    auto* line = new QHBoxLayout;
    line->addWidget(c.Edit, 1);
    line->addWidget(c.Button);
    auto* layout = new QVBoxLayout(c.Group);
    layout->addLayout(line);
    layout->addLayout(RadioRow({c.Modifiers[0], c.Modifiers[1], c.Modifiers[2], c.Modifiers[3]}, 2));
    return c;
}

QWidget* TDopuskForm::NewTextPanel() {
    TextPanel = new QGroupBox(QStringLiteral("Текстовая строка"), this);
    TextPanel->setObjectName(QStringLiteral("TextPanel"));
    TextEdit = edit(TextPanel, QStringLiteral("TextEdit"));
    TextEdit->setAccessibleName(QStringLiteral("Текстовая строка"));
    TextEdit->setMaxLength(FieldLength);
    UseSymbolFont(TextEdit);
    (new QVBoxLayout(TextPanel))->addWidget(TextEdit);
    return TextPanel;
}

QGroupBox* TDopuskForm::NewExtraGroup() {
    auto* extra = new QGroupBox(QStringLiteral("Дополнительно"), this);
    AsVerticalBox = new QCheckBox(QStringLiteral("Вертикальная таблица"), extra);
    AsVerticalBox->setObjectName(QStringLiteral("AsVerticalBox"));
    (new QVBoxLayout(extra))->addWidget(AsVerticalBox);
    return extra;
}

void TDopuskForm::ChooseMode(bool table) {
    TabelPanel->setEnabled(table);
    TextPanel->setEnabled(!table);
}

QString TDopuskForm::ValuePrefix() const {
    if (RBvR->isChecked()) return QStringLiteral("R");
    // The symbol font's diameter sign.
    if (RBvD->isChecked()) return QStringLiteral("n");
    if (RBvT->isChecked()) return QStringLiteral("T");
    if (RBvT2->isChecked()) return QStringLiteral("T/2");
    return {};
}

TToleranceTable TDopuskForm::Table() const {
    TToleranceTable table;
    table.Vertical = AsVerticalBox->isChecked() ? 1 : 0;
    if (TextRadioButton->isChecked()) {
        table.TableMode = 0;
        table.Text = Cut(TextEdit->text(), FieldLength);
        return table;
    }
    table.TableMode = 1;
    table.Sign = Cut(SignComboBox->currentText(), 1);
    table.Value = Cut(ValuePrefix() + ValueEdit->text() + ModifierOf(m_valueModifiers), FieldLength);
    table.Base1 = Cut(Base1Edit->text() + ModifierOf(m_base1Modifiers), FieldLength);
    table.Base2 = Cut(Base2Edit->text() + ModifierOf(m_base2Modifiers), FieldLength);
    return table;
}

std::optional<TToleranceTable> AskToleranceTable() {
    TDopuskForm form(ToolHost().MainWindow());
    if (form.exec() != QDialog::Accepted) return std::nullopt;
    return form.Table();
}
