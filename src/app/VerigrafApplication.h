#pragma once
// The application object. Exceptions that escape an event handler arrive here, at the
// dispatch of the event, and go to the installed exception handler.

#include <QApplication>

class TGloblaExceptionHandler;

class TVerigrafApplication : public QApplication {
    Q_OBJECT
  public:
    TVerigrafApplication(int& argc, char** argv);

    // The handler is not owned; nullptr removes it (exceptions are then dropped).
    void SetExceptionHandler(TGloblaExceptionHandler* handler) { m_handler = handler; }
    TGloblaExceptionHandler* ExceptionHandler() const { return m_handler; }

    bool notify(QObject* receiver, QEvent* event) override;

  private:
    TGloblaExceptionHandler* m_handler = nullptr;
};
