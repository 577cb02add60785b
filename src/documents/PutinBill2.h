#pragma once

#include <QList>
#include <QString>
#include <QVariant>

#include "documents/BillStore.h"

// One line of a document as the editor holds it. The ware texts and reference prices are
// copied from the ware for display; only WareId, Qty, Price, Fund and dlNote are stored.
struct RPutindl {
    qint64 dlId = 0;  // below 1 for a line never saved
    qint64 MastId = 0;
    qint64 WareId = 0;
    QString WareCode;
    QString WareName;
    QString WarePartNo;
    QString WareBrand;
    QString WarePackage;
    QString WareUnit;
    QString WareLocation;
    QVariant WareInPrice;
    QVariant WareOutPrice;
    int WareCostId = 0;
    QVariant Qty;
    QVariant Price;
    QVariant Fund;
    QString dlNote;
};
using RPutindls = QList<RPutindl>;

// A stock-in document. Ids, dates and Fund are variants so nulls stay null; the names belong
// to the ids and are never written.
struct RPutin {
    qint64 Id = 0;  // 0 for a document never saved
    QString Code;
    QString UserCode;
    QVariant BizDate;
    QVariant HouseId;
    QVariant DeptId;
    QVariant TypeId;
    QVariant SupplierId;
    QVariant HandmanId;
    QVariant SignId;
    QString HouseName;
    QString DeptName;
    QString TypeName;
    QString SupplierName;
    QString HandmanName;
    QString SignName;
    QString BatchNo;
    QVariant Fund;
    QVariant BillTime;
    QVariant CheckTime;  // null while not audited
    QString Billman;
    QString Checkman;
    QString Note;
    RPutindls Lines;
};

struct TPutinTraits {
    using Record = RPutin;
    using Line = RPutindl;
    static const TBillKind& Kind();
    static void HeaderParams(const RPutin& r, TDBParameters& p);
    static void ReadHeader(const TDataSet& set, RPutin& r);
    static void LineParams(const RPutindl&, TDBParameters&) {}
    static void ReadLine(const TDataSet&, RPutindl&) {}
};

// Stock-in documents in putin / putindl, codes "NK", audit right 26.
class TPutinBill2 : public TBill2<TPutinTraits> {};
