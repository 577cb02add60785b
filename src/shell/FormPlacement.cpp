#include "shell/FormPlacement.h"

#include <algorithm>

QPoint PlaceNearCursor(const QPoint& cursor, const QSize& size, const QRect& screen) {
    // Integer division rounds toward zero, also for an odd size.
    int left = cursor.x() - size.width() / 2;
    if (left < screen.left())
        left = screen.left() + 20;
    else
        left = std::min(left, screen.left() + screen.width() - size.width() - 20);
    int top = cursor.y() - size.height() / 2;
    if (top < screen.top())
        top = screen.top() + 20;
    else if (top + size.height() > screen.top() + screen.height() - 50)
        top = screen.top() + screen.height() - size.height() - 50;
    return {left, top};
}

QString HelpTopicOf(const QString& objectName) {
    return objectName.size() > 3 ? objectName.chopped(3) : QString();
}

int FrameEdgeAt(const QPoint& pos, const QSize& size) {
    const int x = pos.x();
    const int y = pos.y();
    const int w = size.width();
    const int h = size.height();
    if (x < 10 && y < 10)
        return TopEdge | LeftEdge;
    if (x > w - 10 && y < 10)
        return TopEdge | RightEdge;
    if (x > w - 10 && y > h - 10)
        return BottomEdge | RightEdge;
    if (x < 10 && y > h - 10)
        return BottomEdge | LeftEdge;
    if (x < 5)
        return LeftEdge;
    if (y < 5)
        return TopEdge;
    if (x > w - 5)
        return RightEdge;
    if (y > h - 5)
        return BottomEdge;
    return NoEdge;
}
