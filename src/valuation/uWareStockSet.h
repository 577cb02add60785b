#pragma once

#include "data/ClientDataSet.h"

class TCostCalc;
class TDatabase;

// The negative-stock check of a document being saved: the caller appends one row per line
// (ware id and the ware's columns), then FindNegatives keeps exactly the wares whose stock in
// the warehouse is negative over all dates, including documents dated later, by the running
// average whatever the ware's own method.
class TuWareStockSet : public TQzClientDataSet {
    Q_OBJECT
public:
    explicit TuWareStockSet(TDatabase* database = nullptr, QObject* parent = nullptr);

    // True when no ware is left, i.e. none has negative stock; otherwise StockQty of each
    // row left holds its (negative) stock. Reads the ledger of the set's wares only, in one
    // statement.
    bool FindNegatives(int houseId);

    TField* WareIdFld;
    TField* WareCodeFld;
    TField* WareNameFld;
    TField* WarePartNoFld;
    TField* WareBrandFld;
    TField* WarePackageFld;
    TField* WareUnitFld;
    TField* WareLocationFld;
    TField* WareInPriceFld;
    TField* WareOutPriceFld;
    TField* WareCostIdFld;
    TField* StockQtyFld;

private:
    TCostCalc* calc_;
};
