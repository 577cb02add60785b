#include "shell/ui/PickListFrm.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "masterdata/Captions.h"
#include "shell/PickListSet.h"

namespace {

constexpr int ListCount = 6;

}  // namespace

TPickListFrm::TPickListFrm(QWidget* parent)
    : TADlgFrm(parent), lists_(new TPickListSet(nullptr, this)) {
    setObjectName(QStringLiteral("PickListFrm"));
    setWindowTitle(QStringLiteral("选项"));
    auto* row = new QHBoxLayout(ClientArea());
    row->setContentsMargins(8, 8, 8, 4);
    lstKinds1 = new QListWidget(ClientArea());
    lstKinds1->setObjectName(QStringLiteral("lstKinds1"));
    lstKinds1->setFixedWidth(140);
    const TCaptions& c = AppCaptions();
    lstKinds1->addItems({QStringLiteral("计量单位"), QStringLiteral("特殊字符"), c.WareName,
                         c.WarePartNo, c.WareBrand, c.WarePackage});
    row->addWidget(lstKinds1);
    auto* right = new QVBoxLayout;
    memList1 = new QPlainTextEdit(ClientArea());
    memList1->setObjectName(QStringLiteral("memList1"));
    memList1->setMinimumSize(260, 260);
    right->addWidget(memList1, 1);
    right->addWidget(new QLabel(QStringLiteral("一行一个，请勿空行。"), ClientArea()));
    row->addLayout(right, 1);

    lists_->SetCount(ListCount);
    connect(lstKinds1, &QListWidget::currentRowChanged, this, &TPickListFrm::ShowList);
    lstKinds1->setCurrentRow(0);
}

void TPickListFrm::KeepMemo() {
    if (shown_ >= 0)
        lists_->SetList(shown_, memList1->toPlainText(), false);
}

void TPickListFrm::ShowList(int row) {
    KeepMemo();
    shown_ = row;
    memList1->setPlainText(row >= 0 ? lists_->GetList(row) : QString());
}

void TPickListFrm::SaveLists() {
    KeepMemo();
    lists_->SaveAll();
    // The program's own copy reads the stored lists again when next used.
    AppPickLists().Close();
}

bool TPickListFrm::CloseQuery() {
    if (result() == QDialog::Accepted)
        SaveLists();
    return true;
}

void ShowPickLists(QWidget* parent) {
    TPickListFrm frm(parent);
    frm.exec();
}
