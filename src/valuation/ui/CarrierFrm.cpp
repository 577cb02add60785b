#include "valuation/ui/CarrierFrm.h"

#include <QApplication>
#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>

#include "data/Prompt.h"
#include "valuation/StockCarrier.h"

namespace {

const char* const WarningLines[] = {
    "警告：",
    "1.先根据截止日期统计库存及单价并作为期初数据；",
    "2.然后删除截止日期前的所有单据；",
    "3.适当的结转有助于加快库存及成本的核算速度；",
    "4.建议根据实际业务量按每月、每季度或每年结转一次；",
    "再次提醒，该操作将删除截止日期前的所有单据，建议操作前做好",
    "数据备份。",
};

// The hourglass while the carry-over runs, also when it fails.
struct TWaitCursor {
    TWaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~TWaitCursor() { QApplication::restoreOverrideCursor(); }
};

}  // namespace

TCarrierFrm::TCarrierFrm(QWidget* parent, TDatabase* database)
    : TADlgFrm(parent), carrier_(new TStockCarrier(database, this)) {
    setObjectName(QStringLiteral("CarrierFrm"));
    setWindowTitle(QStringLiteral("结转"));
    auto* grid = new QGridLayout(ClientArea());
    grid->setContentsMargins(12, 12, 12, 8);

    grid->addWidget(new QLabel(QStringLiteral("截止日期"), ClientArea()), 0, 0);
    edtEndDate1 = new QDateEdit(QDate::currentDate(), ClientArea());
    edtEndDate1->setObjectName(QStringLiteral("edtEndDate1"));
    edtEndDate1->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    edtEndDate1->setCalendarPopup(true);
    grid->addWidget(edtEndDate1, 0, 1);

    memWarning1 = new QPlainTextEdit(ClientArea());
    memWarning1->setObjectName(QStringLiteral("memWarning1"));
    memWarning1->setReadOnly(true);
    QStringList lines;
    for (const char* line : WarningLines)
        lines << QString::fromUtf8(line);
    memWarning1->setPlainText(lines.join(QStringLiteral("\n\n")));
    memWarning1->setMinimumSize(380, 220);
    grid->addWidget(memWarning1, 1, 0, 1, 2);

    grid->addWidget(new QLabel(QStringLiteral("进度"), ClientArea()), 2, 0);
    pbProgress1 = new QProgressBar(ClientArea());
    pbProgress1->setObjectName(QStringLiteral("pbProgress1"));
    pbProgress1->setValue(0);
    grid->addWidget(pbProgress1, 2, 1);

    OkButton()->setText(QStringLiteral("结转"));

    carrier_->CalcProgressEvent = [this](int total, int remaining) {
        pbProgress1->setMaximum(total);
        pbProgress1->setValue(total == remaining ? 0 : remaining);
        pbProgress1->repaint();
    };
}

QDate TCarrierFrm::EndDate() const {
    return edtEndDate1->date();
}

bool TCarrierFrm::RunCarry() {
    const QDate date = EndDate();
    if (!Confirm(QStringLiteral("确定要结转至 %1 吗?\t").arg(date.toString(Qt::ISODate))))
        return false;
    bool done = false;
    {
        TWaitCursor wait;
        done = carrier_->Carry(date);
    }
    if (done)
        ShowInfo(carrier_->Message());
    committed_ = committed_ || done;
    return done;
}

bool TCarrierFrm::CloseQuery() {
    return result() != QDialog::Accepted || RunCarry();
}

bool TCarrierFrm::Execute(QWidget* parent) {
    TCarrierFrm frm(parent);
    frm.exec();
    return frm.committed_;
}
