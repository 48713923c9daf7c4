#include "tools/annotation/DopuskMenus.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>
#include <QWidgetAction>

#include <array>
#include <vector>

namespace {

using TColumns = std::vector<std::vector<QString>>;

// Tenths of the steps of a decade.
constexpr std::array<int, 9> DecadeSteps = {10, 12, 16, 20, 25, 30, 40, 50, 80};
// Exponents of the decades, from 0.001 to 10.
constexpr std::array<int, 5> Decades = {-3, -2, -1, 0, 1};
// Read down the columns; across the rows they run in alphabetical order.
const char* const DatumLetters[4] = {"АДИНСХЩ", "БЕКОТЦЭ", "ВЖЛПУЧЮ", "ГЗМРФШЯ"};

// A step of a decade with as many decimals as it needs, and one at least.
QString ValueCaption(int tenths, int exponent) {
    int decimals = exponent < 0 ? -exponent : 1;
    if (exponent < 0 && tenths % 10 != 0) ++decimals;
    double value = tenths / 10.0;
    for (int i = 0; i < exponent; ++i)
        value *= 10;
    for (int i = 0; i > exponent; --i)
        value /= 10;
    return QString::number(value, 'f', decimals).replace(QLatin1Char('.'), QLatin1Char(','));
}

QMenu* ColumnMenu(QWidget* parent, const QString& name, const TColumns& columns, QLineEdit* edit) {
    auto* menu = new QMenu(parent);
    menu->setObjectName(name);
    auto* table = new QWidget(menu);
    auto* grid = new QGridLayout(table);
    grid->setContentsMargins(2, 2, 2, 2);
    grid->setSpacing(0);
    for (int column = 0; column < int(columns.size()); ++column)
        for (int row = 0; row < int(columns[column].size()); ++row) {
            auto* entry = new QToolButton(table);
            entry->setText(columns[column][row]);
            entry->setAutoRaise(true);
            entry->setToolButtonStyle(Qt::ToolButtonTextOnly);
            entry->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
            QObject::connect(entry, &QToolButton::clicked, menu, [menu, edit, entry] {
                edit->setText(entry->text());
                menu->close();
            });
            grid->addWidget(entry, row, column);
        }
    auto* action = new QWidgetAction(menu);
    action->setDefaultWidget(table);
    menu->addAction(action);
    return menu;
}

} // namespace

QMenu* NewValueMenu(QWidget* parent, QLineEdit* edit) {
    TColumns columns;
    for (int exponent : Decades) {
        std::vector<QString>& column = columns.emplace_back();
        for (int tenths : DecadeSteps)
            column.push_back(ValueCaption(tenths, exponent));
    }
    return ColumnMenu(parent, QStringLiteral("PopupMenu1"), columns, edit);
}

QMenu* NewDatumMenu(QWidget* parent, const QString& name, QLineEdit* edit) {
    TColumns columns;
    for (const char* letters : DatumLetters) {
        std::vector<QString>& column = columns.emplace_back();
        for (QChar letter : QString::fromUtf8(letters))
            column.push_back(QString(letter));
    }
    return ColumnMenu(parent, name, columns, edit);
}

void PopUnder(QMenu& menu, const QWidget& under) {
    menu.popup(under.mapToGlobal(QPoint(0, under.height())));
}
