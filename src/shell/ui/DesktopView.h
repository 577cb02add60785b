#pragma once

#include <QListWidget>

// The personal desktop: large icons on white, several selectable, moved freely by dragging
// (every selected icon moves by the distance of the drag), placed in columns from the left
// when they have no position of their own.
class TDesktopView : public QListWidget {
    Q_OBJECT
public:
    explicit TDesktopView(QWidget* parent = nullptr);

    // The icon's top-left corner on the desktop (not moved by scrolling).
    QPoint IconPosition(int row) const;
    void SetIconPosition(int row, const QPoint& pos);
    // How many grid cells fit one above the other.
    int GridRows() const;
    QList<int> SelectedRows() const;

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
};
