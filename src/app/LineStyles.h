#pragma once
// The pens the line-style list of the main window offers.

#include <QImage>
#include <QSize>

inline constexpr int LineStyleCount = 7;

struct TLineStyle {
    int Style; // the system's pen style code
    int Width;
};

// The pen of an item of the list; a solid hairline for an index outside it.
TLineStyle LineStyleOfItem(int index);
// The item as the list shows it: its line drawn black across the middle, 15 pixels
// short of either end, on a transparent ground.
QImage LineStyleSample(int index, QSize size);
