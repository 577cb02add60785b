#include "documents/RegulateSet.h"

#include "data/WhereText.h"
#include "documents/DocumentColumns.h"

TRegulateWhere::TRegulateWhere(QObject* parent) : TCustomWhere(parent) {
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
    text("UserCode", 30, QStringLiteral("单号"));
    text("WareCode", 50, QStringLiteral("货号"));
    text("WareLookId", 20, QStringLiteral("货品助查码"));
    text("WareName", 50, c.WareName);
    text("WarePartNo", 200, c.WarePartNo);
    id("HouseId");
    text("HouseName", 50, QStringLiteral("仓库"));
    id("HandmanId");
    text("HandmanName", 50, QStringLiteral("经手人"));
    Reset();
}

void TRegulateWhere::Assign(const RRegulateWhere& w) {
    Reset();
    const QList<QPair<const char*, QVariant>> values{
        {"TopRecord", w.TopRecord},     {"BillId", w.BillId},        {"BeginDate", w.BeginDate},
        {"EndDate", w.EndDate},         {"UserCode", w.UserCode},    {"WareCode", w.WareCode},
        {"WareLookId", w.WareLookId},   {"WareName", w.WareName},    {"WarePartNo", w.WarePartNo},
        {"HouseId", w.House.Id},        {"HouseName", w.House.Name}, {"HandmanId", w.Handman.Id},
        {"HandmanName", w.Handman.Name}};
    for (const auto& [name, value] : values)
        FieldByName(QLatin1String(name))->SetValue(value);
    Post();
}

TRegulateSet::TRegulateSet(TDatabase* database, QObject* parent)
    : TQuerySet(database, parent), Where(new TRegulateWhere(this)) {
    DocumentColumns::AddBillHeadColumns(*this, QStringLiteral("业务日期"));
    DocumentColumns::AddIdName(*this, QStringLiteral("House"), 50, QStringLiteral("仓库"));
    DocumentColumns::AddIdName(*this, QStringLiteral("Handman"), 50, QStringLiteral("经手人"));
    AddField(TFieldKind::Float, QStringLiteral("Fund"), -1, true, QStringLiteral("金额"));
    DocumentColumns::AddBillTrailColumns(*this);
}

int TRegulateSet::Search(const RRegulateWhere& w) {
    Where->Assign(w);
    const TDialect& dialect = Database()->Dialect();
    TWhereText where(dialect);
    if (!w.BillId.isNull())
        where.AddEquals(QStringLiteral("m.Id"), w.BillId.toLongLong());
    where.AddContains(QStringLiteral("UserCode"), w.UserCode);
    if (w.House.Id > 0)
        where.AddEquals(QStringLiteral("HouseId"), w.House.Id);
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
    DocumentColumns::AddLineSubSelects(where, QStringLiteral("m.Id"), QStringLiteral("regulatedl"),
                                       wares);
    return OpenSql(QStringLiteral("select m.*, h.Name as HouseName, e.Name as HandmanName  from "
                                  "((regulate m left join warehouse h on m.HouseId=h.Id) left "
                                  "join employee e on m.HandmanId=e.Id) %1")
                       .arg(where.WherePart()) +
                   DocumentColumns::RowCap(dialect, w.TopRecord));
}

int TRegulateSet::OpenById(qint64 id) {
    RRegulateWhere w;
    w.BillId = id;
    return Search(w);
}
