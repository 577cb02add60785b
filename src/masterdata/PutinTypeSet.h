#pragma once

#include "masterdata/MasterRecords.h"
#include "masterdata/MasterSet.h"

// Stock-in and stock-out types: the same columns in two tables. The flags Corp and Dept are
// written as Null (the records carry no flags) and shown hidden.
class TDocTypeSet : public TMasterSet<RNamedRow> {
public:
    // Saves the record (class-level Save) and mirrors it into this set; true when saved.
    bool Store(RNamedRow& record);
    // Removes the current row from the database, then from the set; nothing happens on an
    // empty set. True when the row went.
    bool RemoveCurrent();

    TField* NameFld;
    TField* CorpFld;
    TField* DeptFld;

protected:
    TDocTypeSet(TDatabase* database, QObject* parent, const QString& table, const TMasterSql& sql);
    // Id 0 or less marks a new type.
    static bool SaveRow(const TMasterSql& sql, RNamedRow& record, TDatabase& db);

private:
    const TMasterSql& sql_;
};

class TPutinTypeSet : public TDocTypeSet {
public:
    explicit TPutinTypeSet(TDatabase* database = nullptr, QObject* parent = nullptr);

    static bool Save(RPutinType& record, TDatabase& db = AppDatabase());
    static bool Remove(int id, TDatabase& db = AppDatabase());
};

class TTakeoutTypeSet : public TDocTypeSet {
public:
    explicit TTakeoutTypeSet(TDatabase* database = nullptr, QObject* parent = nullptr);

    static bool Save(RTakeoutType& record, TDatabase& db = AppDatabase());
    static bool Remove(int id, TDatabase& db = AppDatabase());
};
