#pragma once

#include "data/QuerySet.h"
#include "masterdata/MasterRecords.h"

// The ware class tree, stored flat in pre-order: SlfId is a node's 1-based position, PrtId
// its parent's SlfId (0 at the top) and Code the dotted path of SlfIds ("3.4.9."), so a
// prefix test on Code selects a class and its descendants and never a sibling like 33.
class TWareCataSet : public TQuerySet {
    Q_OBJECT
public:
    explicit TWareCataSet(TDatabase* database = nullptr, QObject* parent = nullptr);

    // Every class in SlfId order (parents before their children).
    int Open();
    void GetRecord(RWareCata& record) const;
    void PutRecord(const RWareCata& record);
    // Every row of the view, first to last.
    RWareCatas Records() const;

    // Stores the whole tree in one transaction: classes missing from it are deleted (their
    // wares become unclassified), the others renumbered, new ones (Id 0) inserted under max+1.
    // The elements carry their new SlfId, PrtId and Code. On success the array gets the new
    // Ids. When a statement does not affect exactly one row, throws EDatabaseError
    // "保存失败, 没有返回成功值."; on any failure nothing is stored and the array is unchanged.
    static bool SaveTree(RWareCatas& tree, TDatabase& db = AppDatabase());

    TField* IdFld;
    TField* CodeFld;
    TField* NameFld;
    TField* NoteFld;
    TField* PathFld;
    TField* SlfIdFld;
    TField* PrtIdFld;
};
