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
    // Puts the number, brought into the range, in the edit, without telling anyone.
    void SetPosition(int32_t position);
    // What the arrows would go on from: the typed number brought into the range, or the
    // last position when the edit holds no number.
    int32_t TypedPosition() const;

  signals:
    // An arrow (button or key) stepped the number.
    void Stepped(int32_t position);

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
