#pragma once

#include <QDate>

#include "data/QuerySet.h"

// Quantity, amount and unit price of a stock balance.
struct TStockSum {
    double Qty = 0;
    double Fund = 0;
    double Price = 0;
};

// The stock balance: signed sums of quantity and amount per warehouse and ware from the four
// document kinds and the opening balances of the last carry-over. A warehouse and ware can
// have several rows (one per document kind); SumHouse and SumWare add them up.
// An invalid UpToDate (the default) means no upper bound; opening balances are never bounded.
class TWareCalc : public TQuerySet {
    Q_OBJECT
public:
    explicit TWareCalc(TDatabase* database = nullptr, QObject* parent = nullptr);

    // Each returns the number of balance rows, -1 when the statement failed.
    int OpenHouseWare(int houseId, int wareId, const QDate& upToDate = QDate());
    int OpenWare(int wareId, const QDate& upToDate = QDate());
    int OpenHouse(int houseId, const QDate& upToDate = QDate());
    // Every ware over all warehouses together (warehouse id 0); transfers cancel out.
    int OpenAll(const QDate& upToDate = QDate());

    // Restrict the open rows to one warehouse or ware (the filter stays on) and add them up:
    // Qty and Fund rounded; Price = Fund / Qty, its sign reversed when Qty is negative (-5 at
    // -50 gives -10), 0 when Qty is 0.
    TStockSum SumHouse(int houseId);
    TStockSum SumWare(int wareId);

    TField* HouseIdFld;
    TField* WareIdFld;
    TField* QtyFld;
    TField* FundFld;

private:
    int OpenStatement(QString sql, int houseId, int wareId, const QDate& upToDate);
    TStockSum SumFiltered(const QString& filter);
};
