#pragma once

#include "data/ClientDataSet.h"
#include "data/QuerySet.h"
#include "masterdata/MasterRecords.h"

// The search conditions of the stock-count list.
struct RRegulateWhere {
    QVariant TopRecord;  // null or 0: no limit
    QVariant BillId;     // null: any document
    QVariant BeginDate;
    QVariant EndDate;
    QString UserCode;
    QString WareCode;
    QString WareLookId;
    QString WareName;
    QString WarePartNo;
    RHouse House;
    REmployee Handman;
};

class TRegulateWhere : public TCustomWhere {
    Q_OBJECT
public:
    explicit TRegulateWhere(QObject* parent = nullptr);
    void Assign(const RRegulateWhere& where);
};

// The stock-count document list, in the back end's natural order.
class TRegulateSet : public TQuerySet {
    Q_OBJECT
public:
    explicit TRegulateSet(TDatabase* database = nullptr, QObject* parent = nullptr);
    int Search(const RRegulateWhere& where);
    int OpenById(qint64 id);
    TRegulateWhere* Where;
};
