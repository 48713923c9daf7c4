#include "tools/base/KeyPreview.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

TKeyPreview::TKeyPreview(QWidget* form, Handler handler)
    : QObject(form), m_form(form), m_handler(std::move(handler)) {
    // Watching the whole application rather than each control also covers controls
    // added to the form later; keys of other windows (a message box on top) pass by.
    qApp->installEventFilter(this);
}

bool TKeyPreview::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
    if (static_cast<QWidget*>(watched)->window() != m_form) return false;
    return m_handler(*static_cast<QKeyEvent*>(event));
}
