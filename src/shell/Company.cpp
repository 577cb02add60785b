#include "shell/Company.h"

#include <QSqlQuery>

#include "data/Database.h"
#include "data/Gbk.h"
#include "data/Prompt.h"
#include "data/QuerySet.h"

namespace {

TCompanyDialog* companyDialog = nullptr;

}  // namespace

void TCompany::LoadCompany() {
    TRecordSet& rs = AppRecordSet();
    const bool found = rs.OpenSql(QStringLiteral("select * from Company")) > 0;
    if (found)
        rs.First();
    auto text = [&](const char* name) {
        return found ? rs.FieldByName(QLatin1String(name))->AsString() : QString();
    };
    Id = found ? int(rs.FieldByName(QStringLiteral("Id"))->AsInteger()) : 0;
    CompanyName = text("CompanyName");
    Manager = text("Manager");
    Tel = text("Tel");
    Fax = text("Fax");
    Address = text("Address");
    Zip = text("Zip");
    Profile = text("Profile");
    Updated = found && rs.FieldByName(QStringLiteral("Updated"))->AsBoolean();
    rs.Close();
}

void TCompany::SaveCompany() const {
    TDatabase& db = AppDatabase();
    const TDBParameters params{DBParam(QStringLiteral("CompanyName"), CompanyName),
                               DBParam(QStringLiteral("Manager"), Manager),
                               DBParam(QStringLiteral("Tel"), Tel),
                               DBParam(QStringLiteral("Fax"), Fax),
                               DBParam(QStringLiteral("Address"), Address),
                               DBParam(QStringLiteral("Zip"), Zip),
                               DBParam(QStringLiteral("Profile"), Profile),
                               DBParam(QStringLiteral("Updated"), Updated),
                               DBParam(QStringLiteral("Id"), Id)};
    QSqlQuery q = db.NewQuery();
    db.RunQuery(q, QStringLiteral("select 1 from Company where Id=:Id"),
                {DBParam(QStringLiteral("Id"), Id)}, {}, true);
    int rows = 0;
    while (q.next())
        ++rows;
    if (rows == 1)
        db.ExecSql(QStringLiteral("update Company set CompanyName=:CompanyName,Manager=:Manager,"
                                  "Tel=:Tel,Fax=:Fax,Address=:Address,Zip=:Zip,Profile=:Profile,"
                                  "Updated=:Updated where Id=:Id"),
                   params);
    else
        db.ExecSql(QStringLiteral("insert into Company(Id,CompanyName,Manager,Tel,Fax,Address,"
                                  "Zip,Profile,Updated)values(:Id,:CompanyName,:Manager,:Tel,"
                                  ":Fax,:Address,:Zip,:Profile,:Updated)"),
                   params);
}

bool TCompany::HasCompanyName() const {
    return GbkLength(CompanyName) > 7;
}

bool TCompany::EditCompany(bool readOnly) {
    return companyDialog && EditCompany(readOnly, *companyDialog);
}

bool TCompany::EditCompany(bool readOnly, TCompanyDialog& dialog) {
    for (;;) {
        TCompany edited = *this;
        if (!dialog.Execute(edited, readOnly))
            return false;
        *this = edited;
        try {
            SaveCompany();
            return true;
        } catch (const EDatabaseError& e) {
            ShowInfo(e.Message());
            LoadCompany();
        }
    }
}

TCompany& AppCompany() {
    static TCompany company;
    return company;
}

void SetCompanyDialog(TCompanyDialog* dialog) {
    companyDialog = dialog;
}
