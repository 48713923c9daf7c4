#pragma once
// The picture pane the file dialogs add on their right: a sunken frame that shows one
// bitmap at its real size from the top-left corner of its client area, the way a static
// picture control does.

#include "gdi/Bitmap.h"

#include <QFrame>
#include <QImage>

class TPreviewPane : public QFrame {
    Q_OBJECT
  public:
    // The outer size of the pane; its client area is smaller by the sunken edge.
    static constexpr int PaneWidth = 169;
    static constexpr int PaneHeight = 200;

    explicit TPreviewPane(QWidget* parent = nullptr);

    // Shows the bitmap (none: an empty pane) and hands back the one shown before. The
    // picture is taken when it is put in; later drawing into the bitmap is not shown.
    gdi::BitmapPtr SetPicture(gdi::BitmapPtr bitmap);
    const gdi::BitmapPtr& Picture() const { return m_bitmap; }
    // The client area, where (0, 0) is the first pixel of the picture.
    QSize ClientSize() const { return contentsRect().size(); }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    gdi::BitmapPtr m_bitmap;
    QImage m_image;
};

// The bitmap's colours as an opaque 32-bit image.
QImage PreviewImage(const gdi::Bitmap& bitmap);
