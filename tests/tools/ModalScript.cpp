#include "ModalScript.h"

#include <QApplication>
#include <QDialog>
#include <gtest/gtest.h>

ModalScript::ModalScript(std::vector<Step> steps) : m_steps(std::move(steps)) {
    connect(&m_timer, &QTimer::timeout, this, &ModalScript::poll);
    m_timer.start(5);
    m_since.start();
}

void ModalScript::poll() {
    QWidget* dialog = QApplication::activeModalWidget();
    if (!dialog || !dialog->isVisible()) return;
    if (m_since.elapsed() > 3000) {
        m_stuck = true;
        if (auto* d = qobject_cast<QDialog*>(dialog)) d->reject();
        m_since.restart();
        return;
    }
    // Keys go where the focus is, and the focus is only settled once the window is active.
    if (dialog == m_last || m_next >= m_steps.size() || !dialog->isActiveWindow()) return;
    m_last = dialog;
    m_since.restart();
    try {
        m_steps[m_next++](dialog);
    } catch (const std::exception& e) {
        ADD_FAILURE() << "step " << m_next << ": " << e.what();
    }
}
