// Flood fill: the area is found first, as whole row runs, and painted afterwards, so that
// a brush which leaves pixels of the sought colour behind (a transparent hatch, an XOR)
// cannot make the search run on. The area is 4-connected: pixels touch through their
// sides only.

#include "gdi/DeviceContext.h"

#include <algorithm>
#include <cstring>

namespace gdi {

namespace {

struct RowRun {
    int32_t y;
    int32_t left;
    int32_t right; // exclusive
};

// Which pixels have been taken into the area, one bit each.
class VisitedMask {
  public:
    VisitedMask(int32_t width, int32_t height)
        : m_words(size_t(width + 63) / 64), m_bits(m_words * size_t(height), 0) {}
    bool test(int32_t x, int32_t y) const { return (m_bits[index(x, y)] >> (x & 63)) & 1; }
    void set(int32_t y, int32_t left, int32_t right) {
        // Whole words at a time: runs are often as wide as the bitmap.
        while (left < right) {
            const int32_t upto = std::min(right, (left | 63) + 1);
            const uint64_t ones = upto - left == 64 ? ~0ull : ((1ull << (upto - left)) - 1) << (left & 63);
            m_bits[index(left, y)] |= ones;
            left = upto;
        }
    }

  private:
    size_t index(int32_t x, int32_t y) const { return size_t(y) * m_words + size_t(x >> 6); }
    size_t m_words;
    std::vector<uint64_t> m_bits;
};

// Pixel runs: the first x from a start, forwards or backwards, where (pixel == value) is no
// longer `equal`. Byte pixels are tested eight at a time, which is what keeps a flood of a
// large blank area close to the cost of painting it.
constexpr uint64_t kOnes = 0x0101010101010101ull;
constexpr uint64_t kHighs = 0x8080808080808080ull;
inline bool hasZeroByte(uint64_t v) {
    return ((v - kOnes) & ~v & kHighs) != 0;
}
inline bool wordPasses(const uint8_t* p, uint8_t value, bool equal) {
    uint64_t w;
    std::memcpy(&w, p, 8);
    const uint64_t diff = w ^ (kOnes * value); // zero bytes where the pixel equals value
    return equal ? diff == 0 : !hasZeroByte(diff);
}

template <typename Pixel>
int32_t skipForward(const Pixel* row, int32_t x, int32_t end, Pixel value, bool equal) {
    if constexpr (sizeof(Pixel) == 1)
        while (x + 8 <= end && wordPasses(row + x, value, equal))
            x += 8;
    while (x < end && (row[x] == value) == equal)
        ++x;
    return x;
}

// Returns the leftmost x' <= x such that pixels [x', x) all pass.
template <typename Pixel>
int32_t skipBackward(const Pixel* row, int32_t x, int32_t begin, Pixel value, bool equal) {
    if constexpr (sizeof(Pixel) == 1)
        while (x - 8 >= begin && wordPasses(row + x - 8, value, equal))
            x -= 8;
    while (x > begin && (row[x - 1] == value) == equal)
        --x;
    return x;
}

// Searches the area from a seed; Pixel is the stored pixel type of the bitmap's rows.
template <typename Pixel> class FloodSearch {
  public:
    FloodSearch(Pixel* const* rows, int32_t width, int32_t height, const std::vector<Rect>& clip, Pixel value,
                bool surface)
        : m_rows(rows), m_height(height), m_clip(clip), m_visited(width, height), m_value(value),
          m_surface(surface) {}

    bool inside(int32_t x, int32_t y) const { return rectAt(m_clip, x, y) && matches(m_rows[y][x]); }

    std::vector<RowRun> run(int32_t x, int32_t y) {
        std::vector<RowRun> runs;
        m_seeds.push_back({x, y});
        while (!m_seeds.empty()) {
            const auto [sx, sy] = m_seeds.back();
            m_seeds.pop_back();
            if (m_visited.test(sx, sy)) continue;
            const Rect* span = rectAt(m_clip, sx, sy);
            const Pixel* row = m_rows[sy];
            const int32_t left = skipBackward(row, sx, span->left, m_value, m_surface);
            const int32_t right = skipForward(row, sx + 1, span->right, m_value, m_surface);
            m_visited.set(sy, left, right);
            runs.push_back({sy, left, right});
            if (sy > 0) seedRow(sy - 1, left, right);
            if (sy + 1 < m_height) seedRow(sy + 1, left, right);
        }
        return runs;
    }

  private:
    bool matches(Pixel p) const { return (p == m_value) == m_surface; }

    // Seeds every run of the area on row y that touches [left, right) and is not yet taken.
    void seedRow(int32_t y, int32_t left, int32_t right) {
        const Pixel* row = m_rows[y];
        for (const Rect& c : bandAt(m_clip, y)) {
            int32_t x = std::max(left, c.left);
            const int32_t end = std::min(right, c.right);
            while ((x = skipForward(row, x, end, m_value, !m_surface)) < end) {
                // A run is taken as a whole or not at all, so its first pixel tells.
                if (!m_visited.test(x, y)) m_seeds.push_back({x, y});
                x = skipForward(row, x, end, m_value, m_surface);
            }
        }
    }

    Pixel* const* m_rows;
    int32_t m_height;
    const std::vector<Rect>& m_clip; // banded
    VisitedMask m_visited;
    Pixel m_value;
    bool m_surface;
    std::vector<std::pair<int32_t, int32_t>> m_seeds;
};

template <typename Pixel>
std::vector<RowRun> findArea(std::vector<Pixel*> rows, int32_t width, const std::vector<Rect>& clip,
                             int32_t x, int32_t y, Pixel value, bool surface) {
    FloodSearch<Pixel> search(rows.data(), width, int32_t(rows.size()), clip, value, surface);
    if (!search.inside(x, y)) return {};
    return search.run(x, y);
}

} // namespace

bool DeviceContext::floodFill(int32_t x, int32_t y, COLORREF color, int type) {
    if (!m_bitmap || !m_bitmap->bounds().contains(x, y)) return false;
    Bitmap& bm = *m_bitmap;
    const std::vector<Rect>& clip = clipRects();
    const uint32_t value = colorToPixel(color);
    const bool surface = type == FLOODFILLSURFACE;
    std::vector<RowRun> runs;
    if (bm.isIndexed()) {
        std::vector<uint8_t*> rows(size_t(bm.height()));
        for (int32_t r = 0; r < bm.height(); ++r)
            rows[size_t(r)] = bm.indexRow(r);
        runs = findArea<uint8_t>(std::move(rows), bm.width(), clip, x, y, uint8_t(value), surface);
    } else {
        std::vector<uint32_t*> rows(size_t(bm.height()));
        for (int32_t r = 0; r < bm.height(); ++r)
            rows[size_t(r)] = bm.rgbRow(r);
        runs = findArea<uint32_t>(std::move(rows), bm.width(), clip, x, y, value, surface);
    }
    if (runs.empty()) return false;
    if (m_brush && !m_brush->isNull())
        for (const RowRun& r : runs)
            brushSpan(r.y, r.left, r.right, *m_brush, m_rop2);
    return true;
}

} // namespace gdi
