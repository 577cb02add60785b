#include "masterdata/WareCataSet.h"

#include <QSqlQuery>

#include "masterdata/MasterSet.h"

TWareCataSet::TWareCataSet(TDatabase* database, QObject* parent) : TQuerySet(database, parent) {
    IdFld = AddField(TFieldKind::Integer, QStringLiteral("Id"), -1, false);
    CodeFld = AddField(TFieldKind::Text, QStringLiteral("Code"), 50, true, QStringLiteral("编码"));
    NameFld = AddField(TFieldKind::Text, QStringLiteral("Name"), 50, true, QStringLiteral("类别"));
    NoteFld = AddField(TFieldKind::Text, QStringLiteral("Note"), 50, true, QStringLiteral("备注"));
    PathFld = AddField(TFieldKind::Text, QStringLiteral("Path"), 500, true, QStringLiteral("分类"));
    SlfIdFld = AddField(TFieldKind::Integer, QStringLiteral("SlfId"), -1, false);
    PrtIdFld = AddField(TFieldKind::Integer, QStringLiteral("PrtId"), -1, false);
}

int TWareCataSet::Open() {
    return OpenSql(QStringLiteral(
        "select Id, Code, Name, Note, SlfId, PrtId, Name as Path from wareclass order by SlfId"));
}

void TWareCataSet::GetRecord(RWareCata& r) const {
    r.Id = int(IdFld->AsInteger());
    r.Code = CodeFld->AsString();
    r.Name = NameFld->AsString();
    r.Note = NoteFld->AsString();
    r.SlfId = int(SlfIdFld->AsInteger());
    r.PrtId = int(PrtIdFld->AsInteger());
    r.Path = PathFld->AsString();
}

void TWareCataSet::PutRecord(const RWareCata& r) {
    MasterRows::EditOrAppend(*this, r.Id);
    IdFld->SetValue(r.Id);
    CodeFld->SetValue(r.Code);
    NameFld->SetValue(r.Name);
    NoteFld->SetValue(r.Note);
    SlfIdFld->SetValue(r.SlfId);
    PrtIdFld->SetValue(r.PrtId);
    PathFld->SetValue(r.Path);
    Post();
}

RWareCatas TWareCataSet::Records() const {
    RWareCatas all;
    if (!Active())
        return all;
    for (int v = 0; v < RecordCount(); ++v)
        all.append({int(IdFld->IntegerAt(v)), CodeFld->StringAt(v), NameFld->StringAt(v),
                    NoteFld->StringAt(v), int(SlfIdFld->IntegerAt(v)), int(PrtIdFld->IntegerAt(v)),
                    PathFld->StringAt(v)});
    return all;
}

bool TWareCataSet::SaveTree(RWareCatas& tree, TDatabase& db) {
    using MasterRows::TextParam;
    // New Ids go into a copy, so a failed save leaves the caller's tree as it was (a retry
    // must not update rows that the rollback took away).
    RWareCatas work = tree;
    const bool ok = db.InTrans([&] {
        QString kept = QStringLiteral("-1");
        for (const RWareCata& c : work)
            if (c.Id > 0)
                kept = QStringLiteral("%1, %2").arg(kept).arg(c.Id);
        QList<qint64> gone;
        {
            QSqlQuery q = db.NewQuery();
            db.RunQuery(q, QStringLiteral("select Id from wareclass where Id not in(%1)").arg(kept),
                        {}, {}, true);
            while (q.next())
                gone << q.value(0).toLongLong();
        }
        for (qint64 id : gone) {
            db.ExecSql(QStringLiteral("update ware set ClassId=null where ClassId=:ClassId"),
                       {DBParam(QStringLiteral("ClassId"), id)});
            if (db.ExecSql(QStringLiteral("delete from wareclass where Id=:Id"),
                           {DBParam(QStringLiteral("Id"), id)}) != 1)
                return false;
        }
        db.TryExecSql(QStringLiteral("update wareclass set Code=null"));
        int maxId = int(db.NewKey(QStringLiteral("wareclass"))) - 1;
        for (RWareCata& c : work) {
            const bool isNew = c.Id <= 0;
            if (isNew)
                c.Id = ++maxId;
            const TDBParameters params = {DBParam(QStringLiteral("Code"), TextParam(c.Code)),
                                          DBParam(QStringLiteral("Name"), TextParam(c.Name)),
                                          DBParam(QStringLiteral("Note"), TextParam(c.Note)),
                                          DBParam(QStringLiteral("SlfId"), c.SlfId),
                                          DBParam(QStringLiteral("PrtId"), c.PrtId),
                                          DBParam(QStringLiteral("Id"), c.Id)};
            const QString sql = isNew
                                    ? QStringLiteral(
                                          "insert into wareclass(Code, Name, [Note], SlfId, PrtId, "
                                          "Id)values(:Code, :Name, :Note, :SlfId, :PrtId, :Id)")
                                    : QStringLiteral(
                                          "update wareclass set Code=:Code, Name=:Name, "
                                          "[Note]=:Note, SlfId=:SlfId, PrtId=:PrtId where Id=:Id");
            if (db.ExecSql(sql, params) != 1)
                return false;
        }
        return true;
    });
    if (!ok)
        throw EDatabaseError(QStringLiteral("保存失败, 没有返回成功值."));
    tree = work;
    return true;
}
