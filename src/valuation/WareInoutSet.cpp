#include "valuation/WareInoutSet.h"

#include <QRegularExpression>
#include <QSqlQuery>
#include <QStringList>

namespace {

// The members of the ledger statement. %W is the ware condition of a member, %D its date
// condition. {...} marks a descriptive column and |...| a join only such columns need: a
// ledger of figures only reads null for the one and leaves out the other.
const char* const TakeoutPart =
    "select {m.Code} as BillCode, {m.UserCode} as UserCode, {dp.Name} as Dept, {t.Name} as "
    "Brief, -1*m.SignId*d.Qty as Qty, d.Price as Price, d.Fund as Fund, d.WareId as WareId, "
    "m.BizDate as BizDate, 1 as BillType, d.MastId as MastId, m.HouseId as HouseId, "
    "0 as IsSale, {d.Cost} as Cost, m.BillTime as BillTime, d.dlId as LineId from takeoutdl d "
    "join takeout m on d.MastId=m.Id |left join takeoutype t on m.TypeId=t.Id left join "
    "department dp on m.DeptId=dp.Id| where 1=1%W%H%D";
const char* const PutinPart =
    "select {m.Code}, {m.UserCode}, {dp.Name}, {t.Name}, m.SignId*d.Qty, d.Price, d.Fund, "
    "d.WareId, m.BizDate, 0, d.MastId, m.HouseId, 0, 0, m.BillTime, d.dlId from putindl d join "
    "putin m on d.MastId=m.Id |left join putintype t on m.TypeId=t.Id left join department dp "
    "on m.DeptId=dp.Id| where 1=1%W%H%D";
const char* const GainPart =
    "select {m.Code}, {m.UserCode}, null, {'盘盈'}, d.Qty, d.Price, d.Fund, d.WareId, m.BizDate, "
    "3, d.MastId, m.HouseId, 0, 0, m.BillTime, d.dlId from regulatedl d join regulate m on "
    "d.MastId=m.Id where d.Qty>0%W%H%D";
const char* const LossPart =
    "select {m.Code}, {m.UserCode}, null, {'盘亏'}, d.Qty, d.Price, -1*d.Fund, d.WareId, "
    "m.BizDate, 3, d.MastId, m.HouseId, 0, 0, m.BillTime, d.dlId from regulatedl d join "
    "regulate m on d.MastId=m.Id where d.Qty<0%W%H%D";
const char* const MoveInPart =
    "select {m.Code}, {m.UserCode}, null, {'调入'}, d.Qty, d.Price, d.Fund, d.WareId, m.BizDate, "
    "2, d.MastId, m.InId, -1, 0, m.BillTime, d.dlId from movedl d join move m on "
    "d.MastId=m.Id where 1=1%W%H%D";
const char* const MoveOutPart =
    "select {m.Code}, {m.UserCode}, null, {'调出'}, -1*d.Qty, d.Price, d.Fund, d.WareId, "
    "m.BizDate, 2, d.MastId, m.OutId, -1, 0, m.BillTime, d.dlId from movedl d join move m on "
    "d.MastId=m.Id where 1=1%W%H%D";
const char* const CarryPart =
    "select null, null, null, {'结转'}, d.Qty, d.Price, d.Fund, d.WareId, m.EndDate, -1, "
    "d.MastId, d.HouseId, -1, 0, null, d.dlId from carrydl d join carry m on "
    "d.MastId=m.Id where 1=1%W%H";

// Ledger order: date, then creation time (opening balances have none, and an empty value
// sorts first), then the line; a transfer's receiving row before its sending row.
const char* const LedgerSort = "BizDate;BillTime;LineId;BillType;Qty desc";

QString Member(const char* part, const QString& wareCondition, const QString& houseCondition,
               const QString& dateCondition, bool figuresOnly) {
    QString sql = QString::fromUtf8(part);
    static const QRegularExpression descriptive(QStringLiteral("\\{[^}]*\\}"));
    static const QRegularExpression joins(QStringLiteral("\\|[^|]*\\|"));
    if (figuresOnly) {
        sql.replace(descriptive, QStringLiteral("null"));
        sql.replace(joins, QString());
    } else {
        sql.remove(QLatin1Char('{')).remove(QLatin1Char('}')).remove(QLatin1Char('|'));
    }
    sql.replace(QLatin1String("%W"), wareCondition);
    sql.replace(QLatin1String("%H"), houseCondition);
    sql.replace(QLatin1String("%D"), dateCondition);
    return sql;
}

// The newest `cap` rows of a member, for display.
QString Newest(const QString& member, int cap, const TDialect& dialect) {
    return QStringLiteral(
               "select * from (%1 order by m.BizDate desc, m.BillTime desc, d.dlId "
               "desc%2) newest")
        .arg(member, dialect.Limit(cap));
}

}  // namespace

TWareInoutSet::TWareInoutSet(TDatabase* database, QObject* parent) : TQuerySet(database, parent) {
    BillCodeFld =
        AddField(TFieldKind::Text, QStringLiteral("BillCode"), 30, true, QStringLiteral("编号"));
    UserCodeFld =
        AddField(TFieldKind::Text, QStringLiteral("UserCode"), 30, true, QStringLiteral("单号"));
    DeptFld = AddField(TFieldKind::Text, QStringLiteral("Dept"), 50, true, QStringLiteral("部门"));
    BriefFld =
        AddField(TFieldKind::Text, QStringLiteral("Brief"), 20, true, QStringLiteral("摘要"));
    QtyFld = AddField(TFieldKind::Float, QStringLiteral("Qty"), -1, true, QStringLiteral("数量"));
    PriceFld =
        AddField(TFieldKind::Float, QStringLiteral("Price"), -1, true, QStringLiteral("单价"));
    FundFld = AddField(TFieldKind::Float, QStringLiteral("Fund"), -1, true, QStringLiteral("金额"));
    WareIdFld = AddField(TFieldKind::Integer, QStringLiteral("WareId"), -1, false);
    BizDateFld = AddField(TFieldKind::DateTime, QStringLiteral("BizDate"), -1, false,
                          QStringLiteral("日期"));
    HouseIdFld = AddField(TFieldKind::Integer, QStringLiteral("HouseId"), -1, false);
    IsSaleFld = AddField(TFieldKind::Integer, QStringLiteral("IsSale"), -1, false);
    CostFld = AddField(TFieldKind::Float, QStringLiteral("Cost"), -1, true, QStringLiteral("成本"));
    BillIdFld = AddField(TFieldKind::Integer, QStringLiteral("MastId"), -1, true);
    BillTypeFld = AddField(TFieldKind::Integer, QStringLiteral("BillType"), -1, true);
    BillTimeFld = AddField(TFieldKind::DateTime, QStringLiteral("BillTime"), -1, false);
    LineIdFld = AddField(TFieldKind::Integer, QStringLiteral("LineId"), -1, false);
    SetSort(QString::fromLatin1(LedgerSort));
}

int TWareInoutSet::Open(const QString& wareCondition, const QString& dateCondition, int cap,
                        TLedgerColumns columns, int houseId) {
    const TDialect& dialect = Database()->Dialect();
    const bool lean = columns == TLedgerColumns::FiguresOnly;
    // Each member names its warehouse in its own column (a transfer's receiving or sending
    // warehouse, a carry-over line's own).
    const auto member = [&](const char* part, const QString& date, const char* houseColumn) {
        const QString house =
            houseId > 0 ? QStringLiteral(" and %1=%2").arg(QLatin1String(houseColumn)).arg(houseId)
                        : QString();
        return Member(part, wareCondition, house, date, lean);
    };
    QString takeout = member(TakeoutPart, dateCondition, "m.HouseId");
    QString putin = member(PutinPart, dateCondition, "m.HouseId");
    if (cap > 0) {
        takeout = Newest(takeout, cap, dialect);
        putin = Newest(putin, cap, dialect);
    }
    const QStringList members = {takeout,
                                 putin,
                                 member(GainPart, dateCondition, "m.HouseId"),
                                 member(LossPart, dateCondition, "m.HouseId"),
                                 member(MoveInPart, dateCondition, "m.InId"),
                                 member(MoveOutPart, dateCondition, "m.OutId"),
                                 member(CarryPart, QString(), "d.HouseId")};
    Close();
    SetFiltered(false);
    SetFilter(QString());
    // The rows are put in ledger order by the set's sort, which is cheaper than sorting the
    // whole ledger on the server.
    return OpenSql(members.join(QStringLiteral(" union all ")));
}

int TWareInoutSet::OpenWare(int wareId, int displayCap) {
    leftOut_ = 0;
    const int rows = Open(QStringLiteral(" and d.WareId=%1").arg(wareId), QString(),
                          qMax(displayCap, 0), TLedgerColumns::All);
    if (rows < 0 || displayCap <= 0)
        return rows;
    QSqlQuery q = Database()->NewQuery();
    Database()->RunQuery(q,
                         QStringLiteral("select (select count(*) from takeoutdl where "
                                        "WareId=%1), (select count(*) from putindl where "
                                        "WareId=%1)")
                             .arg(wareId),
                         {}, {}, true);
    if (q.next())
        leftOut_ = int(qMax<qint64>(0, q.value(0).toLongLong() - displayCap) +
                       qMax<qint64>(0, q.value(1).toLongLong() - displayCap));
    return rows;
}

int TWareInoutSet::OpenAll(const QDate& upToDate, const QList<int>& wareIds, TLedgerColumns columns,
                           int houseId) {
    leftOut_ = 0;
    QString wareCondition;
    if (!wareIds.isEmpty()) {
        QStringList ids;
        for (int id : wareIds)
            ids << QString::number(id);
        ids.removeDuplicates();
        wareCondition = QStringLiteral(" and d.WareId in (%1)").arg(ids.join(QLatin1Char(',')));
    }
    const QString dateCondition =
        upToDate.isValid() ? QStringLiteral(" and m.BizDate<=") + Database()->DateLiteral(upToDate)
                           : QString();
    return Open(wareCondition, dateCondition, 0, columns, houseId);
}

void TWareInoutSet::SetScope(int houseId, int wareId) {
    QString filter;
    if (houseId > 0)
        filter = QStringLiteral("%1 and HouseId=%2").arg(filter).arg(houseId);
    if (wareId > 0)
        filter = QStringLiteral("%1 and WareId=%2").arg(filter).arg(wareId);
    if (!filter.isEmpty())
        filter.remove(0, 5);  // the first " and "
    SetFilter(filter);
    SetFiltered(!filter.isEmpty());
}
