#pragma once
// A pair of small arrow buttons that step the whole number in an edit beside them
// within a range, without wrapping; the Up and Down keys in the edit do the same.
// Typing is not held to the range: only the arrows are.

#include <QWidget>

#include <cstdint>

class QLineEdit;
class QToolButton;

class TUpDown : public QWidget {
    Q_OBJECT
  public:
    TUpDown(QLineEdit* buddy, int32_t min, int32_t max, int32_t position, QWidget* parent = nullptr);

    int32_t Position() const { return m_position; }
    QToolButton* UpButton() const { return m_up; }
    QToolButton* DownButton() const { return m_down; }
    // Names the arrows for screen readers after what they change.
    void SetAccessibleNames(const QString& what);
    void Step(int32_t delta);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QLineEdit* m_buddy;
    QToolButton* m_up;
    QToolButton* m_down;
    int32_t m_min;
    int32_t m_max;
    int32_t m_position;
};
