#pragma once
// The program's cursors: 32 x 32 monochrome pictures of our own, registered at start-up
// under the ids the tools ask for.

#include "tools/base/CursorIds.h"

#include <QCursor>

#include <vector>

// Registers the thirteen cursors (again after UnregisterCursors).
void RegisterCursors();
void UnregisterCursors();
// The cursor of an id: none for NoCursor, the plain arrow for an id that is not registered.
QCursor ProgramCursor(int id);
// The registered ids, in the order they were registered.
std::vector<int> RegisteredCursorIds();
