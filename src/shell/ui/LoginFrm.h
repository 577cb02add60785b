#pragma once

#include "shell/Login.h"
#include "shell/ui/ADlgFrm.h"

class QComboBox;
class QLabel;
class QLineEdit;

// The login window: an editable list of every login name but sa, starting with the last name
// that logged in (or sa), and a masked password box. OK logs the operator in; a wrong password
// or an unknown name keeps the window open without a message, the password selected.
class TLoginFrm : public TADlgFrm {
    Q_OBJECT
public:
    explicit TLoginFrm(QWidget* parent = nullptr);

    QLabel* imgBanner1;
    QComboBox* cbUser1;
    QLineEdit* edtPassword1;

    // What OK does: true when the typed name and password logged the operator in.
    bool AcceptLogin();

protected:
    bool CloseQuery() override;
    void showEvent(QShowEvent* event) override;
};

// Shows the login window for LoginAtStart and ReLogin.
class TLoginFrmDialog : public TLoginDialog {
public:
    bool Execute() override;
};
