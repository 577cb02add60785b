#pragma once

#include <QString>
#include <QVariant>

#include "data/ClientDataSet.h"
#include "data/WhereText.h"
#include "masterdata/MasterRecords.h"

// The search conditions that stock-in and stock-out lists share. Null variants, empty texts
// and master records with Id 0 set no condition.
struct RStockBillWhere {
    QVariant TopRecord;  // null or 0: no limit
    QVariant BillId;     // null: any document
    QVariant BeginDate;
    QVariant EndDate;
    QString Code;
    QString UserCode;
    QString BatchNo;
    QString Note;
    QString dlNote;
    QString WareLookId;
    QString WareCode;
    QString WareName;
    QString WarePartNo;
    QString WarePackage;
    QString WareLocation;
    RDept Dept;
    RHouse House;
    REmployee Handman;
};

// The three lists a condition is written for.
enum class TBillListForm { Documents, Lines, Summary };

// The condition of a stock-in or stock-out list, in the order the lists have always used:
// document id (document list only), dates, code, user code, batch, note, line note, the ids
// (partner, department, warehouse, handler, type), then the ware. header names the header
// table in the statement ("p", "m" or the table itself). The document list reaches the line
// note and the wares through sub-selects of the line table.
TWhereText StockBillConditions(const TDialect& dialect, const RStockBillWhere& w,
                               const QString& partnerColumn, int partnerId, int typeId,
                               TBillListForm form, const QString& header, const QString& lineTable);

// The one-row condition set of stock-in and stock-out searches, for display and printing.
// The partner is the supplier of a stock-in and the client of a stock-out.
class TStockBillWhere : public TCustomWhere {
    Q_OBJECT
public:
    TField* TopRecordFld;
    TField* BillIdFld;
    TField* BeginDateFld;
    TField* EndDateFld;
    TField* CodeFld;
    TField* UserCodeFld;
    TField* BatchNoFld;
    TField* NoteFld;
    TField* dlNoteFld;
    TField* WareLookIdFld;
    TField* WareCodeFld;
    TField* WareNameFld;
    TField* WarePartNoFld;
    TField* WarePackageFld;
    TField* WareLocationFld;
    TField* PartnerIdFld;
    TField* PartnerNameFld;
    TField* DeptIdFld;
    TField* DeptNameFld;
    TField* HouseIdFld;
    TField* HouseNameFld;
    TField* TypeIdFld;
    TField* TypeNameFld;
    TField* HandmanIdFld;
    TField* HandmanNameFld;

protected:
    TStockBillWhere(const QString& partner, const QString& partnerCaption,
                    const QString& beginCaption, const QString& lookIdCaption, QObject* parent);
    // Reset, then every field from the record.
    void AssignFrom(const RStockBillWhere& w, const RClient& partner, const RNamedRow& type);
};
