#pragma once

#include "shell/Company.h"
#include "shell/ui/ADlgFrm.h"

class QLineEdit;
class QPlainTextEdit;

// The company information window ("公司信息").
class TCompanyInfoFrm : public TADlgFrm {
    Q_OBJECT
public:
    explicit TCompanyInfoFrm(QWidget* parent = nullptr);

    QLineEdit* edtCompanyName1;
    QLineEdit* edtLawman1;
    QLineEdit* edtTel1;
    QLineEdit* edtFax1;
    QLineEdit* edtAddress1;
    QLineEdit* edtZip1;
    QPlainTextEdit* memProfile1;

    QString CompanyName() const;
    QString Lawman() const;
    QString Tel() const;
    QString Address() const;
    QString Zip() const;
    QString Fax() const;
    QString Profile() const;

    // Fills the boxes from the record (Lawman is its Manager); OK is disabled when readOnly.
    void FillFrom(const TCompany& company, bool readOnly);
    // What OK keeps: the boxes copied into the record.
    void CopyTo(TCompany& company) const;
};

// Shows the company window for TCompany::EditCompany; installed at start-up.
class TCompanyInfoDialog : public TCompanyDialog {
public:
    bool Execute(TCompany& company, bool readOnly) override;
};
