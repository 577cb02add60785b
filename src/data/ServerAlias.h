#pragma once

#include <QString>

// Client-side aliases of database servers: a server name mapped to "DBMSSOCN,host,port", kept
// in a small key-value file of the user's configuration folder. The connection consults it to
// find the port of a server named in a connection string.
namespace ServerAlias {

// The file that holds the aliases; tests point it elsewhere.
QString FilePath();
void SetFilePath(const QString& path);

// Writes (or, with remove, deletes) the alias of a server. False when the file cannot be
// written (the alias is then silently not kept).
bool Write(const QString& server, const QString& value, bool remove);
// The stored value of a server's alias, empty when none.
QString Read(const QString& server);
// The port an alias routes the server to, or 0 when it names none.
int Port(const QString& server);

}  // namespace ServerAlias
