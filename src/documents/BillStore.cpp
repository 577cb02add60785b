#include "documents/BillStore.h"

#include <QSqlQuery>

#include "shell/RegionalFormats.h"

namespace BillStore {

namespace {

// A date-time column as the long date text, whichever type the driver returned.
QString TimeText(const QVariant& v) {
    if (v.typeId() == QMetaType::QDateTime)
        return v.toDateTime().toString(RegionalFormats::LongDateFormat);
    return v.toString();
}

qint64 ScalarId(TDatabase& db, const QString& sql, const TDBParameters& params) {
    QSqlQuery q = db.NewQuery();
    db.RunQuery(q, sql, params, {}, true);
    return q.next() ? q.value(0).toLongLong() : 0;
}

}  // namespace

QString KeepList(const QList<qint64>& dlIds) {
    if (dlIds.isEmpty())
        return QStringLiteral("-1, -2");
    QStringList parts;
    for (qint64 id : dlIds)
        parts << QString::number(id);
    return parts.join(QLatin1Char(','));
}

QString UpdateRefusal(TDatabase& db, const TBillKind& kind, qint64 id) {
    QSqlQuery q = db.NewQuery();
    db.RunQuery(
        q,
        QStringLiteral("select CheckTime, Checkman, Billman from %1 where Id=:Id").arg(kind.Header),
        {DBParam(QStringLiteral("Id"), id)}, {}, true);
    if (!q.next())
        return QStringLiteral("单据已经被删除.");
    if (!q.value(0).isNull())
        return QStringLiteral("单据已经被用户%1在%2时审核.")
            .arg(q.value(1).toString(), TimeText(q.value(0)));
    const QString billman = q.value(2).toString();
    if (billman != AppOperator().LoginId)
        return QStringLiteral("操作员%1不是单据的编制人%2,不允许修改.")
            .arg(AppOperator().LoginId, billman);
    return QStringLiteral("主表update未返回正确标识,未知原因.");
}

bool Remove(TDatabase& db, const TBillKind& kind, qint64 id, const QString& billman, QString& msg) {
    msg.clear();
    try {
        db.BeginTrans();
        db.LockTables({kind.Header, kind.Lines});
        const TDBParameters key{DBParam(QStringLiteral("Id"), id)};
        db.ExecSql(QStringLiteral("delete from %1 where MastId=:Id").arg(kind.Lines), key);
        const int deleted = db.ExecSql(
            QStringLiteral("delete from %1 where Id=:Id and Billman=:Billman and CheckTime is null")
                .arg(kind.Header),
            {DBParam(QStringLiteral("Id"), id), DBParam(QStringLiteral("Billman"), billman)});
        if (deleted == 1) {
            db.CommitTrans();
            return true;
        }
        db.RollbackTrans();
        QSqlQuery q = db.NewQuery();
        db.RunQuery(q,
                    QStringLiteral("select CheckTime, Billman, Checkman from %1 where Id=:Id")
                        .arg(kind.Header),
                    key, {}, true);
        if (!q.next())
            msg = QStringLiteral("记录已经被其他用户删除.");
        else if (q.value(0).isNull())
            msg = QStringLiteral("未知原因.");
        else if (q.value(1).toString() != AppOperator().LoginId)
            msg = QStringLiteral("操作员%1不是单据的编制人%2,不允许删除.")
                      .arg(AppOperator().LoginId, billman);
        else
            msg = QStringLiteral("单据已经被其他用户%1审核,不允许删除.").arg(q.value(2).toString());
        return false;
    } catch (const EDatabaseError& e) {
        if (db.InTransaction())
            db.RollbackTrans();
        msg = e.Message();
        return false;
    }
}

bool SwitchCheck(TDatabase& db, const TBillKind& kind, qint64 id, QString& checkman,
                 QVariant& checkTime) {
    const QString login = AppOperator().LoginId;
    int changed = 0;
    QString newCheckman;
    QVariant newCheckTime;
    if (!checkman.isEmpty()) {
        changed = db.ExecSql(
            QStringLiteral("update %1 set Checkman=:Checkman, CheckTime=:CheckTime "
                           "where Id=:Id and Checkman=:Auditor")
                .arg(kind.Header),
            {DBParam(QStringLiteral("Checkman"), QString(QLatin1String(""))),
             DBParam(QStringLiteral("CheckTime"), QVariant()), DBParam(QStringLiteral("Id"), id),
             DBParam(QStringLiteral("Auditor"), login)});
    } else {
        newCheckman = login;
        newCheckTime = db.ServerNow();
        changed =
            db.ExecSql(QStringLiteral("update %1 set Checkman=:Checkman, CheckTime=:CheckTime "
                                      "where Id=:Id and CheckTime is null")
                           .arg(kind.Header),
                       {DBParam(QStringLiteral("Checkman"), newCheckman),
                        DBParam(QStringLiteral("CheckTime"), newCheckTime),
                        DBParam(QStringLiteral("Id"), id)});
    }
    if (changed != 1)
        return false;
    checkman = newCheckman;
    checkTime = newCheckTime;
    return true;
}

qint64 PriorId(TDatabase& db, const TBillKind& kind, qint64 id) {
    return ScalarId(db, QStringLiteral("select max(Id) from %1 where Id<:Id").arg(kind.Header),
                    {DBParam(QStringLiteral("Id"), id)});
}

qint64 NextId(TDatabase& db, const TBillKind& kind, qint64 id) {
    return ScalarId(db, QStringLiteral("select min(Id) from %1 where Id>:Id").arg(kind.Header),
                    {DBParam(QStringLiteral("Id"), id)});
}

bool LastId(TDatabase& db, const TBillKind& kind, qint64& id) {
    id = ScalarId(db, QStringLiteral("select max(Id) from %1").arg(kind.Header), {});
    return id >= 1;
}

QVariant Var(const TDataSet& set, const char* name) {
    const TField* f = set.FieldByName(QLatin1String(name));
    return f->IsNull() ? QVariant() : f->Value();
}

QString Text(const TDataSet& set, const char* name) {
    return set.FieldByName(QLatin1String(name))->AsString();
}

qint64 Int(const TDataSet& set, const char* name) {
    return set.FieldByName(QLatin1String(name))->AsInteger();
}

QString LineLoadSql(const QString& lineTable) {
    return QStringLiteral(
               "SELECT d.*, w.Code as WareCode, w.Name as WareName, w.PartNo as WarePartNo, "
               "w.Brand as WareBrand, w.Package as WarePackage, w.Unit as WareUnit, w.Location "
               "as WareLocation, w.InPrice as WareInPrice, w.OutPrice as WareOutPrice, w.CostId "
               "as WareCostId FROM %1 AS d left JOIN ware AS w ON d.WareId=w.Id where "
               "MastId=:MastId order by d.dlId")
        .arg(lineTable);
}

}  // namespace BillStore
