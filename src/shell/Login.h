#pragma once

#include <QString>
#include <QStringList>

// The login window as the core sees it. The program installs the real window; tests install
// a scripted one.
class TLoginDialog {
public:
    virtual ~TLoginDialog() = default;
    // Shows the window modally; true when it closed with OK (the operator has then been
    // logged in through LoginWith).
    virtual bool Execute() = 0;
};

// The window LoginAtStart and ReLogin show (not owned).
void SetLoginDialog(TLoginDialog* dialog);

// The login at start: with exactly three arguments (login name, password, an ignored third;
// the program's name not counted) the operator is checked directly, otherwise or when that
// fails the login window is shown. False when nobody logged in (the program then ends).
bool LoginAtStart(const QStringList& arguments);
// The login on request: the login window only; when it is cancelled the previous operator
// stays logged in.
bool ReLogin();

// The login window's check: loads the named operator and compares the password exactly. On
// success AppOperator becomes that operator and the name is remembered as the last login;
// otherwise nothing changes.
bool LoginWith(const QString& loginId, const QString& password);
// The name the login window starts with: the last login name, or "sa" when there is none.
QString InitialLoginName();
// Every login name but sa, for the login window's list.
QStringList LoginNames();
