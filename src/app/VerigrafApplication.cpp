#include "app/VerigrafApplication.h"

#include "app/ExceptionHandler.h"

#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>

TVerigrafApplication::TVerigrafApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationVersion(QStringLiteral(VERIGRAF_VERSION));
    // The desktop finds the menu entry and the icon of the windows by this name.
    setDesktopFileName(QStringLiteral("verigraf"));
    setWindowIcon(QIcon::fromTheme(QStringLiteral("verigraf")));
    // The program is Russian throughout; Qt's part follows it, not the desktop.
    m_qtTranslationsLoaded =
        m_qtTranslator.load(QLocale(QLocale::Russian, QLocale::Russia), QStringLiteral("qtbase"),
                            QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (m_qtTranslationsLoaded) installTranslator(&m_qtTranslator);
}

bool TVerigrafApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        if (m_handler) m_handler->HandleException(std::current_exception());
        return false;
    }
}

void TVerigrafApplication::RunCommand(const std::function<void()>& command) {
    try {
        command();
    } catch (...) {
        auto* app = qobject_cast<TVerigrafApplication*>(QCoreApplication::instance());
        if (app && app->m_handler) app->m_handler->HandleException(std::current_exception());
    }
}
