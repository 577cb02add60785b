#pragma once

#include <QList>
#include <QSet>
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
    QStringList Options = {};            // options that take a value ("house" for --house ID)
    QStringList RequiredOptions = {};
};

const QList<TAdminCommand>& AdminCommands();
const TAdminCommand* FindAdminCommand(const QString& name);
// The names of every command's value options.
QSet<QString> AdminValueOptions();

int RunInitDb(const TAdminArgs& args);
int RunCheckDb(const TAdminArgs& args);
int RunStock(const TAdminArgs& args);
int RunCost(const TAdminArgs& args);
int RunCarryOver(const TAdminArgs& args);
