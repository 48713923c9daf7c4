#include "app/CursorPictures.h"

#include "app/Cursors.h"

#include <cmath>
#include <cstdlib>

namespace {

class TCursorCanvas {
  public:
    explicit TCursorCanvas(QPoint hotSpot) { m_picture.HotSpot = hotSpot; }

    void Plot(int x, int y, TCursorInk ink) {
        if (x < 0 || y < 0 || x >= CursorSize || y >= CursorSize) return;
        m_picture.Pixels[size_t(y) * CursorSize + x] = ink;
    }

    // Both ends included.
    void Line(int x0, int y0, int x1, int y1, TCursorInk ink = TCursorInk::Black) {
        const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
        const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
        int err = dx + dy;
        for (;;) {
            Plot(x0, y0, ink);
            if (x0 == x1 && y0 == y1) return;
            const int e2 = 2 * err;
            if (e2 >= dy) {
                err += dy;
                x0 += sx;
            }
            if (e2 <= dx) {
                err += dx;
                y0 += sy;
            }
        }
    }

    void Fill(int left, int top, int right, int bottom, TCursorInk ink) {
        for (int y = top; y <= bottom; ++y)
            for (int x = left; x <= right; ++x)
                Plot(x, y, ink);
    }

    void Frame(int left, int top, int right, int bottom) {
        Line(left, top, right, top);
        Line(right, top, right, bottom);
        Line(right, bottom, left, bottom);
        Line(left, bottom, left, top);
    }

    void Circle(int cx, int cy, int r, TCursorInk ink = TCursorInk::Black) {
        for (int step = 0; step < 360; ++step) {
            const double a = step * M_PI / 180;
            Plot(cx + int(std::lround(r * std::cos(a))), cy + int(std::lround(r * std::sin(a))), ink);
        }
    }

    void Disc(int cx, int cy, int r, TCursorInk ink) {
        for (int y = -r; y <= r; ++y)
            for (int x = -r; x <= r; ++x)
                if (x * x + y * y <= r * r) Plot(cx + x, cy + y, ink);
    }

    // A filled arrow head with its tip at (x, y), pointing along an axis (dx, dy).
    void ArrowHead(int x, int y, int dx, int dy, int length = 5) {
        for (int i = 0; i < length; ++i)
            for (int j = -i; j <= i; ++j)
                Plot(x - dx * i - dy * j, y - dy * i + dx * j, TCursorInk::Black);
    }

    // Diagonal arrow head at (x, y): two barbs back along both axes, filled between.
    void DiagonalHead(int x, int y, int dx, int dy, int length = 6) {
        for (int i = 0; i < length; ++i)
            for (int j = 0; j < length - i; ++j)
                Plot(x - dx * i, y - dy * j, TCursorInk::Black);
    }

    // A one-pixel white rim around every black pixel, where nothing else is.
    TCursorPicture Finish() {
        TCursorPicture out = m_picture;
        for (int y = 0; y < CursorSize; ++y)
            for (int x = 0; x < CursorSize; ++x) {
                if (m_picture.Ink(x, y) != TCursorInk::Clear) continue;
                bool nearBlack = false;
                for (int ny = y - 1; ny <= y + 1 && !nearBlack; ++ny)
                    for (int nx = x - 1; nx <= x + 1; ++nx)
                        if (nx >= 0 && ny >= 0 && nx < CursorSize && ny < CursorSize &&
                            m_picture.Ink(nx, ny) == TCursorInk::Black) {
                            nearBlack = true;
                            break;
                        }
                if (nearBlack) out.Pixels[size_t(y) * CursorSize + x] = TCursorInk::White;
            }
        return out;
    }

  private:
    TCursorPicture m_picture;
};

TCursorPicture mainCursor() {
    // A cross-hair with an open centre, so the pixel under it stays visible.
    TCursorCanvas c({15, 15});
    c.Line(15, 5, 15, 12);
    c.Line(15, 18, 15, 25);
    c.Line(5, 15, 12, 15);
    c.Line(18, 15, 25, 15);
    c.Plot(15, 15, TCursorInk::Black);
    return c.Finish();
}

TCursorPicture crossCursor() {
    TCursorCanvas c({15, 15});
    c.Line(15, 1, 15, 29);
    c.Line(1, 15, 29, 15);
    return c.Finish();
}

TCursorPicture magnifyCursor() {
    TCursorCanvas c({10, 8});
    c.Disc(10, 8, 6, TCursorInk::White);
    c.Circle(10, 8, 7);
    c.Line(8, 8, 12, 8);
    c.Line(10, 6, 10, 10);
    // A handle three pixels thick.
    c.Line(15, 13, 24, 22);
    c.Line(15, 14, 24, 23);
    c.Line(16, 14, 25, 23);
    return c.Finish();
}

TCursorPicture fillCursor() {
    // A tipped bucket pouring down to the hot spot.
    TCursorCanvas c({10, 20});
    const QPoint a(13, 9), b(21, 3), d(29, 13), e(21, 19);
    for (int t = 0; t <= 20; ++t) {
        // White inside the bucket.
        const double s = t / 20.0;
        c.Line(int(std::lround(a.x() + (b.x() - a.x()) * s)), int(std::lround(a.y() + (b.y() - a.y()) * s)),
               int(std::lround(e.x() + (d.x() - e.x()) * s)), int(std::lround(e.y() + (d.y() - e.y()) * s)),
               TCursorInk::White);
    }
    c.Line(a.x(), a.y(), b.x(), b.y());
    c.Line(b.x(), b.y(), d.x(), d.y());
    c.Line(d.x(), d.y(), e.x(), e.y());
    c.Line(e.x(), e.y(), a.x(), a.y());
    c.Line(17, 6, 25, 16);
    // The paint running out of the lip.
    c.Line(13, 9, 10, 12);
    c.Line(10, 12, 10, 20);
    c.Line(11, 12, 11, 18);
    return c.Finish();
}

TCursorPicture moveCursor() {
    TCursorCanvas c({15, 15});
    c.Line(15, 2, 15, 28);
    c.Line(2, 15, 28, 15);
    c.ArrowHead(15, 2, 0, -1);
    c.ArrowHead(15, 28, 0, 1);
    c.ArrowHead(2, 15, -1, 0);
    c.ArrowHead(28, 15, 1, 0);
    return c.Finish();
}

TCursorPicture eyeDropperCursor() {
    // The pipette's tip is the hot spot; the bulb is up to the right.
    TCursorCanvas c({7, 24});
    for (int i = 0; i < 14; ++i)
        c.Line(8 + i, 21 - i, 10 + i, 23 - i, TCursorInk::White);
    c.Line(7, 24, 21, 10);
    c.Line(9, 24, 23, 10);
    c.Line(7, 22, 9, 24);
    c.Line(19, 10, 24, 15);
    c.Disc(25, 7, 4, TCursorInk::Black);
    return c.Finish();
}

TCursorPicture rubberCursor() {
    // An eraser block hanging from the hot spot at its corner.
    TCursorCanvas c({0, 0});
    c.Fill(1, 1, 14, 9, TCursorInk::White);
    c.Frame(0, 0, 15, 10);
    c.Line(10, 1, 10, 9);
    return c.Finish();
}

TCursorPicture rotateCursor() {
    TCursorCanvas c({16, 16});
    for (int step = 40; step <= 320; ++step) {
        const double a = step * M_PI / 180;
        c.Plot(16 + int(std::lround(10 * std::cos(a))), 16 - int(std::lround(10 * std::sin(a))),
               TCursorInk::Black);
    }
    // The arrow at the end of the turn.
    const int ex = 16 + int(std::lround(10 * std::cos(40 * M_PI / 180)));
    const int ey = 16 - int(std::lround(10 * std::sin(40 * M_PI / 180)));
    c.Line(ex, ey, ex - 6, ey);
    c.Line(ex, ey, ex, ey + 6);
    c.Plot(16, 16, TCursorInk::Black);
    c.Line(15, 16, 17, 16);
    c.Line(16, 15, 16, 17);
    return c.Finish();
}

TCursorPicture sizeCursor(int dx, int dy) {
    TCursorCanvas c({15, 15});
    const int reach = 12;
    c.Line(15 - dx * reach, 15 - dy * reach, 15 + dx * reach, 15 + dy * reach);
    if (dx != 0 && dy != 0) {
        c.DiagonalHead(15 + dx * reach, 15 + dy * reach, dx, dy);
        c.DiagonalHead(15 - dx * reach, 15 - dy * reach, -dx, -dy);
    } else {
        c.ArrowHead(15 + dx * reach, 15 + dy * reach, dx, dy);
        c.ArrowHead(15 - dx * reach, 15 - dy * reach, -dx, -dy);
    }
    return c.Finish();
}

TCursorPicture resizeCursor() {
    // A frame with the corner it is dragged by.
    TCursorCanvas c({15, 15});
    c.Frame(4, 4, 26, 26);
    c.Line(9, 9, 21, 21);
    c.DiagonalHead(21, 21, 1, 1, 5);
    c.DiagonalHead(9, 9, -1, -1, 5);
    return c.Finish();
}

} // namespace

TCursorPicture DrawCursorPicture(int id) {
    switch (id) {
    case MainCursor:
        return mainCursor();
    case CrossCursor:
        return crossCursor();
    case MagnifyCursor:
        return magnifyCursor();
    case FillCursor:
        return fillCursor();
    case MoveCursor:
        return moveCursor();
    case EyeDropperCursor:
        return eyeDropperCursor();
    case RubberCursor:
        return rubberCursor();
    case RotateCursor:
        return rotateCursor();
    case SizeWECursor:
        return sizeCursor(1, 0);
    case SizeNSCursor:
        return sizeCursor(0, 1);
    case SizeNESWCursor:
        return sizeCursor(1, -1);
    case SizeNWSECursor:
        return sizeCursor(1, 1);
    case ResizeCursor:
        return resizeCursor();
    default:
        return {};
    }
}
