#include "shell/Operator.h"

#include "data/Abort.h"
#include "data/Database.h"
#include "data/Prompt.h"
#include "data/QuerySet.h"

void TOperator::Load(const QString& loginId) {
    TRecordSet& rs = AppRecordSet();
    const int rows = rs.OpenSql(QStringLiteral("select LoginId,Password,Name,Contact,[Note],Rights "
                                               "from operator where LoginId=:LoginId"),
                                {DBParam(QStringLiteral("LoginId"), loginId)});
    if (rows == 1) {
        LoginId = rs.FieldByName(QStringLiteral("LoginId"))->AsString();
        Password = rs.FieldByName(QStringLiteral("Password"))->AsString();
        Name = rs.FieldByName(QStringLiteral("Name"))->AsString();
        Contact = rs.FieldByName(QStringLiteral("Contact"))->AsString();
        Note = rs.FieldByName(QStringLiteral("Note"))->AsString();
        Rights = rs.FieldByName(QStringLiteral("Rights"))->AsString();
    } else {
        Clear();
    }
    rs.Close();
}

void TOperator::Clear() {
    LoginId.clear();
    Password.clear();
    Name.clear();
    Contact.clear();
    Note.clear();
    Rights.clear();
}

bool TOperator::CheckPassword(const QString& text) const {
    return !LoginId.isEmpty() && Password == text;
}

QString TOperator::RightEntry(int right) {
    return QStringLiteral(",%1,").arg(right);
}

bool TOperator::HasRight(int right) const {
    return IsSuperUser() || Rights.contains(RightEntry(right));
}

bool TOperator::CheckRight(int right, bool abortIfDenied) const {
    if (HasRight(right)) {
        return true;
    }
    ShowInfo(QStringLiteral("对不起,您没有该功能的操作权限,请与管理员联系(%1).").arg(right));
    if (abortIfDenied) {
        throw EAbort();
    }
    return false;
}

void TOperator::RequireSuperUser() const {
    if (!IsSuperUser()) {
        ShowInfo(QStringLiteral("只有系统用户(sa)才能执行此操作."));
        throw EAbort();
    }
}

void TOperator::SetPassword(const QString& text) const {
    AppDatabase().ExecSql(
        QStringLiteral("update operator set [Password]=:Password where LoginId=:LoginId"),
        {DBParam(QStringLiteral("Password"), text), DBParam(QStringLiteral("LoginId"), LoginId)});
}

TOperator& AppOperator() {
    static TOperator op;
    return op;
}
