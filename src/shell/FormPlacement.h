#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

// Where a window of `size` opens so that it is centred on the mouse at `cursor`, kept on the
// screen `screen`: 20 pixels from the left and top when it would start off the screen, and at
// least 20 pixels from the right and 50 from the bottom (room for the task bar).
QPoint PlaceNearCursor(const QPoint& cursor, const QSize& size, const QRect& screen);

// The help topic of a window: its object name without the last three characters ("Frm"), so
// "PutinBillFrm" gives "PutinBill". Shorter names give an empty topic.
QString HelpTopicOf(const QString& objectName);

// The part of a borderless window's frame under `pos` (window coordinates) for resizing by the
// edges: a corner within 10 pixels of it, else an edge within 5 pixels, else none (empty).
// Bits as Qt::Edges: Left 2, Top 1, Right 4, Bottom 8.
enum TFrameEdge { NoEdge = 0, TopEdge = 1, LeftEdge = 2, RightEdge = 4, BottomEdge = 8 };
int FrameEdgeAt(const QPoint& pos, const QSize& size);
