#include "tools/draw/UpDown.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QToolButton* arrowButton(Qt::ArrowType arrow, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Ignored);
    return button;
}

} // namespace

TUpDown::TUpDown(QLineEdit* buddy, int32_t min, int32_t max, int32_t position, QWidget* parent)
    : QWidget(parent), m_buddy(buddy), m_min(min), m_max(max), m_position(position) {
    m_up = arrowButton(Qt::UpArrow, this);
    m_down = arrowButton(Qt::DownArrow, this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_up);
    layout->addWidget(m_down);
    connect(m_up, &QToolButton::clicked, this, [this] { Step(1); });
    connect(m_down, &QToolButton::clicked, this, [this] { Step(-1); });
    m_buddy->setText(QString::number(m_position));
    m_buddy->installEventFilter(this);
}

void TUpDown::SetAccessibleNames(const QString& what) {
    m_up->setAccessibleName(what + QStringLiteral(": больше"));
    m_down->setAccessibleName(what + QStringLiteral(": меньше"));
}

int32_t TUpDown::TypedPosition() const {
    bool ok = false;
    const qlonglong typed = m_buddy->text().toLongLong(&ok);
    return ok ? int32_t(std::clamp<qlonglong>(typed, m_min, m_max)) : m_position;
}

void TUpDown::SetPosition(int32_t position) {
    m_position = std::clamp(position, m_min, m_max);
    m_buddy->setText(QString::number(m_position));
}

void TUpDown::Step(int32_t delta) {
    // The arrows go on from what is typed in the edit.
    m_position = std::clamp(TypedPosition() + delta, m_min, m_max);
    m_buddy->setText(QString::number(m_position));
    emit Stepped(m_position);
}

bool TUpDown::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_buddy && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            Step(key == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
