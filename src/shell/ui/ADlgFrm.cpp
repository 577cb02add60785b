#include "shell/ui/ADlgFrm.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

QPushButton* BandButton(const QString& text, const QString& name, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);  // Enter moves between controls; it does not press a button
    return button;
}

}  // namespace

TADlgFrm::TADlgFrm(QWidget* parent) : TADlgFrm(parent, true) {}

TADlgFrm::TADlgFrm(QWidget* parent, bool withOkCancel)
    : TaFrm(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint) {
    setSizeGripEnabled(false);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    client1_ = new QWidget(this);
    client1_->setObjectName(QStringLiteral("client1"));
    outer->addWidget(client1_, 1);

    band1_ = new QWidget(this);
    band1_->setObjectName(QStringLiteral("band1"));
    band1_->setFixedHeight(48);
    auto* bandColumn = new QVBoxLayout(band1_);
    bandColumn->setContentsMargins(0, 0, 0, 0);
    bandColumn->setSpacing(0);
    auto* bevel = new QFrame(band1_);
    bevel->setObjectName(QStringLiteral("bevel1"));
    bevel->setFrameShape(QFrame::HLine);
    bevel->setFrameShadow(QFrame::Sunken);
    bandColumn->addWidget(bevel);
    bandLayout_ = new QHBoxLayout;
    bandLayout_->setContentsMargins(8, 0, 8, 0);
    bandLayout_->addStretch(1);
    bandColumn->addLayout(bandLayout_, 1);
    outer->addWidget(band1_);

    if (withOkCancel) {
        btnOK1_ = BandButton(QStringLiteral("确定(&O)"), QStringLiteral("btnOK1"), band1_);
        btnCancel1_ = BandButton(QStringLiteral("取消"), QStringLiteral("btnCancel1"), band1_);
        bandLayout_->addWidget(btnOK1_);
        bandLayout_->addWidget(btnCancel1_);
        connect(btnOK1_, &QPushButton::clicked, this, &QDialog::accept);
        connect(btnCancel1_, &QPushButton::clicked, this, &QDialog::reject);
    }
    btnHelp1_ = BandButton(QStringLiteral("帮助"), QStringLiteral("btnHelp1"), band1_);
    bandLayout_->addWidget(btnHelp1_);
    connect(btnHelp1_, &QPushButton::clicked, this, [this] { ShowHelp(); });
}

void TADlgFrm::showEvent(QShowEvent* event) {
    if (!event->spontaneous())
        setFixedSize(size().expandedTo(minimumSizeHint()));  // a fixed dialog border
    TaFrm::showEvent(event);
}
