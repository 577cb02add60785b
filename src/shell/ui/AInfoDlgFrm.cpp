#include "shell/ui/AInfoDlgFrm.h"

#include <QHBoxLayout>
#include <QPushButton>

TAInfoDlgFrm::TAInfoDlgFrm(QWidget* parent) : TADlgFrm(parent, false) {
    btnClose1_ = new QPushButton(QStringLiteral("关闭"), Band());
    btnClose1_->setObjectName(QStringLiteral("btnClose1"));
    btnClose1_->setAutoDefault(false);
    BandLayout()->insertWidget(BandLayout()->indexOf(HelpButton()), btnClose1_);
    connect(btnClose1_, &QPushButton::clicked, this, &QDialog::reject);
}
