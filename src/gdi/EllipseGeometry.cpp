#include "gdi/EllipseGeometry.h"

#include <cstdlib>

namespace gdi {

namespace {

// The error terms of the integer ellipse walk (after Alois Zingl's rasteriser) for the
// ellipse whose axes span width - 1 and height - 1 pixels. Odd heights start half a pixel
// off the axis, which the extra terms account for.
struct EllipseWalk {
    int64_t stepX; // added to dx after every step in x
    int64_t stepY; // added to dy after every step in y
    int64_t dx;
    int64_t dy;
    int64_t err;

    EllipseWalk(int32_t width, int32_t height) {
        const int64_t a = width - 1;
        const int64_t b = height - 1;
        stepX = 8 * b * b;
        stepY = 8 * a * a;
        dx = 4 * b * b * (1 - a);
        dy = 4 * a * a * (1 + (b % 2));
        err = dx + dy + a * a * (b % 2);
    }
    // Advances one point; tells which coordinates move.
    void step(bool& moveX, bool& moveY) {
        const int64_t e2 = 2 * err;
        moveX = e2 >= dx;
        moveY = e2 <= dy;
        if (moveX) err += dx += stepX;
        if (moveY) err += dy += stepY;
    }
};

// The first quadrant of the ellipse in a width x height box, in box coordinates, from
// the rightmost point of the middle row up to the middle column. The y axis points
// away from the centre, so mirroring picks the real direction.
std::vector<Point> firstQuadrant(int32_t width, int32_t height) {
    std::vector<Point> pts;
    pts.reserve(size_t(std::max(0, width + height)) / 2 + 2);
    EllipseWalk walk(width, height);
    Point p{width - 1, height / 2};
    // An inside-frame pen wider than its box turns the box inside out; arcs still walk
    // such boxes, and the cap keeps that walk finite.
    const size_t cap = 4 * size_t(std::abs(width) + std::abs(height)) + 8;
    while (p.x >= width / 2 && pts.size() < cap) {
        pts.push_back(p);
        bool moveX, moveY;
        walk.step(moveX, moveY);
        if (moveX) --p.x;
        if (moveY) ++p.y;
    }
    return pts;
}

// Which point of the four mirrored quadrants a ray from the centre meets first; the
// points are numbered counter-clockwise in screen terms (the ray's y already flipped),
// count per quadrant, from the positive x axis. Points exactly on the ray belong to the
// quadrant the ray is in, except in the second and third where they go to the next.
int rayIndex(const std::vector<Point>& q, int64_t x, int64_t y) {
    const int count = int(q.size());
    int i = 0;
    if (y >= 0) {
        if (x >= 0) {
            while (i < count && q[i].x * y > q[i].y * x)
                ++i;
            return i;
        }
        while (i < count && q[i].x * y >= q[i].y * -x)
            ++i;
        return 2 * count - i;
    }
    if (x >= 0) {
        while (i < count && q[i].x * -y > q[i].y * x)
            ++i;
        return 4 * count - i;
    }
    while (i < count && q[i].x * -y >= q[i].y * -x)
        ++i;
    return 2 * count + i;
}

} // namespace

std::vector<Point> ellipseQuarter(const Rect& box) {
    const int32_t w = box.width();
    const int32_t h = box.height();
    if (w <= 2 || h <= 2) return {};
    std::vector<Point> pts = firstQuadrant(w, h);
    for (Point& p : pts)
        p = {box.left + p.x, box.top + h - 1 - p.y};
    return pts;
}

std::vector<Point> ellipseOutline(const Rect& box) {
    std::vector<Point> pts = ellipseQuarter(box);
    const int n = int(pts.size());
    if (n == 0) return pts;
    // Room for the four quarters; the mirrors overwrite the shared axis points.
    pts.resize(size_t(4 * n));

    // Left half: the mirror image in reverse order; an odd width shares the middle column.
    int end = 2 * n - 1 - (box.width() % 2);
    for (int i = 0; i < n; ++i)
        pts[end - i] = {box.left + box.right - 1 - pts[i].x, pts[i].y};
    int count = end + 1;

    // Bottom half likewise; an odd height shares the middle row.
    end = 2 * count - 1 - (box.height() % 2);
    for (int i = 0; i < count; ++i)
        pts[end - i] = {pts[i].x, box.top + box.bottom - 1 - pts[i].y};
    pts.resize(size_t(end + 1));
    return pts;
}

std::vector<Point> arcOutline(const Rect& box, Point start, Point end) {
    const int32_t w = box.width();
    const int32_t h = box.height();
    if (w <= 0) return {};
    std::vector<Point> q = firstQuadrant(w, h);
    const int n = int(q.size());
    if (n == 0) return {};
    for (Point& p : q)
        p = {p.x - w / 2, p.y - h / 2};

    // Screen y grows downwards; counter-clockwise on screen is clockwise in these terms.
    const int first = rayIndex(q, start.x, -int64_t(start.y));
    int last = rayIndex(q, end.x, -int64_t(end.y));
    if (last <= first) last += 4 * n;

    const int32_t cx = box.left + w / 2;       // centre column of the right half
    const int32_t cy = box.bottom - 1 - h / 2; // centre row of the upper half
    const int32_t mx = box.right - 1 - w / 2;  // centre column of the left half
    const int32_t my = box.top + h / 2;        // centre row of the lower half
    std::vector<Point> pts;
    pts.reserve(size_t(last - first));
    for (int i = first; i < last; ++i) {
        const int k = i % n;
        const Point& fw = q[k];
        const Point& bw = q[n - 1 - k];
        switch ((i / n) % 4) {
        case 0:
            pts.push_back({cx + fw.x, cy - fw.y});
            break;
        case 1:
            pts.push_back({mx - bw.x, cy - bw.y});
            break;
        case 2:
            pts.push_back({mx - fw.x, my + fw.y});
            break;
        default:
            pts.push_back({cx + bw.x, my + bw.y});
            break;
        }
    }
    return pts;
}

std::vector<RowSpan> ellipticRegionRows(int32_t left, int32_t top, int32_t right, int32_t bottom) {
    if (left > right) std::swap(left, right);
    if (top > bottom) std::swap(top, bottom);
    --right;
    --bottom;
    const int32_t w = right - left;
    const int32_t h = bottom - top;
    std::vector<RowSpan> rows;
    if (w < 2 || h < 2) {
        // A plain rectangle; shrinking an empty box turns it inside out.
        const Rect r = Rect{left, top, right, bottom}.normalized();
        if (!r.isEmpty())
            for (int32_t y = r.top; y < r.bottom; ++y)
                rows.push_back({y, r.left, r.right});
        return rows;
    }

    // Walk the lower half from the middle row outwards; each step in y narrows the
    // next row by the x reached so far. The upper half mirrors it.
    rows.resize(size_t(h));
    for (int32_t i = 0; i < h; ++i)
        rows[i] = {top + i, left, left};
    int32_t x = 0;
    int32_t y = h / 2;
    rows[y].left = left;
    rows[y].right = right;
    EllipseWalk walk(w, h);
    while (x <= w / 2) {
        bool moveX, moveY;
        walk.step(moveX, moveY);
        if (moveX) ++x;
        if (moveY) {
            ++y;
            if (y < h) {
                rows[y].left = left + x;
                rows[y].right = right - x;
            }
        }
    }
    for (int32_t i = 0; i < h / 2; ++i) {
        rows[i].left = rows[h - 1 - i].left;
        rows[i].right = rows[h - 1 - i].right;
    }
    return rows;
}

} // namespace gdi
