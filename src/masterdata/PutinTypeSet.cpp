#include "masterdata/PutinTypeSet.h"

namespace {

const QList<TTextColumn<RNamedRow>>& Columns() {
    static const QList<TTextColumn<RNamedRow>> columns = {{"Name", &RNamedRow::Name}};
    return columns;
}

TMasterSql TypeSql(const QString& table) {
    return {
        table,
        QStringLiteral("insert into %1(Id,Name,Corp,Dept)values(:Id,:Name,:Corp,:Dept)").arg(table),
        QStringLiteral("update %1 set Name=:Name,Corp=:Corp,Dept=:Dept where Id=:Id").arg(table),
        QStringLiteral("delete from %1 where Id=:Id").arg(table)};
}

const TMasterSql& PutinSql() {
    static const TMasterSql sql = TypeSql(QStringLiteral("putintype"));
    return sql;
}

const TMasterSql& TakeoutSql() {
    static const TMasterSql sql = TypeSql(QStringLiteral("takeoutype"));
    return sql;
}

}  // namespace

TDocTypeSet::TDocTypeSet(TDatabase* database, QObject* parent, const QString& table,
                         const TMasterSql& sql)
    : TMasterSet(database, parent, QStringLiteral("select * from %1 order by Id").arg(table),
                 QStringLiteral("select * from %1 where Id=:Id").arg(table), Columns()),
      sql_(sql) {
    IdFld = AddField(TFieldKind::Integer, QStringLiteral("Id"), -1, false);
    NameFld = AddField(TFieldKind::Text, QStringLiteral("Name"), 30, true, QStringLiteral("类别"));
    CorpFld = AddField(TFieldKind::Boolean, QStringLiteral("Corp"), -1, false,
                       QStringLiteral("必须填入对方单位"));
    DeptFld = AddField(TFieldKind::Boolean, QStringLiteral("Dept"), -1, false,
                       QStringLiteral("必须填入相关部门"));
}

bool TDocTypeSet::SaveRow(const TMasterSql& sql, RNamedRow& record, TDatabase& db) {
    TDBParameters params = Params(record, Columns());
    const QVariant noFlag(QMetaType::fromType<bool>());
    params << DBParam(QStringLiteral("Corp"), noFlag) << DBParam(QStringLiteral("Dept"), noFlag);
    return MasterRows::Save(db, sql, record.Id <= 0, record.Id, params);
}

bool TDocTypeSet::Store(RNamedRow& record) {
    if (!SaveRow(sql_, record, *Database()))
        return false;
    PutRecord(record);
    return true;
}

bool TDocTypeSet::RemoveCurrent() {
    if (!Active() || IsEmpty())
        return false;
    if (!MasterRows::Remove(*Database(), sql_, int(IdFld->AsInteger())))
        return false;
    Delete();
    return true;
}

TPutinTypeSet::TPutinTypeSet(TDatabase* database, QObject* parent)
    : TDocTypeSet(database, parent, QStringLiteral("putintype"), PutinSql()) {}

bool TPutinTypeSet::Save(RPutinType& record, TDatabase& db) {
    return SaveRow(PutinSql(), record, db);
}

bool TPutinTypeSet::Remove(int id, TDatabase& db) {
    return MasterRows::Remove(db, PutinSql(), id);
}

TTakeoutTypeSet::TTakeoutTypeSet(TDatabase* database, QObject* parent)
    : TDocTypeSet(database, parent, QStringLiteral("takeoutype"), TakeoutSql()) {}

bool TTakeoutTypeSet::Save(RTakeoutType& record, TDatabase& db) {
    return SaveRow(TakeoutSql(), record, db);
}

bool TTakeoutTypeSet::Remove(int id, TDatabase& db) {
    return MasterRows::Remove(db, TakeoutSql(), id);
}
