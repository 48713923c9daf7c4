#include "document/RotateBitmap.h"

#include "document/SketchBitmap.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <optional>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// Both working pictures hold three bytes a pixel (blue, green, red) with their rows
// bottom-up: buffer row r is picture row height - 1 - r. The orientation is what makes
// the turn go the documented way round on the screen.
constexpr int32_t PixelBytes = 3;

struct TPixelBuffer {
    // Without a fill the bytes are left for the reader to write.
    TPixelBuffer(int32_t width, int32_t height, std::optional<uint8_t> fill)
        : Width(width), Height(height),
          Bytes(std::make_unique_for_overwrite<uint8_t[]>(PixelCount() * PixelBytes)) {
        if (fill) std::fill_n(Bytes.get(), PixelCount() * PixelBytes, *fill);
    }

    size_t PixelCount() const { return size_t(Width) * size_t(Height); }
    uint8_t* At(int32_t column, int32_t row) {
        return Bytes.get() + (size_t(row) * Width + column) * PixelBytes;
    }
    const uint8_t* At(int32_t column, int32_t row) const {
        return Bytes.get() + (size_t(row) * Width + column) * PixelBytes;
    }

    int32_t Width;
    int32_t Height;
    std::unique_ptr<uint8_t[]> Bytes;
};

class TProgressReport {
  public:
    explicit TProgressReport(const TRotateRequest& request) : m_progress(request.Progress) {}
    void operator()(int32_t code, intptr_t value = 0, intptr_t extra = 0) const {
        if (m_progress) m_progress(code, value, extra);
    }

  private:
    const TRotateProgress& m_progress;
};

// Round half to even, as the processor rounds by default.
inline int32_t RoundToInt(float value) {
#if defined(__SSE2__)
    return _mm_cvtss_si32(_mm_set_ss(value));
#else
    return int32_t(std::nearbyint(value));
#endif
}

// The bounding box of the four corners of a width by height picture turned about its
// top-left corner, each corner rounded. Wide enough that a request far from a unit
// cosine and sine gives a size to refuse rather than an overflow.
struct TTurnedSize {
    int64_t cx = 0;
    int64_t cy = 0;
};

TTurnedSize TurnedSize(int32_t width, int32_t height, float cos, float sin) {
    const std::array<gdi::Point, 4> corners{{{0, 0}, {width, 0}, {width, height}, {0, height}}};
    int64_t left = INT64_MAX, right = INT64_MIN, top = INT64_MAX, bottom = INT64_MIN;
    for (gdi::Point c : corners) {
        const float fx = float(c.x), fy = float(c.y);
        const int64_t x = RoundToInt(fx * cos - fy * sin);
        const int64_t y = RoundToInt(fx * sin + fy * cos);
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
    }
    return {right - left, bottom - top};
}

void PutColour(uint8_t* pixel, gdi::COLORREF colour) {
    pixel[0] = uint8_t(gdi::GetBValue(colour));
    pixel[1] = uint8_t(gdi::GetGValue(colour));
    pixel[2] = uint8_t(gdi::GetRValue(colour));
}

// The colours of the DC's pixels as its getPixel reads them; an indexed bitmap without
// a clip region has its colour table looked up directly.
void ReadPicture(const gdi::DeviceContext& dc, TPixelBuffer& buffer, const TProgressReport& report) {
    const gdi::Bitmap& bitmap = *dc.bitmap();
    const bool direct = bitmap.isIndexed() && !dc.clipRegion();
    std::array<gdi::COLORREF, 256> colours{};
    for (uint32_t v = 0; direct && v < colours.size(); ++v)
        colours[v] = bitmap.pixelToColor(v);
    for (int32_t x = 0; x < buffer.Width; ++x) {
        for (int32_t y = 0; y < buffer.Height; ++y) {
            const gdi::COLORREF colour = direct ? colours[bitmap.indexRow(y)[x]] : dc.getPixel(x, y);
            PutColour(buffer.At(x, buffer.Height - 1 - y), colour);
        }
        report(RotateStepDone);
    }
}

// One destination pixel moved the weight w of the way towards the source colour. A
// pixel that already has the source colour keeps it whatever the weight (and so does
// any pixel for the weight 0), so it is left alone.
inline void Blend(uint8_t* pixel, const uint8_t* source, float w) {
    if (pixel[0] == source[0] && pixel[1] == source[1] && pixel[2] == source[2]) return;
    const float keep = 1.0f - w;
    for (int i = 0; i < PixelBytes; ++i)
        pixel[i] = uint8_t(RoundToInt(keep * float(pixel[i]) + w * float(source[i])));
}

int32_t Sign(float value) {
    return value > 0 ? 1 : value < 0 ? -1 : 0;
}

// Where one source pixel lands: its turned centre falls between four destination
// pixels, the one it is in and the neighbours towards the side it leans to, each
// weighted by nearness. A centre that lies exactly on a pixel's middle line has no
// neighbour that way; its neighbour there is the pixel itself with the weight 0.
struct TLanding {
    size_t Source = 0;            // byte offset of the source pixel
    std::array<size_t, 4> Dest{}; // byte offsets: own, beside, above or below, diagonal
    std::array<float, 4> Weights{};
};

// Lands every pixel of a source buffer in a destination buffer, the same way on every
// pass, since the turn does not change between passes.
class TLander {
  public:
    TLander(const TPixelBuffer& source, const TPixelBuffer& dest, float cos, float sin)
        : m_cos(cos), m_sin(sin), m_cx(source.Width / 2), m_cy(source.Height / 2),
          m_ncx(float(dest.Width / 2)), m_ncy(float(dest.Height / 2)), m_sourceWidth(source.Width),
          m_destWidth(dest.Width), m_destHeight(dest.Height) {}

    // False when the pixel or its diagonal neighbour falls outside: it spreads nothing.
    bool Land(int32_t x, int32_t r, TLanding& landing) const {
        const float dx = float(x - m_cx), dr = float(r - m_cy);
        const float fx = dx * m_cos - dr * m_sin + m_ncx;
        const float fr = dx * m_sin + dr * m_cos + m_ncy;
        const int32_t ix = int32_t(fx), ir = int32_t(fr);
        const float ox = fx - (float(ix) + 0.5f), orow = fr - (float(ir) + 0.5f);
        const float ax = std::fabs(ox), ar = std::fabs(orow);
        const int32_t sx = Sign(ox), sr = Sign(orow);
        if (!Inside(ix, ir) || !Inside(ix + sx, ir + sr)) return false;
        landing.Source = (size_t(r) * m_sourceWidth + x) * PixelBytes;
        landing.Dest = {Offset(ix, ir), Offset(ix + sx, ir), Offset(ix, ir + sr), Offset(ix + sx, ir + sr)};
        landing.Weights = {(1.0f - ax) * (1.0f - ar), ax * (1.0f - ar), (1.0f - ax) * ar, ax * ar};
        return true;
    }

  private:
    bool Inside(int32_t x, int32_t r) const {
        return x >= 0 && x < m_destWidth && r >= 0 && r < m_destHeight;
    }
    size_t Offset(int32_t x, int32_t r) const { return (size_t(r) * m_destWidth + x) * PixelBytes; }

    float m_cos, m_sin;
    int32_t m_cx, m_cy;
    float m_ncx, m_ncy;
    int32_t m_sourceWidth, m_destWidth, m_destHeight;
};

bool IsWhite(const uint8_t* pixel) {
    return pixel[0] == 255 && pixel[1] == 255 && pixel[2] == 255;
}

// Which source pixels can change anything, column by column (the order of the passes).
// The destination starts white, and white blended into white stays white: only the
// pixels reached by a coloured source pixel can ever be other than white, and a white
// source pixel that reaches none of them changes nothing on any pass. Leaving those out
// gives the same picture in a fraction of the time.
std::vector<uint8_t> PixelsThatMatter(const TPixelBuffer& source, const TLander& lander, size_t destPixels) {
    std::vector<uint8_t> reached(destPixels, 0);
    TLanding landing;
    for (int32_t x = 0; x < source.Width; ++x)
        for (int32_t r = 0; r < source.Height; ++r)
            if (!IsWhite(source.At(x, r)) && lander.Land(x, r, landing))
                for (size_t offset : landing.Dest)
                    reached[offset / PixelBytes] = 1;
    std::vector<uint8_t> matters(size_t(source.Width) * size_t(source.Height), 0);
    uint8_t* next = matters.data();
    for (int32_t x = 0; x < source.Width; ++x)
        for (int32_t r = 0; r < source.Height; ++r, ++next)
            *next = lander.Land(x, r, landing) &&
                    (!IsWhite(source.At(x, r)) ||
                     std::any_of(landing.Dest.begin(), landing.Dest.end(),
                                 [&](size_t offset) { return reached[offset / PixelBytes] != 0; }));
    return matters;
}

// One spreading of the source pixels that matter, column by column: neighbours share
// destination pixels, and the order decides the outcome.
void SpreadPass(const TLander& lander, const std::vector<uint8_t>& matters, const TPixelBuffer& source,
                TPixelBuffer& dest, const TProgressReport& report) {
    const uint8_t* next = matters.data();
    TLanding landing;
    for (int32_t x = 0; x < source.Width; ++x) {
        report(RotateStepDone);
        for (int32_t r = 0; r < source.Height; ++r, ++next) {
            if (!*next) continue;
            lander.Land(x, r, landing);
            const uint8_t* colour = source.Bytes.get() + landing.Source;
            for (size_t k = 0; k < 4; ++k)
                Blend(dest.Bytes.get() + landing.Dest[k], colour, landing.Weights[k]);
        }
    }
}

// The nearest palette entry of each colour met, remembered: a turned sketch has few
// distinct colours and most of them recur.
class TNearestPixel {
  public:
    explicit TNearestPixel(const gdi::Bitmap& bitmap) : m_bitmap(bitmap) { m_keys.fill(UINT32_MAX); }
    uint32_t operator()(gdi::COLORREF colour) {
        const size_t slot = ((colour * 2654435761u) >> 20) & (m_keys.size() - 1);
        if (m_keys[slot] != colour) {
            m_keys[slot] = colour;
            m_values[slot] = m_bitmap.colorToPixel(colour);
        }
        return m_values[slot];
    }

  private:
    const gdi::Bitmap& m_bitmap;
    std::array<uint32_t, 4096> m_keys{};
    std::array<uint32_t, 4096> m_values{};
};

// Sets every pixel of the DC's new bitmap as setPixel would: the nearest colour, under
// the DC's raster mode and clip region.
void WritePicture(gdi::DeviceContext& dc, const TPixelBuffer& buffer, const TProgressReport& report) {
    gdi::Bitmap& bitmap = *dc.bitmap();
    TNearestPixel nearest(bitmap);
    std::array<gdi::RopMasks, 256> masks{};
    for (uint32_t v = 0; v < masks.size(); ++v)
        masks[v] = gdi::ropMasks(dc.rop2(), v, bitmap.pixelMask());
    const bool direct = bitmap.isIndexed() && !dc.clipRegion();
    for (int32_t x = 0; x < buffer.Width; ++x) {
        for (int32_t y = 0; y < buffer.Height; ++y) {
            const uint8_t* p = buffer.At(x, buffer.Height - 1 - y);
            const uint32_t value = nearest(gdi::RGB(p[2], p[1], p[0]));
            if (direct)
                bitmap.indexRow(y)[x] = uint8_t(masks[value & 0xFF].apply(bitmap.indexRow(y)[x]));
            else
                dc.setPixel(x, y, gdi::RGB(p[2], p[1], p[0]));
        }
        report(RotateStepDone);
    }
}

} // namespace

void RotateBitmap(const TRotateRequest& request) {
    const TProgressReport report(request);
    report(RotateStart, reinterpret_cast<intptr_t>(&request), reinterpret_cast<intptr_t>(request.Data));
    if (!request.DC || !request.DC->bitmap() || !std::isfinite(request.Cos) || !std::isfinite(request.Sin))
        return;
    gdi::DeviceContext& dc = *request.DC;
    const int32_t width = dc.bitmap()->width(), height = dc.bitmap()->height();
    const TTurnedSize turned = TurnedSize(width, height, request.Cos, request.Sin);
    const int32_t passes = std::max(request.Passes, 0);
    report(RotateTotal, intptr_t(passes + 1) * width + intptr_t(turned.cx));
    // A size no sketch may have is refused before its buffer is allocated.
    if (!IsSaneSketchSize(turned.cx, turned.cy)) {
        report(RotateFinished);
        return;
    }
    const int32_t newWidth = int32_t(turned.cx), newHeight = int32_t(turned.cy);

    TPixelBuffer source(width, height, std::nullopt);
    ReadPicture(dc, source, report);
    TPixelBuffer dest(newWidth, newHeight, 255);
    const TLander lander(source, dest, request.Cos, request.Sin);
    const std::vector<uint8_t> matters = PixelsThatMatter(source, lander, dest.PixelCount());
    for (int32_t pass = 0; pass < passes; ++pass)
        SpreadPass(lander, matters, source, dest, report);

    gdi::BitmapPtr bitmap = CreateSketchDib(newWidth, newHeight);
    if (bitmap) {
        dc.selectBitmap(std::move(bitmap));
        WritePicture(dc, dest, report);
        report(RotateSized, newWidth, newHeight);
    }
    report(RotateFinished);
}
