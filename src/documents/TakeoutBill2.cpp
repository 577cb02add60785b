#include "documents/TakeoutBill2.h"

using BillStore::Text;
using BillStore::Var;

const TBillKind& TTakeoutTraits::Kind() {
    static const TBillKind kind{
        QStringLiteral("takeout"),
        QStringLiteral("takeoutdl"),
        QStringLiteral("CK"),
        27,
        QStringLiteral("select p.*, h.Name as HouseName, d.Name as DeptName, s.Name as SignName, "
                       "t.Name as TypeName, u.Name as ClientName, e.Name as HandmanName from "
                       "((((((takeout p left join warehouse h on p.HouseId=h.Id) left join "
                       "department d on p.DeptId=d.Id) left join takeoutsign s on p.SignId=s.Id) "
                       "left join takeoutype t on p.TypeId=t.Id) left join client u on "
                       "p.ClientId=u.Id) left join employee e on p.HandmanId=e.Id) where "
                       "p.Id=:Id"),
        QStringLiteral("insert into takeout(Code,UserCode,BizDate,HouseId,SignId,TypeId,ClientId, "
                       "DeptId,HandmanId, BatchNo, Fund, Billman, BillTime, [Note], "
                       "Id)values(:Code,:UserCode,:BizDate,:HouseId,:SignId,:TypeId,:ClientId, "
                       ":DeptId,:HandmanId, :BatchNo, :Fund, :Billman, :BillTime, :Note, :Id)"),
        QStringLiteral("update takeout set "
                       "UserCode=:UserCode,BizDate=:BizDate,HouseId=:HouseId,SignId=:SignId,"
                       "TypeId=:TypeId,ClientId=:ClientId, DeptId=:DeptId, "
                       "HandmanId=:HandmanId,BatchNo=:BatchNo, Fund=:Fund, [Note]=:Note where "
                       "Id=:Id and Billman=:Billman and CheckTime is null"),
        QStringLiteral("insert into takeoutdl(MastId, WareId, Qty, Price, Fund, dlNote, "
                       "dlId)values(:MastId,:WareId,:Qty,:Price,:Fund,:dlNote,:dlId)"),
        QStringLiteral("update takeoutdl set MastId=:MastId, WareId=:WareId, Qty=:Qty, "
                       "Price=:Price, Fund=:Fund, dlNote=:dlNote where dlId=:dlId and "
                       "MastId=:MastId")};
    return kind;
}

void TTakeoutTraits::HeaderParams(const RTakeout& r, TDBParameters& p) {
    p << DBParam(QStringLiteral("HouseId"), r.HouseId)
      << DBParam(QStringLiteral("SignId"), r.SignId) << DBParam(QStringLiteral("TypeId"), r.TypeId)
      << DBParam(QStringLiteral("ClientId"), r.ClientId)
      << DBParam(QStringLiteral("DeptId"), r.DeptId)
      << DBParam(QStringLiteral("BatchNo"), r.BatchNo);
}

void TTakeoutTraits::ReadHeader(const TDataSet& set, RTakeout& r) {
    r.HouseId = Var(set, "HouseId");
    r.DeptId = Var(set, "DeptId");
    r.TypeId = Var(set, "TypeId");
    r.ClientId = Var(set, "ClientId");
    r.SignId = Var(set, "SignId");
    r.HouseName = Text(set, "HouseName");
    r.DeptName = Text(set, "DeptName");
    r.TypeName = Text(set, "TypeName");
    r.ClientName = Text(set, "ClientName");
    r.SignName = Text(set, "SignName");
    r.BatchNo = Text(set, "BatchNo");
}

void TTakeoutBill2::FromPutin(const RPutin& putin, RTakeout& takeout, TDatabase& db) {
    const QDateTime now = db.ServerNow();
    RTakeout t;
    t.BizDate = now.date();
    t.HouseId = putin.HouseId;
    t.HouseName = putin.HouseName;
    t.DeptId = putin.DeptId;
    t.DeptName = putin.DeptName;
    t.TypeId = putin.TypeId;
    t.TypeName = putin.TypeName;
    t.HandmanId = putin.HandmanId;
    t.HandmanName = putin.HandmanName;
    t.SignId = putin.SignId;
    t.SignName = putin.SignName;
    t.BatchNo = putin.BatchNo;
    t.Fund = putin.Fund;
    t.ClientId = 0;
    t.Billman = AppOperator().LoginId;
    t.BillTime = now;
    for (RTakeoutdl l : putin.Lines) {
        l.dlId = 0;
        l.MastId = 0;
        t.Lines << l;
    }
    takeout = t;
}
