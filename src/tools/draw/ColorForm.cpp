#include "tools/draw/ColorForm.h"

#include "tools/base/KeysSuspension.h"
#include "tools/base/ToolSwitch.h"

#include <QEvent>
#include <QFrame>
#include <QPainter>
#include <QPushButton>

#include <array>

namespace {

struct TPaletteCell {
    gdi::COLORREF Color;
    const char* Name;
};

// The sketch colours as the palette lays them out: the dark row above the light one,
// each light colour under its dark partner.
constexpr std::array<TPaletteCell, 16> Cells = {{
    {0x000000, "Чёрный"},
    {0x808080, "Серый"},
    {0x000080, "Тёмно-красный"},
    {0x008080, "Оливковый"},
    {0x008000, "Зелёный"},
    {0x808000, "Сине-зелёный"},
    {0x800000, "Тёмно-синий"},
    {0x800080, "Фиолетовый"},
    {0xFFFFFF, "Белый"},
    {0xC0C0C0, "Серебристый"},
    {0x0000FF, "Красный"},
    {0x00FFFF, "Жёлтый"},
    {0x00FF00, "Ярко-зелёный"},
    {0xFFFF00, "Голубой"},
    {0xFF0000, "Синий"},
    {0xFF00FF, "Розовый"},
}};

constexpr int CellSize = 20;
constexpr int FirstLeft = 8;
constexpr int Pitch = 24;
constexpr int RowTops[2] = {8, 32};

} // namespace

TColorForm::TColorForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("ColorForm"));
    setWindowTitle(QStringLiteral("Цвет"));
    setFixedSize(200, 93);
    for (int i = 0; i < int(Cells.size()); ++i) {
        auto* panel = new QFrame(this);
        panel->setObjectName(QStringLiteral("ColorPanel%1").arg(i + 1));
        panel->setAccessibleName(QString::fromUtf8(Cells[i].Name));
        panel->setToolTip(panel->accessibleName());
        panel->setFrameStyle(QFrame::Box | QFrame::Plain);
        panel->setGeometry(FirstLeft + Pitch * (i % 8), RowTops[i / 8], CellSize, CellSize);
        panel->setAutoFillBackground(true);
        QPalette colours = panel->palette();
        colours.setColor(QPalette::Window,
                         QColor(gdi::GetRValue(Cells[i].Color), gdi::GetGValue(Cells[i].Color),
                                gdi::GetBValue(Cells[i].Color)));
        panel->setPalette(colours);
        panel->setFocusPolicy(Qt::StrongFocus);
        panel->installEventFilter(this);
        m_panels.push_back(panel);
    }
    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry(24, 61, 72, 25);
    OKButton->setDefault(true);
    CancelButton = new QPushButton(QStringLiteral("Отмена"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    CancelButton->setGeometry(104, 61, 72, 25);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

QWidget* TColorForm::Panel(int index) const {
    return index >= 0 && index < int(m_panels.size()) ? m_panels[index] : nullptr;
}

void TColorForm::SelectColor(gdi::COLORREF color) {
    for (int i = 0; i < int(Cells.size()); ++i) {
        if (Cells[i].Color == color) {
            SelectPanel(i);
            // The focus selects too, so it starts on the selected panel.
            m_panels[i]->setFocus();
            return;
        }
    }
    OKButton->setFocus();
}

void TColorForm::SelectPanel(int index) {
    if (index < 0 || index >= int(m_panels.size()) || index == m_selected) return;
    m_selected = index;
    update();
}

gdi::COLORREF TColorForm::SelectedColor() const {
    return m_selected >= 0 ? Cells[m_selected].Color : 0;
}

void TColorForm::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    if (m_selected < 0) return;
    // One pixel outside the panel's own border.
    QPainter p(this);
    p.setPen(Qt::black);
    p.setBrush(Qt::NoBrush);
    p.drawRect(m_panels[m_selected]->geometry().adjusted(-1, -1, 0, 0));
}

bool TColorForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::FocusIn) {
        for (int i = 0; i < int(m_panels.size()); ++i)
            if (m_panels[i] == watched) SelectPanel(i);
    }
    return QDialog::eventFilter(watched, event);
}

bool PickColor(gdi::COLORREF& color, QWidget* parent) {
    TKeysSuspension suspension;
    TColorForm form(parent);
    form.SelectColor(color);
    if (form.exec() != QDialog::Accepted) return false;
    // A colour outside the palette has no panel; OK then keeps it, as Cancel would.
    if (form.SelectedPanel() >= 0) color = form.SelectedColor();
    return true;
}
