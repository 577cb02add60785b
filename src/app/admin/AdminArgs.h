#pragma once

#include <QDate>
#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

// A command line of lumora-admin: the command, its positional arguments and its "--" flags.
struct TAdminArgs {
    QString Command;
    QStringList Positional;
    QSet<QString> Flags;  // without the dashes: "--demo" is "demo"
    // Options with a value ("--house 2" or "--house=2"), by name without the dashes.
    QHash<QString, QString> Options;
    bool Help = false;  // --help or -h anywhere
    QString Error;      // an option without its value

    // The value of an option as a whole number / a date (YYYY-MM-DD). False, with the reason
    // on stderr, when the value is not one; *value is left alone when the option is absent.
    bool IntOption(const QString& name, int* value) const;
    bool DateOption(const QString& name, QDate* value) const;
};

// Parses the arguments after the program name. The first plain word is the command; "--"
// ends the flags, so a later argument that starts with "-" is positional. Names in
// valueOptions take the next argument (or the text after "=") as their value.
TAdminArgs ParseAdminArgs(const QStringList& arguments, const QSet<QString>& valueOptions = {});
