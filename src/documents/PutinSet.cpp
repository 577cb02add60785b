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
    AddField(TFieldKind::Integer, QStringLiteral("Id"), -1, false, QStringLiteral("Id"));
    AddField(TFieldKind::Text, QStringLiteral("Code"), 20, true, QStringLiteral("编号"));
    AddField(TFieldKind::Text, QStringLiteral("UserCode"), 30, true, QStringLiteral("单号"));
    AddField(TFieldKind::DateTime, QStringLiteral("BizDate"), -1, true, QStringLiteral("业务日期"));
    AddField(TFieldKind::Integer, QStringLiteral("SignId"), -1, false);
    AddField(TFieldKind::Text, QStringLiteral("SignName"), 50, true, QStringLiteral("方向"));
    AddField(TFieldKind::Integer, QStringLiteral("TypeId"), -1, false);
    AddField(TFieldKind::Text, QStringLiteral("TypeName"), 50, true, QStringLiteral("类型"));
    AddField(TFieldKind::Integer, QStringLiteral("SupplierId"), -1, false);
    AddField(TFieldKind::Text, QStringLiteral("SupplierName"), 50, true, QStringLiteral("供货商"));
    AddField(TFieldKind::Integer, QStringLiteral("HouseId"), -1, false);
    AddField(TFieldKind::Text, QStringLiteral("HouseName"), 50, true, QStringLiteral("仓库"));
    AddField(TFieldKind::Integer, QStringLiteral("HandmanId"), -1, false);
    AddField(TFieldKind::Text, QStringLiteral("HandmanName"), 50, true, QStringLiteral("经手人"));
    AddField(TFieldKind::Integer, QStringLiteral("DeptId"), -1, false);
    AddField(TFieldKind::Text, QStringLiteral("DeptName"), 50, true, QStringLiteral("部门"));
    AddField(TFieldKind::Text, QStringLiteral("BatchNo"), 30, true, c.BatchNo);
    AddField(TFieldKind::Float, QStringLiteral("Fund"), -1, true, QStringLiteral("金额"));
    DocumentColumns::AddFundInWords(*this);
    AddField(TFieldKind::Text, QStringLiteral("Billman"), 20, true, QStringLiteral("制单人"));
    AddField(TFieldKind::DateTime, QStringLiteral("BillTime"), -1, true,
             QStringLiteral("制单时间"));
    AddField(TFieldKind::Text, QStringLiteral("Checkman"), 20, true, QStringLiteral("审核人"));
    AddField(TFieldKind::DateTime, QStringLiteral("CheckTime"), -1, true,
             QStringLiteral("审核时间"));
    AddField(TFieldKind::Text, QStringLiteral("Note"), 50, true, QStringLiteral("备注"));
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
    const TCaptions& c = AppCaptions();
    AddField(TFieldKind::Integer, QStringLiteral("KindId"), -1, false, QStringLiteral("KindId"));
    AddField(TFieldKind::Integer, QStringLiteral("Id"), -1, false);
    AddField(TFieldKind::Text, QStringLiteral("Code"), 20, true, QStringLiteral("编号"));
    AddField(TFieldKind::Text, QStringLiteral("UserCode"), 30, true, QStringLiteral("单号"));
    AddField(TFieldKind::DateTime, QStringLiteral("BizDate"), -1, true, QStringLiteral("日期"));
    AddField(TFieldKind::Integer, QStringLiteral("HouseId"), -1, false);
    AddField(TFieldKind::Text, QStringLiteral("HouseName"), 50, true, QStringLiteral("仓库"));
    AddField(TFieldKind::Integer, QStringLiteral("HandmanId"), -1, false);
    AddField(TFieldKind::Text, QStringLiteral("HandmanName"), 50, true, QStringLiteral("经手人"));
    AddField(TFieldKind::Integer, QStringLiteral("DeptId"), -1, false);
    AddField(TFieldKind::Text, QStringLiteral("DeptName"), 50, true, QStringLiteral("部门"));
    AddField(TFieldKind::Integer, QStringLiteral("SignId"), -1, false);
    AddField(TFieldKind::Text, QStringLiteral("SignName"), 20, true, QStringLiteral("方向"));
    AddField(TFieldKind::Integer, QStringLiteral("TypeId"), -1, false);
    AddField(TFieldKind::Text, QStringLiteral("TypeName"), 30, true, QStringLiteral("类别"));
    AddField(TFieldKind::Integer, QStringLiteral("SupplierId"), -1, false);
    AddField(TFieldKind::Text, QStringLiteral("SupplierName"), 50, true, QStringLiteral("供货方"));
    AddField(TFieldKind::Text, QStringLiteral("BatchNo"), 30, true, c.BatchNo);
    AddField(TFieldKind::Text, QStringLiteral("Billman"), 20, true, QStringLiteral("制单人"));
    AddField(TFieldKind::DateTime, QStringLiteral("BillTime"), -1, true,
             QStringLiteral("制单时间"));
    AddField(TFieldKind::Text, QStringLiteral("Checkman"), 20, true, QStringLiteral("审核人"));
    AddField(TFieldKind::DateTime, QStringLiteral("CheckTime"), -1, true,
             QStringLiteral("审核时间"));
    AddField(TFieldKind::Text, QStringLiteral("Note"), 50, true, QStringLiteral("备注"));
    DocumentColumns::AddWareColumns(*this);
    AddField(TFieldKind::Float, QStringLiteral("sQty"), -1, true, QStringLiteral("数量"));
    AddField(TFieldKind::Float, QStringLiteral("Price"), -1, true, QStringLiteral("单价"));
    AddField(TFieldKind::Float, QStringLiteral("sFund"), -1, true, QStringLiteral("金额"));
    AddField(TFieldKind::Text, QStringLiteral("dlNote"), 50, true, QStringLiteral("明细备注"));
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
