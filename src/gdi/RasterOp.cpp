#include "gdi/RasterOp.h"

namespace gdi {

unsigned rop3WithoutPattern(uint8_t code) {
    // The reference carries out each ternary operation as a fixed series of binary steps
    // between pattern, source, destination and a scratch copy, and a pattern step paints
    // nothing where the brush has no pixel. What remains there depends on how the series
    // is composed, not only on the truth table, so it was measured once for every code
    // (the result bits for source 0011 and destination 0101) and is kept here.
    static const uint8_t table[256] = {
        0,  1,  8,  12, 8,  10, 9,  8,  8,  6,  10, 4,  12, 2,  1,  10, 1,  1,  1,  1,  1,  1,  4,  7,
        8,  11, 14, 11, 14, 13, 14, 14, 8,  1,  2,  1,  4,  8,  2,  2,  8,  2,  8,  11, 2,  13, 14, 13,
        12, 1,  2,  3,  4,  5,  6,  7,  8,  6,  10, 7,  12, 13, 14, 12, 4,  1,  2,  4,  4,  1,  4,  8,
        8,  4,  4,  11, 8,  13, 14, 11, 10, 1,  2,  5,  1,  5,  6,  7,  8,  6,  10, 11, 12, 7,  14, 10,
        6,  1,  2,  6,  4,  6,  6,  2,  8,  6,  6,  4,  6,  2,  4,  9,  7,  1,  2,  7,  4,  7,  2,  7,
        8,  7,  7,  7,  7,  7,  14, 7,  8,  1,  8,  8,  8,  8,  8,  8,  8,  13, 8,  11, 8,  13, 14, 7,
        9,  11, 2,  9,  4,  9,  6,  2,  13, 9,  6,  11, 6,  13, 14, 6,  10, 14, 8,  3,  14, 10, 6,  8,
        8,  9,  10, 14, 10, 13, 14, 10, 11, 14, 2,  7,  4,  11, 4,  7,  8,  11, 14, 11, 11, 13, 14, 14,
        12, 1,  2,  12, 8,  5,  6,  8,  8,  9,  12, 11, 12, 14, 14, 12, 13, 14, 2,  13, 4,  7,  2,  7,
        8,  13, 13, 11, 14, 13, 14, 14, 14, 14, 2,  14, 4,  14, 4,  7,  8,  14, 14, 14, 14, 14, 14, 14,
        10, 1,  2,  12, 4,  10, 6,  7,  8,  9,  10, 14, 12, 13, 14, 15,
    };
    return table[code];
}

} // namespace gdi
