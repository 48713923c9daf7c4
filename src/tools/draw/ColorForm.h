#pragma once
// The colour choice of the main window's colour panels: a small modal palette of the
// sixteen sketch colours. A colour is selected by a click on its panel or by giving the
// panel the focus (Tab walks the palette row by row); OK or Enter takes it.

#include "gdi/Types.h"

#include <QDialog>

#include <vector>

class QPushButton;

class TColorForm : public QDialog {
    Q_OBJECT
  public:
    explicit TColorForm(QWidget* parent = nullptr);

    // The first panel of the given colour becomes the selected one; none when no
    // panel has it.
    void SelectColor(gdi::COLORREF color);
    // The panel at index 0..15 in palette order (the upper row first), or none.
    void SelectPanel(int index);
    int SelectedPanel() const { return m_selected; }
    QWidget* Panel(int index) const;
    // The colour of the selected panel; only meaningful when one is selected.
    gdi::COLORREF SelectedColor() const;

    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::vector<QWidget*> m_panels;
    int m_selected = -1;
};

// Shows the palette with the panel of color selected. On OK the selected panel's colour
// goes into color (with no panel selected, color stays) and the answer is true; on
// Cancel color stays and the answer is false. While it is open the current tool gets no
// keys.
bool PickColor(gdi::COLORREF& color, QWidget* parent = nullptr);
