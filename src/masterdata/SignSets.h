#pragma once

#include "data/QuerySet.h"
#include "masterdata/MasterRecords.h"

// Directions of stock-in documents (read only; Id +1 normal, -1 return), sign 1 first.
class TPutinSignSet : public TRecordSet {
public:
    explicit TPutinSignSet(TDatabase* database = nullptr, QObject* parent = nullptr);
    int Open();
    // The current row; SetAsData writes the fields of a row the caller put into edit or
    // append state and posts afterwards.
    RPutinSign AsData() const;
    void SetAsData(const RPutinSign& record);

    TField* IdFld;
    TField* NameFld;
};

// Directions of stock-out documents (read only), sign 1 first.
class TTakeoutSignSet : public TQuerySet {
public:
    explicit TTakeoutSignSet(TDatabase* database = nullptr, QObject* parent = nullptr);
    int Open();
    void GetRecord(RTakeoutSign& record) const;
    void PutRecord(const RTakeoutSign& record);

    TField* IdFld;
    TField* NameFld;
};
