#include "documents/PutinSet.h"

#include "documents/DocumentColumns.h"

namespace {

TWhereText Conditions(const TDbSet& set, const RPutinWhere& w, TBillListForm form,
                      const QString& header) {
    return StockBillConditions(set.Database()->Dialect(), w, QStringLiteral("SupplierId"),
                               w.Supplier.Id, w.PutinType.Id, form, header,
                               QStringLiteral("putindl"));
}

}  // namespace

RPutinWhere BlankPutinWhere() {
    return RPutinWhere();
}

TPutinWhere::TPutinWhere(QObject* parent)
    : TStockBillWhere(QStringLiteral("Supplier"), QStringLiteral("供货商"),
                      QStringLiteral("开始日期"), QStringLiteral("助查码"), parent),
      SupplierIdFld(PartnerIdFld),
      SupplierNameFld(PartnerNameFld) {}

void TPutinWhere::Assign(const RPutinWhere& where) {
    AssignFrom(where, where.Supplier, where.PutinType);
}

TPutinSet::TPutinSet(TDatabase* database, QObject* parent)
    : TQuerySet(database, parent), Where(new TPutinWhere(this)) {
    const TCaptions& c = AppCaptions();
    DocumentColumns::AddBillHeadColumns(*this, QStringLiteral("业务日期"));
    DocumentColumns::AddIdName(*this, QStringLiteral("Sign"), 50, QStringLiteral("方向"));
    DocumentColumns::AddIdName(*this, QStringLiteral("Type"), 50, QStringLiteral("类型"));
    DocumentColumns::AddIdName(*this, QStringLiteral("Supplier"), 50, QStringLiteral("供货商"));
    DocumentColumns::AddIdName(*this, QStringLiteral("House"), 50, QStringLiteral("仓库"));
    DocumentColumns::AddIdName(*this, QStringLiteral("Handman"), 50, QStringLiteral("经手人"));
    DocumentColumns::AddIdName(*this, QStringLiteral("Dept"), 50, QStringLiteral("部门"));
    AddField(TFieldKind::Text, QStringLiteral("BatchNo"), 30, true, c.BatchNo);
    AddField(TFieldKind::Float, QStringLiteral("Fund"), -1, true, QStringLiteral("金额"));
    DocumentColumns::AddFundInWords(*this);
    DocumentColumns::AddBillTrailColumns(*this);
}

int TPutinSet::Search(const RPutinWhere& where) {
    Where->Assign(where);
    const TWhereText w = Conditions(*this, where, TBillListForm::Documents, QStringLiteral("p"));
    return OpenSql(
        QStringLiteral("select p.*, h.Name as HouseName, d.Name as DeptName, s.Name as "
                       "SignName, t.Name as TypeName, u.Name as SupplierName, e.Name as "
                       "HandmanName from ((((((putin p left join warehouse h on p.HouseId=h.Id) "
                       "left join department d on p.DeptId=d.Id) left join putinsign s on "
                       "p.SignId=s.Id) left join putintype t on p.TypeId=t.Id) left join "
                       "supplier u on p.SupplierId=u.Id) left join employee e on "
                       "p.HandmanId=e.Id) %1  order by p.Id desc")
            .arg(w.WherePart()) +
        DocumentColumns::RowCap(Database()->Dialect(), where.TopRecord));
}

int TPutinSet::OpenById(qint64 id) {
    RPutinWhere w = BlankPutinWhere();
    w.BillId = id;
    return Search(w);
}

TPutinWareSet::TPutinWareSet(TDatabase* database, QObject* parent)
    : TQuerySet(database, parent), Where(new TPutinWhere(this)) {
    DocumentColumns::AddStockLineColumns(*this, QStringLiteral("Supplier"),
                                         QStringLiteral("供货方"), 20, 30, QStringLiteral("类别"));
}

int TPutinWareSet::Search(const RPutinWhere& where) {
    Where->Assign(where);
    const TWhereText w = Conditions(*this, where, TBillListForm::Lines, QStringLiteral("m"));
    return OpenSql(
        QStringLiteral(
            "select m.*, d.*, %1 as KindId,SignId*Qty as sQty,SignId*d.Fund as sFund, w.Code as "
            "WareCode, w.Name as WareName, w.PartNo as WarePartNo, w.Brand as WareBrand, "
            "w.Package as WarePackage, w.Unit as WareUnit, w.Location as WareLocation, s.Name "
            "as SupplierName, i.Name as SignName, t.Name as TypeName, h.Name as HouseName, "
            "e.Name as HandmanName, a.Name as DeptName  from ((((((((putindl d left join putin "
            "m on d.MastId=m.Id)  left join ware w on d.WareId=w.Id)  left join supplier s on "
            "m.SupplierId=s.Id)  left join putinsign i on m.SignId=i.Id)  left join putintype t "
            "on m.TypeId=t.Id)  left join warehouse h on m.HouseId=h.Id)  left join employee e "
            "on m.HandmanId=e.Id)  left join department a on m.DeptId=a.Id)  %2  order by "
            "BizDate")
            .arg(0)
            .arg(w.WherePart()) +
        Database()->Dialect().Limit(500));
}

TPutinWareSumSet::TPutinWareSumSet(TDatabase* database, QObject* parent)
    : TRecordSet(database, parent), Where(new TPutinWhere(this)) {
    DocumentColumns::AddSummaryColumns(*this, WareIdFld, QtyFld, FundFld, CntFld);
}

int TPutinWareSumSet::Search(const RPutinWhere& where) {
    Where->Assign(where);
    return OpenSql(DocumentColumns::SignedSummarySql(
        QStringLiteral("putin"), QStringLiteral("putindl"),
        Conditions(*this, where, TBillListForm::Summary, QStringLiteral("putin"))));
}
