#include "shell/Login.h"

#include "shell/Configer.h"
#include "shell/Operator.h"
#include "shell/OperatorSet.h"

namespace {

TLoginDialog* loginDialog = nullptr;

bool RunLoginDialog() {
    return loginDialog && loginDialog->Execute();
}

}  // namespace

void SetLoginDialog(TLoginDialog* dialog) {
    loginDialog = dialog;
}

bool LoginAtStart(const QStringList& arguments) {
    if (arguments.size() == 3) {
        TOperator& op = AppOperator();
        op.Load(arguments[0]);
        if (op.CheckPassword(arguments[1]))
            return true;
        // Nobody is logged in until a check passes.
        op.Clear();
    }
    return RunLoginDialog();
}

bool ReLogin() {
    return RunLoginDialog();
}

bool LoginWith(const QString& loginId, const QString& password) {
    TOperator candidate;
    candidate.Load(loginId);
    if (!candidate.CheckPassword(password))
        return false;
    AppOperator().Load(candidate.LoginId);
    TConfiger::WriteLastLoginId(candidate.LoginId);
    return true;
}

QString InitialLoginName() {
    const QString last = TConfiger::ReadLastLoginId();
    return last.isEmpty() ? QStringLiteral("sa") : last;
}

QStringList LoginNames() {
    TOperatorSet operators;
    QStringList names;
    for (int i = 0; i < operators.RecordCount(); ++i)
        names << operators.UserIdField->StringAt(i);
    return names;
}
