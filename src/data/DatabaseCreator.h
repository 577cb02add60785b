#pragma once

#include <QString>
#include <QStringList>

class TDatabase;

// Creates the tables of a new installation on a connected, empty database.
namespace DatabaseCreator {

// Whether the connected database already holds any table.
bool HasTables(TDatabase& db);

// Creates the schema of the back end, the rows of a new installation and, with withDemo, the
// demo company, in one transaction. Refuses (false, *error set) a database that already has
// tables; a failing statement throws EDatabaseError after rolling back.
bool Create(TDatabase& db, bool withDemo, QString* error);

// The statements of an SQL script: split at semicolons outside quotes, "--" comments dropped,
// blank statements skipped.
QStringList SplitStatements(const QString& script);

}  // namespace DatabaseCreator
