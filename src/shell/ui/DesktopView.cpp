#include "shell/ui/DesktopView.h"

#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <algorithm>

TDesktopView::TDesktopView(QWidget* parent) : QListWidget(parent) {
    setViewMode(QListView::IconMode);
    setMovement(QListView::Free);
    setFlow(QListView::TopToBottom);
    setWrapping(true);
    setResizeMode(QListView::Fixed);  // keep the icons where they were put
    setIconSize(QSize(48, 48));
    setGridSize(QSize(96, 80));
    setSpacing(8);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(true);
    QPalette white = palette();
    white.setColor(QPalette::Base, Qt::white);
    setPalette(white);
}

QPoint TDesktopView::IconPosition(int row) const {
    return rectForIndex(model()->index(row, 0)).topLeft();
}

void TDesktopView::SetIconPosition(int row, const QPoint& pos) {
    setPositionForIndex(pos, model()->index(row, 0));
}

int TDesktopView::GridRows() const {
    // Before the window is shown its working height stands in for the final one.
    const int height = isVisible() ? viewport()->height() : 560;
    return std::max(1, (height - 2 * spacing()) / gridSize().height());
}

QList<int> TDesktopView::SelectedRows() const {
    QList<int> rows;
    for (int row = 0; row < count(); ++row) {
        if (item(row)->isSelected())
            rows.append(row);
    }
    return rows;
}

void TDesktopView::dragEnterEvent(QDragEnterEvent* event) {
    if (event->source() != this) {  // only our own icons are dropped here
        event->ignore();
        return;
    }
    QListWidget::dragEnterEvent(event);
}

void TDesktopView::dragMoveEvent(QDragMoveEvent* event) {
    if (event->source() != this) {
        event->ignore();
        return;
    }
    QListWidget::dragMoveEvent(event);
}
