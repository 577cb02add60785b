#pragma once

#include "masterdata/MasterRecords.h"
#include "masterdata/MasterSet.h"

// Employees (handlers of documents).
class TEmployeeSet : public TMasterSet<REmployee> {
public:
    explicit TEmployeeSet(TDatabase* database = nullptr, QObject* parent = nullptr);

    static bool Save(REmployee& record, TDatabase& db = AppDatabase());
    static bool Remove(int id, TDatabase& db = AppDatabase());

    TField* NameFld;
    TField* SexFld;
    TField* TelFld;
    TField* AddrFld;
    TField* NoteFld;
};
