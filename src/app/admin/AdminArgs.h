#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

// A command line of lumora-admin: the command, its positional arguments and its "--" flags.
struct TAdminArgs {
    QString Command;
    QStringList Positional;
    QSet<QString> Flags;  // without the dashes: "--demo" is "demo"
    bool Help = false;    // --help or -h anywhere
};

// Parses the arguments after the program name. The first plain word is the command; "--"
// ends the flags, so a later argument that starts with "-" is positional.
TAdminArgs ParseAdminArgs(const QStringList& arguments);
