// Windows bitmap files: any input is read or refused, never a crash or a runaway.
#include "document/BmpFile.h"
#include "document/FileErrors.h"
#include "document/PackedDib.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    try {
        const gdi::BitmapPtr bm = ReadBmpImage({data, size});
        // Whatever was read is a sketch bitmap that survives the undo history.
        if (!bm || bm->bitsPerPixel() != 4 || !UnpackBitmap(PackBitmap(bm))) std::abort();
    } catch (const SketchFileError&) {
    }
    return 0;
}
