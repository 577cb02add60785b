#include "shell/ui/OperatorEditorFrm.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include "data/Prompt.h"
#include "shell/OperatorSet.h"

namespace {

QLineEdit* Box(const QString& name, QWidget* parent, bool masked = false) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    if (masked) {
        edit->setEchoMode(QLineEdit::Password);
        edit->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));
    }
    return edit;
}

}  // namespace

TOperatorEditorFrm::TOperatorEditorFrm(QWidget* parent) : TADlgFrm(parent) {
    setObjectName(QStringLiteral("OperatorEditorFrm"));
    setWindowTitle(QStringLiteral("操作员属性"));
    auto* form = new QFormLayout(ClientArea());
    form->setContentsMargins(16, 16, 16, 8);
    // The limits are those of the operator table's columns.
    edtLoginId1 = Box(QStringLiteral("edtLoginId1"), ClientArea());
    edtLoginId1->setMaxLength(30);
    edtName1 = Box(QStringLiteral("edtName1"), ClientArea());
    edtName1->setMaxLength(50);
    edtContact1 = Box(QStringLiteral("edtContact1"), ClientArea());
    edtContact1->setMaxLength(100);
    edtNote1 = Box(QStringLiteral("edtNote1"), ClientArea());
    edtNote1->setMaxLength(255);
    edtPassword1 = Box(QStringLiteral("edtPassword1"), ClientArea(), true);
    edtPassword1->setMaxLength(50);
    edtPassword2 = Box(QStringLiteral("edtPassword2"), ClientArea(), true);
    edtPassword2->setMaxLength(50);
    lstRights1 = new QListWidget(ClientArea());
    lstRights1->setObjectName(QStringLiteral("lstRights1"));
    lstRights1->setMinimumHeight(240);
    int count = 0;
    const TRightEntry* rights = RightsTable(&count);
    for (int i = 0; i < count; ++i) {
        auto* item = new QListWidgetItem(QString::fromUtf8(rights[i].Caption), lstRights1);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
        item->setData(Qt::UserRole, rights[i].Number);
    }
    connect(lstRights1, &QListWidget::itemDoubleClicked, this, [](QListWidgetItem* item) {
        item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    });
    form->addRow(QStringLiteral("登陆名"), edtLoginId1);
    form->addRow(QStringLiteral("姓名"), edtName1);
    form->addRow(QStringLiteral("联系方式"), edtContact1);
    form->addRow(QStringLiteral("备注"), edtNote1);
    form->addRow(QStringLiteral("密码"), edtPassword1);
    form->addRow(QStringLiteral("验证密码"), edtPassword2);
    form->addRow(QStringLiteral("权限"), lstRights1);
    setMinimumWidth(380);
}

void TOperatorEditorFrm::SetLoginEditable(bool editable) {
    edtLoginId1->setEnabled(editable);
    // Open: a white box; closed: painted in the window's colour.
    QPalette p = edtLoginId1->palette();
    p.setColor(QPalette::Base, editable ? QColor(Qt::white) : palette().color(QPalette::Window));
    edtLoginId1->setPalette(p);
}

void TOperatorEditorFrm::Clear() {
    Fill(QString(), QString(), QString(), QString(), QString(), QString());
    SetLoginEditable(true);
}

void TOperatorEditorFrm::Fill(const QString& loginId, const QString& password, const QString& name,
                              const QString& contact, const QString& note, const QString& rights) {
    edtLoginId1->setText(loginId);
    edtName1->setText(name);
    edtContact1->setText(contact);
    edtNote1->setText(note);
    edtPassword1->setText(password);
    edtPassword2->setText(password);
    const QList<bool> ticked = TickedRights(rights);
    for (int i = 0; i < lstRights1->count(); ++i)
        lstRights1->item(i)->setCheckState(i < ticked.size() && ticked[i] ? Qt::Checked
                                                                          : Qt::Unchecked);
    SetLoginEditable(false);
}

QString TOperatorEditorFrm::RightsText() const {
    QList<bool> ticked;
    for (int i = 0; i < lstRights1->count(); ++i)
        ticked << (lstRights1->item(i)->checkState() == Qt::Checked);
    return BuildRights(ticked);
}

bool TOperatorEditorFrm::ValidateOk() {
    if (edtLoginId1->text().isEmpty()) {
        ShowInfo(QStringLiteral("必须填写登陆名."));
        edtLoginId1->setFocus();
        return false;
    }
    if (edtPassword1->text() != edtPassword2->text()) {
        ShowInfo(QStringLiteral("两次输入的密码不一样,请重新输入."));
        edtPassword1->clear();
        edtPassword2->clear();
        edtPassword1->setFocus();
        return false;
    }
    return true;
}

bool TOperatorEditorFrm::CloseQuery() {
    return result() != QDialog::Accepted || ValidateOk();
}
