#pragma once
// What printing needs of a printer. The shell implements it with the platform's print
// support; the document decides orientation, scale and placement.

#include "gdi/Bitmap.h"
#include "gdi/Types.h"

#include <cstdint>
#include <string>

enum class TPrintOrientation { Portrait, Landscape };

class TPrinterTarget {
  public:
    virtual ~TPrinterTarget() = default;

    virtual void SetTitle(const std::string& title) = 0;
    virtual bool CanChangeOrientation() const = 0;
    virtual void SetOrientation(TPrintOrientation orientation) = 0;
    virtual int32_t PixelsPerInchX() const = 0;
    virtual int32_t PixelsPerInchY() const = 0;
    // The printable area of a page in device pixels, for the current orientation.
    virtual gdi::Size PageSize() const = 0;

    // False when the job cannot be started; nothing is printed then.
    virtual bool BeginDoc() = 0;
    // Copies the source rectangle of the bitmap onto the page, stretched to the
    // destination rectangle (device pixels from the printable area's top-left corner),
    // pixel for pixel without smoothing.
    virtual void StretchBitmap(const gdi::Bitmap& bitmap, const gdi::Rect& source, const gdi::Rect& dest) = 0;
    virtual void EndDoc() = 0;
};
