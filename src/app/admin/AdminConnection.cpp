#include "AdminConnection.h"

#include <QFileInfo>

#include "AdminOutput.h"
#include "data/ConnectionString.h"
#include "data/Database.h"

bool ConnectAdminDatabase(TDatabase& db, const QString& connection, bool createFile,
                          bool* createdFile) {
    if (createdFile)
        *createdFile = false;
    QString error;
    const QString cs = ConnStr::FromUrl(connection, &error);
    if (cs.isEmpty()) {
        PrintErr(error);
        return false;
    }
    const bool sqlite =
        ConnStr::Value(cs, QStringLiteral("Provider")) == QLatin1String(ConnStr::SQLiteProvider);
    const bool existed =
        sqlite && QFileInfo::exists(ConnStr::Value(cs, QStringLiteral("Data Source")));
    db.SetCreateIfMissing(sqlite && createFile);
    // A failed connection shows its message through the prompter, on stderr.
    if (!db.Connect(cs))
        return false;
    if (createdFile)
        *createdFile = sqlite && !existed;
    return true;
}

QString AdminDatabaseFile(const TDatabase& db) {
    return db.IsServer() ? QString() : db.GetDataSource();
}
