#pragma once

#include "masterdata/MasterRecords.h"
#include "masterdata/MasterSet.h"

// Warehouses.
class THouseSet : public TMasterSet<RHouse> {
public:
    explicit THouseSet(TDatabase* database = nullptr, QObject* parent = nullptr);

    // Insert (Id 0: a new key, written back) or update; true when one row was affected.
    static bool Save(RHouse& record, TDatabase& db = AppDatabase());
    // False when no row had the Id; a warehouse that documents use is refused by the
    // database (EDatabaseError).
    static bool Remove(int id, TDatabase& db = AppDatabase());

    TField* NameFld;
    TField* MgrFld;
    TField* TelFld;
    TField* NoteFld;
};
