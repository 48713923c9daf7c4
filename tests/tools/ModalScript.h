#pragma once
// Answers the modal dialogs a call opens, one step per dialog in the order they come,
// by working the real dialogs as a user would. A step must not open a dialog itself
// (it would wait on a timer that is busy running the step).

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

class ModalScript : public QObject {
  public:
    using Step = std::function<void(QWidget* dialog)>;
    explicit ModalScript(std::vector<Step> steps);
    size_t StepsDone() const { return m_next; }
    size_t StepCount() const { return m_steps.size(); }
    // A dialog that no step closed within a few seconds was rejected to end the test.
    bool Stuck() const { return m_stuck; }

  private:
    void poll();

    std::vector<Step> m_steps;
    size_t m_next = 0;
    QPointer<QWidget> m_last;
    QTimer m_timer;
    QElapsedTimer m_since;
    bool m_stuck = false;
};

// The named child of a dialog; a missing one fails the step.
template <typename T> T* child(QWidget* dialog, const char* name) {
    T* found = dialog->findChild<T*>(QString::fromLatin1(name));
    if (!found) throw std::runtime_error(std::string("no control ") + name);
    return found;
}
