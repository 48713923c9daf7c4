#pragma once
// The undo history: whole-sketch snapshots, five deep, with one extra slot that keeps
// the sketch as it was when a series of undos began, so that redo can come back to it.

#include "document/PackedDib.h"
#include "gdi/DeviceContext.h"

#include <array>
#include <cstdint>
#include <memory>

class TUnDoObj {
  public:
    TUnDoObj() = default;
    ~TUnDoObj() { Clear(); }
    TUnDoObj(const TUnDoObj&) = delete;
    TUnDoObj& operator=(const TUnDoObj&) = delete;

    void Clear();
    // Snapshots the bitmap selected in dc as the newest state; the redo head is dropped.
    void Record(gdi::DeviceContext& dc);
    // Put the previous (next) state into dc; bitmap is the caller's handle of the
    // sketch and receives the new one. False when there is nothing to step to or the
    // state cannot be turned back into a bitmap.
    bool Undo(gdi::DeviceContext& dc, gdi::BitmapPtr& bitmap);
    bool Redo(gdi::DeviceContext& dc, gdi::BitmapPtr& bitmap);
    bool CanUndo() const { return StoredCount >= 1 && StoredCount >= Position; }
    bool CanRedo() const { return StoredCount >= 1 && Position > 1; }

    static constexpr int32_t Depth = 5;

    // Number of recorded states in slots 1 to 5.
    int32_t StoredCount = 0;
    // Slot the next undo restores; 1 right after a record, 0 when empty.
    int32_t Position = 0;
    // Slot 0: the redo head; slots 1 to 5: recorded states, newest first. An empty
    // block is an absent slot.
    std::array<TPackedDib, Depth + 1> Slots;

  private:
    static TPackedDib Snapshot(const gdi::DeviceContext& dc);
    static bool Restore(gdi::DeviceContext& dc, const TPackedDib& block, gdi::BitmapPtr& bitmap);
};

// The history of the one open sketch, made at start-up.
extern std::unique_ptr<TUnDoObj> UndoHistory;
