#include "shell/Compaction.h"

#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>

bool CompactSqliteFile(const QString& fileName) {
    // A missing file must not be created by the attempt.
    if (!QFileInfo(fileName).isFile())
        return false;
    const QString name = QStringLiteral("lumora-compact");
    bool done = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(fileName);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=0"));
        if (db.open()) {
            QSqlQuery query(db);
            done = query.exec(QStringLiteral("PRAGMA quick_check")) && query.next() &&
                   query.value(0).toString() == QLatin1String("ok");
            query.finish();
            done = done && query.exec(QStringLiteral("VACUUM"));
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(name);
    return done;
}
