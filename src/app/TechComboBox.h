#pragma once
// A combo box whose items are drawn by its owner: the box clears the item in the menu
// colour and marks the selected one with a blue frame (the focused one with a focus
// rectangle), then OnDrawItem draws the content. The closed box shows the current item
// the same way.

#include <QComboBox>

#include <functional>

class TTechComboBox : public QComboBox {
    Q_OBJECT
  public:
    explicit TTechComboBox(QWidget* parent = nullptr);

    // Draws the content of item index into rect; the background and frame are done.
    std::function<void(TTechComboBox*, int index, QPainter&, const QRect& rect, QStyle::State state)>
        OnDrawItem;

    // Draws one item as the box and its list show it.
    void DrawItem(QPainter& painter, int index, const QRect& rect, QStyle::State state);

    // Every item of the list this high and the list as wide as the box; 0 lets the style
    // decide.
    void SetItemHeight(int height) { m_itemHeight = height; }
    int ItemHeight() const { return m_itemHeight; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int m_itemHeight = 0;
};
