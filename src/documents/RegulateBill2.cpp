#include "documents/RegulateBill2.h"

using BillStore::Text;
using BillStore::Var;

const TBillKind& TRegulateTraits::Kind() {
    static const TBillKind kind{
        QStringLiteral("regulate"),
        QStringLiteral("regulatedl"),
        QStringLiteral("PD"),
        29,
        QStringLiteral("select p.*, h1.Name as HouseName, e.Name as HandmanName from ((regulate "
                       "p left join warehouse h1 on p.HouseId=h1.Id) left join employee e on "
                       "p.HandmanId=e.Id) where p.Id=:Id"),
        QStringLiteral("insert into regulate(Code,UserCode,BizDate,HouseId,HandmanId, Fund, "
                       "Billman, BillTime, [Note], "
                       "Id)values(:Code,:UserCode,:BizDate,:HouseId,:HandmanId, :Fund, "
                       ":Billman, :BillTime, :Note, :Id)"),
        QStringLiteral("update regulate set "
                       "UserCode=:UserCode,BizDate=:BizDate,HouseId=:HouseId,HandmanId=:"
                       "HandmanId,Fund=:Fund, [Note]=:Note where Id=:Id and Billman=:Billman and "
                       "CheckTime is null"),
        QStringLiteral("insert into regulatedl(MastId, WareId, BookQty, ReguQty, Qty, Price, "
                       "Fund, dlNote, "
                       "dlId)values(:MastId,:WareId,:BookQty,:ReguQty, "
                       ":Qty,:Price,:Fund,:dlNote,:dlId)"),
        QStringLiteral("update regulatedl set MastId=:MastId, WareId=:WareId, BookQty=:BookQty, "
                       "ReguQty=:ReguQty, Qty=:Qty, Price=:Price, Fund=:Fund, dlNote=:dlNote "
                       "where dlId=:dlId and MastId=:MastId")};
    return kind;
}

void TRegulateTraits::HeaderParams(const RRegulate& r, TDBParameters& p) {
    p << DBParam(QStringLiteral("HouseId"), r.HouseId);
}

void TRegulateTraits::ReadHeader(const TDataSet& set, RRegulate& r) {
    r.HouseId = Var(set, "HouseId");
    r.HouseName = Text(set, "HouseName");
}

void TRegulateTraits::LineParams(const RRegulatedl& l, TDBParameters& p) {
    p << DBParam(QStringLiteral("BookQty"), l.BookQty)
      << DBParam(QStringLiteral("ReguQty"), l.ReguQty);
}

void TRegulateTraits::ReadLine(const TDataSet& set, RRegulatedl& l) {
    l.BookQty = Var(set, "BookQty");
    l.ReguQty = Var(set, "ReguQty");
}
