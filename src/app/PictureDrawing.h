#pragma once
// What the button pictures share: one palette, one line weight, and the small figures
// several pictures are made of. Coordinates are on the 16 x 16 grid; a line through
// pixel centres lies on .5.

#include "app/ButtonPictures.h"

#include <QColor>
#include <QPainter>
#include <QPointF>

namespace pictures {

// The palette of every picture: dark outlines, the figure drawn black, construction in
// blue, the point of attention in red.
inline const QColor Outline{48, 48, 48};
inline const QColor Figure{0, 0, 0};
inline const QColor Accent{32, 96, 192};
inline const QColor AccentLight{200, 222, 250};
inline const QColor Attention{208, 32, 32};
inline const QColor Paper{255, 255, 255};
inline const QColor Shade{176, 176, 176};

void UsePen(QPainter& p, const QColor& color, qreal width = 1.0, Qt::PenStyle style = Qt::SolidLine);
// A filled arrowhead with its tip at tip, pointing from the direction of from.
void ArrowHead(QPainter& p, QPointF from, QPointF tip, const QColor& color, qreal length = 4.0,
               qreal halfWidth = 2.0);
// A sheet of paper with a folded corner inside (left, top, right, bottom).
void Sheet(QPainter& p, qreal left, qreal top, qreal right, qreal bottom);
// A curved arrow over the top of the picture, turning left (undo) or right (redo).
void TurnArrow(QPainter& p, bool clockwise, const QColor& color);

// Each draws the pictures of its group and answers false for the others.
bool DrawCommandPicture(QPainter& p, TButtonPicture picture);
bool DrawToolPicture(QPainter& p, TButtonPicture picture);
bool DrawAnnotationPicture(QPainter& p, TButtonPicture picture);

} // namespace pictures
