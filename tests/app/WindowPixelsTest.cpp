// The drawing surface writes its picture straight into the window's backing store: the
// window must then show exactly the layer's stretch, opaque, inside the widget and only
// there.
#include "app/WindowPixels.h"

#include "gdi/Color.h"
#include "gdi/DeviceContext.h"

#include <QApplication>
#include <QPainter>
#include <QScreen>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

const std::vector<gdi::COLORREF> kPalette = {0x000000, 0x000080, 0x0000FF, 0x008000, 0x008080, 0x00FF00,
                                             0x00FFFF, 0x800000, 0x800080, 0x808000, 0x808080, 0xC0C0C0,
                                             0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};

// A widget that paints a picture the way the drawing surface does, and remembers whether
// it could write into the window.
class TPictureWidget : public QWidget {
  public:
    TPictureWidget(QWidget* parent, gdi::BitmapPtr picture) : QWidget(parent), m_picture(std::move(picture)) {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }
    int Zoom = 1;
    int Written = 0;
    int Refused = 0;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        if (StretchOntoWindow(painter, *this, *m_picture, width() / Zoom, height() / Zoom))
            ++Written;
        else
            ++Refused;
    }

  private:
    gdi::BitmapPtr m_picture;
};

gdi::BitmapPtr stripes(int32_t w, int32_t h) {
    gdi::BitmapPtr picture = gdi::Bitmap::create(w, h, 4, kPalette);
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x)
            picture->setPixel(x, y, uint32_t(x / 2 + y) % 16);
    return picture;
}

} // namespace

TEST(WindowPixels, TheWindowShowsTheStretchedPictureInsideTheWidgetOnly) {
    const gdi::BitmapPtr picture = stripes(160, 110);
    QWidget window;
    window.resize(200, 150);
    window.setStyleSheet(QStringLiteral("background: rgb(10, 200, 30)"));
    window.setAutoFillBackground(true);
    TPictureWidget surface(&window, picture);
    surface.setGeometry(17, 11, 151, 103);
    window.show();
    QApplication::processEvents();

    for (int zoom : {1, 3}) {
        surface.Zoom = zoom;
        surface.Written = surface.Refused = 0;
        surface.repaint();
        ASSERT_EQ(surface.Written, 1) << "refused " << surface.Refused << " at zoom " << zoom;

        gdi::DeviceContext source, expected;
        source.selectBitmap(picture);
        expected.selectBitmap(gdi::Bitmap::create(151, 103, 32));
        expected.stretchBlt(0, 0, 151, 103, &source, 0, 0, 151 / zoom, 103 / zoom, gdi::SRCCOPY);

        const QImage shown = window.screen()->grabWindow(window.winId()).toImage();
        ASSERT_GE(shown.width(), 200);
        for (int y = 0; y < 150; ++y)
            for (int x = 0; x < 200; ++x) {
                const bool inside = x >= 17 && x < 17 + 151 && y >= 11 && y < 11 + 103;
                const QRgb want =
                    inside ? QRgb(expected.bitmap()->pixel(x - 17, y - 11) | 0xFF000000) : qRgb(10, 200, 30);
                ASSERT_EQ(shown.pixel(x, y), want) << x << "," << y << " at zoom " << zoom;
            }
    }
}

// A grab paints into an image of the widget's own size: the same pixels land at its
// origin.
TEST(WindowPixels, AGrabOfTheWidgetShowsThePictureToo) {
    const gdi::BitmapPtr picture = stripes(40, 30);
    TPictureWidget surface(nullptr, picture);
    surface.resize(40, 30);
    const QImage grabbed = surface.grab().toImage();
    ASSERT_EQ(surface.Written, 1);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x)
            ASSERT_EQ(grabbed.pixel(x, y),
                      QRgb(gdi::colorToRgbPixel(kPalette[picture->pixel(x, y)]) | 0xFF000000))
                << x << "," << y;
}
