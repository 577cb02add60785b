#pragma once

#include "documents/PutinBill2.h"

// A counted ware: the book quantity, the quantity found and their difference Qty, which is
// what enters stock; Fund carries the sign of Qty.
struct RRegulatedl : RPutindl {
    QVariant BookQty;
    QVariant ReguQty;
};
using RRegulatedls = QList<RRegulatedl>;

// A stock count of one warehouse.
struct RRegulate {
    qint64 Id = 0;
    QString Code;
    QString UserCode;
    QVariant BizDate;
    QVariant HouseId;
    QVariant HandmanId;
    QString HouseName;
    QString HandmanName;
    QVariant Fund;
    QVariant BillTime;
    QVariant CheckTime;
    QString Billman;
    QString Checkman;
    QString Note;
    RRegulatedls Lines;
};

struct TRegulateTraits {
    using Record = RRegulate;
    using Line = RRegulatedl;
    static const TBillKind& Kind();
    static void HeaderParams(const RRegulate& r, TDBParameters& p);
    static void ReadHeader(const TDataSet& set, RRegulate& r);
    static void LineParams(const RRegulatedl& l, TDBParameters& p);
    static void ReadLine(const TDataSet& set, RRegulatedl& l);
};

// Stock counts in regulate / regulatedl, codes "PD", audit right 29.
class TRegulateBill2 : public TBill2<TRegulateTraits> {};
