#pragma once

#include <QString>

// Files that live beside the program: cfg.ini, the default database, splash.jpg.
// Tests point the folder elsewhere.
QString ProgramFolder();
void SetProgramFolder(const QString& folder);  // empty restores the executable's folder

QString CfgIniPath();
// The default SQLite database, named like the executable with ".db": beside the program when
// it is there or the folder is writable, else in the user's data folder.
QString DefaultDatabasePath();
