#pragma once

#include <QDate>
#include <QString>

#include "data/Database.h"
#include "shell/Operator.h"

// A small company for the document tests: two warehouses, three wares, one partner of each
// kind, one department, employee and type. Ids are 1, 2, 3 in the order below.
inline void AddDocumentFixture(TDatabase& db) {
    const char* statements[] = {
        "insert into warehouse(Id, Name) values(1, '甲库')",
        "insert into warehouse(Id, Name) values(2, '乙库')",
        "insert into ware(Id, Code, Name, PartNo, Brand, Package, LookId, Unit, InPrice, "
        "OutPrice, Location, CostId) values(1, 'A001', '螺丝', 'M3', '星牌', '袋', 'LS', '个', "
        "1.5, 2.5, 'K1', 0)",
        "insert into ware(Id, Code, Name, PartNo, Brand, Package, LookId, Unit, InPrice, "
        "OutPrice, Location, CostId) values(2, 'A002', '螺母', 'M4', '星牌', '盒', 'LM', '个', "
        "2, 3, 'K2', 1)",
        "insert into ware(Id, Code, Name, PartNo, Brand, Package, LookId, Unit, InPrice, "
        "OutPrice, Location, CostId) values(3, 'B001', '垫片', 'D8', '月牌', '袋', 'DP', '片', "
        "0.5, 1, 'K3', 0)",
        "insert into supplier(Id, Name) values(1, '东方供应')",
        "insert into client(Id, Name, Linkman, Tel, Fax, Addr) values(1, '西方商行', '王五', "
        "'123', '456', '北街1号')",
        "insert into department(Id, Name) values(1, '生产部')",
        "insert into employee(Id, Name) values(1, '张三')",
        "insert into putintype(Id, Name) values(1, '采购')",
        "insert into takeoutype(Id, Name) values(1, '销售')",
    };
    for (const char* s : statements)
        db.Execute(QString::fromUtf8(s));
}

inline void LogInAs(const QString& loginId, const QString& rights = QString()) {
    AppOperator().Clear();
    AppOperator().LoginId = loginId;
    AppOperator().Rights = rights;
}

// The code a new document of the kind gets today with the sequence.
inline QString CodeOf(const QString& prefix, TDatabase& db, int seq) {
    return prefix + db.ServerNow().toString(QStringLiteral("yyMM")) +
           QStringLiteral("%1").arg(seq, 4, 10, QLatin1Char('0'));
}

inline qint64 CountOf(TDatabase& db, const QString& sql) {
    QSqlQuery q = db.NewQuery();
    db.RunQuery(q, sql, {}, {}, true);
    return q.next() ? q.value(0).toLongLong() : -1;
}
