#include "tools/annotation/ChooseDirectionForm.h"

#include "tools/base/ToolHost.h"

#include <QButtonGroup>
#include <QToolButton>

namespace {

constexpr int ButtonSize = 33;
constexpr int ClientWidth = 114;
constexpr int ClientHeight = 113;
constexpr int Margin = 7;

struct TDirectionButton {
    int Column;
    int Row;
    const char* Arrow; // where the mark points
    const char* Name;  // for screen readers
};

// By direction: the button's place shows the side the surface lies on.
constexpr std::array<TDirectionButton, 9> Places{{
    {1, 1, "A", "Автоматически"},
    {2, 1, "←", "Поверхность справа"},
    {2, 0, "↙", "Поверхность справа сверху"},
    {1, 0, "↓", "Поверхность сверху"},
    {0, 0, "↘", "Поверхность слева сверху"},
    {0, 1, "→", "Поверхность слева"},
    {0, 2, "↗", "Поверхность слева снизу"},
    {1, 2, "↑", "Поверхность снизу"},
    {2, 2, "↖", "Поверхность справа снизу"},
}};

} // namespace

TChooseDirectionForm::TChooseDirectionForm(QWidget* owner) : TTechModalDialog(owner) {
    setObjectName(QStringLiteral("ChooseDirectionForm"));
    setWindowTitle(QStringLiteral("Выберите направление"));
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint);
    setFixedSize(ClientWidth, ClientHeight);
    Group = new QButtonGroup(this);
    Group->setExclusive(true);
    for (size_t tag = 0; tag < Places.size(); ++tag) {
        const TDirectionButton& place = Places[tag];
        auto* button = new QToolButton(this);
        button->setObjectName(tag == 0 ? QStringLiteral("AutoButton")
                                       : QStringLiteral("DirButton%1").arg(tag));
        button->setText(QString::fromUtf8(place.Arrow));
        button->setToolTip(QString::fromUtf8(place.Name));
        button->setAccessibleName(QString::fromUtf8(place.Name));
        button->setCheckable(true);
        button->setFocusPolicy(Qt::StrongFocus);
        button->setGeometry(Margin + place.Column * ButtonSize, Margin + place.Row * ButtonSize, ButtonSize,
                            ButtonSize);
        Group->addButton(button, int(tag));
        Buttons[tag] = button;
    }
    AutoButton = Buttons[0];
    connect(Group, &QButtonGroup::idClicked, this, [this](int) { accept(); });
}

void TChooseDirectionForm::Press(uint8_t direction) {
    Buttons[direction < Buttons.size() ? direction : 0]->setChecked(true);
}

uint8_t TChooseDirectionForm::Pressed() const {
    const int id = Group->checkedId();
    return id > 0 ? uint8_t(id) : uint8_t(0);
}

void TChooseDirectionForm::CentreAt(QPoint screen) {
    // The client area, not the frame, is placed: the button is in the client area.
    setGeometry(QRect(screen - AutoButton->geometry().center(), size()));
}

bool AskDirection(uint8_t& direction) {
    TChooseDirectionForm form(ToolHost().MainWindow());
    form.Press(direction);
    // The middle of the automatic button goes under the pointer, so that the eight
    // directions lie around it as they point.
    form.CentreAt(ToolHost().PointerPos());
    if (form.exec() != QDialog::Accepted) return false;
    direction = form.Pressed();
    return true;
}
