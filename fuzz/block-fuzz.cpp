// Block and instrument files: read whole and consistent, or refused with the block left
// empty; whatever is read can be fitted and drawn.
#include "blocks/BlockObject.h"
#include "document/SketchBitmap.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TBlockObject block;
    if (!block.LoadFromBytes({data, size})) {
        if (block.PointCount() != 0 || block.SegmentCount() != 0) std::abort();
        return 0;
    }
    for (const TBlockSegment& s : block.Segments())
        if (s.First < 0 || s.First >= block.PointCount() || s.Second < 0 || s.Second >= block.PointCount())
            std::abort();
    // What a preview does with a file it has read.
    gdi::DeviceContext dc;
    dc.selectBitmap(CreateSketchDib(64, 48));
    block.FitInto({0, 0, 64, 48});
    block.DrawSegments(dc, gdi::R2_COPYPEN, 0);
    block.DrawAnchor(dc, gdi::R2_COPYPEN);
    return 0;
}
