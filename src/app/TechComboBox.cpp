#include "app/TechComboBox.h"

#include <QPainter>
#include <QStyleOptionComboBox>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QStyledItemDelegate>

namespace {

class TOwnerDrawDelegate : public QStyledItemDelegate {
  public:
    explicit TOwnerDrawDelegate(TTechComboBox* box) : QStyledItemDelegate(box), m_box(box) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        m_box->DrawItem(*painter, index.row(), option.rect, option.state);
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        // Items of a fixed height are all the owner's drawing: the texts take no room,
        // so the list is as wide as the box.
        if (m_box->ItemHeight() > 0) return {m_box->width(), m_box->ItemHeight()};
        return QStyledItemDelegate::sizeHint(option, index);
    }

  private:
    TTechComboBox* m_box;
};

} // namespace

TTechComboBox::TTechComboBox(QWidget* parent) : QComboBox(parent) {
    setItemDelegate(new TOwnerDrawDelegate(this));
}

void TTechComboBox::DrawItem(QPainter& painter, int index, const QRect& rect, QStyle::State state) {
    painter.save();
    painter.fillRect(rect, palette().color(QPalette::Active, QPalette::Window));
    if (state & QStyle::State_Selected) {
        painter.setPen(QColor(0, 0, 255));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
    } else if (state & QStyle::State_HasFocus) {
        QStyleOptionFocusRect focus;
        focus.rect = rect;
        focus.palette = palette();
        focus.state = QStyle::State_KeyboardFocusChange;
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
    painter.restore();
    if (index >= 0 && OnDrawItem) {
        painter.save();
        OnDrawItem(this, index, painter, rect, state);
        painter.restore();
    }
}

void TTechComboBox::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText.clear();
    option.currentIcon = QIcon();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    const QRect field =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    QStyle::State state = QStyle::State_None;
    if (hasFocus()) state |= QStyle::State_Selected | QStyle::State_HasFocus;
    DrawItem(painter, currentIndex(), field, state);
}
