#include "shell/ui/TblFrm.h"

#include <QAbstractItemView>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPixmap>
#include <QProgressBar>
#include <QShowEvent>
#include <QTableView>
#include <QVBoxLayout>

#include "shell/ui/Pictures.h"

TTblFrm::TTblFrm(QWidget* parent) : TWinFrm(parent) {
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    banner1_ = new QLabel(this);
    banner1_->setObjectName(QStringLiteral("imgBanner1"));
    ShowPictureOrBand(banner1_, QStringLiteral("banner.png"), 100);
    column->addWidget(banner1_);

    lblTitle1_ = new QLabel(this);
    lblTitle1_->setObjectName(QStringLiteral("lblTitle1"));
    QFont bold = lblTitle1_->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 3);
    lblTitle1_->setFont(bold);
    lblTitle1_->setContentsMargins(8, 4, 8, 4);
    column->addWidget(lblTitle1_);

    grid1_ = new QTableView(this);
    grid1_->setObjectName(QStringLiteral("grid1"));
    grid1_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid1_->setShowGrid(true);
    grid1_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    grid1_->verticalHeader()->setVisible(true);  // the row indicator
    column->addWidget(grid1_, 1);

    auto* status = new QWidget(this);
    status->setObjectName(QStringLiteral("status1"));
    auto* statusRow = new QHBoxLayout(status);
    statusRow->setContentsMargins(6, 2, 6, 2);
    lblStatus1_ = new QLabel(status);
    lblStatus1_->setObjectName(QStringLiteral("lblStatus1"));
    statusRow->addWidget(lblStatus1_, 1);
    progress1_ = new QProgressBar(status);
    progress1_->setObjectName(QStringLiteral("progress1"));
    progress1_->setTextVisible(false);  // a smooth bar without a percentage
    progress1_->setFixedWidth(200);
    progress1_->hide();
    statusRow->addWidget(progress1_);
    column->addWidget(status);
}

void TTblFrm::SetTitle(const QString& title) {
    lblTitle1_->setText(title);
}

void TTblFrm::ShowProgress(int position, int maximum) {
    progress1_->setRange(0, maximum);
    progress1_->setValue(position);
    progress1_->show();
}

void TTblFrm::HideProgress() {
    progress1_->hide();
}

void TTblFrm::showEvent(QShowEvent* event) {
    TWinFrm::showEvent(event);
    if (!event->spontaneous())
        setWindowState(windowState() | Qt::WindowMaximized);
}
