#pragma once

#include <QString>

// Compacts a closed SQLite database file with VACUUM on a connection of its own. VACUUM
// rewrites the file inside one transaction, so a failure (a missing or damaged file, a full
// disk, a lock held by another program) leaves the file as it was. Nothing is reported;
// returns whether the file was compacted.
bool CompactSqliteFile(const QString& fileName);
