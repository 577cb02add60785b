#pragma once

#include <QList>
#include <QPoint>
#include <QSet>
#include <QSize>
#include <QString>
#include <optional>

#include "shell/MainMenu.h"

// One line of a stored desktop: caption=value ("left,top", "0,0" for no position yet).
struct TDesktopLine {
    QString Name;
    QString Value;
};
using TDesktopLines = QList<TDesktopLine>;

// The stored text as name=value lines (the name ends at the first "="; empty lines are left
// out), and back, one line per entry joined by "\r\n".
TDesktopLines ParseDesktopLines(const QString& text);
QString DesktopLinesText(const TDesktopLines& lines);

// A stored position: "left,top" as two integers; none for "0,0" and for anything else.
std::optional<QPoint> ParseDesktopPosition(const QString& value);

// One icon of the personal desktop: a leaf entry of the main menu and its place.
struct TDesktopIcon {
    QString Caption;
    QString EntryName;  // the menu entry's object name
    int Tag = OtherPicture;
    std::optional<QPoint> Pos;  // none: placed by the automatic arrangement
};

// The icons of the personal desktop and what is done with them; the window shows them.
class TDesktop {
public:
    QList<TDesktopIcon> Icons;

    // Rebuilds the icons from the stored text: a line whose name matches no entry is left
    // out; with keepPositions a line's value that is two integers (other than "0,0") places
    // its icon, anything else leaves it to the automatic arrangement.
    void Load(const QString& storedText, const QList<TMenuEntry>& entries, bool keepPositions);
    // One line per icon, in order: caption=left,top ("0,0" for an icon without a place).
    QString StoreText() const;

    // Every selected icon (rows of Icons) gets the top / left of the first selected one.
    void AlignTop(const QList<int>& selected);
    void AlignLeft(const QList<int>& selected);
    // Removes the selected icons.
    void Remove(const QList<int>& selected);
    // Gives every icon without a place the next free cell of a grid filled column by column
    // from the top left (`rows` cells high, cells of `cell`, `margin` from the edges); a cell
    // that a placed icon overlaps is skipped. With clearFirst every icon is placed afresh.
    void Arrange(const QSize& cell, int rows, int margin, bool clearFirst = false);

private:
    std::optional<QPoint> FirstPlaced(const QList<int>& selected) const;
};

// The desktop picker's private copy of the stored lines.
class TMenuPick {
public:
    explicit TMenuPick(const QString& storedText);

    bool IsPicked(const QString& caption) const;
    // Applies the ticks of one page of captions: a ticked caption not yet listed is added with
    // "0,0"; an unticked one that is listed is removed; ticked ones listed keep their value.
    void Apply(const QStringList& pageCaptions, const QSet<QString>& ticked);
    QString Text() const { return DesktopLinesText(lines_); }

private:
    int IndexOf(const QString& caption) const;
    TDesktopLines lines_;
};

// The operator's stored desktop (operator.Menus) and writing it back.
QString ReadDesktopText(const QString& loginId);
void WriteDesktopText(const QString& loginId, const QString& text);
