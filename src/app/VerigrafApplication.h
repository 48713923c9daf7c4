#pragma once
// The application object. Exceptions that escape an event handler arrive here, at the
// dispatch of the event, and go to the installed exception handler. It also makes Qt's
// own texts (the standard buttons of message boxes, the file and print dialogs) speak
// Russian like the rest of the program, whatever the desktop's language.

#include <QApplication>
#include <QTranslator>

class TGloblaExceptionHandler;

class TVerigrafApplication : public QApplication {
    Q_OBJECT
  public:
    TVerigrafApplication(int& argc, char** argv);

    // The handler is not owned; nullptr removes it (exceptions are then dropped).
    void SetExceptionHandler(TGloblaExceptionHandler* handler) { m_handler = handler; }
    TGloblaExceptionHandler* ExceptionHandler() const { return m_handler; }

    bool notify(QObject* receiver, QEvent* event) override;

    // False when Qt's Russian translations were not found (a missing package): the
    // standard buttons then read in English.
    bool QtTranslationsLoaded() const { return m_qtTranslationsLoaded; }

  private:
    QTranslator m_qtTranslator;
    bool m_qtTranslationsLoaded = false;
    TGloblaExceptionHandler* m_handler = nullptr;
};
