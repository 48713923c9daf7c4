#include "gdi/ScreenCopy.h"

#include "gdi/BlitGeometry.h"
#include "gdi/Color.h"
#include "gdi/Stretch.h"

#include <algorithm>
#include <array>
#include <cstring>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define VERIGRAF_SCREEN_SSSE3 1
#endif

namespace gdi {

namespace {

constexpr uint32_t Opaque = 0xFF000000;

// The screen word of every pixel value; values past the colour table show black.
using ScreenTable = std::array<uint32_t, 256>;

ScreenTable screenTable(const Bitmap& source) {
    ScreenTable table;
    table.fill(Opaque);
    const auto& colors = source.colorTable();
    for (size_t i = 0; i < colors.size() && i < table.size(); ++i)
        table[i] = colorToRgbPixel(colors[i] & 0xFFFFFF) | Opaque;
    return table;
}

void convertRowScalar(uint32_t* dst, const uint8_t* src, int32_t n, const uint32_t* table) {
    for (int32_t i = 0; i < n; ++i)
        dst[i] = table[src[i]];
}

#ifdef VERIGRAF_SCREEN_SSSE3
// Sixteen pixels a step: each byte of the screen word is looked up in a 16-entry table
// of its own by one shuffle, and the four byte planes are interleaved into words.
__attribute__((target("ssse3"))) void convertRow16(uint32_t* dst, const uint8_t* src, int32_t n,
                                                   const uint32_t* table) {
    alignas(16) uint8_t planes[4][16];
    for (int i = 0; i < 16; ++i)
        for (int b = 0; b < 4; ++b)
            planes[b][i] = uint8_t(table[i] >> (8 * b));
    const __m128i blue = _mm_load_si128(reinterpret_cast<const __m128i*>(planes[0]));
    const __m128i green = _mm_load_si128(reinterpret_cast<const __m128i*>(planes[1]));
    const __m128i red = _mm_load_si128(reinterpret_cast<const __m128i*>(planes[2]));
    const __m128i alpha = _mm_load_si128(reinterpret_cast<const __m128i*>(planes[3]));
    const __m128i low = _mm_set1_epi8(0x0F);
    int32_t i = 0;
    for (; i + 16 <= n; i += 16) {
        const __m128i index = _mm_and_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i)), low);
        const __m128i b = _mm_shuffle_epi8(blue, index), g = _mm_shuffle_epi8(green, index);
        const __m128i r = _mm_shuffle_epi8(red, index), a = _mm_shuffle_epi8(alpha, index);
        const __m128i bgLow = _mm_unpacklo_epi8(b, g), bgHigh = _mm_unpackhi_epi8(b, g);
        const __m128i raLow = _mm_unpacklo_epi8(r, a), raHigh = _mm_unpackhi_epi8(r, a);
        auto* out = reinterpret_cast<__m128i*>(dst + i);
        _mm_storeu_si128(out, _mm_unpacklo_epi16(bgLow, raLow));
        _mm_storeu_si128(out + 1, _mm_unpackhi_epi16(bgLow, raLow));
        _mm_storeu_si128(out + 2, _mm_unpacklo_epi16(bgHigh, raHigh));
        _mm_storeu_si128(out + 3, _mm_unpackhi_epi16(bgHigh, raHigh));
    }
    convertRowScalar(dst + i, src + i, n - i, table);
}

// The same with 32 pixels a step. The shuffles and unpacks work within each 128-bit
// half, so the halves hold pixels 0-15 and 16-31 and are put in order on the way out.
__attribute__((target("avx2"))) void convertRow32(uint32_t* dst, const uint8_t* src, int32_t n,
                                                  const uint32_t* table) {
    alignas(16) uint8_t planes[4][16];
    for (int i = 0; i < 16; ++i)
        for (int b = 0; b < 4; ++b)
            planes[b][i] = uint8_t(table[i] >> (8 * b));
    const auto* p = reinterpret_cast<const __m128i*>(planes);
    const __m256i blue = _mm256_broadcastsi128_si256(_mm_load_si128(p));
    const __m256i green = _mm256_broadcastsi128_si256(_mm_load_si128(p + 1));
    const __m256i red = _mm256_broadcastsi128_si256(_mm_load_si128(p + 2));
    const __m256i alpha = _mm256_broadcastsi128_si256(_mm_load_si128(p + 3));
    const __m256i low = _mm256_set1_epi8(0x0F);
    int32_t i = 0;
    for (; i + 32 <= n; i += 32) {
        const __m256i index =
            _mm256_and_si256(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(src + i)), low);
        const __m256i b = _mm256_shuffle_epi8(blue, index), g = _mm256_shuffle_epi8(green, index);
        const __m256i r = _mm256_shuffle_epi8(red, index), a = _mm256_shuffle_epi8(alpha, index);
        const __m256i bgLow = _mm256_unpacklo_epi8(b, g), bgHigh = _mm256_unpackhi_epi8(b, g);
        const __m256i raLow = _mm256_unpacklo_epi8(r, a), raHigh = _mm256_unpackhi_epi8(r, a);
        const __m256i w0 = _mm256_unpacklo_epi16(bgLow, raLow);   // pixels 0-3 and 16-19
        const __m256i w1 = _mm256_unpackhi_epi16(bgLow, raLow);   // 4-7 and 20-23
        const __m256i w2 = _mm256_unpacklo_epi16(bgHigh, raHigh); // 8-11 and 24-27
        const __m256i w3 = _mm256_unpackhi_epi16(bgHigh, raHigh); // 12-15 and 28-31
        auto* out = reinterpret_cast<__m256i*>(dst + i);
        _mm256_storeu_si256(out, _mm256_permute2x128_si256(w0, w1, 0x20));
        _mm256_storeu_si256(out + 1, _mm256_permute2x128_si256(w2, w3, 0x20));
        _mm256_storeu_si256(out + 2, _mm256_permute2x128_si256(w0, w1, 0x31));
        _mm256_storeu_si256(out + 3, _mm256_permute2x128_si256(w2, w3, 0x31));
    }
    convertRow16(dst + i, src + i, n - i, table);
}

bool hasSsse3() {
    static const bool has = __builtin_cpu_supports("ssse3");
    return has;
}

bool hasAvx2() {
    static const bool has = __builtin_cpu_supports("avx2");
    return has;
}
#endif

// One row enlarged: the walk of the stretch, each step writing a screen pixel and
// moving on in the source when its error term says so.
void enlargeRow(uint32_t* dst, const uint8_t* src, const AxisStretch& h, const ScreenTable& table) {
    int64_t err = h.errStart;
    for (int32_t n = h.length; n > 0; --n) {
        *dst++ = table[*src];
        if (err > 0) {
            ++src;
            err += h.errAdd1;
        } else {
            err += h.errAdd2;
        }
    }
}

void copyOneToOne(const ScreenPixels& screen, const BlitCoords& dst, const BlitCoords& src,
                  const Bitmap& source, const ScreenTable& table) {
    const int32_t n = std::min(dst.visible.width(), src.visible.width());
    const int32_t rows = std::min(dst.visible.height(), src.visible.height());
    const bool sixteen = source.bitsPerPixel() <= 4;
    for (int32_t row = 0; row < rows; ++row)
        lookupRow(screen.row(dst.visible.top + row) + dst.visible.left,
                  source.indexRow(src.visible.top + row) + src.visible.left, n, table.data(), sixteen);
}

void copyEnlarged(const ScreenPixels& screen, const StretchPlan& plan, const Rect& visible,
                  const Bitmap& source, const ScreenTable& table) {
    const AxisStretch& h = plan.h;
    const AxisStretch& v = plan.v;
    const size_t rowBytes = size_t(visible.width()) * 4;
    int64_t err = v.errStart;
    int32_t sy = v.srcStart;
    bool needRow = true;
    for (int32_t n = v.length, dy = v.dstStart; n > 0; --n, ++dy) {
        // Rows that repeat a source row are copies of the row above.
        if (needRow)
            enlargeRow(screen.row(dy) + h.dstStart, source.indexRow(sy) + h.srcStart, h, table);
        else
            std::memcpy(screen.row(dy) + visible.left, screen.row(dy - 1) + visible.left, rowBytes);
        needRow = err > 0;
        if (err > 0) {
            ++sy;
            err += v.errAdd1;
        } else {
            err += v.errAdd2;
        }
    }
}

} // namespace

void lookupRow(uint32_t* dst, const uint8_t* src, int32_t n, const uint32_t* table, bool sixteenColours) {
#ifdef VERIGRAF_SCREEN_SSSE3
    if (sixteenColours && hasAvx2()) return convertRow32(dst, src, n, table);
    if (sixteenColours && hasSsse3()) return convertRow16(dst, src, n, table);
#else
    (void)sixteenColours;
#endif
    convertRowScalar(dst, src, n, table);
}

bool stretchToScreen(const ScreenPixels& screen, int32_t x, int32_t y, int32_t width, int32_t height,
                     const Bitmap& source, int32_t sx, int32_t sy, int32_t sw, int32_t sh) {
    if (!screen.bits || !source.isIndexed()) return false;
    if (width <= 0 || height <= 0 || sw <= 0 || sh <= 0 || sw > width || sh > height) return false;
    if (!saneBlitValues({x, y, width, height, sx, sy, sw, sh})) return false;

    BlitCoords dst{x, y, width, height, boundingRect(x, y, width, height).intersected(screen.bounds())};
    BlitCoords src{sx, sy, sw, sh, boundingRect(sx, sy, sw, sh).intersected(source.bounds())};
    if (dst.visible.isEmpty() || src.visible.isEmpty()) return true;
    if (!intersectVisibleRects(dst, src)) return true;
    const ScreenTable table = screenTable(source);
    if (sw == width && sh == height) {
        copyOneToOne(screen, dst, src, source, table);
        return true;
    }
    StretchPlan plan;
    if (!planStretch(dst, src, plan)) return true;
    if (!plan.h.enlarging || !plan.v.enlarging) return false;
    copyEnlarged(screen, plan, dst.visible, source, table);
    return true;
}

} // namespace gdi
