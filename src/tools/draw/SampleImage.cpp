#include "tools/draw/SampleImage.h"

#include "tools/draw/SheetSamples.h"

#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>

TSampleImage::TSampleImage(const QImage& picture, int32_t tag, QWidget* parent)
    : QWidget(parent), m_picture(picture), m_tag(tag) {
    setFixedSize(SampleSide, SampleSide);
    // The panel around the picture takes the focus for it.
    setFocusPolicy(Qt::NoFocus);
}

void TSampleImage::SetTransparent(bool transparent) {
    if (m_transparent == transparent) return;
    m_transparent = transparent;
    update();
}

void TSampleImage::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // Opaque, the picture lies on the dialog's ground and hides the panel's highlight.
    if (!m_transparent) painter.fillRect(rect(), window()->palette().color(QPalette::Window));
    painter.drawImage(0, 0, m_picture);
}

void TSampleImage::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit Clicked(this);
}

void TSampleImage::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit DoubleClicked(this);
}

TSamplePanel::TSamplePanel(TSampleImage* image, QWidget* parent) : QFrame(parent), m_image(image) {
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setFocusPolicy(Qt::StrongFocus);
    QPalette marked = palette();
    marked.setColor(QPalette::Window, marked.color(QPalette::Highlight));
    setPalette(marked);
    setAutoFillBackground(true);
    image->setParent(this);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(image);
    setFixedSize(SampleSide + 2 * lineWidth(), SampleSide + 2 * lineWidth());
}

void TSamplePanel::focusInEvent(QFocusEvent* event) {
    QFrame::focusInEvent(event);
    emit Entered(m_image);
}

void TSamplePanel::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    if (!hasFocus()) return;
    // The focus is drawn on the panel's border, which the picture never covers.
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
