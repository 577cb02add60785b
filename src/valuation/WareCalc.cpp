#include "valuation/WareCalc.h"

#include "data/NumberFormats.h"

namespace {

const char* const HouseWareSql =
    "select %h as HouseId, %w as WareId, sum(SignId*Qty) as Qty, sum(SignId*d.Fund) as Fund "
    "from putin m, putindl d where m.Id=d.MastId and WareId=%w and HouseId=%h and BizDate<=%s "
    " union all select %h, %w, -1*sum(SignId*Qty), -1*sum(SignId*d.Fund) from takeout m, "
    "takeoutdl d where m.Id=d.MastId and WareId=%w and HouseId=%h and BizDate<=%s "
    " union all select %h, %w, sum(Qty), sum(d.Fund) from move m, movedl d where "
    "m.Id=d.MastId and WareId=%w and InId=%h and BizDate<=%s "
    " union all select %h, %w, -1*sum(Qty), -1*sum(d.Fund) from move m, movedl d where "
    "m.Id=d.MastId and WareId=%w and OutId=%h and BizDate<=%s "
    " union all select %h, %w, sum(Qty), sum(d.Fund) from regulate m, regulatedl d where "
    "m.Id=d.MastId and WareId=%w and HouseId=%h and BizDate<=%s "
    " union all select %h, %w, sum(Qty), sum(Fund) from carry m, carrydl d where "
    "m.Id=d.MastId and WareId=%w and HouseId=%h ";

const char* const WareSql =
    "select HouseId, %w as WareId, sum(SignId*Qty) as Qty, sum(SignId*d.Fund) as Fund "
    "from putin m, putindl d where m.Id=d.MastId and WareId=%w and BizDate<=%s group by HouseId"
    " union all select HouseId, %w, -1*sum(SignId*Qty), -1*sum(SignId*d.Fund) from takeout m, "
    "takeoutdl d where m.Id=d.MastId and WareId=%w and BizDate<=%s group by HouseId"
    " union all select InId, %w, sum(Qty), sum(d.Fund) from move m, movedl d where "
    "m.Id=d.MastId and WareId=%w and BizDate<=%s group by InId"
    " union all select OutId, %w, -1*sum(Qty), -1*sum(d.Fund) from move m, movedl d where "
    "m.Id=d.MastId and WareId=%w and BizDate<=%s group by OutId"
    " union all select HouseId, %w, sum(Qty), sum(d.Fund) from regulate m, regulatedl d where "
    "m.Id=d.MastId and WareId=%w and BizDate<=%s group by HouseId"
    " union all select HouseId, %w, sum(Qty), sum(Fund) from carry m, carrydl d where "
    "m.Id=d.MastId and WareId=%w group by HouseId";

// The transfers of one warehouse are read in one pass over the transfer lines (in and out
// together), so the statement scans each line table once. Grouping by +WareId rather than
// WareId keeps SQLite from walking the lines in the order of the WareId index (a random read
// of the whole table); it scans them in storage order and sorts the groups instead.
const char* const HouseSql =
    "select %h as HouseId, +WareId as WareId, sum(SignId*Qty) as Qty, sum(SignId*d.Fund) as Fund "
    "from putin m, putindl d where m.Id=d.MastId and HouseId=%h and BizDate<=%s group by +WareId"
    " union all select %h, +WareId, -1*sum(SignId*Qty), -1*sum(SignId*d.Fund) from takeout m, "
    "takeoutdl d where m.Id=d.MastId and HouseId=%h and BizDate<=%s group by +WareId"
    " union all select %h, +WareId, "
    "sum(case when InId=%h then Qty else 0 end - case when OutId=%h then Qty else 0 end), "
    "sum(case when InId=%h then d.Fund else 0 end - case when OutId=%h then d.Fund else 0 end) "
    "from move m, movedl d where m.Id=d.MastId and (InId=%h or OutId=%h) and BizDate<=%s "
    "group by +WareId"
    " union all select %h, +WareId, sum(Qty), sum(d.Fund) from regulate m, regulatedl d where "
    "m.Id=d.MastId and HouseId=%h and BizDate<=%s group by +WareId"
    " union all select %h, +WareId, sum(Qty), sum(Fund) from carry m, carrydl d where "
    "m.Id=d.MastId and HouseId=%h group by +WareId";

const char* const AllSql =
    "select 0 as HouseId, +WareId as WareId, sum(SignId*Qty) as Qty, sum(SignId*d.Fund) as Fund "
    "from putin m, putindl d where m.Id=d.MastId and BizDate<=%s group by +WareId"
    " union all select 0, +WareId, -1*sum(SignId*Qty), -1*sum(SignId*d.Fund) from takeout m, "
    "takeoutdl d where m.Id=d.MastId and BizDate<=%s group by +WareId"
    " union all select 0, +WareId, sum(Qty), sum(d.Fund) from regulate m, regulatedl d where "
    "m.Id=d.MastId and BizDate<=%s group by +WareId"
    " union all select 0, +WareId, sum(Qty), sum(Fund) from carrydl group by +WareId";

}  // namespace

TWareCalc::TWareCalc(TDatabase* database, QObject* parent) : TQuerySet(database, parent) {
    HouseIdFld = AddField(TFieldKind::Integer, QStringLiteral("HouseId"));
    WareIdFld = AddField(TFieldKind::Integer, QStringLiteral("WareId"));
    QtyFld = AddField(TFieldKind::Float, QStringLiteral("Qty"));
    FundFld = AddField(TFieldKind::Float, QStringLiteral("Fund"));
}

int TWareCalc::OpenStatement(QString sql, int houseId, int wareId, const QDate& upToDate) {
    sql.replace(QLatin1String("%h"), QString::number(houseId));
    sql.replace(QLatin1String("%w"), QString::number(wareId));
    // PostgreSQL groups by hashing either way; the plain column lets it plan as usual.
    if (Database()->Backend() == TBackend::PostgreSQL)
        sql.replace(QLatin1String("+WareId"), QLatin1String("WareId"));
    if (upToDate.isValid())
        sql.replace(QLatin1String("%s"), Database()->DateLiteral(upToDate));
    else
        sql.remove(QLatin1String(" and BizDate<=%s"));
    Close();
    SetFiltered(false);
    SetFilter(QString());
    return OpenSql(sql);
}

int TWareCalc::OpenHouseWare(int houseId, int wareId, const QDate& upToDate) {
    return OpenStatement(QString::fromUtf8(HouseWareSql), houseId, wareId, upToDate);
}

int TWareCalc::OpenWare(int wareId, const QDate& upToDate) {
    return OpenStatement(QString::fromUtf8(WareSql), 0, wareId, upToDate);
}

int TWareCalc::OpenHouse(int houseId, const QDate& upToDate) {
    return OpenStatement(QString::fromUtf8(HouseSql), houseId, 0, upToDate);
}

int TWareCalc::OpenAll(const QDate& upToDate) {
    return OpenStatement(QString::fromUtf8(AllSql), 0, 0, upToDate);
}

TStockSum TWareCalc::SumHouse(int houseId) {
    return SumFiltered(QStringLiteral("HouseId = %1").arg(houseId));
}

TStockSum TWareCalc::SumWare(int wareId) {
    return SumFiltered(QStringLiteral("WareId = %1").arg(wareId));
}

TStockSum TWareCalc::SumFiltered(const QString& filter) {
    TStockSum sum;
    if (!Active())
        return sum;
    SetFilter(filter);
    SetFiltered(true);
    const int n = RecordCount();
    for (int v = 0; v < n; ++v) {
        sum.Qty += QtyFld->FloatAt(v);  // a null sum reads as 0
        sum.Fund += FundFld->FloatAt(v);
    }
    sum.Qty = RoundQty(sum.Qty);
    sum.Fund = RoundFund(sum.Fund);
    if (sum.Qty > 0)
        sum.Price = RoundPrice(sum.Fund / sum.Qty);
    else if (sum.Qty < 0)
        sum.Price = RoundPrice(-(sum.Fund / sum.Qty));
    return sum;
}
