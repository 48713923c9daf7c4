#pragma once
// A sheet's picture in the new-sketch dialog and the bordered panel it sits in. The
// chosen picture is drawn transparent, so that the panel's highlight shows around its
// page; the others are drawn on the dialog's own ground.

#include <QFrame>
#include <QImage>
#include <QWidget>

#include <cstdint>

class TSampleImage : public QWidget {
    Q_OBJECT
  public:
    TSampleImage(const QImage& picture, int32_t tag, QWidget* parent = nullptr);

    int32_t Tag() const { return m_tag; }
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool transparent);

  signals:
    void Clicked(TSampleImage* image);
    void DoubleClicked(TSampleImage* image);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    QImage m_picture;
    int32_t m_tag;
    bool m_transparent = false;
};

class TSamplePanel : public QFrame {
    Q_OBJECT
  public:
    TSamplePanel(TSampleImage* image, QWidget* parent = nullptr);
    TSampleImage* Image() const { return m_image; }

  signals:
    // The panel took the input focus (by Tab or a click on its picture).
    void Entered(TSampleImage* image);

  protected:
    void focusInEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    TSampleImage* m_image;
};
