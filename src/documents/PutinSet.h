#pragma once

#include "data/QuerySet.h"
#include "documents/StockBillWhere.h"

// The search conditions of stock-in lists.
struct RPutinWhere : RStockBillWhere {
    RSupplier Supplier;
    RPutinType PutinType;
};
RPutinWhere BlankPutinWhere();

class TPutinWhere : public TStockBillWhere {
    Q_OBJECT
public:
    explicit TPutinWhere(QObject* parent = nullptr);
    void Assign(const RPutinWhere& where);
    TField* SupplierIdFld;
    TField* SupplierNameFld;
};

// The stock-in document list, newest first, with the amount in words for printing.
class TPutinSet : public TQuerySet {
    Q_OBJECT
public:
    explicit TPutinSet(TDatabase* database = nullptr, QObject* parent = nullptr);
    // Row count, or -1 when the statement failed (its message has been shown).
    int Search(const RPutinWhere& where);
    int OpenById(qint64 id);
    TPutinWhere* Where;
};

// Stock-in lines with their documents, at most 500, by business date; sQty and sFund carry
// the direction's sign.
class TPutinWareSet : public TQuerySet {
    Q_OBJECT
public:
    explicit TPutinWareSet(TDatabase* database = nullptr, QObject* parent = nullptr);
    int Search(const RPutinWhere& where);
    TPutinWhere* Where;
};

// Stock-in quantity, amount and line count per ware, by ware class and code.
class TPutinWareSumSet : public TRecordSet {
    Q_OBJECT
public:
    explicit TPutinWareSumSet(TDatabase* database = nullptr, QObject* parent = nullptr);
    int Search(const RPutinWhere& where);
    TField* WareIdFld;
    TField* QtyFld;
    TField* FundFld;
    TField* CntFld;
    TPutinWhere* Where;
};
