#pragma once

#include <QString>
#include <array>

#include "data/QuerySet.h"
#include "masterdata/MasterRecords.h"

class TCostTypeSet;
class TWareWhere;

// Wares with their class (ware left-joined to wareclass) and costing method name. The set
// owns its search condition (Where) and five column filters that lists set as the user types.
class TWareSet : public TQuerySet {
    Q_OBJECT
public:
    explicit TWareSet(TDatabase* database = nullptr, QObject* parent = nullptr);
    ~TWareSet() override;

    // All wares (the condition is reset first).
    int Open();
    // Runs the server query of the owned condition; the row count (-1 after a failed
    // statement).
    int Query();
    // Copies the condition into the owned one, then Query().
    int Search(const RWareWhere& where);
    // Only the ware of that Id; true when exactly one row came back.
    bool SelectById(int id);
    // Filters the loaded rows by a condition (Id takes no part, Location does); filtering is
    // on exactly when the condition is not empty.
    void ApplyFilter(TWareWhere& where);

    // Column filters (an empty text clears one); the filled ones are joined with " and ".
    // ClassId takes a class Code and keeps the wares of that class and its descendants.
    void SetClassId(const QString& classCode);
    void SetLookId(const QString& text);
    void SetWareName(const QString& text);
    void SetPartNo(const QString& text);
    void SetWareCode(const QString& text);

    // Moves the current ware into the class (Id 0 or less: unclassified) in the database and
    // then in the set; false on an empty set or when no row was updated.
    bool MoveToClass(const RWareCata& cata);

    // The current row; SetAsData writes the fields of a row the caller put into edit or
    // append state and posts afterwards.
    RWare AsData() const;
    void SetAsData(const RWare& record);
    // Mirrors a stored ware into the local rows (locate by Id: edit, else append; post).
    void PutRecord(const RWare& record);

    // Insert (Id 0: new key, written back) or update. Refused when another ware has the same
    // Code, Name, PartNo, Brand and Package: false, nothing written, and `message` names the
    // other ware. True when one row was affected.
    static bool Save(RWare& record, QString& message, TDatabase& db = AppDatabase());
    static bool Remove(int id, TDatabase& db = AppDatabase());
    // The ware of the Id; false when not exactly one row.
    static bool FindWare(int id, RWare& record, TDatabase& db = AppDatabase());

    TWareWhere* Where() const { return where_; }
    TCostTypeSet* CostTypes() const { return costTypes_; }

    TField* IdFld;
    TField* ClassIdFld;
    TField* CataNameFld;
    TField* CataPathFld;
    TField* LookIdFld;
    TField* CodeFld;
    TField* NameFld;
    TField* PartNoFld;
    TField* BrandFld;
    TField* PackageFld;
    TField* BarcodeFld;
    TField* UnitFld;
    TField* InPriceFld;
    TField* OutPriceFld;
    TField* MinQtyFld;
    TField* MaxQtyFld;
    TField* CostIdFld;
    TField* CostNameFld;
    TField* LocationFld;
    TField* NoteFld;

private:
    void SetSlot(int slot, const QString& condition);

    TField* cataCodeFld_;
    TCostTypeSet* costTypes_;
    TWareWhere* where_;
    std::array<QString, 5> slots_;
};
