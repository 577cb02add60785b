#pragma once

#include <QString>

// The password window as the core sees it: it shows the login name and three password boxes
// and refuses OK itself while the two new passwords differ.
class TPasswordDialog {
public:
    virtual ~TPasswordDialog() = default;
    // Shows the window modally with the boxes as they were left; true on OK with the typed
    // current and new passwords.
    virtual bool Execute(const QString& loginId, QString* current, QString* newPassword) = 0;
};

// Changes the password of AppOperator: the window is shown again (values kept) while the
// current password is wrong; on success the new password is stored and kept in AppOperator.
// True when the password was changed.
bool ChangePassword(TPasswordDialog& dialog);
