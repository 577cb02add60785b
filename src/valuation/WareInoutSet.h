#pragma once

#include <QDate>
#include <QList>

#include "data/QuerySet.h"

// Bill type codes of ledger and cost rows.
enum TBillType {
    btCarry = -1,
    btPutin = 0,
    btTakeout = 1,
    btMove = 2,
    btRegulate = 3,
};

// What a ledger reads: every column, or only what figures need (quantities, prices, amounts,
// dates, warehouse, ware and document ids); texts, department and cost then read empty.
enum class TLedgerColumns { All, FiguresOnly };

// The movement ledger: one row per document line that moved a ware in or out of a warehouse
// (a transfer gives a row for each of its two warehouses) and one per opening balance of the
// last carry-over, in business order: by date, opening balances first within their date,
// then documents in the order they were made. Qty is signed (in > 0, out < 0); Fund is the
// line's amount as a magnitude.
class TWareInoutSet : public TQuerySet {
    Q_OBJECT
public:
    explicit TWareInoutSet(TDatabase* database = nullptr, QObject* parent = nullptr);

    // The ledger of one ware in every warehouse, all dates. With a display cap the stock-in
    // and the stock-out lines each keep only their newest `displayCap` rows; LeftOutRows()
    // then says how many were left out, and the set serves display only (TCostCalc refuses
    // it). Returns the row count, -1 when the statement failed.
    int OpenWare(int wareId, int displayCap = 0);
    // The ledger of every ware (or of the listed wares) in every warehouse (or in the one
    // given, when houseId > 0), up to a date (invalid: unbounded); opening balances are never
    // bounded.
    int OpenAll(const QDate& upToDate = QDate(), const QList<int>& wareIds = {},
                TLedgerColumns columns = TLedgerColumns::All, int houseId = 0);

    // Shows the rows of one warehouse and ware; 0 or less means any.
    void SetScope(int houseId, int wareId);

    // Rows that a display cap left out of the last OpenWare (0 for OpenAll).
    int LeftOutRows() const { return leftOut_; }
    bool Capped() const { return leftOut_ > 0; }

    TField* BillCodeFld;
    TField* UserCodeFld;
    TField* DeptFld;
    TField* BriefFld;
    TField* QtyFld;
    TField* PriceFld;
    TField* FundFld;
    TField* WareIdFld;
    TField* BizDateFld;
    TField* HouseIdFld;
    TField* IsSaleFld;
    TField* CostFld;
    TField* BillIdFld;  // MastId: the document head, or carry.Id
    TField* BillTypeFld;
    TField* BillTimeFld;  // empty for opening balances
    TField* LineIdFld;    // the line's dlId

private:
    int Open(const QString& wareCondition, const QString& dateCondition, int cap,
             TLedgerColumns columns, int houseId = 0);
    int leftOut_ = 0;
};
