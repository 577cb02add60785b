#pragma once

#include <QDate>

#include "shell/ui/ADlgFrm.h"

class QDateEdit;
class QPlainTextEdit;
class QProgressBar;
class TDatabase;
class TStockCarrier;

// The carry-over dialog: a date (today by default), the warning, a progress bar, and
// "结转", which asks for confirmation, carries over to the date and closes on success.
class TCarrierFrm : public TADlgFrm {
    Q_OBJECT
public:
    explicit TCarrierFrm(QWidget* parent = nullptr, TDatabase* database = nullptr);

    // Opens the dialog modally; true when a carry-over was committed. The caller checks the
    // operator's right first.
    static bool Execute(QWidget* parent = nullptr);

    // What "结转" does: confirm, carry over to the chosen date, show the outcome. True when
    // the carry-over was committed (the dialog may then close). A failing statement is thrown
    // on.
    bool RunCarry();
    QDate EndDate() const;

    QDateEdit* edtEndDate1;
    QPlainTextEdit* memWarning1;
    QProgressBar* pbProgress1;

protected:
    bool CloseQuery() override;

private:
    TStockCarrier* carrier_;
    bool committed_ = false;
};
