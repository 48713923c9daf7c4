#pragma once
// Lets a form see key presses before the control that has the focus, so that Enter and
// Esc act the same wherever the focus is.

#include <QObject>

#include <functional>

class QKeyEvent;
class QWidget;

class TKeyPreview : public QObject {
  public:
    // The handler answers true for a key it used up. The preview lives as long as form.
    using Handler = std::function<bool(QKeyEvent& event)>;
    TKeyPreview(QWidget* form, Handler handler);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* m_form;
    Handler m_handler;
};
