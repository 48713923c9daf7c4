#include "tools/base/TechDialogBaseForm.h"

#include "tools/base/ToolSwitch.h"

#include <QCloseEvent>

TTechDialogBaseForm::TTechDialogBaseForm(QWidget* owner) : QWidget(owner, Qt::Tool) {}

void TTechDialogBaseForm::closeEvent(QCloseEvent* event) {
    if (isModal()) {
        QWidget::closeEvent(event);
        return;
    }
    event->ignore();
    m_inCloseQuery = true;
    // Frees the tool and, through FreeCurrentTool, this dialog, whose deletion waits
    // for the event loop.
    SelectTool(nullptr, nullptr, nullptr);
    m_inCloseQuery = false;
}
