#include "documents/NewBillCode.h"

#include <QSqlQuery>

#include "data/Database.h"

QString NewBillCode(const QString& prefix, const QString& table, TDatabase& db) {
    if (db.InTransaction())
        db.LockTables({table});
    const QString head = prefix + db.ServerNow().toString(QStringLiteral("yyMM"));
    // The longest codes first, then the highest text among them: for digit sequences that is
    // the numeric order, also past four digits, where plain text order would stop at "9999".
    const QString sql = QStringLiteral(
                            "select Code from %1 where Code like %2 order by "
                            "length(Code) desc, Code desc")
                            .arg(table, db.Quote(head + QLatin1Char('%')));
    QSqlQuery q = db.NewQuery();
    db.RunQuery(q, sql, {}, {}, true);
    qint64 last = 0;
    while (q.next()) {
        bool ok = false;
        const qint64 seq = q.value(0).toString().mid(head.size()).toLongLong(&ok);
        if (ok) {
            last = seq;
            break;
        }
    }
    if (last >= MaxBillSequence)
        return QString();
    return head + QStringLiteral("%1").arg(last + 1, 4, 10, QLatin1Char('0'));
}

QString NewBillCode(const QString& prefix, const QString& table) {
    return NewBillCode(prefix, table, AppDatabase());
}

QString BillCodesExhaustedText() {
    return QStringLiteral("本月该类单据的编号已经用完(最多%1张),不能再保存新单据.")
        .arg(MaxBillSequence);
}
