#include "documents/PutinBill2.h"

using BillStore::Text;
using BillStore::Var;

const TBillKind& TPutinTraits::Kind() {
    static const TBillKind kind{
        QStringLiteral("putin"),
        QStringLiteral("putindl"),
        QStringLiteral("NK"),
        26,
        QStringLiteral("select p.*, h.Name as HouseName, d.Name as DeptName, s.Name as SignName, "
                       "t.Name as TypeName, u.Name as SupplierName, e.Name as HandmanName from "
                       "((((((putin p left join warehouse h on p.HouseId=h.Id) left join "
                       "department d on p.DeptId=d.Id) left join putinsign s on p.SignId=s.Id) "
                       "left join putintype t on p.TypeId=t.Id) left join supplier u on "
                       "p.SupplierId=u.Id) left join employee e on p.HandmanId=e.Id) where "
                       "p.Id=:Id"),
        QStringLiteral("insert into putin(Code,UserCode,BizDate,HouseId,SignId,TypeId,SupplierId, "
                       "DeptId,HandmanId, BatchNo, Fund, Billman, BillTime, [Note], "
                       "Id)values(:Code,:UserCode,:BizDate,:HouseId,:SignId,:TypeId,:SupplierId, "
                       ":DeptId,:HandmanId, :BatchNo, :Fund, :Billman, :BillTime, :Note, :Id)"),
        QStringLiteral("update putin set "
                       "UserCode=:UserCode,BizDate=:BizDate,HouseId=:HouseId,SignId=:SignId,"
                       "TypeId=:TypeId,SupplierId=:SupplierId, DeptId=:DeptId, "
                       "HandmanId=:HandmanId,BatchNo=:BatchNo, Fund=:Fund, [Note]=:Note where "
                       "Id=:Id and Billman=:Billman and CheckTime is null"),
        QStringLiteral("insert into putindl(MastId, WareId, Qty, Price, Fund, dlNote, "
                       "dlId)values(:MastId,:WareId,:Qty,:Price,:Fund,:dlNote,:dlId)"),
        QStringLiteral("update putindl set MastId=:MastId, WareId=:WareId, Qty=:Qty, "
                       "Price=:Price, Fund=:Fund, dlNote=:dlNote where dlId=:dlId and "
                       "MastId=:MastId")};
    return kind;
}

void TPutinTraits::HeaderParams(const RPutin& r, TDBParameters& p) {
    p << DBParam(QStringLiteral("HouseId"), r.HouseId)
      << DBParam(QStringLiteral("SignId"), r.SignId) << DBParam(QStringLiteral("TypeId"), r.TypeId)
      << DBParam(QStringLiteral("SupplierId"), r.SupplierId)
      << DBParam(QStringLiteral("DeptId"), r.DeptId)
      << DBParam(QStringLiteral("BatchNo"), r.BatchNo);
}

void TPutinTraits::ReadHeader(const TDataSet& set, RPutin& r) {
    r.HouseId = Var(set, "HouseId");
    r.DeptId = Var(set, "DeptId");
    r.TypeId = Var(set, "TypeId");
    r.SupplierId = Var(set, "SupplierId");
    r.SignId = Var(set, "SignId");
    r.HouseName = Text(set, "HouseName");
    r.DeptName = Text(set, "DeptName");
    r.TypeName = Text(set, "TypeName");
    r.SupplierName = Text(set, "SupplierName");
    r.SignName = Text(set, "SignName");
    r.BatchNo = Text(set, "BatchNo");
}
