#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class TOperator;

// What a main-menu entry asks of the operator before it opens anything.
enum class TMenuGuard {
    None,       // anyone
    Right,      // the right Right (CheckRight, abandoning the command without it)
    SuperUser,  // only "sa"
    InWindow,   // the opened window checks Right itself (or its own rights, when Right is 0)
};

// Desktop pictures of the entries (the entry's Tag).
enum TMenuPicture { OtherPicture = 0, DataPicture = 1, BusinessPicture = 2, ReportPicture = 3 };

// One leaf entry of the main menu.
struct TMenuEntry {
    QString Name;     // the action's object name
    int Menu = 0;     // index into MainMenuTitles()
    QString Caption;  // also the name of the entry on the desktop
    TMenuGuard Guard = TMenuGuard::None;
    int Right = 0;
    int Tag = OtherPicture;
    bool Hourglass = false;       // the opened window calculates while it is built
    bool SeparatorAfter = false;  // a separator follows the entry in its menu
};

// "文件(&F)", "资料(&I)", "业务(&B)", "查询(&L)", "报表(&R)", "工具(&T)", "帮助(&H)".
const QStringList& MainMenuTitles();
enum TMainMenu { FileMenu, DataMenu, BusinessMenu, QueryMenu, ReportMenu, ToolsMenu, HelpMenu };

// Every leaf entry, menu by menu in menu order (the tool links come after "工具(&T)"'s
// entries). The client entry's caption is the client word of the captions in force.
QList<TMenuEntry> MainMenuEntries();
// The entry of that object name; nullptr when there is none.
const TMenuEntry* FindMenuEntry(const QList<TMenuEntry>& entries, const QString& name);
// The entry whose caption equals `caption` without "&" marks and regardless of case.
const TMenuEntry* FindMenuEntryByCaption(const QList<TMenuEntry>& entries, const QString& caption);
// A caption without its "&" hot-key marks ("&&" stands for a literal "&").
QString StripHotKey(const QString& caption);

// The operator's check before the entry runs: the refusal message and EAbort for an entry
// guarded by a right the operator lacks, or by "sa" for anyone else.
void CheckMenuRight(const TMenuEntry& entry, const TOperator& op);
