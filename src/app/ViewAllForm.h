#pragma once
// The whole sketch at once, shrunk or enlarged to fit a maximised window.

#include "app/GdiImage.h"

#include <QDialog>

class TViewAllForm : public QDialog {
    Q_OBJECT
  public:
    explicit TViewAllForm(QWidget* parent = nullptr);

    // False, keeping nothing, when there is no DC or the size has a zero side.
    bool SetSource(const gdi::DeviceContext* dc, int32_t width, int32_t height);

    // The picture as the window shows it at its current size.
    const QImage& Picture();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void Render();

    const gdi::DeviceContext* m_source = nullptr;
    int32_t m_sourceWidth = 0;
    int32_t m_sourceHeight = 0;
    TGdiImage m_picture;
};
