#pragma once

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QString>
#include <QVariant>
#include <functional>

#include "data/Database.h"
#include "data/Prompt.h"
#include "data/QuerySet.h"
#include "documents/NewBillCode.h"
#include "shell/Operator.h"

// How one document kind is stored: its two tables, code prefix, audit right and statements.
// The line update carries "and MastId=:MastId" so a line key held by a stale editor can never
// rewrite a line of another document.
struct TBillKind {
    QString Header;  // header table
    QString Lines;   // line table
    QString Prefix;  // code prefix
    int AuditRight = 0;
    QString LoadSql;  // the header with the names of its ids, for :Id
    QString InsertSql;
    QString UpdateSql;
    QString LineInsertSql;
    QString LineUpdateSql;
};

// The shared pieces of the four document classes that do not depend on the record type.
namespace BillStore {

// The line keys to keep, "1,5,7"; "-1, -2" when there are none.
QString KeepList(const QList<qint64>& dlIds);
// Why the header update of a document changed no row: deleted, audited, another preparer.
QString UpdateRefusal(TDatabase& db, const TBillKind& kind, qint64 id);
// Deletes a document and its lines in one transaction; false with the reason in msg.
bool Remove(TDatabase& db, const TBillKind& kind, qint64 id, const QString& billman, QString& msg);
// Audits (checkman empty) or un-audits a document; on success checkman and checkTime hold
// the stored values. Only a still unaudited row is audited and only the operator's own audit
// is undone; false when the stored row was not in the state the record showed.
bool SwitchCheck(TDatabase& db, const TBillKind& kind, qint64 id, QString& checkman,
                 QVariant& checkTime);
qint64 PriorId(TDatabase& db, const TBillKind& kind, qint64 id);
qint64 NextId(TDatabase& db, const TBillKind& kind, qint64 id);
bool LastId(TDatabase& db, const TBillKind& kind, qint64& id);

// The value of a result column; Null stays an invalid variant.
QVariant Var(const TDataSet& set, const char* name);
QString Text(const TDataSet& set, const char* name);
qint64 Int(const TDataSet& set, const char* name);
// The statement reading the lines of a document with their ware texts, for :MastId.
QString LineLoadSql(const QString& lineTable);

}  // namespace BillStore

// The class-level operations shared by the document classes. Traits supplies Record, Line,
// Kind() and the kind's own columns: HeaderParams / ReadHeader and LineParams / ReadLine.
template <class Traits>
class TBill2 {
public:
    using Record = typename Traits::Record;
    using Line = typename Traits::Line;
    // Runs inside the saving transaction after the document was written; false rolls the
    // save back.
    using TAfterWrite = std::function<bool(QObject* owner, const Record& bill)>;

    // r.Id in; the header with its names and the lines in dlId order out. False when no
    // header row has that Id.
    static bool Load(Record& r, TDatabase& db = AppDatabase());
    // Inserts (r.Id = 0) or updates the document and all its lines in one transaction. On
    // success r holds the keys, code and bill time written; on failure r is as it was passed
    // in and msg says why (empty when afterWrite refused). A database error rolls back and
    // goes on to the caller.
    static bool Save(Record& r, QString& msg, const TAfterWrite& afterWrite = {},
                     QObject* owner = nullptr, TDatabase& db = AppDatabase());
    static bool Remove(const Record& r, QString& msg, TDatabase& db = AppDatabase()) {
        return BillStore::Remove(db, Traits::Kind(), r.Id, r.Billman, msg);
    }
    // Checks the kind's audit right (a missing right shows the refusal and throws EAbort).
    // Un-auditing is for the auditor only.
    static bool SwitchCheck(Record& r, TDatabase& db = AppDatabase());
    static qint64 PriorId(const Record& r, TDatabase& db = AppDatabase()) {
        return BillStore::PriorId(db, Traits::Kind(), r.Id);
    }
    static qint64 NextId(const Record& r, TDatabase& db = AppDatabase()) {
        return BillStore::NextId(db, Traits::Kind(), r.Id);
    }
    static bool LastId(qint64& id, TDatabase& db = AppDatabase()) {
        return BillStore::LastId(db, Traits::Kind(), id);
    }

private:
    static bool WriteHeader(Record& r, QString& msg, TDatabase& db);
    static bool WriteLines(Record& r, QString& msg, TDatabase& db);
    static TDBParameters HeaderParams(const Record& r);
};

template <class Traits>
bool TBill2<Traits>::Load(Record& r, TDatabase& db) {
    using namespace BillStore;
    const TBillKind& kind = Traits::Kind();
    TRecordSet set(&db);
    if (set.OpenSql(kind.LoadSql, {DBParam(QStringLiteral("Id"), r.Id)}) != 1)
        return false;
    Record loaded;
    loaded.Id = r.Id;
    loaded.Code = Text(set, "Code");
    loaded.UserCode = Text(set, "UserCode");
    loaded.BizDate = Var(set, "BizDate");
    loaded.HandmanId = Var(set, "HandmanId");
    loaded.HandmanName = Text(set, "HandmanName");
    loaded.Fund = Var(set, "Fund");
    loaded.BillTime = Var(set, "BillTime");
    loaded.CheckTime = Var(set, "CheckTime");
    loaded.Billman = Text(set, "Billman");
    loaded.Checkman = Text(set, "Checkman");
    loaded.Note = Text(set, "Note");
    Traits::ReadHeader(set, loaded);

    if (set.OpenSql(LineLoadSql(kind.Lines), {DBParam(QStringLiteral("MastId"), r.Id)}) < 0)
        return false;
    for (set.First(); !set.Eof(); set.Next()) {
        Line l;
        l.dlId = Int(set, "dlId");
        l.MastId = Int(set, "MastId");
        l.WareId = Int(set, "WareId");
        l.WareCode = Text(set, "WareCode");
        l.WareName = Text(set, "WareName");
        l.WarePartNo = Text(set, "WarePartNo");
        l.WareBrand = Text(set, "WareBrand");
        l.WarePackage = Text(set, "WarePackage");
        l.WareUnit = Text(set, "WareUnit");
        l.WareLocation = Text(set, "WareLocation");
        l.WareInPrice = Var(set, "WareInPrice");
        l.WareOutPrice = Var(set, "WareOutPrice");
        l.WareCostId = int(Int(set, "WareCostId"));
        l.Qty = Var(set, "Qty");
        l.Price = Var(set, "Price");
        l.Fund = Var(set, "Fund");
        l.dlNote = Text(set, "dlNote");
        Traits::ReadLine(set, l);
        loaded.Lines.append(l);
    }
    r = loaded;
    return true;
}

template <class Traits>
bool TBill2<Traits>::Save(Record& r, QString& msg, const TAfterWrite& afterWrite, QObject* owner,
                          TDatabase& db) {
    msg.clear();
    const TBillKind& kind = Traits::Kind();
    const Record before = r;
    db.BeginTrans();
    bool ok = false;
    try {
        // Every writer of this kind waits here, so keys and codes read below stay unique.
        db.LockTables({kind.Header, kind.Lines});
        ok = WriteHeader(r, msg, db) && WriteLines(r, msg, db) &&
             (!afterWrite || afterWrite(owner, r));
        if (ok)
            db.CommitTrans();
    } catch (...) {
        db.RollbackTrans();
        r = before;
        throw;
    }
    if (!ok) {
        db.RollbackTrans();
        // Keys and code of a rolled-back insert were never stored: the editor keeps the
        // document as it was, so a second attempt saves it as new again.
        r = before;
    }
    return ok;
}

template <class Traits>
TDBParameters TBill2<Traits>::HeaderParams(const Record& r) {
    TDBParameters p{DBParam(QStringLiteral("UserCode"), r.UserCode),
                    DBParam(QStringLiteral("BizDate"), r.BizDate),
                    DBParam(QStringLiteral("HandmanId"), r.HandmanId),
                    DBParam(QStringLiteral("Fund"), r.Fund),
                    DBParam(QStringLiteral("Note"), r.Note),
                    DBParam(QStringLiteral("Id"), r.Id)};
    Traits::HeaderParams(r, p);
    return p;
}

template <class Traits>
bool TBill2<Traits>::WriteHeader(Record& r, QString& msg, TDatabase& db) {
    const TBillKind& kind = Traits::Kind();
    if (r.Id == 0) {
        const QString code = NewBillCode(kind.Prefix, kind.Header, db);
        if (code.isEmpty()) {
            msg = BillCodesExhaustedText();
            return false;
        }
        r.Id = db.NewKey(kind.Header);
        QDateTime now = QDateTime::currentDateTime();
        now.setTime(QTime(now.time().hour(), now.time().minute(), now.time().second()));
        r.BillTime = now;
        r.Code = code;
        TDBParameters p = HeaderParams(r);
        p << DBParam(QStringLiteral("Code"), r.Code)
          << DBParam(QStringLiteral("Billman"), r.Billman)
          << DBParam(QStringLiteral("BillTime"), r.BillTime);
        if (db.ExecSql(kind.InsertSql, p) != 1) {
            msg = QStringLiteral("主表insert未返回正确标识,原因未知.");
            return false;
        }
        return true;
    }
    TDBParameters p = HeaderParams(r);
    p << DBParam(QStringLiteral("Billman"), AppOperator().LoginId);
    if (db.ExecSql(kind.UpdateSql, p) != 1) {
        msg = BillStore::UpdateRefusal(db, kind, r.Id);
        return false;
    }
    return true;
}

template <class Traits>
bool TBill2<Traits>::WriteLines(Record& r, QString& msg, TDatabase& db) {
    const TBillKind& kind = Traits::Kind();
    QList<qint64> keep;
    for (const Line& l : r.Lines)
        keep << l.dlId;
    db.ExecSql(QStringLiteral("delete from %1 where MastId=%2 and dlId not in (%3)")
                   .arg(kind.Lines)
                   .arg(r.Id)
                   .arg(BillStore::KeepList(keep)));
    for (Line& l : r.Lines) {
        const bool isNew = l.dlId < 1;
        if (isNew)
            l.dlId = db.NewKey(kind.Lines, QStringLiteral("dlId"));
        l.MastId = r.Id;
        TDBParameters p{
            DBParam(QStringLiteral("MastId"), r.Id), DBParam(QStringLiteral("WareId"), l.WareId),
            DBParam(QStringLiteral("Qty"), l.Qty),   DBParam(QStringLiteral("Price"), l.Price),
            DBParam(QStringLiteral("Fund"), l.Fund), DBParam(QStringLiteral("dlNote"), l.dlNote),
            DBParam(QStringLiteral("dlId"), l.dlId)};
        Traits::LineParams(l, p);
        if (db.ExecSql(isNew ? kind.LineInsertSql : kind.LineUpdateSql, p) != 1) {
            msg = QStringLiteral("主表insert未返回正确标识,原因未知.");
            return false;
        }
    }
    return true;
}

template <class Traits>
bool TBill2<Traits>::SwitchCheck(Record& r, TDatabase& db) {
    AppOperator().CheckRight(Traits::Kind().AuditRight, true);
    if (!r.Checkman.isEmpty() && r.Checkman != AppOperator().LoginId) {
        ShowInfo(QStringLiteral("不能反审核该单据,因为您不是该单据的审核人."));
        return false;
    }
    QString checkman = r.Checkman;
    QVariant checkTime = r.CheckTime;
    if (!BillStore::SwitchCheck(db, Traits::Kind(), r.Id, checkman, checkTime))
        return false;
    r.Checkman = checkman;
    r.CheckTime = checkTime;
    return true;
}
