#include "gdi/Color.h"

#include <algorithm>
#include <array>

namespace gdi {

namespace {

int distance2(COLORREF a, COLORREF b) {
    const int dr = GetRValue(a) - GetRValue(b);
    const int dg = GetGValue(a) - GetGValue(b);
    const int db = GetBValue(a) - GetBValue(b);
    return dr * dr + dg * dg + db * db;
}

// Cells are the colours sharing their top five bits per channel.
uint32_t cellOf(COLORREF c) {
    return ((c >> 3) & 0x1F) | ((c >> 6) & 0x3E0) | ((c >> 9) & 0x7C00);
}

// Smallest and largest squared distance along one channel from value v to [lo, lo + 7].
int nearSq(int v, int lo) {
    const int d = v < lo ? lo - v : (v > lo + 7 ? v - lo - 7 : 0);
    return d * d;
}
int farSq(int v, int lo) {
    const int d = std::max(std::abs(v - lo), std::abs(v - lo - 7));
    return d * d;
}

// The classic recursive ordered-dither matrix, 0..63.
constexpr std::array<std::array<uint8_t, 8>, 8> bayer8() {
    std::array<std::array<uint8_t, 8>, 8> m{};
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            int v = 0;
            for (int bit = 2; bit >= 0; --bit) {
                const int bx = (x >> (2 - bit)) & 1, by = (y >> (2 - bit)) & 1;
                v |= ((bx ^ by) << 1 | by) << (2 * bit);
            }
            m[y][x] = uint8_t(v);
        }
    return m;
}
constexpr auto kBayer = bayer8();

} // namespace

uint32_t nearestColorIndex(const std::vector<COLORREF>& table, COLORREF color) {
    uint32_t best = 0;
    int bestDistance = 0x7FFFFFFF;
    for (size_t i = 0; i < table.size(); ++i) {
        const int d = distance2(table[i], color);
        if (d == 0) return uint32_t(i);
        if (d < bestDistance) {
            bestDistance = d;
            best = uint32_t(i);
        }
    }
    return best;
}

ColorMatcher::ColorMatcher(std::vector<COLORREF> table)
    : m_table(std::move(table)), m_memoKey(4096, 0), m_memoIndex(4096, 0) {
    for (COLORREF& c : m_table)
        c &= 0xFFFFFF;
    if (m_table.size() <= 16) m_cells.assign(32768, 0);
}

uint32_t ColorMatcher::nearest(COLORREF color) {
    color &= 0xFFFFFF;
    const uint32_t slot = (color * 2654435761u) >> 20;
    if (m_memoKey[slot] == (color | 0x80000000u)) return m_memoIndex[slot];
    const uint32_t index = search(color);
    m_memoKey[slot] = color | 0x80000000u;
    m_memoIndex[slot] = uint8_t(index);
    return index;
}

uint32_t ColorMatcher::search(COLORREF color) {
    if (m_cells.empty()) return nearestColorIndex(m_table, color);
    uint32_t candidates = cellCandidates(cellOf(color));
    uint32_t best = 0;
    int bestDistance = 0x7FFFFFFF;
    // Entries outside the candidates are farther than some candidate from every colour of
    // the cell, so scanning the candidates in table order gives nearestColorIndex's answer.
    while (candidates) {
        const uint32_t i = uint32_t(__builtin_ctz(candidates));
        candidates &= candidates - 1;
        const int d = distance2(m_table[i], color);
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}

uint32_t ColorMatcher::cellCandidates(uint32_t cell) {
    if (m_cells[cell]) return m_cells[cell];
    const int r = int(cell & 0x1F) << 3, g = int((cell >> 5) & 0x1F) << 3, b = int(cell >> 10) << 3;
    int bound = 0x7FFFFFFF;
    for (COLORREF c : m_table)
        bound = std::min(bound, farSq(GetRValue(c), r) + farSq(GetGValue(c), g) + farSq(GetBValue(c), b));
    uint16_t mask = 0;
    for (size_t i = 0; i < m_table.size(); ++i) {
        const COLORREF c = m_table[i];
        if (nearSq(GetRValue(c), r) + nearSq(GetGValue(c), g) + nearSq(GetBValue(c), b) <= bound)
            mask |= uint16_t(1u << i);
    }
    m_cells[cell] = mask;
    return mask;
}

uint32_t monoForegroundPixel(const std::vector<COLORREF>& table, COLORREF color, COLORREF bkColor) {
    color &= 0xFFFFFF;
    if (table.size() >= 2) {
        if (color == (table[0] & 0xFFFFFF)) return 0;
        if (color == (table[1] & 0xFFFFFF)) return 1;
    }
    const uint32_t background = nearestColorIndex(table, bkColor & 0xFFFFFF);
    return color == (bkColor & 0xFFFFFF) ? background : background ^ 1;
}

bool monoBrushIsDithered(COLORREF color) {
    color &= 0xFFFFFF;
    return color != 0 && color != 0xFFFFFF;
}

uint8_t monoDitherRow(COLORREF color, int32_t y) {
    const int grey = (30 * GetRValue(color) + 59 * GetGValue(color) + 11 * GetBValue(color) + 200) / 400;
    const auto& row = kBayer[y & 7];
    uint8_t bits = 0;
    for (int x = 0; x < 8; ++x)
        if (grey + row[x] > 63) bits |= uint8_t(0x80 >> x);
    return bits;
}

} // namespace gdi
