// The 32-bit images the program hands to Qt: every word must carry 0xFF in its top
// byte, which Qt's RGB32 format requires, so that converting them to premultiplied ARGB
// (what a window's backing store may hold) changes nothing.
#include "app/GdiImage.h"
#include "app/SketchQImage.h"

#include "gdi/Color.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

const std::vector<gdi::COLORREF> kPalette = {0x000000, 0x000080, 0x0000FF, 0x008000, 0x008080, 0x00FF00,
                                             0x00FFFF, 0x800000, 0x800080, 0x808000, 0x808080, 0xC0C0C0,
                                             0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};

// The same words after conversion to premultiplied ARGB, row by row.
void expectConvertsUnchanged(const QImage& image) {
    ASSERT_FALSE(image.isNull());
    ASSERT_EQ(image.format(), QImage::Format_RGB32);
    const QImage converted = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < image.height(); ++y)
        ASSERT_EQ(std::memcmp(image.constScanLine(y), converted.constScanLine(y), size_t(image.width()) * 4),
                  0)
            << "row " << y;
}

gdi::BitmapPtr stripedSketch(int32_t w, int32_t h) {
    gdi::BitmapPtr sketch = gdi::Bitmap::create(w, h, 4, kPalette);
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x)
            sketch->setPixel(x, y, uint32_t(x + 3 * y) % 16);
    return sketch;
}

} // namespace

TEST(ScreenImage, DrawingThroughTheDcGivesOpaqueWordsAfterEveryChange) {
    TGdiImage image;
    image.Resize(37, 21);
    image.DC().fillRect({0, 0, 37, 21}, gdi::createSolidBrush(0x00336699));
    expectConvertsUnchanged(image.Image());
    EXPECT_EQ(image.Image().pixel(5, 5), qRgb(0x99, 0x66, 0x33));

    // Drawn again after Qt has seen it: the new pixels must be made opaque too.
    image.DC().fillRect({3, 4, 20, 9}, gdi::createSolidBrush(0x00000000));
    expectConvertsUnchanged(image.Image());
    EXPECT_EQ(image.Image().pixel(10, 5), qRgb(0, 0, 0));
}

// The drawing surface's paint: a 16-colour picture stretched over the image at a zoom
// that does not divide the image's size, compared with the raster layer's own stretch.
TEST(ScreenImage, TheStretchedSketchIsOpaqueAndShowsTheColoursTheLayerStretches) {
    const gdi::BitmapPtr sketch = stripedSketch(40, 30);
    gdi::DeviceContext source;
    source.selectBitmap(sketch);
    for (int32_t zoom : {1, 3}) {
        TGdiImage image;
        image.Resize(100, 62);
        image.StretchFrom(source, 100 / zoom, 62 / zoom);
        const QImage& shown = image.Image();
        expectConvertsUnchanged(shown);

        gdi::DeviceContext expected;
        expected.selectBitmap(gdi::Bitmap::create(100, 62, 32));
        expected.stretchBlt(0, 0, 100, 62, &source, 0, 0, 100 / zoom, 62 / zoom, gdi::SRCCOPY);
        for (int y = 0; y < 62; ++y)
            for (int x = 0; x < 100; ++x)
                ASSERT_EQ(shown.pixel(x, y), expected.bitmap()->pixel(x, y) | 0xFF000000u)
                    << x << "," << y << " at zoom " << zoom;
    }
}

TEST(ScreenImage, ADirectColourBitmapBecomesAnOpaqueImage) {
    gdi::BitmapPtr bitmap = gdi::Bitmap::create(9, 4, 32);
    for (int32_t y = 0; y < 4; ++y)
        for (int32_t x = 0; x < 9; ++x)
            bitmap->setPixel(x, y, gdi::colorToRgbPixel(kPalette[size_t(x + y) % 16]));
    const QImage image = BitmapToQImage(*bitmap);
    expectConvertsUnchanged(image);
    EXPECT_EQ(image.pixel(2, 0), qRgb(0xFF, 0, 0));
}
