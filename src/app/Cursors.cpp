#include "app/Cursors.h"

#include "app/CursorPictures.h"

#include <QBitmap>

namespace {

struct TCursorEntry {
    int id;
    QCursor cursor;
};

std::vector<TCursorEntry>& table() {
    static std::vector<TCursorEntry> entries;
    return entries;
}

// Black where the picture is black, white where it is white, see-through elsewhere.
QCursor cursorOf(const TCursorPicture& picture) {
    QImage shape(CursorSize, CursorSize, QImage::Format_MonoLSB);
    QImage mask(CursorSize, CursorSize, QImage::Format_MonoLSB);
    const QList<QRgb> colours{qRgb(255, 255, 255), qRgb(0, 0, 0)};
    shape.setColorTable(colours);
    mask.setColorTable(colours);
    shape.fill(0);
    mask.fill(0);
    for (int y = 0; y < CursorSize; ++y) {
        for (int x = 0; x < CursorSize; ++x) {
            const TCursorInk ink = picture.Ink(x, y);
            if (ink == TCursorInk::Clear) continue;
            mask.setPixel(x, y, 1);
            if (ink == TCursorInk::Black) shape.setPixel(x, y, 1);
        }
    }
    return QCursor(QBitmap::fromImage(shape), QBitmap::fromImage(mask), picture.HotSpot.x(),
                   picture.HotSpot.y());
}

} // namespace

void RegisterCursors() {
    table().clear();
    // The order in which the program has always registered them.
    for (TCursorId id :
         {CrossCursor, EyeDropperCursor, FillCursor, MagnifyCursor, MainCursor, MoveCursor, RubberCursor,
          RotateCursor, SizeWECursor, SizeNSCursor, SizeNESWCursor, SizeNWSECursor, ResizeCursor})
        table().push_back({id, cursorOf(DrawCursorPicture(id))});
}

void UnregisterCursors() {
    table().clear();
}

QCursor ProgramCursor(int id) {
    if (id == NoCursor) return QCursor(Qt::BlankCursor);
    if (id == IBeamCursor) return QCursor(Qt::IBeamCursor);
    for (const TCursorEntry& entry : table())
        if (entry.id == id) return entry.cursor;
    return QCursor(Qt::ArrowCursor);
}

std::vector<int> RegisteredCursorIds() {
    std::vector<int> ids;
    for (const TCursorEntry& entry : table())
        ids.push_back(entry.id);
    return ids;
}
