#pragma once

#include <QDate>
#include <QString>

#include "valuation/CostCalc.h"

// The carry-over: computes, for every ware in every warehouse, the stock remaining at a date
// by the ware's own cost method, stores it as the opening balances (carry / carrydl) and
// deletes every document dated on or before the date, all in one transaction. Progress:
// CalcProgressEvent(total wares, wares still to do) after each ware.
class TStockCarrier : public TCostCalc {
    Q_OBJECT
public:
    explicit TStockCarrier(TDatabase* database = nullptr, QObject* parent = nullptr);

    // True when the carry-over was committed. False when it was refused or abandoned (the
    // database is then as it was; Message() says why, empty when the operator cancelled).
    // A calculation error of one ware in one warehouse asks whether to go on: OK leaves that
    // pair out (nothing stored for it), Cancel abandons everything. A failing statement rolls
    // back and is thrown on.
    bool Carry(const QDate& endDate);

    // Pairs of warehouse and ware left out after an error in the last Carry.
    int SkippedPairs() const { return skipped_; }
    // Why the last Carry was refused, or the success message ("结转操作成功!", with the
    // number of pairs left out when there were any).
    const QString& Message() const { return message_; }

private:
    bool CarryInTransaction(const QDate& endDate);

    TDatabase* db_;
    int skipped_ = 0;
    QString message_;
};
