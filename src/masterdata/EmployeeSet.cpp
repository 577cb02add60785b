#include "masterdata/EmployeeSet.h"

namespace {

const QList<TTextColumn<REmployee>>& Columns() {
    static const QList<TTextColumn<REmployee>> columns = {{"Name", &REmployee::Name},
                                                          {"Sex", &REmployee::Sex},
                                                          {"Tel", &REmployee::Tel},
                                                          {"Addr", &REmployee::Addr},
                                                          {"Note", &REmployee::Note}};
    return columns;
}

const TMasterSql& Sql() {
    static const TMasterSql sql = {
        QStringLiteral("employee"),
        QStringLiteral(
            "insert into "
            "employee(Name,Sex,Tel,Addr,[Note],Id)values(:Name,:Sex,:Tel,:Addr,:Note,:Id)"),
        QStringLiteral("update employee set Name=:Name,Sex=:Sex,Tel=:Tel,Addr=:Addr,[Note]=:Note "
                       "where Id=:Id"),
        QStringLiteral("delete from employee where Id=:Id")};
    return sql;
}

}  // namespace

TEmployeeSet::TEmployeeSet(TDatabase* database, QObject* parent)
    : TMasterSet(database, parent, QStringLiteral("select * from employee order by Id"),
                 QStringLiteral("select * from employee where Id=:Id"), Columns()) {
    IdFld = AddField(TFieldKind::Integer, QStringLiteral("Id"), -1, false);
    NameFld = AddField(TFieldKind::Text, QStringLiteral("Name"), 30, true, QStringLiteral("姓名"));
    SexFld = AddField(TFieldKind::Text, QStringLiteral("Sex"), 2, true, QStringLiteral("性别"));
    TelFld =
        AddField(TFieldKind::Text, QStringLiteral("Tel"), 30, true, QStringLiteral("联系电话"));
    AddrFld =
        AddField(TFieldKind::Text, QStringLiteral("Addr"), 50, true, QStringLiteral("联系地址"));
    NoteFld = AddField(TFieldKind::Memo, QStringLiteral("Note"), -1, false, QStringLiteral("备注"));
}

bool TEmployeeSet::Save(REmployee& record, TDatabase& db) {
    return MasterRows::Save(db, Sql(), record.Id == 0, record.Id, Params(record, Columns()));
}

bool TEmployeeSet::Remove(int id, TDatabase& db) {
    return MasterRows::Remove(db, Sql(), id);
}
