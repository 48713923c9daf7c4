#include "app/HelpWindow.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QTextBrowser>
#include <QToolBar>
#include <QVBoxLayout>

THelpWindow::THelpWindow(const QString& appDir, QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Справка по Вериграфу"));
    resize(760, 620);

    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("HelpBrowser"));
    m_browser->setAccessibleName(QStringLiteral("Справка"));
    m_browser->setOpenExternalLinks(true);

    auto* bar = new QToolBar(this);
    bar->setAccessibleName(QStringLiteral("Переходы"));
    QAction* contents = bar->addAction(QStringLiteral("Содержание"));
    QAction* index = bar->addAction(QStringLiteral("Указатель"));
    QAction* back = bar->addAction(QStringLiteral("Назад"));
    QAction* forward = bar->addAction(QStringLiteral("Вперёд"));
    back->setShortcut(QKeySequence::Back);
    forward->setShortcut(QKeySequence::Forward);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(contents, &QAction::triggered, this,
            [this] { m_browser->scrollToAnchor(QStringLiteral("contents")); });
    connect(index, &QAction::triggered, this, [this] { m_browser->scrollToAnchor(QStringLiteral("index")); });
    connect(back, &QAction::triggered, m_browser, &QTextBrowser::backward);
    connect(forward, &QAction::triggered, m_browser, &QTextBrowser::forward);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(m_browser);

    const QString path = QDir(appDir).filePath(QLatin1String(FileName));
    m_found = QFileInfo(path).isFile();
    if (m_found) {
        m_file = QUrl::fromLocalFile(path);
        m_browser->setSource(m_file);
    } else {
        m_browser->setPlainText(
            QStringLiteral("Файл справки не найден: %1").arg(QDir::toNativeSeparators(path)));
    }
}

void THelpWindow::ShowContents() {
    if (m_found) m_browser->scrollToAnchor(QStringLiteral("contents"));
    show();
    raise();
    activateWindow();
}
