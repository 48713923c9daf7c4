#pragma once
// The application object. Exceptions that escape an event handler arrive here, at the
// dispatch of the event, and go to the installed exception handler. It also makes Qt's
// own texts (the standard buttons of message boxes, the file and print dialogs) speak
// Russian like the rest of the program, whatever the desktop's language.

#include <QApplication>
#include <QTranslator>

#include <functional>

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

    // Runs one of the program's commands from inside Qt's event handling and catches what
    // it throws right there, handing it to the exception handler as the dispatch would:
    // an exception must not cross Qt's own frames on its way out (they are built without
    // unwinding clean-ups, and leave what they hold behind).
    static void RunCommand(const std::function<void()>& command);

  private:
    QTranslator m_qtTranslator;
    bool m_qtTranslationsLoaded = false;
    TGloblaExceptionHandler* m_handler = nullptr;
};
