#include "masterdata/HouseRightSet.h"

#include <QSqlQuery>
#include <QStringList>

#include "masterdata/MasterSet.h"

QString THouseRightSet::Entry(int houseId, int entryKind) {
    return QStringLiteral(", %1.%2.").arg(houseId).arg(entryKind);
}

bool THouseRightSet::HoldsEntry(const QString& houses, int houseId, int entryKind) {
    // Entries are compared whole, so "15.1." never passes for "5.1.".
    const QString wanted = QStringLiteral("%1.%2.").arg(houseId).arg(entryKind);
    const QStringList entries = houses.split(QLatin1Char(','));
    for (const QString& e : entries)
        if (e.trimmed() == wanted)
            return true;
    return false;
}

bool THouseRightSet::HasHouseRight(const QString& loginId, int houseId, int kind, TDatabase& db) {
    if (loginId == QLatin1String("sa"))
        return true;
    if (kind != StockIn && kind != StockOut)
        return true;
    RHouseRight right;
    ReadRights(loginId, right, db);
    if (right.Houses.trimmed().isEmpty())
        return true;
    return HoldsEntry(right.Houses, houseId, kind == StockIn ? 1 : 2);
}

bool THouseRightSet::ReadRights(const QString& loginId, RHouseRight& right, TDatabase& db) {
    right.LoginId = loginId;
    right.Houses.clear();
    QSqlQuery q = db.NewQuery();
    db.RunQuery(q, QStringLiteral("select Houses from [operator] where LoginId=:LoginId"),
                {DBParam(QStringLiteral("LoginId"), loginId)}, {}, true);
    if (!q.next())
        return false;
    right.Houses = q.value(0).toString();
    return !q.next();
}

void THouseRightSet::ReadAllRights(RHouseRights& rights, TDatabase& db) {
    rights.clear();
    QSqlQuery q = db.NewQuery();
    db.RunQuery(q, QStringLiteral("select LoginId, Houses from [operator] where LoginId<>'sa'"), {},
                {}, true);
    while (q.next())
        rights.append({q.value(0).toString(), q.value(1).toString()});
}

bool THouseRightSet::WriteAllRights(const RHouseRights& rights, TDatabase& db) {
    return db.InTrans([&] {
        for (const RHouseRight& r : rights)
            db.ExecSql(
                QStringLiteral("update [operator] set Houses=:Changeds where LoginId=:LoginId"),
                {DBParam(QStringLiteral("Changeds"), MasterRows::TextParam(r.Houses)),
                 DBParam(QStringLiteral("LoginId"), r.LoginId)});
        return true;
    });
}
