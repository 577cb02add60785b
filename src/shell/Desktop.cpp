#include "shell/Desktop.h"

#include <QRect>
#include <QRegularExpression>
#include <algorithm>

#include "data/Database.h"
#include "data/QuerySet.h"

namespace {

bool SameCaption(const QString& a, const QString& b) {
    return StripHotKey(a).compare(StripHotKey(b), Qt::CaseInsensitive) == 0;
}

}  // namespace

TDesktopLines ParseDesktopLines(const QString& text) {
    TDesktopLines lines;
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    for (const QString& line : text.split(lineEnd, Qt::SkipEmptyParts)) {
        const int eq = line.indexOf(QLatin1Char('='));
        if (eq < 0)
            lines.append({line, QString()});
        else
            lines.append({line.left(eq), line.mid(eq + 1)});
    }
    return lines;
}

QString DesktopLinesText(const TDesktopLines& lines) {
    QStringList text;
    for (const TDesktopLine& line : lines)
        text.append(line.Name + QLatin1Char('=') + line.Value);
    return text.join(QStringLiteral("\r\n"));
}

std::optional<QPoint> ParseDesktopPosition(const QString& value) {
    if (value == QLatin1String("0,0"))
        return std::nullopt;
    const int comma = value.indexOf(QLatin1Char(','));
    if (comma < 0)
        return std::nullopt;
    bool leftOk = false;
    bool topOk = false;
    const int left = value.left(comma).trimmed().toInt(&leftOk);
    const int top = value.mid(comma + 1).trimmed().toInt(&topOk);
    if (!leftOk || !topOk)
        return std::nullopt;
    return QPoint(left, top);
}

void TDesktop::Load(const QString& storedText, const QList<TMenuEntry>& entries,
                    bool keepPositions) {
    Icons.clear();
    for (const TDesktopLine& line : ParseDesktopLines(storedText)) {
        const TMenuEntry* entry = FindMenuEntryByCaption(entries, line.Name);
        if (!entry)
            continue;
        TDesktopIcon icon{entry->Caption, entry->Name, entry->Tag, std::nullopt};
        if (keepPositions)
            icon.Pos = ParseDesktopPosition(line.Value);
        Icons.append(icon);
    }
}

QString TDesktop::StoreText() const {
    TDesktopLines lines;
    for (const TDesktopIcon& icon : Icons) {
        const QPoint pos = icon.Pos.value_or(QPoint(0, 0));
        const QString value = QStringLiteral("%1,%2").arg(pos.x()).arg(pos.y());
        auto same = std::find_if(lines.begin(), lines.end(), [&](const TDesktopLine& line) {
            return line.Name == icon.Caption;
        });
        if (same != lines.end())
            same->Value = value;
        else
            lines.append({icon.Caption, value});
    }
    return DesktopLinesText(lines);
}

std::optional<QPoint> TDesktop::FirstPlaced(const QList<int>& selected) const {
    if (selected.size() < 2 || selected.first() < 0 || selected.first() >= Icons.size())
        return std::nullopt;
    return Icons[selected.first()].Pos.value_or(QPoint(0, 0));
}

void TDesktop::AlignTop(const QList<int>& selected) {
    const std::optional<QPoint> first = FirstPlaced(selected);
    if (!first)
        return;
    for (int row : selected) {
        if (row >= 0 && row < Icons.size())
            Icons[row].Pos = QPoint(Icons[row].Pos.value_or(QPoint(0, 0)).x(), first->y());
    }
}

void TDesktop::AlignLeft(const QList<int>& selected) {
    const std::optional<QPoint> first = FirstPlaced(selected);
    if (!first)
        return;
    for (int row : selected) {
        if (row >= 0 && row < Icons.size())
            Icons[row].Pos = QPoint(first->x(), Icons[row].Pos.value_or(QPoint(0, 0)).y());
    }
}

void TDesktop::Remove(const QList<int>& selected) {
    QList<int> rows = selected;
    std::sort(rows.begin(), rows.end(), std::greater<int>());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    for (int row : rows) {
        if (row >= 0 && row < Icons.size())
            Icons.removeAt(row);
    }
}

void TDesktop::Arrange(const QSize& cell, int rows, int margin, bool clearFirst) {
    if (clearFirst) {
        for (TDesktopIcon& icon : Icons)
            icon.Pos.reset();
    }
    rows = std::max(rows, 1);
    QList<QRect> taken;
    for (const TDesktopIcon& icon : Icons) {
        if (icon.Pos)
            taken.append(QRect(*icon.Pos, cell));
    }
    int slot = 0;
    for (TDesktopIcon& icon : Icons) {
        if (icon.Pos)
            continue;
        for (;; ++slot) {
            const QRect rect(QPoint(margin + (slot / rows) * cell.width(),
                                    margin + (slot % rows) * cell.height()),
                             cell);
            const bool free = std::none_of(taken.begin(), taken.end(),
                                           [&](const QRect& t) { return t.intersects(rect); });
            if (free) {
                icon.Pos = rect.topLeft();
                taken.append(rect);
                ++slot;
                break;
            }
        }
    }
}

TMenuPick::TMenuPick(const QString& storedText) : lines_(ParseDesktopLines(storedText)) {}

int TMenuPick::IndexOf(const QString& caption) const {
    for (int i = 0; i < lines_.size(); ++i) {
        if (SameCaption(lines_[i].Name, caption))
            return i;
    }
    return -1;
}

bool TMenuPick::IsPicked(const QString& caption) const {
    return IndexOf(caption) >= 0;
}

void TMenuPick::Apply(const QStringList& pageCaptions, const QSet<QString>& ticked) {
    for (const QString& caption : pageCaptions) {
        const int at = IndexOf(caption);
        if (ticked.contains(caption)) {
            if (at < 0)
                lines_.append({caption, QStringLiteral("0,0")});
        } else if (at >= 0) {
            lines_.removeAt(at);
        }
    }
}

QString ReadDesktopText(const QString& loginId) {
    TRecordSet& rs = AppRecordSet();
    QString text;
    if (rs.OpenSql(QStringLiteral("select Menus from operator where LoginId=:LoginId"),
                   {DBParam(QStringLiteral("LoginId"), loginId)}) > 0)
        text = rs.FieldByName(QStringLiteral("Menus"))->AsString();
    rs.Close();
    return text;
}

void WriteDesktopText(const QString& loginId, const QString& text) {
    AppDatabase().ExecSql(
        QStringLiteral("update operator set Menus=:Menus where LoginId=:LoginId"),
        {DBParam(QStringLiteral("Menus"), text), DBParam(QStringLiteral("LoginId"), loginId)});
}
