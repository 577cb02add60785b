#pragma once

#include <QList>
#include <QString>
#include <QVariant>

// Value records of the reference tables: one row passed between windows and the database.
// An Id of 0 marks a record not yet stored (stock-in and stock-out types: 0 or less).

struct RWareCata {
    int Id = 0;
    QString Code;  // dotted path of positions, "3.4."
    QString Name;
    QString Note;
    int SlfId = 0;  // 1-based position in the pre-order listing of the tree
    int PrtId = 0;  // the parent's SlfId, 0 at the top
    QString Path;
};
// A whole class tree in pre-order.
using RWareCatas = QList<RWareCata>;

struct RWare {
    int Id = 0;
    QVariant ClassId;  // class Id, or Null for an unclassified ware
    QString CataCode;
    QString CataName;
    QString CataPath;
    QString LookId;
    QString Code;
    QString Name;
    QString PartNo;
    QString Brand;
    QString Package;
    QString Barcode;
    QString Unit;
    QVariant InPrice;  // numbers, or Null when not given
    QVariant OutPrice;
    QVariant MinQty;
    QVariant MaxQty;
    QString Location;
    QString Note;
    int CostId = 0;
    QString CostName;
};
using RWares = QList<RWare>;

// A ware search condition: Id Null means any ware; the class by its Code ("sys-all",
// "sys-classed" and "sys-nulled" for all, classified and unclassified wares).
struct RWareWhere {
    QVariant Id;
    RWareCata Cata;
    QString LookId;
    QString WareCode;
    QString WareName;
    QString PartNo;
    QString Package;
    QString Barcode;
    QString Location;
};

struct RHouse {
    int Id = 0;
    QString Name;
    QString Mgr;
    QString Tel;
    QString Note;
};

struct RDept {
    int Id = 0;
    QString Name;
    QString Manager;
    QString Tel;
    QString Fax;
    QString Address;
    QString Describe;
};

struct REmployee {
    int Id = 0;
    QString Name;
    QString Sex;
    QString Tel;
    QString Addr;
    QString Note;
};

// Clients and suppliers have the same columns.
struct RClient {
    int Id = 0;
    QString Name;
    QString LookId;
    QString TaxId;
    QString Lawman;
    QString Bank;
    QString BankId;
    QString Linkman;
    QString Tel;
    QString Fax;
    QString Addr;
    QString Zip;
    QString Url;
    QString Email;
    QString Note;
};
using RSupplier = RClient;

// Stock-in and stock-out types, direction signs (Id +1 or -1) and costing methods.
struct RNamedRow {
    int Id = 0;
    QString Name;
};
using RPutinType = RNamedRow;
using RTakeoutType = RNamedRow;
using RPutinSign = RNamedRow;
using RTakeoutSign = RNamedRow;
using RCostType = RNamedRow;

// An operator's warehouse rights text (see THouseRightSet).
struct RHouseRight {
    QString LoginId;
    QString Houses;
};
using RHouseRights = QList<RHouseRight>;
