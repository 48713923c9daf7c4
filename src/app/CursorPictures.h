#pragma once
// The pictures of the program's cursors, drawn in code: black strokes with a white rim
// so that they show on the white sheet and on dark lines alike.

#include <QPoint>

#include <array>
#include <cstdint>

inline constexpr int CursorSize = 32;

enum class TCursorInk : uint8_t { Clear, White, Black };

struct TCursorPicture {
    std::array<TCursorInk, CursorSize * CursorSize> Pixels{};
    QPoint HotSpot;

    TCursorInk Ink(int x, int y) const { return Pixels[size_t(y) * CursorSize + x]; }
};

// The picture and hot spot of a cursor id of Cursors.h; an empty picture for other ids.
TCursorPicture DrawCursorPicture(int id);
