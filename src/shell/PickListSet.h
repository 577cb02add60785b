#pragma once

#include <QString>

#include "data/QuerySet.h"

// The pick lists of the options table: row i (in Key order, from 0) holds list i as its List
// text, one entry per line. Row 0 holds the units of measure, row 1 special characters, rows 2
// to 5 ware names, specifications, brands and packages.
class TPickListSet : public TRecordSet {
    Q_OBJECT
public:
    explicit TPickListSet(TDatabase* database = nullptr, QObject* parent = nullptr);

    TField* KeyFld;
    TField* LabelFld;
    TField* ListFld;

    // The List of the row at the position; empty when there is no such row.
    QString GetList(int index);
    // Edits the cached row and, when saveNow, stores it.
    void SetList(int index, const QString& text, bool saveNow);
    // Stores every cached row. A database error is thrown (EDatabaseError).
    void SaveAll();
    int Count();
    // Inserts rows with empty lists, each keyed one above the table's maximum, until there
    // are n rows.
    void SetCount(int n);

private:
    bool OpenAll();
    void StoreCurrent();
};

TPickListSet& AppPickLists();

// The pick lists as the ware editor reads them (Key and List only).
class TOptions : public TRecordSet {
    Q_OBJECT
public:
    explicit TOptions(TDatabase* database = nullptr, QObject* parent = nullptr);

    TField* KeyFld;
    TField* ListFld;

    // Opens "select * from options order by [Key]"; false when it cannot be read.
    bool Load();
    // The entries of list i, one per line; empty when there is no such row.
    QString GetList(int index);
};
