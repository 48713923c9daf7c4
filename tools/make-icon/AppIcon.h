#pragma once
// The program's icon, drawn in code at any size: a drawing sheet with its frame and
// title block, a turned part in thick lines with its centre line, and a pencil. The
// menu entry and the windows show it; the build writes it in the sizes desktops look
// for.

#include <QImage>

// The icon as a square picture of side pixels with a transparent background.
QImage DrawAppIcon(int side);
