#include "BenchConnection.h"

#include <QRegularExpression>
#include <QSqlQuery>
#include <QUrl>

#include "data/ConnectionString.h"
#include "data/Database.h"

namespace BenchConnection {

bool Connect(TDatabase& db, const QString& url, bool create, QString* error) {
    const QString cs = ConnStr::FromUrl(url, error);
    if (cs.isEmpty())
        return false;
    db.SetCreateIfMissing(create);
    return db.TryConnect(cs, error);
}

QString WithDatabase(const QString& serverUrl, const QString& name) {
    QUrl u(serverUrl);
    u.setPath(QLatin1Char('/') + name);
    return u.toString();
}

namespace {

// Database names are made by the benchmark itself; anything else is refused rather than quoted.
bool PlainName(const QString& name, QString* error) {
    static const QRegularExpression plain(QStringLiteral("^[a-z_][a-z0-9_]*$"));
    if (plain.match(name).hasMatch())
        return true;
    if (error)
        *error = QStringLiteral("not a plain database name: %1").arg(name);
    return false;
}

// Runs statements on the server's maintenance database (outside any transaction, as
// create/drop database need).
bool OnServer(const QString& serverUrl, const QStringList& statements, QString* error,
              qint64* firstValue = nullptr) {
    TDatabase admin(QStringLiteral("lumora_bench_admin"));
    if (!Connect(admin, WithDatabase(serverUrl, QStringLiteral("postgres")), false, error))
        return false;
    try {
        // "does not exist, skipping" and the like are no news here.
        admin.Execute(QStringLiteral("set client_min_messages to warning"));
        for (const QString& sql : statements) {
            QSqlQuery q = admin.NewQuery();
            admin.RunQuery(q, sql, {}, {}, true);
            if (firstValue && q.next())
                *firstValue = q.value(0).toLongLong();
        }
    } catch (const EDatabaseError& e) {
        if (error)
            *error = e.Message();
        return false;
    }
    return true;
}

}  // namespace

bool ServerDatabaseExists(const QString& serverUrl, const QString& name, QString* error) {
    if (!PlainName(name, error))
        return false;
    qint64 n = 0;
    return OnServer(
               serverUrl,
               {QStringLiteral("select count(*) from pg_database where datname='%1'").arg(name)},
               error, &n) &&
           n > 0;
}

QString CreateServerDatabase(const QString& serverUrl, const QString& name,
                             const QString& templateName, QString* error) {
    if (!PlainName(name, error) || (!templateName.isEmpty() && !PlainName(templateName, error)))
        return {};
    QString create = QStringLiteral("create database %1").arg(name);
    if (!templateName.isEmpty())
        create += QStringLiteral(" template %1").arg(templateName);
    if (!OnServer(serverUrl, {QStringLiteral("drop database if exists %1").arg(name), create},
                  error))
        return {};
    return WithDatabase(serverUrl, name);
}

bool RenameServerDatabase(const QString& serverUrl, const QString& from, const QString& to,
                          QString* error) {
    return PlainName(from, error) && PlainName(to, error) &&
           OnServer(serverUrl, {QStringLiteral("alter database %1 rename to %2").arg(from, to)},
                    error);
}

bool DropServerDatabase(const QString& serverUrl, const QString& name, QString* error) {
    return PlainName(name, error) &&
           OnServer(serverUrl, {QStringLiteral("drop database if exists %1").arg(name)}, error);
}

}  // namespace BenchConnection
