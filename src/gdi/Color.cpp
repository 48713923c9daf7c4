#include "gdi/Color.h"

namespace gdi {

uint32_t nearestColorIndex(const std::vector<COLORREF>& table, COLORREF color) {
    uint32_t best = 0;
    int bestDistance = 0x7FFFFFFF;
    for (size_t i = 0; i < table.size(); ++i) {
        int dr = GetRValue(table[i]) - GetRValue(color);
        int dg = GetGValue(table[i]) - GetGValue(color);
        int db = GetBValue(table[i]) - GetBValue(color);
        int d = dr * dr + dg * dg + db * db;
        if (d == 0) return uint32_t(i);
        if (d < bestDistance) {
            bestDistance = d;
            best = uint32_t(i);
        }
    }
    return best;
}

} // namespace gdi
