#include "documents/MoveSet.h"

#include "data/WhereText.h"
#include "documents/DocumentColumns.h"

namespace {

// The line list's and summary's condition; the document list's is built in TMoveSet.
TWhereText LineConditions(const TDialect& dialect, const RMoveWhere& w) {
    TWhereText where(dialect);
    if (!w.BeginDate.isNull())
        where.AddDateFrom(QStringLiteral("BizDate"), w.BeginDate.toDate());
    if (!w.EndDate.isNull())
        where.AddDateTo(QStringLiteral("BizDate"), w.EndDate.toDate());
    where.AddContains(QStringLiteral("m.Code"), w.Code);
    where.AddContains(QStringLiteral("UserCode"), w.UserCode);
    where.AddContains(QStringLiteral("m.[Note]"), w.Note);
    where.AddContains(QStringLiteral("[dlNote]"), w.dlNote);
    if (w.InHouse.Id > 0)
        where.AddEquals(QStringLiteral("InId"), w.InHouse.Id);
    if (w.OutHouse.Id > 0)
        where.AddEquals(QStringLiteral("OutId"), w.OutHouse.Id);
    if (w.Handman.Id > 0)
        where.AddEquals(QStringLiteral("HandmanId"), w.Handman.Id);
    where.AddContains(QStringLiteral("w.LookId"), w.WareLookId);
    where.AddContains(QStringLiteral("w.Code"), w.WareCode);
    where.AddContains(QStringLiteral("w.Name"), w.WareName);
    where.AddContains(QStringLiteral("w.PartNo"), w.WarePartNo);
    return where;
}

template <class Set>
void AddMoveHeaderColumns(Set& set, const QString& dateCaption) {
    DocumentColumns::AddBillHeadColumns(set, dateCaption);
    DocumentColumns::AddIdName(set, QStringLiteral("In"), 30, QStringLiteral("调入仓库"));
    DocumentColumns::AddIdName(set, QStringLiteral("Out"), 30, QStringLiteral("调出仓库"));
    DocumentColumns::AddIdName(set, QStringLiteral("Handman"), 50, QStringLiteral("经手人"));
}

}  // namespace

TMoveWhere::TMoveWhere(QObject* parent) : TCustomWhere(parent) {
    const TCaptions& c = AppCaptions();
    auto text = [this](const char* name, int size, const QString& caption) {
        return AddFieldDef(TFieldKind::Text, QLatin1String(name), size, true, caption);
    };
    auto id = [this](const char* name) {
        return AddField(TFieldKind::Integer, QLatin1String(name), false);
    };
    id("TopRecord");
    id("BillId");
    AddField(TFieldKind::DateTime, QStringLiteral("BeginDate"), true, QStringLiteral("起始日期"));
    AddField(TFieldKind::DateTime, QStringLiteral("EndDate"), true, QStringLiteral("截止日期"));
    text("Code", 30, QStringLiteral("编号"));
    text("UserCode", 30, QStringLiteral("单号"));
    text("WareCode", 50, QStringLiteral("货号"));
    text("WareLookId", 20, QStringLiteral("货品助查码"));
    text("WareName", 50, c.WareName);
    text("WarePartNo", 200, c.WarePartNo);
    id("InHouseId");
    text("InHouseName", 50, QStringLiteral("调入仓库"));
    id("OutHouseId");
    text("OutHouseName", 50, QStringLiteral("调出仓库"));
    id("HandmanId");
    text("HandmanName", 50, QStringLiteral("经手人"));
    text("Note", 50, QStringLiteral("主表备注"));
    text("dlNote", 50, QStringLiteral("细表备注"));
    Reset();
}

void TMoveWhere::Assign(const RMoveWhere& w) {
    Reset();
    const QList<QPair<const char*, QVariant>> values{{"TopRecord", w.TopRecord},
                                                     {"BillId", w.BillId},
                                                     {"BeginDate", w.BeginDate},
                                                     {"EndDate", w.EndDate},
                                                     {"Code", w.Code},
                                                     {"UserCode", w.UserCode},
                                                     {"WareCode", w.WareCode},
                                                     {"WareLookId", w.WareLookId},
                                                     {"WareName", w.WareName},
                                                     {"WarePartNo", w.WarePartNo},
                                                     {"InHouseId", w.InHouse.Id},
                                                     {"InHouseName", w.InHouse.Name},
                                                     {"OutHouseId", w.OutHouse.Id},
                                                     {"OutHouseName", w.OutHouse.Name},
                                                     {"HandmanId", w.Handman.Id},
                                                     {"HandmanName", w.Handman.Name},
                                                     {"Note", w.Note},
                                                     {"dlNote", w.dlNote}};
    for (const auto& [name, value] : values)
        FieldByName(QLatin1String(name))->SetValue(value);
    Post();
}

TMoveSet::TMoveSet(TDatabase* database, QObject* parent)
    : TQuerySet(database, parent), Where(new TMoveWhere(this)) {
    AddMoveHeaderColumns(*this, QStringLiteral("业务日期"));
    AddField(TFieldKind::Float, QStringLiteral("Fund"), -1, true, QStringLiteral("金额"));
    DocumentColumns::AddFundInWords(*this);
    DocumentColumns::AddBillTrailColumns(*this);
}

int TMoveSet::Search(const RMoveWhere& w) {
    Where->Assign(w);
    const TDialect& dialect = Database()->Dialect();
    TWhereText where(dialect);
    if (w.BillId > 0)
        where.AddEquals(QStringLiteral("m.Id"), w.BillId);
    where.AddContains(QStringLiteral("m.Code"), w.Code);
    if (w.InHouse.Id > 0)
        where.AddEquals(QStringLiteral("InId"), w.InHouse.Id);
    if (w.OutHouse.Id > 0)
        where.AddEquals(QStringLiteral("OutId"), w.OutHouse.Id);
    if (w.Handman.Id > 0)
        where.AddEquals(QStringLiteral("HandmanId"), w.Handman.Id);
    if (!w.BeginDate.isNull())
        where.AddDateFrom(QStringLiteral("BizDate"), w.BeginDate.toDate());
    if (!w.EndDate.isNull())
        where.AddDateTo(QStringLiteral("BizDate"), w.EndDate.toDate());
    TWhereText wares(dialect);
    wares.AddContains(QStringLiteral("LookId"), w.WareLookId);
    wares.AddContains(QStringLiteral("Code"), w.WareCode);
    wares.AddContains(QStringLiteral("Name"), w.WareName);
    wares.AddContains(QStringLiteral("PartNo"), w.WarePartNo);
    DocumentColumns::AddLineSubSelects(where, QStringLiteral("m.Id"), QStringLiteral("movedl"),
                                       wares);
    return OpenSql(QStringLiteral("select m.*, i.Name as InName, o.Name as OutName, e.Name as "
                                  "HandmanName  from (((move m left join warehouse i on "
                                  "m.InId=i.Id)  left join warehouse o on m.OutId=o.Id)  left "
                                  "join employee e on m.HandmanId=e.Id)  %1  order by m.Id desc")
                       .arg(where.WherePart()) +
                   DocumentColumns::RowCap(dialect, w.TopRecord));
}

int TMoveSet::OpenById(qint64 id) {
    RMoveWhere w;
    w.BillId = int(id);
    return Search(w);
}

TMoveWareQrySet::TMoveWareQrySet(TDatabase* database, QObject* parent)
    : TQuerySet(database, parent), Where(new TMoveWhere(this)) {
    AddField(TFieldKind::Integer, QStringLiteral("KindId"), -1, false, QStringLiteral("KindId"));
    AddMoveHeaderColumns(*this, QStringLiteral("日期"));
    DocumentColumns::AddBillTrailColumns(*this);
    DocumentColumns::AddWareColumns(*this);
    AddField(TFieldKind::Float, QStringLiteral("Qty"), -1, true, QStringLiteral("数量"));
    AddField(TFieldKind::Float, QStringLiteral("Price"), -1, true, QStringLiteral("单价"));
    AddField(TFieldKind::Float, QStringLiteral("dFund"), -1, true, QStringLiteral("金额"));
    AddField(TFieldKind::Text, QStringLiteral("dlNote"), 50, true, QStringLiteral("明细备注"));
}

int TMoveWareQrySet::Search(const RMoveWhere& w) {
    Where->Assign(w);
    return OpenSql(
        QStringLiteral(
            "select m.*, d.*, d.Fund as dFund, %1 as KindId, h1.Name as OutName, h2.Name as "
            "InName, e.Name as HandmanName, w.Code as WareCode, w.Name as WareName, w.PartNo as "
            "WarePartNo, w.Brand as WareBrand, w.Package as WarePackage, w.Unit as WareUnit, "
            "w.Location as WareLocation  from (((((movedl d left join move m on d.MastId=m.Id)  "
            "left join warehouse h1 on m.OutId=h1.Id)  left join warehouse h2 on m.InId=h2.Id)  "
            "left join employee e on m.HandmanId=e.Id)  left join ware w on d.WareId=w.Id)  %2  "
            "order by m.Id, d.dlId")
            .arg(2)
            .arg(LineConditions(Database()->Dialect(), w).WherePart()) +
        Database()->Dialect().Limit(500));
}

TMoveWareSumSet::TMoveWareSumSet(TDatabase* database, QObject* parent)
    : TQuerySet(database, parent), Where(new TMoveWhere(this)) {
    DocumentColumns::AddSummaryColumns(*this, WareIdFld, QtyFld, FundFld, CntFld);
}

int TMoveWareSumSet::Search(const RMoveWhere& w) {
    Where->Assign(w);
    const TWhereText where = LineConditions(Database()->Dialect(), w);
    return OpenSql(
        QStringLiteral(
            "select WareId, w.Code as WareCode, w.Name as WareName, w.PartNo as WarePartNo, "
            "w.Brand as WareBrand, w.Package as WarePackage, w.Unit as WareUnit, w.Location as "
            "WareLocation, sum(d.Qty) as tQty, sum(d.Fund) as tFund, Count(*) as tCnt from move "
            "m, movedl d, ware w where m.Id=d.MastId and d.WareId=w.Id  %1  group by WareId, "
            "w.Code, w.Name, w.PartNo, w.Brand, w.Package, w.Unit, w.Location  order by w.Code, "
            "w.Name, w.PartNo, w.Brand")
            .arg(where.IsEmpty() ? QString() : QStringLiteral(" and ") + where.Text()));
}
