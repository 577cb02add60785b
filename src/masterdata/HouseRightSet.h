#pragma once

#include "data/Database.h"
#include "masterdata/MasterRecords.h"

// Operators' warehouse rights. The rights text (operator.Houses) is a list of entries
// ", h.k." for warehouse Id h and kind k (1 stock-in entry, 2 stock-out entry); an empty text
// means no restriction, and "sa" is never restricted.
class THouseRightSet {
public:
    // Document kinds asked about: stock-in needs the entry of kind 1, stock-out of kind 2.
    enum { StockIn = 0, StockOut = 1 };

    // True for "sa", for an empty rights text and for kinds other than stock-in and
    // stock-out; otherwise whether the text holds the whole entry for the warehouse (the
    // right for warehouse 15 does not grant warehouse 5).
    static bool HasHouseRight(const QString& loginId, int houseId, int kind,
                              TDatabase& db = AppDatabase());
    // The rights text of one operator; false when the operator has no row.
    static bool ReadRights(const QString& loginId, RHouseRight& right,
                           TDatabase& db = AppDatabase());
    // Every operator but "sa", in row order.
    static void ReadAllRights(RHouseRights& rights, TDatabase& db = AppDatabase());
    // Stores every operator's text in one transaction.
    static bool WriteAllRights(const RHouseRights& rights, TDatabase& db = AppDatabase());

    // The entry ", h.k." of one warehouse and entry kind (1 or 2).
    static QString Entry(int houseId, int entryKind);
    // Whether the text holds the entry whole.
    static bool HoldsEntry(const QString& houses, int houseId, int entryKind);
};
