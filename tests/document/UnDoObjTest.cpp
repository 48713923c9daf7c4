#include "document/UnDoObj.h"
#include "SketchTestSupport.h"

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

// A DC holding a sketch, with the caller's handle of it, as the document keeps them.
struct Sketch {
    gdi::DeviceContext dc;
    gdi::BitmapPtr bitmap;

    Sketch() {
        bitmap = CreateSketchDib(6, 4);
        bitmap->fill(0);
        dc.selectBitmap(bitmap);
    }
    // A drawing operation: the whole sketch takes one colour.
    void draw(uint8_t state) { bitmap->fill(state); }
    int shown() const {
        EXPECT_EQ(dc.bitmap(), bitmap);
        return int(bitmap->pixel(0, 0));
    }
};

int slot(const TUnDoObj& h, int i) {
    if (h.Slots[i].empty()) return -1;
    return int(UnpackBitmap(h.Slots[i])->pixel(0, 0));
}

} // namespace

TEST(UnDoObj, WorkedSequence) {
    Sketch s;
    TUnDoObj h;
    EXPECT_FALSE(h.CanUndo());
    EXPECT_FALSE(h.CanRedo());

    h.Record(s.dc); // before operation 1
    EXPECT_EQ(slot(h, 1), 0);
    EXPECT_EQ(h.StoredCount, 1);
    EXPECT_EQ(h.Position, 1);
    s.draw(1);
    h.Record(s.dc); // before operation 2
    s.draw(2);
    EXPECT_EQ(slot(h, 1), 1);
    EXPECT_EQ(slot(h, 2), 0);
    EXPECT_EQ(h.StoredCount, 2);
    EXPECT_TRUE(h.CanUndo());
    EXPECT_FALSE(h.CanRedo());

    ASSERT_TRUE(h.Undo(s.dc, s.bitmap));
    EXPECT_EQ(slot(h, 0), 2);
    EXPECT_EQ(s.shown(), 1);
    EXPECT_EQ(h.Position, 2);
    EXPECT_TRUE(h.CanUndo());
    EXPECT_TRUE(h.CanRedo());

    ASSERT_TRUE(h.Undo(s.dc, s.bitmap));
    EXPECT_EQ(s.shown(), 0);
    EXPECT_EQ(h.Position, 3);
    EXPECT_FALSE(h.CanUndo());
    EXPECT_TRUE(h.CanRedo());
    EXPECT_FALSE(h.Undo(s.dc, s.bitmap));

    ASSERT_TRUE(h.Redo(s.dc, s.bitmap));
    EXPECT_EQ(h.Position, 2);
    EXPECT_EQ(s.shown(), 1);
    ASSERT_TRUE(h.Redo(s.dc, s.bitmap));
    EXPECT_EQ(h.Position, 1);
    EXPECT_EQ(s.shown(), 2);
    EXPECT_FALSE(h.CanRedo());
    EXPECT_FALSE(h.Redo(s.dc, s.bitmap));
}

TEST(UnDoObj, NewOperationAfterUndoDropsTheUndoneStates) {
    Sketch s;
    TUnDoObj h;
    h.Record(s.dc);
    s.draw(1);
    h.Record(s.dc);
    s.draw(2);
    ASSERT_TRUE(h.Undo(s.dc, s.bitmap)); // sketch S1, S2 in the redo head
    h.Record(s.dc);
    EXPECT_EQ(h.StoredCount, 2);
    EXPECT_EQ(h.Position, 1);
    EXPECT_EQ(slot(h, 1), 1);
    EXPECT_EQ(slot(h, 2), 0);
    EXPECT_EQ(slot(h, 0), -1);
    EXPECT_FALSE(h.CanRedo());
    s.draw(3);
    ASSERT_TRUE(h.Undo(s.dc, s.bitmap));
    EXPECT_EQ(s.shown(), 1);
    ASSERT_TRUE(h.Undo(s.dc, s.bitmap));
    EXPECT_EQ(s.shown(), 0);
    ASSERT_TRUE(h.Redo(s.dc, s.bitmap));
    ASSERT_TRUE(h.Redo(s.dc, s.bitmap));
    EXPECT_EQ(s.shown(), 3); // S2 cannot be reached any more
}

TEST(UnDoObj, FiveLevelsDeep) {
    Sketch s;
    TUnDoObj h;
    for (uint8_t op = 1; op <= 6; ++op) {
        h.Record(s.dc);
        s.draw(op);
    }
    EXPECT_EQ(h.StoredCount, 5);
    for (int expected = 5; expected >= 1; --expected) {
        ASSERT_TRUE(h.CanUndo());
        ASSERT_TRUE(h.Undo(s.dc, s.bitmap));
        EXPECT_EQ(s.shown(), expected);
    }
    EXPECT_FALSE(h.CanUndo()); // the state before the first operation is forgotten
    for (int expected = 2; expected <= 6; ++expected) {
        ASSERT_TRUE(h.Redo(s.dc, s.bitmap));
        EXPECT_EQ(s.shown(), expected);
    }
    EXPECT_FALSE(h.CanRedo());
    h.Clear();
    EXPECT_EQ(h.StoredCount, 0);
    EXPECT_EQ(h.Position, 0);
    for (const TPackedDib& block : h.Slots)
        EXPECT_TRUE(block.empty());
}

TEST(UnDoObj, UndoGivesBackTheSizeOfTheState) {
    Sketch s;
    TUnDoObj h;
    h.Record(s.dc);
    // A whole-sketch rotation replaces the bitmap with one of another size.
    s.bitmap = CreateSketchDib(4, 6);
    s.bitmap->fill(7);
    s.dc.selectBitmap(s.bitmap);
    ASSERT_TRUE(h.Undo(s.dc, s.bitmap));
    EXPECT_EQ(GetBitmapSize(s.dc.bitmap()), (gdi::Size{6, 4}));
    ASSERT_TRUE(h.Redo(s.dc, s.bitmap));
    EXPECT_EQ(GetBitmapSize(s.dc.bitmap()), (gdi::Size{4, 6}));
    EXPECT_EQ(s.shown(), 7);
}

TEST(UnDoObj, FailedSnapshotsAndRestoresChangeNothing) {
    gdi::DeviceContext empty; // no bitmap: nothing can be recorded
    TUnDoObj h;
    h.Record(empty);
    EXPECT_EQ(h.StoredCount, 0);

    Sketch s;
    h.Record(s.dc);
    s.draw(4);
    h.Slots[1].resize(50); // a state that no longer makes a bitmap
    const gdi::BitmapPtr before = s.bitmap;
    EXPECT_FALSE(h.Undo(s.dc, s.bitmap));
    EXPECT_EQ(s.bitmap, before);
    EXPECT_EQ(s.shown(), 4);
    EXPECT_EQ(h.Position, 2); // the position moves on all the same
}
