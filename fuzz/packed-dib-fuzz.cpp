// Packed blocks as a compressed sketch carries them, without the compression in the way
// of the fuzzer.
#include "document/PackedDib.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const gdi::BitmapPtr bm = UnpackBitmap({data, size});
    if (bm) {
        const TPackedDib again = PackBitmap(bm);
        const gdi::BitmapPtr back = UnpackBitmap(again);
        if (!back || back->width() != bm->width() || back->height() != bm->height()) std::abort();
    }
    return 0;
}
