#include "document/RotateBitmap.h"

#include "document/SketchBitmap.h"

#include <algorithm>
#include <array>
#include <cmath>
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
    TPixelBuffer(int32_t width, int32_t height, uint8_t fill)
        : Width(width), Height(height), Bytes(size_t(width) * size_t(height) * PixelBytes, fill) {}

    uint8_t* At(int32_t column, int32_t row) {
        return Bytes.data() + (size_t(row) * Width + column) * PixelBytes;
    }
    const uint8_t* At(int32_t column, int32_t row) const {
        return Bytes.data() + (size_t(row) * Width + column) * PixelBytes;
    }

    int32_t Width;
    int32_t Height;
    std::vector<uint8_t> Bytes;
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
// top-left corner, each corner rounded.
gdi::Size TurnedSize(int32_t width, int32_t height, float cos, float sin) {
    const std::array<gdi::Point, 4> corners{{{0, 0}, {width, 0}, {width, height}, {0, height}}};
    int32_t left = INT32_MAX, right = INT32_MIN, top = INT32_MAX, bottom = INT32_MIN;
    for (gdi::Point c : corners) {
        const float fx = float(c.x), fy = float(c.y);
        const int32_t x = RoundToInt(fx * cos - fy * sin);
        const int32_t y = RoundToInt(fx * sin + fy * cos);
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
// pixel that already has the source colour keeps it whatever the weight, so it is left
// alone.
inline void Blend(uint8_t* pixel, const uint8_t* source, float w) {
    if (pixel[0] == source[0] && pixel[1] == source[1] && pixel[2] == source[2]) return;
    const float keep = 1.0f - w;
    for (int i = 0; i < PixelBytes; ++i)
        pixel[i] = uint8_t(RoundToInt(keep * float(pixel[i]) + w * float(source[i])));
}

int32_t Sign(float value) {
    return value > 0 ? 1 : value < 0 ? -1 : 0;
}

// Spreads source pixel (column, row) over the destination: its turned centre falls
// between four destination pixels, each of which is blended by its nearness.
inline void SpreadPixel(const uint8_t* colour, float fx, float fr, TPixelBuffer& dest) {
    const int32_t ix = int32_t(fx), ir = int32_t(fr);
    const float ox = fx - (float(ix) + 0.5f), orow = fr - (float(ir) + 0.5f);
    const float ax = std::fabs(ox), ar = std::fabs(orow);
    const int32_t sx = Sign(ox), sr = Sign(orow);
    const auto inside = [&dest](int32_t x, int32_t r) {
        return x >= 0 && x < dest.Width && r >= 0 && r < dest.Height;
    };
    if (!inside(ix, ir) || !inside(ix + sx, ir + sr)) return;
    Blend(dest.At(ix, ir), colour, (1.0f - ax) * (1.0f - ar));
    if (sx != 0) Blend(dest.At(ix + sx, ir), colour, ax * (1.0f - ar));
    if (sr != 0) Blend(dest.At(ix, ir + sr), colour, (1.0f - ax) * ar);
    if (sx != 0 && sr != 0) Blend(dest.At(ix + sx, ir + sr), colour, ax * ar);
}

// One spreading of every source pixel, column by column; the order matters, as
// neighbours share destination pixels.
void SpreadPass(const TPixelBuffer& source, TPixelBuffer& dest, float cos, float sin,
                const TProgressReport& report) {
    const int32_t cx = source.Width / 2, cy = source.Height / 2;
    const float ncx = float(dest.Width / 2), ncy = float(dest.Height / 2);
    for (int32_t x = 0; x < source.Width; ++x) {
        report(RotateStepDone);
        const float dx = float(x - cx);
        for (int32_t r = 0; r < source.Height; ++r) {
            const float dr = float(r - cy);
            const float fx = dx * cos - dr * sin + ncx;
            const float fr = dx * sin + dr * cos + ncy;
            SpreadPixel(source.At(x, r), fx, fr, dest);
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
    const gdi::Size turned = TurnedSize(width, height, request.Cos, request.Sin);
    const int32_t passes = std::max(request.Passes, 0);
    report(RotateTotal, intptr_t(passes + 1) * width + turned.cx);
    // A size no sketch may have is refused before its buffer is allocated.
    if (!IsSaneSketchSize(turned.cx, turned.cy)) {
        report(RotateFinished);
        return;
    }

    TPixelBuffer source(width, height, 0);
    ReadPicture(dc, source, report);
    TPixelBuffer dest(turned.cx, turned.cy, 255);
    for (int32_t pass = 0; pass < passes; ++pass)
        SpreadPass(source, dest, request.Cos, request.Sin, report);

    gdi::BitmapPtr bitmap = CreateSketchDib(turned.cx, turned.cy);
    if (bitmap) {
        dc.selectBitmap(std::move(bitmap));
        WritePicture(dc, dest, report);
        report(RotateSized, turned.cx, turned.cy);
    }
    report(RotateFinished);
}
