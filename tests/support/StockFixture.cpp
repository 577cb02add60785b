#include "support/StockFixture.h"

#include <QSqlQuery>
#include <QStringList>

namespace {

// Documents of every fixture in a test program are numbered and timed in one sequence.
int DocumentSeq = 0;

}  // namespace

TStockFixture::TStockFixture(TDatabase& db) : db_(db) {}

void TStockFixture::Ensure(const QString& table, int id) {
    QSqlQuery q = db_.NewQuery();
    db_.RunQuery(q, QStringLiteral("select count(*) from %1 where Id=:Id").arg(table),
                 {DBParam(QStringLiteral("Id"), id)}, {}, true);
    if (q.next() && q.value(0).toInt() > 0)
        return;
    db_.ExecSql(QStringLiteral("insert into %1 (Id, Name) values (:Id, :Name)").arg(table),
                {DBParam(QStringLiteral("Id"), id),
                 DBParam(QStringLiteral("Name"), QStringLiteral("%1-%2").arg(table).arg(id))});
}

int TStockFixture::MaxPlusOne(const QString& table, const QString& key) {
    QSqlQuery q = db_.NewQuery();
    db_.RunQuery(q, QStringLiteral("select max(%1) from %2").arg(key, table), {}, {}, true);
    return (q.next() ? q.value(0).toInt() : 0) + 1;
}

void TStockFixture::House(int id) {
    Ensure(QStringLiteral("warehouse"), id);
}

void TStockFixture::Ware(int id, int costId) {
    db_.ExecSql(QStringLiteral("insert into ware (Id, Code, Name, CostId) values (:Id, :Code, "
                               ":Name, :CostId)"),
                {DBParam(QStringLiteral("Id"), id),
                 DBParam(QStringLiteral("Code"), QStringLiteral("W%1").arg(id)),
                 DBParam(QStringLiteral("Name"), QStringLiteral("ware %1").arg(id)),
                 DBParam(QStringLiteral("CostId"), costId)});
}

int TStockFixture::Document(const QString& table, const QString& prefix, const QString& headColumns,
                            const QString& headValues, const TDBParameters& headParams, int ware,
                            double qty, double price, double fund, const QString& lineExtraColumns,
                            const QString& lineExtraValues, const TDBParameters& lineParams) {
    const int id = MaxPlusOne(table, QStringLiteral("Id"));
    const int dlId = MaxPlusOne(table + QStringLiteral("dl"), QStringLiteral("dlId"));
    const int seq = ++DocumentSeq;
    const QDateTime billTime = QDateTime(QDate(2020, 1, 1), QTime(8, 0)).addSecs(60 * seq);
    TDBParameters head = headParams;
    head << DBParam(QStringLiteral("Id"), id)
         << DBParam(QStringLiteral("Code"),
                    QStringLiteral("%1%2").arg(prefix).arg(seq, 6, 10, QLatin1Char('0')))
         << DBParam(QStringLiteral("UserCode"), QStringLiteral("U%1").arg(seq))
         << DBParam(QStringLiteral("BillTime"), billTime);
    db_.ExecSql(QStringLiteral("insert into %1 (Id, Code, UserCode, BillTime, %2) values (:Id, "
                               ":Code, :UserCode, :BillTime, %3)")
                    .arg(table, headColumns, headValues),
                head);
    TDBParameters line = lineParams;
    line << DBParam(QStringLiteral("dlId"), dlId) << DBParam(QStringLiteral("MastId"), id)
         << DBParam(QStringLiteral("WareId"), ware) << DBParam(QStringLiteral("Qty"), qty)
         << DBParam(QStringLiteral("Price"), price)
         << DBParam(QStringLiteral("Fund"), fund == Auto ? qty * price : fund);
    db_.ExecSql(QStringLiteral("insert into %1dl (dlId, MastId, WareId, Qty, Price, Fund%2) "
                               "values (:dlId, :MastId, :WareId, :Qty, :Price, :Fund%3)")
                    .arg(table, lineExtraColumns, lineExtraValues),
                line);
    return id;
}

// A stock-in or stock-out: warehouse, sign and a type (made when missing) on the head.
int TStockFixture::SignedDocument(const QString& table, const QString& typeTable,
                                  const QString& prefix, const QDate& date, int house, int ware,
                                  double qty, double price, double fund, int sign) {
    House(house);
    Ensure(typeTable, 1);
    return Document(
        table, prefix, QStringLiteral("BizDate, HouseId, SignId, TypeId"),
        QStringLiteral(":BizDate, :HouseId, :SignId, 1"),
        {DBParam(QStringLiteral("BizDate"), date), DBParam(QStringLiteral("HouseId"), house),
         DBParam(QStringLiteral("SignId"), sign)},
        ware, qty, price, fund);
}

int TStockFixture::PutIn(const QDate& date, int house, int ware, double qty, double price,
                         double fund, int sign) {
    return SignedDocument(QStringLiteral("putin"), QStringLiteral("putintype"),
                          QStringLiteral("NK"), date, house, ware, qty, price, fund, sign);
}

int TStockFixture::TakeOut(const QDate& date, int house, int ware, double qty, double price,
                           double fund, int sign) {
    return SignedDocument(QStringLiteral("takeout"), QStringLiteral("takeoutype"),
                          QStringLiteral("CK"), date, house, ware, qty, price, fund, sign);
}

int TStockFixture::Move(const QDate& date, int outHouse, int inHouse, int ware, double qty,
                        double price, double fund) {
    House(outHouse);
    House(inHouse);
    return Document(
        QStringLiteral("move"), QStringLiteral("DB"), QStringLiteral("BizDate, OutId, InId"),
        QStringLiteral(":BizDate, :OutId, :InId"),
        {DBParam(QStringLiteral("BizDate"), date), DBParam(QStringLiteral("OutId"), outHouse),
         DBParam(QStringLiteral("InId"), inHouse)},
        ware, qty, price, fund);
}

int TStockFixture::Regulate(const QDate& date, int house, int ware, double qty, double price,
                            double fund) {
    House(house);
    return Document(
        QStringLiteral("regulate"), QStringLiteral("PD"), QStringLiteral("BizDate, HouseId"),
        QStringLiteral(":BizDate, :HouseId"),
        {DBParam(QStringLiteral("BizDate"), date), DBParam(QStringLiteral("HouseId"), house)}, ware,
        qty, price, fund, QStringLiteral(", BookQty, ReguQty"), QStringLiteral(", 0, :ReguQty"),
        {DBParam(QStringLiteral("ReguQty"), qty)});
}

void TStockFixture::CarryHead(const QDate& endDate, int id) {
    db_.ExecSql(QStringLiteral("delete from carry"));
    db_.ExecSql(QStringLiteral("insert into carry (Id, EndDate) values (:Id, :EndDate)"),
                {DBParam(QStringLiteral("Id"), id), DBParam(QStringLiteral("EndDate"), endDate)});
}

void TStockFixture::CarryLine(int house, int ware, double qty, double price, double fund,
                              int mastId) {
    House(house);
    db_.ExecSql(QStringLiteral("insert into carrydl (MastId, HouseId, WareId, Qty, Price, Fund) "
                               "values (:MastId, :HouseId, :WareId, :Qty, :Price, :Fund)"),
                {DBParam(QStringLiteral("MastId"), mastId),
                 DBParam(QStringLiteral("HouseId"), house), DBParam(QStringLiteral("WareId"), ware),
                 DBParam(QStringLiteral("Qty"), qty), DBParam(QStringLiteral("Price"), price),
                 DBParam(QStringLiteral("Fund"), fund == Auto ? qty * price : fund)});
}

void TStockFixture::Lines(int ware, const QString& lines, const QDate& firstDay) {
    QDate day = firstDay;
    for (const QString& token : lines.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QChar kind = token.at(0);
        const QStringList amount = token.mid(1).split(QLatin1Char('='));
        const QStringList parts = amount.value(0).split(QLatin1Char('@'));
        const double qty = parts.value(0).toDouble();
        const double price = parts.value(1, QStringLiteral("0")).toDouble();
        const double fund = amount.size() > 1 ? amount.value(1).toDouble() : Auto;
        if (kind == QLatin1Char('+'))
            PutIn(day, 1, ware, qty, price, fund);
        else if (kind == QLatin1Char('-'))
            TakeOut(day, 1, ware, qty, price, fund);
        else if (kind == QLatin1Char('g'))
            Regulate(day, 1, ware, qty, price, fund);
        else if (kind == QLatin1Char('l'))
            Regulate(day, 1, ware, -qty, price, fund == Auto ? -qty * price : -fund);
        else if (kind == QLatin1Char('m'))
            Move(day, 1, 2, ware, qty, price, fund);
        day = day.addDays(1);
    }
}

int TStockFixture::Count(const QString& table) {
    QSqlQuery q = db_.NewQuery();
    db_.RunQuery(q, QStringLiteral("select count(*) from ") + table, {}, {}, true);
    return q.next() ? q.value(0).toInt() : -1;
}
