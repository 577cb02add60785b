#pragma once

#include "data/ClientDataSet.h"
#include "data/QuerySet.h"
#include "masterdata/MasterRecords.h"

// The search conditions of transfer lists. Integers set a condition above 0, texts when not
// empty, dates when not null.
struct RMoveWhere {
    int TopRecord = 0;
    int BillId = 0;
    QVariant BeginDate;
    QVariant EndDate;
    QString Code;
    QString UserCode;
    QString WareCode;
    QString WareLookId;
    QString WareName;
    QString WarePartNo;
    RHouse InHouse;
    RHouse OutHouse;
    REmployee Handman;
    QString Note;
    QString dlNote;
};

// The conditions as one row, for display and printing.
class TMoveWhere : public TCustomWhere {
    Q_OBJECT
public:
    explicit TMoveWhere(QObject* parent = nullptr);
    void Assign(const RMoveWhere& where);
};

// The transfer document list, newest first, with the amount in words.
class TMoveSet : public TQuerySet {
    Q_OBJECT
public:
    explicit TMoveSet(TDatabase* database = nullptr, QObject* parent = nullptr);
    int Search(const RMoveWhere& where);
    int OpenById(qint64 id);
    TMoveWhere* Where;
};

// Transfer lines with their documents, at most 500, by document and line; quantities are
// not signed.
class TMoveWareQrySet : public TQuerySet {
    Q_OBJECT
public:
    explicit TMoveWareQrySet(TDatabase* database = nullptr, QObject* parent = nullptr);
    int Search(const RMoveWhere& where);
    TMoveWhere* Where;
};

// Transferred quantity, amount and line count per ware.
class TMoveWareSumSet : public TQuerySet {
    Q_OBJECT
public:
    explicit TMoveWareSumSet(TDatabase* database = nullptr, QObject* parent = nullptr);
    int Search(const RMoveWhere& where);
    TField* WareIdFld;
    TField* QtyFld;
    TField* FundFld;
    TField* CntFld;
    TMoveWhere* Where;
};
