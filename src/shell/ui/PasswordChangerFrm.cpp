#include "shell/ui/PasswordChangerFrm.h"

#include <QFormLayout>
#include <QLineEdit>

#include "data/Prompt.h"

namespace {

QLineEdit* PasswordBox(const QString& name, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setEchoMode(QLineEdit::Password);
    edit->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));
    return edit;
}

}  // namespace

TPasswordChangerFrm::TPasswordChangerFrm(QWidget* parent) : TADlgFrm(parent) {
    setObjectName(QStringLiteral("PasswordChangerFrm"));
    setWindowTitle(QStringLiteral("更改密码"));
    auto* form = new QFormLayout(ClientArea());
    form->setContentsMargins(24, 16, 24, 8);
    edtUser1 = new QLineEdit(ClientArea());
    edtUser1->setObjectName(QStringLiteral("edtUser1"));
    edtUser1->setReadOnly(true);
    edtUser1->setFocusPolicy(Qt::NoFocus);
    edtOld1 = PasswordBox(QStringLiteral("edtOld1"), ClientArea());
    edtNew1 = PasswordBox(QStringLiteral("edtNew1"), ClientArea());
    edtConfirm1 = PasswordBox(QStringLiteral("edtConfirm1"), ClientArea());
    form->addRow(QStringLiteral("当前用户"), edtUser1);
    form->addRow(QStringLiteral("当前密码"), edtOld1);
    form->addRow(QStringLiteral("新密码"), edtNew1);
    form->addRow(QStringLiteral("新密码验证"), edtConfirm1);
    setMinimumWidth(320);
}

bool TPasswordChangerFrm::NewPasswordsAgree() {
    if (edtNew1->text() == edtConfirm1->text())
        return true;
    ShowInfo(QStringLiteral("两次输入的新密码不一样,请确认并重新输入."));
    edtNew1->clear();
    edtConfirm1->clear();
    edtNew1->setFocus();
    return false;
}

bool TPasswordChangerFrm::CloseQuery() {
    return result() != QDialog::Accepted || NewPasswordsAgree();
}

bool TPasswordChangerFrm::Execute(const QString& loginId, QString* current, QString* newPassword) {
    edtUser1->setText(loginId);
    if (exec() != QDialog::Accepted)
        return false;
    *current = edtOld1->text();
    *newPassword = edtNew1->text();
    return true;
}

bool ChangeMyPassword(QWidget* parent) {
    TPasswordChangerFrm frm(parent);
    return ChangePassword(frm);
}
