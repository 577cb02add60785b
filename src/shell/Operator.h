#pragma once

#include <QString>

// One operator: login name, password and the list of granted rights, each right stored as the
// entry ",n," (rights 13, 14 and 16 give ",13,,14,,16,"). The login name "sa" holds every right.
class TOperator {
public:
    QString LoginId;
    QString Password;
    QString Name;
    QString Contact;
    QString Note;
    QString Rights;

    // Reads the operator's row through AppRecordSet; every field is cleared unless exactly one
    // row comes back.
    void Load(const QString& loginId);
    void Clear();
    // True when a login name is loaded and the password equals the text exactly.
    bool CheckPassword(const QString& text) const;
    bool HasRight(int right) const;
    // Without the right: shows "对不起,您没有该功能的操作权限,请与管理员联系(n)." and, when
    // abortIfDenied, throws EAbort to abandon the command. Returns HasRight(right).
    bool CheckRight(int right, bool abortIfDenied = true) const;
    // Anyone but "sa": shows "只有系统用户(sa)才能执行此操作." and throws EAbort.
    void RequireSuperUser() const;
    bool IsSuperUser() const { return LoginId == QLatin1String("sa"); }
    // Stores a new password for this operator (the field is not changed).
    void SetPassword(const QString& text) const;

    // The entry of one right in the rights text: ",n,".
    static QString RightEntry(int right);
};

// The logged-in operator; empty until the first successful login.
TOperator& AppOperator();
