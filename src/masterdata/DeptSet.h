#pragma once

#include "masterdata/MasterRecords.h"
#include "masterdata/MasterSet.h"

// Departments (or outside processors).
class TDeptSet : public TMasterSet<RDept> {
public:
    explicit TDeptSet(TDatabase* database = nullptr, QObject* parent = nullptr);

    static bool Save(RDept& record, TDatabase& db = AppDatabase());
    static bool Remove(int id, TDatabase& db = AppDatabase());

    TField* NameFld;
    TField* ManagerFld;
    TField* TelFld;
    TField* FaxFld;
    TField* AddressFld;
    TField* DescribeFld;
};
