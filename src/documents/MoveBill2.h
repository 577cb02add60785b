#pragma once

#include "documents/PutinBill2.h"

using RMovedl = RPutindl;
using RMovedls = QList<RMovedl>;

// A transfer from the issuing warehouse OutId to the receiving warehouse InId.
struct RMove {
    qint64 Id = 0;
    QString Code;
    QString UserCode;
    QVariant BizDate;
    QVariant InId;
    QVariant OutId;
    QVariant HandmanId;
    QString InName;
    QString OutName;
    QString HandmanName;
    QVariant Fund;
    QVariant BillTime;
    QVariant CheckTime;
    QString Billman;
    QString Checkman;
    QString Note;
    RMovedls Lines;
};

struct TMoveTraits {
    using Record = RMove;
    using Line = RMovedl;
    static const TBillKind& Kind();
    static void HeaderParams(const RMove& r, TDBParameters& p);
    static void ReadHeader(const TDataSet& set, RMove& r);
    static void LineParams(const RMovedl&, TDBParameters&) {}
    static void ReadLine(const TDataSet&, RMovedl&) {}
};

// Transfer documents in move / movedl, codes "DB", audit right 28.
class TMoveBill2 : public TBill2<TMoveTraits> {};
