#include "masterdata/DeptSet.h"

namespace {

const QList<TTextColumn<RDept>>& Columns() {
    static const QList<TTextColumn<RDept>> columns = {
        {"Name", &RDept::Name}, {"Manager", &RDept::Manager}, {"Tel", &RDept::Tel},
        {"Fax", &RDept::Fax},   {"Address", &RDept::Address}, {"Describe", &RDept::Describe}};
    return columns;
}

const TMasterSql& Sql() {
    static const TMasterSql sql = {
        QStringLiteral("department"),
        QStringLiteral("insert into Department (Name,Manager,Tel,Fax,Address,[Describe],Id) values "
                       "(:Name,:Manager,:Tel,:Fax,:Address,:Describe,:Id)"),
        QStringLiteral("update Department set Name=:Name,Manager=:Manager,Tel=:Tel,Fax=:Fax,"
                       "Address=:Address,[Describe]=:Describe where Id=:Id"),
        QStringLiteral("delete from Department where Id=:Id")};
    return sql;
}

}  // namespace

TDeptSet::TDeptSet(TDatabase* database, QObject* parent)
    : TMasterSet(database, parent, QStringLiteral("select * from department order by Id"),
                 QStringLiteral("select * from Department where Id=:Code"), Columns(),
                 QStringLiteral("Code")) {
    IdFld = AddField(TFieldKind::Integer, QStringLiteral("Id"), -1, false, QStringLiteral("编码"));
    NameFld =
        AddField(TFieldKind::Text, QStringLiteral("Name"), 50, true, QStringLiteral("部门名称"));
    ManagerFld =
        AddField(TFieldKind::Text, QStringLiteral("Manager"), 30, true, QStringLiteral("负责人"));
    TelFld = AddField(TFieldKind::Text, QStringLiteral("Tel"), 50, true, QStringLiteral("电话"));
    FaxFld = AddField(TFieldKind::Text, QStringLiteral("Fax"), 50, true, QStringLiteral("传真"));
    AddressFld =
        AddField(TFieldKind::Text, QStringLiteral("Address"), 50, true, QStringLiteral("地址"));
    DescribeFld =
        AddField(TFieldKind::Memo, QStringLiteral("Describe"), -1, false, QStringLiteral("描述"));
}

bool TDeptSet::Save(RDept& record, TDatabase& db) {
    return MasterRows::Save(db, Sql(), record.Id == 0, record.Id, Params(record, Columns()));
}

bool TDeptSet::Remove(int id, TDatabase& db) {
    return MasterRows::Remove(db, Sql(), id);
}
