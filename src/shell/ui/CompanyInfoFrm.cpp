#include "shell/ui/CompanyInfoFrm.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

QLineEdit* Box(const QString& name, int maxLength, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setMaxLength(maxLength);
    return edit;
}

}  // namespace

TCompanyInfoFrm::TCompanyInfoFrm(QWidget* parent) : TADlgFrm(parent) {
    setObjectName(QStringLiteral("CompanyInfoFrm"));
    setWindowTitle(QStringLiteral("公司信息"));
    auto* form = new QFormLayout(ClientArea());
    form->setContentsMargins(16, 16, 16, 8);
    // The limits are those of the company table's columns.
    edtCompanyName1 = Box(QStringLiteral("edtCompanyName1"), 100, ClientArea());
    edtLawman1 = Box(QStringLiteral("edtLawman1"), 50, ClientArea());
    edtTel1 = Box(QStringLiteral("edtTel1"), 50, ClientArea());
    edtFax1 = Box(QStringLiteral("edtFax1"), 50, ClientArea());
    edtAddress1 = Box(QStringLiteral("edtAddress1"), 200, ClientArea());
    edtZip1 = Box(QStringLiteral("edtZip1"), 20, ClientArea());
    memProfile1 = new QPlainTextEdit(ClientArea());
    memProfile1->setObjectName(QStringLiteral("memProfile1"));
    form->addRow(QStringLiteral("企业名称"), edtCompanyName1);
    form->addRow(QStringLiteral("负责人"), edtLawman1);
    form->addRow(QStringLiteral("联系电话"), edtTel1);
    form->addRow(QStringLiteral("传真号码"), edtFax1);
    form->addRow(QStringLiteral("地址"), edtAddress1);
    form->addRow(QStringLiteral("邮编"), edtZip1);
    form->addRow(QStringLiteral("公司简介"), memProfile1);
    setMinimumWidth(420);
}

QString TCompanyInfoFrm::CompanyName() const {
    return edtCompanyName1->text();
}
QString TCompanyInfoFrm::Lawman() const {
    return edtLawman1->text();
}
QString TCompanyInfoFrm::Tel() const {
    return edtTel1->text();
}
QString TCompanyInfoFrm::Address() const {
    return edtAddress1->text();
}
QString TCompanyInfoFrm::Zip() const {
    return edtZip1->text();
}
QString TCompanyInfoFrm::Fax() const {
    return edtFax1->text();
}
QString TCompanyInfoFrm::Profile() const {
    return memProfile1->toPlainText();
}

void TCompanyInfoFrm::FillFrom(const TCompany& company, bool readOnly) {
    edtCompanyName1->setText(company.CompanyName);
    edtLawman1->setText(company.Manager);
    edtTel1->setText(company.Tel);
    edtFax1->setText(company.Fax);
    edtAddress1->setText(company.Address);
    edtZip1->setText(company.Zip);
    memProfile1->setPlainText(company.Profile);
    OkButton()->setEnabled(!readOnly);
}

void TCompanyInfoFrm::CopyTo(TCompany& company) const {
    company.CompanyName = CompanyName();
    company.Manager = Lawman();
    company.Tel = Tel();
    company.Fax = Fax();
    company.Address = Address();
    company.Zip = Zip();
    company.Profile = Profile();
}

bool TCompanyInfoDialog::Execute(TCompany& company, bool readOnly) {
    TCompanyInfoFrm frm;
    frm.FillFrom(company, readOnly);
    if (frm.exec() != QDialog::Accepted)
        return false;
    frm.CopyTo(company);
    return true;
}
