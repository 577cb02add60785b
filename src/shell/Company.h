#pragma once

#include <QString>

class TCompanyDialog;

// The user's own company (the single row of the company table, normally with Id 0).
class TCompany {
public:
    int Id = 0;
    QString CompanyName;
    QString Manager;
    QString Tel;
    QString Fax;
    QString Address;
    QString Zip;
    QString Profile;
    bool Updated = false;

    // Reads the first row; an empty table gives Id 0, empty texts and false.
    void LoadCompany();
    // Updates the row with this Id, or inserts it when there is none. A database error is
    // thrown (EDatabaseError).
    void SaveCompany() const;
    // True when the name is longer than 7 GBK bytes (a real name has been entered).
    bool HasCompanyName() const;
    // Shows the company dialog filled from this record (OK disabled when readOnly) until it is
    // cancelled or its values are saved; a failed save shows the error, reloads the stored
    // record and shows the dialog again. True when a save succeeded.
    bool EditCompany(bool readOnly);
    bool EditCompany(bool readOnly, TCompanyDialog& dialog);
};

TCompany& AppCompany();

// The company window as the core sees it. The program installs the real window; tests install
// a scripted one.
class TCompanyDialog {
public:
    virtual ~TCompanyDialog() = default;
    // Shows the values of the record; on OK copies the dialog's values into it and returns
    // true.
    virtual bool Execute(TCompany& company, bool readOnly) = 0;
};

// The dialog EditCompany(readOnly) uses (not owned); without one it does nothing.
void SetCompanyDialog(TCompanyDialog* dialog);
