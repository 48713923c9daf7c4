#pragma once
// The ids of the program's cursors, by which a tool asks for the surface's cursor. The
// main window registers a picture under each; NoCursor hides the pointer over the
// surface (the eraser shows its square instead).

enum TCursorId : int {
    IBeamCursor = -4, // the system's text cursor
    NoCursor = -1,
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
