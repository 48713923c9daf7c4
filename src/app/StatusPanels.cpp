#include "app/StatusPanels.h"

#include <QLabel>

#include <algorithm>

TStatusPanels::TStatusPanels(const std::vector<int>& widths, const QStringList& longestTexts, QWidget* parent)
    : QStatusBar(parent), m_widths(widths) {
    setSizeGripEnabled(false);
    for (size_t i = 0; i < widths.size(); ++i) {
        auto* panel = new QLabel(this);
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        panel->setTextFormat(Qt::PlainText);
        panel->setContentsMargins(2, 0, 2, 0);
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        m_panels.push_back(panel);
        // The design widths were made for a smaller font; no read-out may be cut.
        if (qsizetype(i) < longestTexts.size() && !longestTexts[qsizetype(i)].isEmpty())
            m_widths[i] = std::max(m_widths[i],
                                   panel->fontMetrics().horizontalAdvance(longestTexts[qsizetype(i)]) + 12);
    }
}

void TStatusPanels::SetPanelWidth(int index, int width) {
    m_widths[size_t(index)] = std::max(width, 0);
    PlacePanels();
}

QString TStatusPanels::PanelText(int index) const {
    return m_panels[size_t(index)]->text();
}

void TStatusPanels::SetPanelText(int index, const QString& text) {
    m_panels[size_t(index)]->setText(text);
}

QSize TStatusPanels::sizeHint() const {
    return {QStatusBar::sizeHint().width(), fontMetrics().height() + 8};
}

QSize TStatusPanels::minimumSizeHint() const {
    return {0, fontMetrics().height() + 8};
}

void TStatusPanels::resizeEvent(QResizeEvent* event) {
    QStatusBar::resizeEvent(event);
    PlacePanels();
}

void TStatusPanels::PlacePanels() {
    int x = 0;
    const int h = height() - 2;
    for (size_t i = 0; i < m_panels.size(); ++i) {
        m_panels[i]->setGeometry(x, 2, m_widths[i] - 2, h);
        x += m_widths[i];
    }
}
