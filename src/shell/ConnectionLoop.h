#pragma once

#include <QString>

class TConfiger;
class TDatabase;

// The connection dialog as the connection loop sees it.
class TConnectionDialog {
public:
    virtual ~TConnectionDialog() = default;
    // The settings the dialog shows and saves.
    virtual TConfiger& Configer() = 0;
    // Shows the dialog modally; true when it was closed with OK (cfg.ini is then saved).
    virtual bool Execute() = 0;
};

// Connects db with the configured settings; while that fails, shows the dialog and tries again
// after each OK. Returns whether db is connected (false: the user cancelled).
bool ConnectDatabase(TDatabase& db, TConnectionDialog& dialog);

// Creates the default database file with a new installation and the demo company when it is
// missing; an existing file is left alone. False, with the reason in *error, when it cannot.
bool EnsureDefaultDatabase(const QString& path, QString* error);
