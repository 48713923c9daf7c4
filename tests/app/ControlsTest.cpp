// The shell's own small controls: the owner-drawn combo box and the cursors.
#include "app/CursorPictures.h"
#include "app/Cursors.h"
#include "app/TechComboBox.h"

#include <QBitmap>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

TEST(TechComboBox, ClearsEachItemMarksTheSelectedOneAndLetsTheOwnerDraw) {
    TTechComboBox box;
    box.addItems({"a", "b"});
    std::vector<int> drawn;
    box.OnDrawItem = [&drawn](TTechComboBox*, int index, QPainter& p, const QRect& rect, QStyle::State) {
        drawn.push_back(index);
        p.fillRect(rect.adjusted(5, 5, -5, -5), Qt::black);
    };
    QImage image(40, 16, QImage::Format_RGB32);
    image.fill(Qt::green);
    {
        QPainter p(&image);
        box.DrawItem(p, 1, QRect(0, 0, 40, 16), QStyle::State_Selected);
    }
    EXPECT_EQ(drawn, std::vector<int>{1});
    EXPECT_EQ(image.pixel(0, 0) & 0xFFFFFF, 0x0000FFu) << "blue frame";
    EXPECT_EQ(image.pixel(39, 15) & 0xFFFFFF, 0x0000FFu) << "blue frame";
    EXPECT_EQ(image.pixel(2, 2), box.palette().color(QPalette::Window).rgb()) << "cleared";
    EXPECT_EQ(image.pixel(20, 8) & 0xFFFFFF, 0u) << "the owner's drawing";

    // No item: cleared, nothing for the owner.
    image.fill(Qt::green);
    {
        QPainter p(&image);
        box.DrawItem(p, -1, QRect(0, 0, 40, 16), QStyle::State_None);
    }
    EXPECT_EQ(drawn.size(), 1u);
    EXPECT_EQ(image.pixel(0, 0), box.palette().color(QPalette::Window).rgb());
}

TEST(Cursors, ThirteenMonochromeCursorsWithTheirHotSpots) {
    RegisterCursors();
    const std::vector<int> order{2, 6, 4, 3, 1, 5, 10, 11, 20, 21, 22, 23, 24};
    EXPECT_EQ(RegisteredCursorIds(), order);
    const std::pair<int, QPoint> hotSpots[] = {{1, {15, 15}}, {3, {10, 8}}, {4, {10, 20}},
                                               {6, {7, 24}},  {10, {0, 0}}, {11, {16, 16}}};
    for (const auto& [id, hot] : hotSpots)
        EXPECT_EQ(ProgramCursor(id).hotSpot(), hot) << id;
    for (int id : order) {
        const QCursor cursor = ProgramCursor(id);
        ASSERT_EQ(cursor.bitmap().size(), QSize(32, 32)) << id;
        // Every cursor shows something, with black ink somewhere near its hot spot.
        const TCursorPicture picture = DrawCursorPicture(id);
        int black = 0;
        for (int y = 0; y < CursorSize; ++y)
            for (int x = 0; x < CursorSize; ++x)
                black += picture.Ink(x, y) == TCursorInk::Black;
        EXPECT_GT(black, 10) << id;
        bool inkNearHotSpot = false;
        for (int dy = -3; dy <= 3; ++dy)
            for (int dx = -3; dx <= 3; ++dx) {
                const int x = picture.HotSpot.x() + dx, y = picture.HotSpot.y() + dy;
                if (x >= 0 && y >= 0 && x < CursorSize && y < CursorSize &&
                    picture.Ink(x, y) == TCursorInk::Black)
                    inkNearHotSpot = true;
            }
        EXPECT_TRUE(inkNearHotSpot) << id;
    }
    EXPECT_EQ(ProgramCursor(99).shape(), Qt::ArrowCursor);
    UnregisterCursors();
}
