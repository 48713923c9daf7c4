#pragma once
// Printing the sketch through Qt Print Support: a real printer or a PDF file, whichever
// the print dialog chose.

#include "document/PrinterTarget.h"

#include <QPainter>
#include <QPrinter>

#include <memory>

class QWidget;

class TQtPrinterTarget : public TPrinterTarget {
  public:
    explicit TQtPrinterTarget(QPrinter& printer) : m_printer(printer) {}

    void SetTitle(const std::string& title) override;
    bool CanChangeOrientation() const override { return true; }
    void SetOrientation(TPrintOrientation orientation) override;
    int32_t PixelsPerInchX() const override { return m_printer.logicalDpiX(); }
    int32_t PixelsPerInchY() const override { return m_printer.logicalDpiY(); }
    gdi::Size PageSize() const override;
    bool BeginDoc() override;
    void StretchBitmap(const gdi::Bitmap& bitmap, const gdi::Rect& source, const gdi::Rect& dest) override;
    void EndDoc() override;

  private:
    QPrinter& m_printer;
    std::unique_ptr<QPainter> m_painter;
};

// Shows the print dialog on the printer and, when the user accepts it, prints the sketch
// of Document. The printer keeps the choices made in the dialog for the next time.
// False when nothing was printed.
bool PrintSketchWithDialog(QPrinter& printer, QWidget* parent);
