#include "shell/ProjRepVariables.h"

#include "shell/Company.h"
#include "shell/Operator.h"

QList<QPair<QString, QString>> ProjRepVariables() {
    const TCompany& c = AppCompany();
    return {{QStringLiteral("u_Company"), c.CompanyName},
            {QStringLiteral("u_Tel"), c.Tel},
            {QStringLiteral("u_Fax"), c.Fax},
            {QStringLiteral("u_Address"), c.Address},
            {QStringLiteral("u_Zip"), c.Zip},
            {QStringLiteral("u_Operator"), AppOperator().LoginId}};
}
