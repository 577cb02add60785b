#include "masterdata/HouseSet.h"

namespace {

const QList<TTextColumn<RHouse>>& Columns() {
    static const QList<TTextColumn<RHouse>> columns = {{"Name", &RHouse::Name},
                                                       {"Mgr", &RHouse::Mgr},
                                                       {"Tel", &RHouse::Tel},
                                                       {"Note", &RHouse::Note}};
    return columns;
}

const TMasterSql& Sql() {
    static const TMasterSql sql = {
        QStringLiteral("warehouse"),
        QStringLiteral(
            "insert into warehouse(Name,Mgr,Tel,[Note],Id)values(:Name,:Mgr,:Tel,:Note,:Id)"),
        QStringLiteral(
            "update warehouse set Name=:Name,Mgr=:Mgr,Tel=:Tel,[Note]=:Note where Id=:Id"),
        QStringLiteral("delete from warehouse where Id=:Id")};
    return sql;
}

}  // namespace

THouseSet::THouseSet(TDatabase* database, QObject* parent)
    : TMasterSet(database, parent, QStringLiteral("select * from warehouse order by Id"),
                 QStringLiteral("select * from warehouse where Id=:Id"), Columns()) {
    IdFld = AddField(TFieldKind::Integer, QStringLiteral("Id"), -1, false, QStringLiteral("编码"));
    NameFld = AddField(TFieldKind::Text, QStringLiteral("Name"), 20, true, QStringLiteral("名称"));
    MgrFld = AddField(TFieldKind::Text, QStringLiteral("Mgr"), 30, true, QStringLiteral("负责人"));
    TelFld = AddField(TFieldKind::Text, QStringLiteral("Tel"), 50, true, QStringLiteral("电话"));
    NoteFld = AddField(TFieldKind::Text, QStringLiteral("Note"), 50, true, QStringLiteral("备注"));
}

bool THouseSet::Save(RHouse& record, TDatabase& db) {
    return MasterRows::Save(db, Sql(), record.Id == 0, record.Id, Params(record, Columns()));
}

bool THouseSet::Remove(int id, TDatabase& db) {
    return MasterRows::Remove(db, Sql(), id);
}
