#pragma once
// A status bar of side-by-side sunken panels of given widths, each with one line of text.

#include <QStatusBar>

#include <vector>

class QLabel;

class TStatusPanels : public QStatusBar {
    Q_OBJECT
  public:
    // One panel per width; each panel is at least as wide as its longest expected text.
    TStatusPanels(const std::vector<int>& widths, const QStringList& longestTexts, QWidget* parent = nullptr);

    int PanelCount() const { return int(m_panels.size()); }
    int PanelWidth(int index) const { return m_widths[size_t(index)]; }
    void SetPanelWidth(int index, int width);
    QString PanelText(int index) const;
    void SetPanelText(int index, const QString& text);
    QLabel* Panel(int index) const { return m_panels[size_t(index)]; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void PlacePanels();

    std::vector<QLabel*> m_panels;
    std::vector<int> m_widths;
};
