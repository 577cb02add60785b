#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "AdminArgs.h"

// One command of lumora-admin. A new command is a function in its own file and a row in
// AdminCommands(); the shared main checks its flags and argument count before it runs.
struct TAdminCommand {
    QString Name;
    QString Synopsis;  // "init-db [--demo] CONNECTION"
    QString Summary;   // what it does, for the usage text (may hold line breaks)
    QStringList Flags;
    int PositionalCount;
    int (*Run)(const TAdminArgs& args);  // the exit status
};

const QList<TAdminCommand>& AdminCommands();
const TAdminCommand* FindAdminCommand(const QString& name);

int RunInitDb(const TAdminArgs& args);
int RunCheckDb(const TAdminArgs& args);
