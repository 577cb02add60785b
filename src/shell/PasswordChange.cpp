#include "shell/PasswordChange.h"

#include "data/Prompt.h"
#include "shell/Operator.h"

bool ChangePassword(TPasswordDialog& dialog) {
    TOperator& op = AppOperator();
    for (;;) {
        QString current;
        QString newPassword;
        if (!dialog.Execute(op.LoginId, &current, &newPassword))
            return false;
        if (current != op.Password) {
            ShowInfo(QStringLiteral("当前密码验证失败,请确认并重新输入."));
            continue;
        }
        op.SetPassword(newPassword);
        op.Password = newPassword;
        ShowInfo(QStringLiteral("密码更改成功! 下次登陆时请使用新密码."));
        return true;
    }
}
