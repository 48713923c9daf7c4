#include "tools/draw/SheetSamples.h"

#include "document/DrawingUtils.h"
#include "document/Geometry.h"
#include "document/SketchBitmap.h"
#include "document/SketchFiles.h"

#include <QDir>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr gdi::COLORREF PageFrameColor = 0x808080;
constexpr gdi::COLORREF InkColor = 0x000000;
// Room for the frame around the page's contents.
constexpr int32_t ContentSide = SampleSide - 2;

gdi::Size fittedSize(int32_t width, int32_t height) {
    const double scale = std::min(double(ContentSide) / width, double(ContentSide) / height);
    return {std::clamp(RoundPixel(width * scale), 1, ContentSide),
            std::clamp(RoundPixel(height * scale), 1, ContentSide)};
}

gdi::BitmapPtr loadForm(const QString& path) {
    try {
        return LoadSketchImage(path.toStdString());
    } catch (...) {
        // A damaged form only costs its picture; choosing it reports the damage.
        return nullptr;
    }
}

// Arrows along the bottom and the right edge say that the size is the user's to give.
void drawSizeArrows(gdi::DeviceContext& dc, int32_t width, int32_t height) {
    const int32_t y = height - 12;
    const int32_t x = width - 12;
    dc.selectPen(gdi::createPen(gdi::PS_SOLID, 1, InkColor));
    dc.moveTo(6, y);
    dc.lineTo(width - 6, y);
    dc.moveTo(x, 6);
    dc.lineTo(x, height - 6);
    DrawArrow(dc, InkColor, {width - 6, y}, 1, 0, false);
    DrawArrow(dc, InkColor, {5, y}, -1, 0, false);
    DrawArrow(dc, InkColor, {x, 5}, 0, -1, false);
    DrawArrow(dc, InkColor, {x, height - 6}, 0, 1, false);
}

QImage toQImage(const gdi::Bitmap& page) {
    QImage image(SampleSide, SampleSide, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    const int left = (SampleSide - page.width()) / 2;
    const int top = (SampleSide - page.height()) / 2;
    for (int32_t y = 0; y < page.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(top + y)) + left;
        for (int32_t x = 0; x < page.width(); ++x) {
            const gdi::COLORREF c = page.pixelToColor(page.pixel(x, y));
            row[x] = qRgb(gdi::GetRValue(c), gdi::GetGValue(c), gdi::GetBValue(c));
        }
    }
    return image;
}

void writeMissingName(QImage& image, const gdi::Size& page, const char* fileName) {
    QPainter painter(&image);
    QFont font = painter.font();
    font.setPixelSize(11);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QRect box((SampleSide - page.cx) / 2 + 4, (SampleSide - page.cy) / 2 + 4, page.cx - 8, page.cy - 8);
    painter.drawText(box, Qt::AlignCenter | Qt::TextWrapAnywhere,
                     QString::fromUtf8(fileName) + QStringLiteral("\n(нет файла)"));
}

} // namespace

QString SheetFormPath(const QString& stdFormsDir, const char* fileName) {
    return QDir(stdFormsDir).filePath(QString::fromUtf8(fileName));
}

QImage MakeSheetSample(const TSheetChoice& choice, const QString& stdFormsDir) {
    gdi::BitmapPtr form;
    if (choice.FormFile) form = loadForm(SheetFormPath(stdFormsDir, choice.FormFile));
    const gdi::Size content =
        form ? fittedSize(form->width(), form->height()) : fittedSize(choice.Width, choice.Height);
    const int32_t width = content.cx + 2;
    const int32_t height = content.cy + 2;

    gdi::DeviceContext dc;
    dc.selectBitmap(CreateSketchDib(width, height));
    dc.fillRect({0, 0, width, height}, gdi::stockWhiteBrush());
    if (form) {
        gdi::DeviceContext source;
        source.selectBitmap(form);
        // Shrinking keeps dark over light, so the thin lines of the form survive.
        dc.setStretchMode(gdi::BLACKONWHITE);
        dc.stretchBlt(1, 1, content.cx, content.cy, &source, 0, 0, form->width(), form->height(),
                      gdi::SRCCOPY);
    } else if (choice.Code == AnySizeSheetChoice) {
        drawSizeArrows(dc, width, height);
    }
    dc.selectPen(gdi::createPen(gdi::PS_SOLID, 1, PageFrameColor));
    dc.selectBrush(gdi::stockNullBrush());
    dc.rectangle(0, 0, width, height);

    QImage image = toQImage(*dc.bitmap());
    if (choice.FormFile && !form) writeMissingName(image, {width, height}, choice.FormFile);
    return image;
}
