#pragma once
// The program's cursors: 32 x 32 monochrome pictures of our own, registered at start-up
// under the ids the tools ask for.

#include <QCursor>

#include <vector>

enum TCursorId : int {
    MainCursor = 1,
    CrossCursor = 2,
    MagnifyCursor = 3,
    FillCursor = 4,
    MoveCursor = 5,
    EyeDropperCursor = 6,
    RubberCursor = 10,
    RotateCursor = 11,
    SizeWECursor = 20,
    SizeNSCursor = 21,
    SizeNESWCursor = 22,
    SizeNWSECursor = 23,
    ResizeCursor = 24,
};

// Registers the thirteen cursors (again after UnregisterCursors).
void RegisterCursors();
void UnregisterCursors();
// The cursor of an id; the plain arrow for an id that is not registered.
QCursor ProgramCursor(int id);
// The registered ids, in the order they were registered.
std::vector<int> RegisteredCursorIds();
