#pragma once

#include "documents/PutinBill2.h"

using RTakeoutdl = RPutindl;
using RTakeoutdls = QList<RTakeoutdl>;

// A stock-out document: the fields of a stock-in document with the receiving client in the
// place of the supplier.
struct RTakeout {
    qint64 Id = 0;
    QString Code;
    QString UserCode;
    QVariant BizDate;
    QVariant HouseId;
    QVariant DeptId;
    QVariant TypeId;
    QVariant ClientId;
    QVariant HandmanId;
    QVariant SignId;
    QString HouseName;
    QString DeptName;
    QString TypeName;
    QString ClientName;
    QString HandmanName;
    QString SignName;
    QString BatchNo;
    QVariant Fund;
    QVariant BillTime;
    QVariant CheckTime;
    QString Billman;
    QString Checkman;
    QString Note;
    RTakeoutdls Lines;
};

struct TTakeoutTraits {
    using Record = RTakeout;
    using Line = RTakeoutdl;
    static const TBillKind& Kind();
    static void HeaderParams(const RTakeout& r, TDBParameters& p);
    static void ReadHeader(const TDataSet& set, RTakeout& r);
    static void LineParams(const RTakeoutdl&, TDBParameters&) {}
    static void ReadLine(const TDataSet&, RTakeoutdl&) {}
};

// Stock-out documents in takeout / takeoutdl, codes "CK", audit right 27.
class TTakeoutBill2 : public TBill2<TTakeoutTraits> {
public:
    // An unsaved stock-out of the stock-in document's warehouse, department, type, handler,
    // direction, batch, total and lines, dated today by the server, with no client.
    static void FromPutin(const RPutin& putin, RTakeout& takeout, TDatabase& db = AppDatabase());
};
