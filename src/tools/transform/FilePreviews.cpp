#include "tools/transform/FilePreviews.h"

#include "blocks/BlockObject.h"
#include "document/SketchFiles.h"
#include "tools/transform/TechFilesDialog.h"

#include <QFile>

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

namespace {

int32_t roundToPixel(double v) {
    return int32_t(std::nearbyint(v));
}

std::string localPath(const QString& name) {
    return QFile::encodeName(name).toStdString();
}

} // namespace

void StretchPictureInto(gdi::DeviceContext& dc, const gdi::DeviceContext& source, const gdi::Rect& rect) {
    const gdi::BitmapPtr& picture = source.bitmap();
    if (!picture || picture->width() <= 0 || picture->height() <= 0) return;
    const int32_t w = picture->width();
    const int32_t h = picture->height();
    const float s = float(std::min(double(rect.height()) / h, double(rect.width()) / w));
    const double scaledW = double(w) * s;
    const double scaledH = double(h) * s;
    dc.stretchBlt(roundToPixel((rect.width() - scaledW) / 2), roundToPixel((rect.height() - scaledH) / 2),
                  roundToPixel(scaledW), roundToPixel(scaledH), &source, 0, 0, w, h, gdi::SRCCOPY);
}

void SketchFilePreview(TTechFilesDialog& dialog, gdi::DeviceContext& dc, const gdi::Rect& rect) {
    gdi::BitmapPtr image;
    try {
        image = LoadSketchImage(localPath(dialog.FileName));
    } catch (const std::runtime_error&) {
        return; // a damaged compressed sketch: no picture, and no message either
    }
    if (!image) return;
    gdi::DeviceContext source;
    source.selectBitmap(std::move(image));
    StretchPictureInto(dc, source, rect);
}

void BlockFilePreview(TTechFilesDialog& dialog, gdi::DeviceContext& dc, const gdi::Rect& rect) {
    dc.fillRect(rect, gdi::stockWhiteBrush());
    TBlockObject block;
    if (!block.LoadFromFile(localPath(dialog.FileName))) return;
    block.FitInto(rect);
    block.DrawSegments(dc, gdi::R2_COPYPEN, BlockPreviewColor);
    block.DrawAnchor(dc, gdi::R2_COPYPEN);
}
