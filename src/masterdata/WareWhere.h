#pragma once

#include "data/ClientDataSet.h"
#include "data/Dialect.h"
#include "masterdata/MasterRecords.h"

// The ware search condition: one row whose fields search windows bind their boxes to. The
// class is chosen by its Code in CataCode (a class and all its descendants), or by the codes
// below for all, classified and unclassified wares.
class TWareWhere : public TCustomWhere {
    Q_OBJECT
public:
    static const QString AllWares;           // "sys-all"
    static const QString ClassifiedWares;    // "sys-classed"
    static const QString UnclassifiedWares;  // "sys-nulled"

    explicit TWareWhere(QObject* parent = nullptr);

    // Reset, then the condition of the record; the class's Code goes into ClassId and
    // CataCode.
    void Assign(const RWareWhere& where);

    // The condition (after ApplyEdits) as SQL over "ware w" joined with "wareclass c", for the
    // dialect; empty when nothing is filled in. Location takes no part.
    QString SqlText(const TDialect& dialect);
    // The condition as a client-side filter over the columns of a ware set (Id takes no part,
    // Location does).
    QString FilterText();

    TField* IdFld;
    TField* ClassIdFld;
    TField* CataCodeFld;
    TField* LookIdFld;
    TField* WareCodeFld;
    TField* WareNameFld;
    TField* PartNoFld;
    TField* PackageFld;
    TField* BarCodeFld;
    TField* LocationFld;

private:
    QString Build(bool client, const TDialect& dialect);
};
