#include "app/QtPrinterTarget.h"

#include "app/SketchQImage.h"
#include "document/TechDocument.h"

#include <QPageLayout>
#include <QPrintDialog>

void TQtPrinterTarget::SetTitle(const std::string& title) {
    m_printer.setDocName(QString::fromStdString(title));
}

void TQtPrinterTarget::SetOrientation(TPrintOrientation orientation) {
    m_printer.setPageOrientation(orientation == TPrintOrientation::Landscape ? QPageLayout::Landscape
                                                                             : QPageLayout::Portrait);
}

gdi::Size TQtPrinterTarget::PageSize() const {
    return {m_printer.width(), m_printer.height()};
}

bool TQtPrinterTarget::BeginDoc() {
    m_painter = std::make_unique<QPainter>();
    if (m_painter->begin(&m_printer)) return true;
    m_painter.reset();
    return false;
}

void TQtPrinterTarget::StretchBitmap(const gdi::Bitmap& bitmap, const gdi::Rect& source,
                                     const gdi::Rect& dest) {
    if (!m_painter) return;
    // A plain copy: each sketch pixel becomes a block of printer pixels, no smoothing.
    m_painter->setRenderHint(QPainter::SmoothPixmapTransform, false);
    m_painter->drawImage(QRect(dest.left, dest.top, dest.width(), dest.height()), BitmapToQImage(bitmap),
                         QRect(source.left, source.top, source.width(), source.height()));
}

void TQtPrinterTarget::EndDoc() {
    if (m_painter) m_painter->end();
    m_painter.reset();
}

bool PrintSketchWithDialog(QPrinter& printer, QWidget* parent) {
    if (!Document) return false;
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    TQtPrinterTarget target(printer);
    return Document->Print(target);
}
