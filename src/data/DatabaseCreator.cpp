#include "data/DatabaseCreator.h"

#include <QFile>
#include <QSqlQuery>

#include "data/Database.h"
#include "data/Resources.h"

namespace {

bool ReadScript(const QString& path, QString* text, QString* error) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("找不到建库脚本 %1").arg(path);
        return false;
    }
    *text = QString::fromUtf8(f.readAll());
    return true;
}

}  // namespace

namespace DatabaseCreator {

bool HasTables(TDatabase& db) {
    const QString sql = db.IsServer()
                            ? QStringLiteral(
                                  "select count(*) from information_schema.tables where "
                                  "table_schema=current_schema() and table_type='BASE TABLE'")
                            : QStringLiteral(
                                  "select count(*) from sqlite_master where type='table' and "
                                  "substr(name, 1, 7)<>'sqlite_'");
    QSqlQuery q = db.NewQuery();
    db.RunQuery(q, sql, {}, {}, true);
    return q.next() && q.value(0).toLongLong() > 0;
}

bool Create(TDatabase& db, bool withDemo, QString* error) {
    RegisterResources();
    if (HasTables(db)) {
        if (error)
            *error = QStringLiteral("数据库中已经有数据表,不能在其中新建数据库.");
        return false;
    }
    QStringList paths{db.IsServer() ? QStringLiteral(":/schema/postgres.sql")
                                    : QStringLiteral(":/schema/sqlite.sql"),
                      QStringLiteral(":/seed/install.sql")};
    if (withDemo)
        paths << QStringLiteral(":/seed/demo.sql");
    QStringList statements;
    for (const QString& path : paths) {
        QString script;
        if (!ReadScript(path, &script, error))
            return false;
        statements += SplitStatements(script);
    }
    return db.InTrans([&] {
        for (const QString& sql : statements)
            db.Execute(sql);
        return true;
    });
}

QStringList SplitStatements(const QString& script) {
    QStringList statements;
    QString current;
    const qsizetype n = script.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = script[i];
        if (c == QLatin1Char('\'')) {
            // A literal runs to the next lone quote; '' is a quote inside it.
            qsizetype j = i + 1;
            while (j < n && !(script[j] == QLatin1Char('\'') &&
                              (j + 1 >= n || script[j + 1] != QLatin1Char('\''))))
                j += script[j] == QLatin1Char('\'') ? 2 : 1;
            current += QStringView(script).mid(i, qMin(j + 1, n) - i);
            i = j;
        } else if (c == QLatin1Char('-') && i + 1 < n && script[i + 1] == QLatin1Char('-')) {
            while (i < n && script[i] != QLatin1Char('\n'))
                ++i;
            current += QLatin1Char('\n');
        } else if (c == QLatin1Char(';')) {
            if (!current.trimmed().isEmpty())
                statements << current.trimmed();
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.trimmed().isEmpty())
        statements << current.trimmed();
    return statements;
}

}  // namespace DatabaseCreator
