#include "gdi/DeviceContext.h"

#include <gtest/gtest.h>

using namespace gdi;

// Every binary raster operation, checked bit by bit against its truth table.
TEST(RopMasks, MatchTheTruthTableOfEveryOperation) {
    // Result for (pen, dst) bits in the order (0,0), (0,1), (1,0), (1,1).
    const int truth[16][4] = {
        {0, 0, 0, 0}, {1, 0, 0, 0}, {0, 1, 0, 0}, {1, 1, 0, 0}, {0, 0, 1, 0}, {1, 0, 1, 0},
        {0, 1, 1, 0}, {1, 1, 1, 0}, {0, 0, 0, 1}, {1, 0, 0, 1}, {0, 1, 0, 1}, {1, 1, 0, 1},
        {0, 0, 1, 1}, {1, 0, 1, 1}, {0, 1, 1, 1}, {1, 1, 1, 1},
    };
    for (int rop = R2_BLACK; rop <= R2_WHITE; ++rop) {
        for (int pen = 0; pen < 2; ++pen) {
            const RopMasks m = ropMasks(rop, pen ? 0xF : 0x0, 0xF);
            for (int dst = 0; dst < 2; ++dst) {
                const uint32_t got = m.apply(dst ? 0xF : 0x0);
                EXPECT_EQ(got, truth[rop - 1][pen * 2 + dst] ? 0xFu : 0u) << "rop " << rop;
            }
        }
    }
    EXPECT_EQ(ropMasks(R2_NOTXORPEN, 0x5, 0xF).apply(0x3), (~(0x5u ^ 0x3u)) & 0xF);
}
