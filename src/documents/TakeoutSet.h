#pragma once

#include "data/QuerySet.h"
#include "documents/StockBillWhere.h"

// The search conditions of stock-out lists: the client in the place of the supplier.
struct RTakeoutWhere : RStockBillWhere {
    RClient Client;
    RTakeoutType TakeoutType;
};
RTakeoutWhere BlankTakeoutWhere();

class TTakeoutWhere : public TStockBillWhere {
    Q_OBJECT
public:
    explicit TTakeoutWhere(QObject* parent = nullptr);
    void Assign(const RTakeoutWhere& where);
    TField* ClientIdFld;
    TField* ClientNameFld;
};

// The stock-out document list, newest first, with the client's contact columns and the
// amount in words.
class TTakeoutSet : public TQuerySet {
    Q_OBJECT
public:
    explicit TTakeoutSet(TDatabase* database = nullptr, QObject* parent = nullptr);
    int Search(const RTakeoutWhere& where);
    int OpenById(qint64 id);
    TTakeoutWhere* Where;
};

// Stock-out lines with their documents, at most 500, by business date; sQty and sFund are
// the issued quantity and amount times the direction.
class TTakeoutWareSet : public TQuerySet {
    Q_OBJECT
public:
    explicit TTakeoutWareSet(TDatabase* database = nullptr, QObject* parent = nullptr);
    int Search(const RTakeoutWhere& where);
    TTakeoutWhere* Where;
};

// Issued quantity, amount and line count per ware, by ware class and code.
class TTakeoutWareSumSet : public TQuerySet {
    Q_OBJECT
public:
    explicit TTakeoutWareSumSet(TDatabase* database = nullptr, QObject* parent = nullptr);
    int Search(const RTakeoutWhere& where);
    TField* WareIdFld;
    TField* QtyFld;
    TField* FundFld;
    TField* CntFld;
    TTakeoutWhere* Where;
};
