#include "blocks/BlockObject.h"

#include "document/Bytes.h"
#include "document/FileIo.h"
#include "document/SavedDrawState.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <system_error>

namespace {

// Far beyond any bitmap side, yet small enough that differences of two such values
// still fit the raster layer's 32-bit arithmetic.
constexpr float CoordinateBound = float(1 << 28);

bool usesPoint(const TBlockSegment& s, int32_t k) {
    return s.First == k || s.Second == k;
}

// How far beyond the bitmap a wide line is still drawn: more than half the widest pen.
constexpr double WideLineReach = 512;

// Cuts the line from a to b down to the part inside the box (Liang and Barsky); false
// when none of it is inside. A line wholly inside is left exactly as it was.
bool clipLine(TBlockPoint& a, TBlockPoint& b, double left, double top, double right, double bottom) {
    const double dx = double(b.x) - a.x;
    const double dy = double(b.y) - a.y;
    double enter = 0, leave = 1;
    const auto edge = [&](double p, double q) {
        if (p == 0) return q >= 0;
        const double t = q / p;
        if (p < 0)
            enter = std::max(enter, t);
        else
            leave = std::min(leave, t);
        return enter <= leave;
    };
    if (!edge(-dx, a.x - left) || !edge(dx, right - a.x) || !edge(-dy, a.y - top) || !edge(dy, bottom - a.y))
        return false;
    const TBlockPoint from = a;
    if (leave < 1) b = {float(from.x + leave * dx), float(from.y + leave * dy)};
    if (enter > 0) a = {float(from.x + enter * dx), float(from.y + enter * dy)};
    return true;
}

// Holds the point within the bound; false for a point at no place at all.
bool holdWithinBound(TBlockPoint& p) {
    if (std::isnan(p.x) || std::isnan(p.y)) return false;
    p = {std::clamp(p.x, -CoordinateBound, CoordinateBound),
         std::clamp(p.y, -CoordinateBound, CoordinateBound)};
    return true;
}

} // namespace

int32_t RoundBlockCoordinate(float v) {
    if (std::isnan(v)) return 0;
    return int32_t(std::nearbyint(std::clamp(v, -CoordinateBound, CoordinateBound)));
}

gdi::Point RoundBlockPoint(TBlockPoint p) {
    return {RoundBlockCoordinate(p.x), RoundBlockCoordinate(p.y)};
}

int32_t TBlockObject::AddPoint(TBlockPoint p) {
    if (m_points.empty()) {
        m_anchor = p;
        m_anchorSet = true;
    }
    m_points.push_back({p.x - m_anchor.x, p.y - m_anchor.y});
    return PointCount() - 1;
}

int32_t TBlockObject::AddSegment(int32_t first, int32_t second, uint8_t style, uint8_t width) {
    // Negative ends are refused too: every segment kept must name two points.
    if (first < 0 || second < 0 || first >= PointCount() || second >= PointCount()) return -1;
    m_segments.push_back({first, second, style, width});
    return SegmentCount() - 1;
}

int32_t TBlockObject::FindPoint(TBlockPoint p) const {
    for (int32_t i = 0; i < PointCount(); ++i) {
        TBlockPoint q;
        GetPoint(i, q);
        if (q == p) return i;
    }
    return -1;
}

void TBlockObject::GetPoint(int32_t i, TBlockPoint& p) const {
    if (i < 0 || i >= PointCount()) return;
    p = {m_anchor.x + m_points[i].x, m_anchor.y + m_points[i].y};
}

void TBlockObject::SetPoint(int32_t i, TBlockPoint p) {
    if (i < 0 || i >= PointCount()) return;
    m_points[i] = {p.x - m_anchor.x, p.y - m_anchor.y};
}

void TBlockObject::DeletePoint(int32_t k) {
    if (k < 0 || k >= PointCount()) return;
    std::erase_if(m_segments, [k](const TBlockSegment& s) { return usesPoint(s, k); });
    m_points.erase(m_points.begin() + k);
    for (TBlockSegment& s : m_segments) {
        if (s.First > k) --s.First;
        if (s.Second > k) --s.Second;
    }
}

void TBlockObject::DeleteSegment(int32_t k) {
    if (k < 0 || k >= SegmentCount()) return;
    m_segments.erase(m_segments.begin() + k);
}

void TBlockObject::RemoveUnusedPoints() {
    // Deleting the unused points one by one in index order comes to this single pass:
    // the kept points close up in order and the segments follow their new numbers.
    std::vector<int32_t> newIndex(m_points.size(), -1);
    for (const TBlockSegment& s : m_segments)
        newIndex[size_t(s.First)] = newIndex[size_t(s.Second)] = 0;
    int32_t kept = 0;
    for (size_t i = 0; i < m_points.size(); ++i) {
        if (newIndex[i] < 0) continue;
        newIndex[i] = kept;
        m_points[size_t(kept++)] = m_points[i];
    }
    m_points.resize(size_t(kept));
    for (TBlockSegment& s : m_segments) {
        s.First = newIndex[size_t(s.First)];
        s.Second = newIndex[size_t(s.Second)];
    }
}

TBlockPoint TBlockObject::SetAnchor(TBlockPoint p) {
    const TBlockPoint old = m_anchor;
    const float dx = old.x - p.x;
    const float dy = old.y - p.y;
    for (TBlockPoint& q : m_points) {
        q.x += dx;
        q.y += dy;
    }
    m_anchor = p;
    m_anchorSet = true;
    return old;
}

void TBlockObject::MoveBy(float dx, float dy) {
    m_anchor.x += dx;
    m_anchor.y += dy;
}

void TBlockObject::Rotate(float angle) {
    const float c = std::cos(angle);
    const float s = std::sin(angle);
    for (TBlockPoint& q : m_points)
        q = {q.x * c - q.y * s, q.x * s + q.y * c};
}

void TBlockObject::Scale(float sx, float sy) {
    for (TBlockPoint& q : m_points)
        q = {q.x * sx, q.y * sy};
}

void TBlockObject::Clear() {
    m_points.clear();
    m_points.shrink_to_fit();
    m_segments.clear();
    m_segments.shrink_to_fit();
    m_anchorSet = false;
    m_anchor = {};
}

void TBlockObject::DrawSegments(gdi::DeviceContext& dc, int rop2, gdi::COLORREF color) const {
    TSavedDrawState saved(dc);
    const int oldBkMode = dc.setBkMode(gdi::TRANSPARENT);
    dc.setROP2(rop2);
    for (const TBlockSegment& s : m_segments) {
        dc.selectPen(gdi::createPen(s.Style, s.Width, color));
        TBlockPoint a, b;
        GetPoint(s.First, a);
        GetPoint(s.Second, b);
        if (!holdWithinBound(a) || !holdWithinBound(b)) continue;
        // The raster layer lays a wide line out row by row over its whole length, so a
        // line running far past the bitmap is cut to the part that can show. Thin lines
        // are stepped only where they are visible and keep their dash pattern whole.
        if (s.Width > 1 && dc.bitmap()) {
            const gdi::Bitmap& target = *dc.bitmap();
            if (!clipLine(a, b, -WideLineReach, -WideLineReach, target.width() + WideLineReach,
                          target.height() + WideLineReach))
                continue;
        }
        const gdi::Point from = RoundBlockPoint(a);
        const gdi::Point to = RoundBlockPoint(b);
        dc.moveTo(from.x, from.y);
        dc.lineTo(to.x, to.y);
    }
    dc.setBkMode(oldBkMode);
}

void TBlockObject::DrawAnchor(gdi::DeviceContext& dc, int rop2) const {
    constexpr gdi::COLORREF Red = 0x0000FF;
    TSavedDrawState saved(dc);
    dc.setROP2(rop2);
    dc.selectPen(gdi::createPen(gdi::PS_SOLID, 1, Red));
    dc.selectBrush(gdi::createSolidBrush(Red));
    dc.ellipse(RoundBlockCoordinate(m_anchor.x - 3), RoundBlockCoordinate(m_anchor.y - 3),
               RoundBlockCoordinate(m_anchor.x + 3), RoundBlockCoordinate(m_anchor.y + 3));
}

bool TBlockObject::FitInto(const gdi::Rect& rect) {
    // The origin belongs to the box: both ends start at zero.
    float minX = 0, minY = 0, maxX = 0, maxY = 0;
    for (int32_t i = 0; i < PointCount(); ++i) {
        TBlockPoint p;
        GetPoint(i, p);
        minX = std::min(minX, p.x);
        minY = std::min(minY, p.y);
        maxX = std::max(maxX, p.x);
        maxY = std::max(maxY, p.y);
    }
    const float boxWidth = maxX - minX;
    const float boxHeight = maxY - minY;
    if (boxWidth == 0 || boxHeight == 0) return false;

    const float kx = boxWidth / float(rect.width() - 10);
    const float ky = boxHeight / float(rect.height() - 10);
    if (kx > 1 || ky > 1) {
        const float s = 1 / std::fabs(std::max(kx, ky));
        Scale(s, s);
    }

    double sumX = 0, sumY = 0;
    for (int32_t i = 0; i < PointCount(); ++i) {
        TBlockPoint p;
        GetPoint(i, p);
        sumX += p.x;
        sumY += p.y;
    }
    const float meanX = float(sumX / PointCount());
    const float meanY = float(sumY / PointCount());
    MoveBy(float(rect.width() / 2 + 3) - meanX, float(rect.height() / 2 + 3) - meanY);
    return true;
}

bool TBlockObject::LoadFromFile(const std::string& name) {
    Clear();
    try {
        const MappedFile file(name);
        return LoadFromBytes(file.bytes());
    } catch (const std::system_error&) {
        return false;
    }
}

bool TBlockObject::LoadFromBytes(std::span<const uint8_t> data) {
    Clear();
    if (!bytes::fits(data, 0, 8) || bytes::u32(data, 0) != BlockFileMagic) return false;
    // The file size field is not trusted: the counts and the real length decide.
    if (!bytes::fits(data, 8, 12) || bytes::u32(data, 8) != BlockFileHeaderSize) return false;
    const int32_t n = bytes::i32(data, 12);
    const int32_t m = bytes::i32(data, 16);
    if (n < 0 || m < 0 || n > MaxBlockPoints || m > MaxBlockSegments) return false;
    const size_t pointsAt = BlockFileFixedBytes;
    const size_t segmentsAt = pointsAt + BlockFilePointBytes * size_t(n);
    if (!bytes::fits(data, segmentsAt, BlockFileSegmentBytes * size_t(m))) return false;

    std::vector<TBlockPoint> points(static_cast<size_t>(n));
    for (size_t i = 0; i < points.size(); ++i) {
        const size_t at = pointsAt + BlockFilePointBytes * i;
        const TBlockPoint p{std::bit_cast<float>(bytes::u32(data, at)),
                            std::bit_cast<float>(bytes::u32(data, at + 4))};
        // A point at infinity or at no place at all can be neither fitted nor drawn.
        if (!std::isfinite(p.x) || !std::isfinite(p.y)) return false;
        points[i] = p;
    }
    std::vector<TBlockSegment> segments(static_cast<size_t>(m));
    for (size_t i = 0; i < segments.size(); ++i) {
        const size_t at = segmentsAt + BlockFileSegmentBytes * i;
        const TBlockSegment s{bytes::i32(data, at), bytes::i32(data, at + 4), data[at + 8], data[at + 9]};
        if (s.First < 0 || s.First >= n || s.Second < 0 || s.Second >= n) return false;
        segments[i] = s;
    }
    m_points = std::move(points);
    m_segments = std::move(segments);
    return true;
}

std::vector<uint8_t> TBlockObject::SaveToBytes() const {
    const size_t size = BlockFileFixedBytes + BlockFilePointBytes * m_points.size() +
                        BlockFileSegmentBytes * m_segments.size();
    std::vector<uint8_t> out;
    out.reserve(size);
    bytes::put32(out, BlockFileMagic);
    bytes::put32(out, uint32_t(size));
    bytes::put32(out, BlockFileHeaderSize);
    bytes::put32(out, uint32_t(PointCount()));
    bytes::put32(out, uint32_t(SegmentCount()));
    for (const TBlockPoint& p : m_points) {
        bytes::put32(out, std::bit_cast<uint32_t>(p.x));
        bytes::put32(out, std::bit_cast<uint32_t>(p.y));
    }
    for (const TBlockSegment& s : m_segments) {
        bytes::put32(out, uint32_t(s.First));
        bytes::put32(out, uint32_t(s.Second));
        out.push_back(s.Style);
        out.push_back(s.Width);
        bytes::put16(out, 0); // reserved
    }
    return out;
}

bool TBlockObject::SaveToFile(const std::string& name) const {
    try {
        WriteFileAtomically(name, SaveToBytes());
        return true;
    } catch (const std::system_error&) {
        return false;
    }
}
