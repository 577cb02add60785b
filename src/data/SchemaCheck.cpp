#include "data/SchemaCheck.h"

#include <QHash>
#include <QSqlQuery>

#include "data/Database.h"
#include "data/SchemaDescription.h"

namespace {

struct TActualColumn {
    QString Name;
    QString DeclaredType;
    bool Generated = false;  // the database fills it on insert
};

using TActualTables = QHash<QString, QList<TActualColumn>>;  // by lower-case table name

TActualTables ReadSQLite(TDatabase& db) {
    QSqlQuery q = db.NewQuery();
    db.RunQuery(q,
                QStringLiteral("select m.name, p.name, p.type, p.pk from sqlite_master m join "
                               "pragma_table_info(m.name) p where m.type='table'"),
                {}, {}, true);
    TActualTables tables;
    QHash<QString, int> keyColumns;
    QHash<QString, QString> integerKey;  // the table's INTEGER key column, if any
    while (q.next()) {
        const QString table = q.value(0).toString().toLower();
        TActualColumn c{q.value(1).toString(), q.value(2).toString()};
        if (q.value(3).toInt() > 0) {
            ++keyColumns[table];
            if (c.DeclaredType.compare(QLatin1String("INTEGER"), Qt::CaseInsensitive) == 0)
                integerKey[table] = c.Name;
        }
        tables[table].append(c);
    }
    // A lone INTEGER PRIMARY KEY is the row id, which SQLite assigns when none is given.
    for (auto it = integerKey.cbegin(); it != integerKey.cend(); ++it) {
        if (keyColumns.value(it.key()) != 1)
            continue;
        for (TActualColumn& c : tables[it.key()])
            if (c.Name == it.value())
                c.Generated = true;
    }
    return tables;
}

TActualTables ReadPostgreSQL(TDatabase& db) {
    QSqlQuery q = db.NewQuery();
    db.RunQuery(q,
                QStringLiteral("select table_name, column_name, data_type, is_identity, "
                               "column_default from information_schema.columns where "
                               "table_schema=current_schema()"),
                {}, {}, true);
    TActualTables tables;
    while (q.next()) {
        TActualColumn c{q.value(1).toString(), q.value(2).toString()};
        c.Generated = q.value(3).toString() == QLatin1String("YES") ||
                      q.value(4).toString().startsWith(QLatin1String("nextval("));
        tables[q.value(0).toString().toLower()].append(c);
    }
    return tables;
}

const TActualColumn* FindColumn(const QList<TActualColumn>& columns, const QString& name) {
    for (const TActualColumn& c : columns)
        if (c.Name.compare(name, Qt::CaseInsensitive) == 0)
            return &c;
    return nullptr;
}

}  // namespace

QStringList CheckSchema(TDatabase& db) {
    const TActualTables actual = db.IsServer() ? ReadPostgreSQL(db) : ReadSQLite(db);
    QStringList differences;
    for (const TTableDesc& table : Schema::ExpectedTables()) {
        const auto found = actual.constFind(table.Name.toLower());
        if (found == actual.cend()) {
            differences << QStringLiteral("缺少表 %1").arg(table.Name);
            continue;
        }
        for (const TColumnDesc& expected : table.Columns) {
            const TActualColumn* column = FindColumn(*found, expected.Name);
            const QString name = table.Name + QLatin1Char('.') + expected.Name;
            if (!column) {
                differences << QStringLiteral("表 %1 缺少列 %2").arg(table.Name, expected.Name);
                continue;
            }
            const auto type = Schema::LogicalTypeOf(db.Backend(), column->DeclaredType);
            if (!type) {
                differences << QStringLiteral("列 %1 的类型 %2 不能用作%3")
                                   .arg(name, column->DeclaredType,
                                        Schema::TypeName(expected.Type));
            } else if (!Schema::TypesMatch(expected.Type, *type)) {
                differences << QStringLiteral("列 %1 的类型 %2 是%3, 应为%4")
                                   .arg(name, column->DeclaredType, Schema::TypeName(*type),
                                        Schema::TypeName(expected.Type));
            } else if (expected.Type == TLogicalType::Counter && !column->Generated) {
                differences << QStringLiteral("列 %1 应为由数据库生成的自动编号").arg(name);
            }
        }
    }
    return differences;
}
