#pragma once

#include "shell/PasswordChange.h"
#include "shell/ui/ADlgFrm.h"

class QLineEdit;

// The password change window of the logged-in operator. It refuses OK while the two new
// passwords differ; shown again after a wrong current password, it keeps what was typed.
class TPasswordChangerFrm : public TADlgFrm, public TPasswordDialog {
    Q_OBJECT
public:
    explicit TPasswordChangerFrm(QWidget* parent = nullptr);

    QLineEdit* edtUser1;
    QLineEdit* edtOld1;
    QLineEdit* edtNew1;
    QLineEdit* edtConfirm1;

    // What OK checks before the window closes: false (with the message, both new boxes
    // emptied and the focus on the first) when the new passwords differ.
    bool NewPasswordsAgree();
    bool Execute(const QString& loginId, QString* current, QString* newPassword) override;

protected:
    bool CloseQuery() override;
};

// "更改我的密码": changes the password of the logged-in operator; true when it was changed.
bool ChangeMyPassword(QWidget* parent = nullptr);
