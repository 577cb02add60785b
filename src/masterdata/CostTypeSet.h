#pragma once

#include "data/QuerySet.h"
#include "masterdata/MasterRecords.h"

// Costing methods (read only), by their number in the cost calculation.
class TCostTypeSet : public TRecordSet {
public:
    explicit TCostTypeSet(TDatabase* database = nullptr, QObject* parent = nullptr);
    int Open();
    RCostType AsData() const;
    void SetAsData(const RCostType& record);
    // The method's name; empty when no row has the Id.
    QString NameOf(qint64 id) const;

    TField* IdFld;
    TField* NameFld;
};
