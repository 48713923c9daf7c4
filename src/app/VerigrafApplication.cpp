#include "app/VerigrafApplication.h"

#include "app/ExceptionHandler.h"

TVerigrafApplication::TVerigrafApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TVerigrafApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        if (m_handler) m_handler->HandleException(std::current_exception());
        return false;
    }
}
