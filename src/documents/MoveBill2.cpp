#include "documents/MoveBill2.h"

using BillStore::Text;
using BillStore::Var;

const TBillKind& TMoveTraits::Kind() {
    static const TBillKind kind{
        QStringLiteral("move"),
        QStringLiteral("movedl"),
        QStringLiteral("DB"),
        28,
        QStringLiteral("select p.*, h1.Name as InName, h2.Name as OutName, e.Name as HandmanName "
                       "from (((move p left join warehouse h1 on p.InId=h1.Id) left join "
                       "warehouse h2 on p.OutId=h2.Id) left join employee e on p.HandmanId=e.Id) "
                       "where p.Id=:Id"),
        QStringLiteral("insert into move(Code,UserCode,BizDate,InId,OutId,HandmanId, Fund, "
                       "Billman, BillTime, [Note], "
                       "Id)values(:Code,:UserCode,:BizDate,:InId,:OutId,:HandmanId, :Fund, "
                       ":Billman, :BillTime, :Note, :Id)"),
        QStringLiteral("update move set "
                       "UserCode=:UserCode,BizDate=:BizDate,InId=:InId,OutId=:OutId,HandmanId=:"
                       "HandmanId,Fund=:Fund, [Note]=:Note where Id=:Id and Billman=:Billman and "
                       "CheckTime is null"),
        QStringLiteral("insert into movedl(MastId, WareId, Qty, Price, Fund, dlNote, "
                       "dlId)values(:MastId,:WareId,:Qty,:Price,:Fund,:dlNote,:dlId)"),
        QStringLiteral("update movedl set MastId=:MastId, WareId=:WareId, Qty=:Qty, "
                       "Price=:Price, Fund=:Fund, dlNote=:dlNote where dlId=:dlId and "
                       "MastId=:MastId")};
    return kind;
}

void TMoveTraits::HeaderParams(const RMove& r, TDBParameters& p) {
    p << DBParam(QStringLiteral("InId"), r.InId) << DBParam(QStringLiteral("OutId"), r.OutId);
}

void TMoveTraits::ReadHeader(const TDataSet& set, RMove& r) {
    r.InId = Var(set, "InId");
    r.OutId = Var(set, "OutId");
    r.InName = Text(set, "InName");
    r.OutName = Text(set, "OutName");
}
