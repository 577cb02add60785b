#include "masterdata/ClientSet.h"

#include "masterdata/Captions.h"

namespace {

const TMasterSql& ClientSql() {
    static const TMasterSql sql = {
        QStringLiteral("client"),
        QStringLiteral(
            "insert into client( Name, LookId, TaxId, LawMan, Bank, BankId, Linkman, "
            "Tel, Fax, Addr, Zip, Url, Email,[Note], Id)values(:Name,:LookId,:TaxId,"
            ":LawMan,:Bank,:BankId,:Linkman,:Tel,:Fax,:Addr,:Zip,:Url,:Email,:Note,:Id)"),
        QStringLiteral("update client set Name=:Name,LookId=:LookId,TaxId=:TaxId,Lawman=:Lawman,"
                       "Bank=:Bank,BankId=:BankId,Linkman=:Linkman,Tel=:Tel,Fax=:Fax,Addr=:Addr,"
                       "Zip=:Zip,Url=:Url,Email=:Email,[Note]=:Note where Id=:Id"),
        QStringLiteral("delete from client where Id=:Id")};
    return sql;
}

const TMasterSql& SupplierSql() {
    static const TMasterSql sql = {
        QStringLiteral("supplier"),
        QStringLiteral("insert into supplier(Name,LookId,TaxId, LawMan,Bank,BankId,Linkman,Tel,"
                       "Fax,Addr,Zip,Url,Email,[Note],Id)values(:Name,:LookId,:TaxId,:LawMan,"
                       ":Bank,:BankId,:Linkman,:Tel,:Fax,:Addr,:Zip,:Url,:Email,:Note,:Id)"),
        QStringLiteral("update supplier set Name=:Name,LookId=:LookId,TaxId=:TaxId,Lawman=:Lawman,"
                       "Bank=:Bank,BankId=:BankId,Linkman=:Linkman,Tel=:Tel,Fax=:Fax,Addr=:Addr,"
                       "Zip=:Zip,Url=:Url,Email=:Email,[Note]=:Note where Id=:Id"),
        QStringLiteral("delete from supplier where Id=:Id")};
    return sql;
}

QStringList ClientCaptions() {
    const TCaptions& c = AppCaptions();
    return {c.ClientLookId, c.ClientName, c.ClientLinkman, c.ClientTel,   c.ClientFax,
            c.ClientAddr,   c.ClientZip,  c.ClientUrl,     c.ClientEmail, c.ClientLawman,
            c.ClientTaxId,  c.ClientBank, c.ClientBankId,  c.ClientNote};
}

QStringList SupplierCaptions() {
    return {QStringLiteral("助查码"),   QStringLiteral("单位名称"), QStringLiteral("联系人"),
            QStringLiteral("联系电话"), QStringLiteral("传真号码"), QStringLiteral("联系地址"),
            QStringLiteral("邮编"),     QStringLiteral("网址"),     QStringLiteral("电子信箱"),
            QStringLiteral("法人代表"), QStringLiteral("税号"),     QStringLiteral("开户银行"),
            QStringLiteral("银行帐号"), QStringLiteral("备注")};
}

}  // namespace

const QList<TTextColumn<RClient>>& TPartnerSet::Columns() {
    static const QList<TTextColumn<RClient>> columns = {
        {"Name", &RClient::Name},       {"LookId", &RClient::LookId}, {"TaxId", &RClient::TaxId},
        {"Lawman", &RClient::Lawman},   {"Bank", &RClient::Bank},     {"BankId", &RClient::BankId},
        {"Linkman", &RClient::Linkman}, {"Tel", &RClient::Tel},       {"Fax", &RClient::Fax},
        {"Addr", &RClient::Addr},       {"Zip", &RClient::Zip},       {"Url", &RClient::Url},
        {"Email", &RClient::Email},     {"Note", &RClient::Note}};
    return columns;
}

TPartnerSet::TPartnerSet(TDatabase* database, QObject* parent, const QString& openSql,
                         const QString& byIdSql, const QStringList& captions)
    : TMasterSet(database, parent, openSql, byIdSql, Columns()) {
    auto text = [&](const char* name, int size, int caption) {
        return AddField(TFieldKind::Text, QLatin1String(name), size, true, captions[caption]);
    };
    IdFld = AddField(TFieldKind::Integer, QStringLiteral("Id"), -1, false);
    LookIdFld = text("LookId", 20, 0);
    NameFld = text("Name", 50, 1);
    LinkmanFld = text("Linkman", 30, 2);
    TelFld = text("Tel", 50, 3);
    FaxFld = text("Fax", 50, 4);
    AddrFld = text("Addr", 50, 5);
    ZipFld = text("Zip", 6, 6);
    UrlFld = text("Url", 50, 7);
    EmailFld = text("Email", 50, 8);
    LawmanFld = text("Lawman", 20, 9);
    TaxIdFld = text("TaxId", 30, 10);
    BankFld = text("Bank", 50, 11);
    BankIdFld = text("BankId", 30, 12);
    NoteFld = AddField(TFieldKind::Memo, QStringLiteral("Note"), -1, false, captions[13]);
}

TClientSet::TClientSet(TDatabase* database, QObject* parent)
    : TPartnerSet(database, parent, QStringLiteral("select * from client order by Id"),
                  QStringLiteral("select * from client where Id=:Id"), ClientCaptions()) {}

bool TClientSet::Save(RClient& record, TDatabase& db) {
    return MasterRows::Save(db, ClientSql(), record.Id == 0, record.Id, Params(record, Columns()));
}

bool TClientSet::Remove(int id, TDatabase& db) {
    return MasterRows::Remove(db, ClientSql(), id);
}

TSupplierSet::TSupplierSet(TDatabase* database, QObject* parent)
    : TPartnerSet(database, parent, QStringLiteral("select * from supplier"),
                  QStringLiteral("select * from supplier where Id=:Id"), SupplierCaptions()) {}

bool TSupplierSet::Save(RSupplier& record, TDatabase& db) {
    return MasterRows::Save(db, SupplierSql(), record.Id == 0, record.Id,
                            Params(record, Columns()));
}

bool TSupplierSet::Remove(int id, TDatabase& db) {
    return MasterRows::Remove(db, SupplierSql(), id);
}
