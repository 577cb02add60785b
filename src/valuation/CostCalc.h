#pragma once

#include <QDate>
#include <QList>
#include <functional>

#include "data/ClientDataSet.h"
#include "valuation/WareInoutSet.h"

class TDatabase;

// Cost methods of ware.CostId.
enum TCostMethod {
    cmMonthTotal = 0,  // month-grouped running total: one row
    cmAverage = 1,     // running average: one row
    cmFifo = 2,        // first in, first out: the remaining receipt layers
    cmLifo = 3,        // last in, first out: the remaining receipt layers
};
bool IsCostMethod(int method);

using TCostCalcEvent = std::function<void(double qty, double price, double fund)>;

// Replays the ledger of one ware in one warehouse (or in all) by a cost method and yields the
// remaining stock: one summary row (methods 0 and 1) or the remaining receipt layers (2 and
// 3), with the totals StockQty and StockFund. One Prepare serves any number of Calc calls;
// each Calc rebuilds the table and the totals.
class TCostCalc : public TQzClientDataSet {
    Q_OBJECT
public:
    explicit TCostCalc(TDatabase* database = nullptr, QObject* parent = nullptr);

    // Opens the ledger of all wares (or of the listed ones) up to a date (invalid: unbounded),
    // in every warehouse or in the one given (houseId > 0).
    // With figures only, the result rows' dates and document ids are there but their texts
    // (summary, codes) are empty. Returns the ledger's row count, -1 when the statement
    // failed.
    int Prepare(const QDate& upToDate = QDate(), const QList<int>& wareIds = {},
                TLedgerColumns columns = TLedgerColumns::All, int houseId = 0);
    // From the rows the ledger holds. A method other than 0 to 3 leaves the table empty and
    // the totals 0. Throws std::logic_error on a ledger opened with a display cap that left
    // rows out (its figures would be wrong).
    virtual void Calc(int houseId, int wareId, int method);

    int WareId = 0;
    double StockQty = 0;
    double StockFund = 0;
    double StockPrice = 0;
    TWareInoutSet* InoutSet;
    // Raised during methods 0 and 1 with the running quantity, price and amount.
    TCostCalcEvent OnCostCalc;

    TField* OrdIdFld;
    TField* BizDateFld;
    TField* BriefFld;
    TField* StockQtyFld;
    TField* InPriceFld;
    TField* CostFundFld;
    TField* HouseIdFld;
    TField* BillTypeFld;
    TField* BillIdFld;
    TField* BillCodeFld;
    TField* UserCodeFld;

private:
    struct TLayer {
        double Qty;
        double Price;
        double Fund;
        int LedgerRow;  // view row of the ledger whose columns the row copies
    };
    void RunningTotal(int rows, bool average);
    double Layers(int rows, bool fifo);
    void Store(const std::vector<TLayer>& result);
};
