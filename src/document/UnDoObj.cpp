#include "document/UnDoObj.h"

#include <utility>

std::unique_ptr<TUnDoObj> UndoHistory;

void TUnDoObj::Clear() {
    for (TPackedDib& slot : Slots)
        TPackedDib().swap(slot);
    StoredCount = 0;
    Position = 0;
}

TPackedDib TUnDoObj::Snapshot(const gdi::DeviceContext& dc) {
    // Our bitmaps can be read while selected, so the sketch stays in the DC.
    try {
        return PackBitmap(dc.bitmap());
    } catch (const std::bad_alloc&) {
        return {}; // no memory for the snapshot: the operation just cannot be undone
    }
}

bool TUnDoObj::Restore(gdi::DeviceContext& dc, const TPackedDib& block, gdi::BitmapPtr& bitmap) {
    gdi::BitmapPtr restored = UnpackBitmap(block);
    if (!restored) return false;
    bitmap = restored;
    dc.selectBitmap(std::move(restored)); // the old sketch bitmap goes with the last reference
    return true;
}

void TUnDoObj::Record(gdi::DeviceContext& dc) {
    TPackedDib snapshot = Snapshot(dc);
    if (snapshot.empty()) return;
    if (StoredCount > 0) {
        // Forget the states newer than the one shown, and the copy of the one shown.
        while (Position > 1) {
            for (int32_t i = 1; i < StoredCount; ++i)
                Slots[i] = std::move(Slots[i + 1]);
            Slots[StoredCount] = TPackedDib();
            --StoredCount;
            --Position;
        }
    }
    if (StoredCount == Depth) {
        Slots[Depth] = TPackedDib();
        StoredCount = Depth - 1;
    }
    for (int32_t i = StoredCount; i >= 1; --i)
        Slots[i + 1] = std::move(Slots[i]);
    ++StoredCount;
    Position = 1;
    Slots[1] = std::move(snapshot);
    TPackedDib().swap(Slots[0]);
}

bool TUnDoObj::Undo(gdi::DeviceContext& dc, gdi::BitmapPtr& bitmap) {
    if (!CanUndo()) return false;
    if (Slots[0].empty()) Slots[0] = Snapshot(dc);
    const bool restored = Restore(dc, Slots[Position], bitmap);
    ++Position;
    return restored;
}

bool TUnDoObj::Redo(gdi::DeviceContext& dc, gdi::BitmapPtr& bitmap) {
    if (!CanRedo()) return false;
    --Position;
    return Restore(dc, Slots[Position - 1], bitmap);
}
