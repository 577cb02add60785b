#include "documents/TakeoutSet.h"

#include "documents/DocumentColumns.h"

namespace {

TWhereText Conditions(const TDbSet& set, const RTakeoutWhere& w, TBillListForm form,
                      const QString& header) {
    return StockBillConditions(set.Database()->Dialect(), w, QStringLiteral("ClientId"),
                               w.Client.Id, w.TakeoutType.Id, form, header,
                               QStringLiteral("takeoutdl"));
}

}  // namespace

RTakeoutWhere BlankTakeoutWhere() {
    return RTakeoutWhere();
}

TTakeoutWhere::TTakeoutWhere(QObject* parent)
    : TStockBillWhere(QStringLiteral("Client"), AppCaptions().ClientWord,
                      QStringLiteral("起始日期"), QStringLiteral("货品助查码"), parent),
      ClientIdFld(PartnerIdFld),
      ClientNameFld(PartnerNameFld) {}

void TTakeoutWhere::Assign(const RTakeoutWhere& where) {
    AssignFrom(where, where.Client, where.TakeoutType);
}

TTakeoutSet::TTakeoutSet(TDatabase* database, QObject* parent)
    : TQuerySet(database, parent), Where(new TTakeoutWhere(this)) {
    const TCaptions& c = AppCaptions();
    DocumentColumns::AddBillHeadColumns(*this, QStringLiteral("业务日期"));
    DocumentColumns::AddIdName(*this, QStringLiteral("House"), 50, QStringLiteral("仓库"));
    DocumentColumns::AddIdName(*this, QStringLiteral("Handman"), 50, QStringLiteral("经手人"));
    DocumentColumns::AddIdName(*this, QStringLiteral("Dept"), 50, QStringLiteral("部门"));
    DocumentColumns::AddIdName(*this, QStringLiteral("Sign"), 30, QStringLiteral("方向"));
    DocumentColumns::AddIdName(*this, QStringLiteral("Type"), 50, QStringLiteral("类型"));
    DocumentColumns::AddIdName(*this, QStringLiteral("Client"), 50, c.ClientName);
    AddField(TFieldKind::Text, QStringLiteral("ClientLinkman"), 50, true, c.ClientLinkman);
    AddField(TFieldKind::Text, QStringLiteral("ClientTel"), 50, true, c.ClientTel);
    AddField(TFieldKind::Text, QStringLiteral("ClientFax"), 50, true, c.ClientFax);
    AddField(TFieldKind::Text, QStringLiteral("ClientAddr"), 100, true, c.ClientAddr);
    AddField(TFieldKind::Text, QStringLiteral("BatchNo"), 30, true, c.BatchNo);
    AddField(TFieldKind::Float, QStringLiteral("Fund"), -1, true, QStringLiteral("金额"));
    DocumentColumns::AddFundInWords(*this);
    DocumentColumns::AddBillTrailColumns(*this);
}

int TTakeoutSet::Search(const RTakeoutWhere& where) {
    Where->Assign(where);
    const TWhereText w = Conditions(*this, where, TBillListForm::Documents, QStringLiteral("p"));
    return OpenSql(
        QStringLiteral(
            "select p.*, h.Name as HouseName, d.Name as DeptName, s.Name as SignName, t.Name as "
            "TypeName, u.Name as ClientName, u.Linkman as ClientLinkman, u.Tel as ClientTel, "
            "u.Fax as ClientFax, u.Addr as ClientAddr, e.Name as HandmanName from ((((((takeout "
            "p left join warehouse h on p.HouseId=h.Id) left join department d on "
            "p.DeptId=d.Id) left join takeoutsign s on p.SignId=s.Id) left join takeoutype t on "
            "p.TypeId=t.Id) left join client u on p.ClientId=u.Id) left join employee e on "
            "p.HandmanId=e.Id) %1  order by p.Id desc")
            .arg(w.WherePart()) +
        DocumentColumns::RowCap(Database()->Dialect(), where.TopRecord));
}

int TTakeoutSet::OpenById(qint64 id) {
    RTakeoutWhere w = BlankTakeoutWhere();
    w.BillId = id;
    return Search(w);
}

TTakeoutWareSet::TTakeoutWareSet(TDatabase* database, QObject* parent)
    : TQuerySet(database, parent), Where(new TTakeoutWhere(this)) {
    DocumentColumns::AddStockLineColumns(*this, QStringLiteral("Client"), QStringLiteral("收货方"),
                                         30, 50, QStringLiteral("类型"));
}

int TTakeoutWareSet::Search(const RTakeoutWhere& where) {
    Where->Assign(where);
    const TWhereText w = Conditions(*this, where, TBillListForm::Lines, QStringLiteral("m"));
    return OpenSql(
        QStringLiteral(
            "select m.*,d.*,%1 as KindId,SignId*Qty as sQty,SignId*d.Fund as sFund, w.Code as "
            "WareCode, w.Name as WareName, w.PartNo as WarePartNo, w.Brand as WareBrand, "
            "w.Package as WarePackage, w.Unit as WareUnit, w.Location as WareLocation, h.Name "
            "as HouseName, c.Name as ClientName, t.Name as TypeName, s.Name as SignName, e.Name "
            "as HandmanName, a.Name as DeptName  from ((((((((takeoutdl d left join takeout m "
            "on d.MastId=m.Id)  left join ware w on d.WareId=w.Id)  left join warehouse h on "
            "m.HouseId=h.Id)  left join client c on m.ClientId=c.Id)  left join takeoutype t on "
            "m.TypeId=t.Id)  left join takeoutsign s on m.SignId=s.Id)  left join employee e on "
            "m.HandmanId=e.Id)  left join department a on m.DeptId=a.Id)  %2  order by BizDate")
            .arg(1)
            .arg(w.WherePart()) +
        Database()->Dialect().Limit(500));
}

TTakeoutWareSumSet::TTakeoutWareSumSet(TDatabase* database, QObject* parent)
    : TQuerySet(database, parent), Where(new TTakeoutWhere(this)) {
    DocumentColumns::AddSummaryColumns(*this, WareIdFld, QtyFld, FundFld, CntFld);
}

int TTakeoutWareSumSet::Search(const RTakeoutWhere& where) {
    Where->Assign(where);
    return OpenSql(DocumentColumns::SignedSummarySql(
        QStringLiteral("takeout"), QStringLiteral("takeoutdl"),
        Conditions(*this, where, TBillListForm::Summary, QStringLiteral("takeout"))));
}
