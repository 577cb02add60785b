#include "StockFigures.h"

#include <QList>
#include <QSqlQuery>
#include <QSqlRecord>
#include <algorithm>
#include <cmath>
#include <exception>
#include <stdexcept>

#include "BenchTimer.h"
#include "data/Database.h"
#include "documents/StockCheck.h"
#include "shell/AppSettings.h"
#include "valuation/CostCalc.h"
#include "valuation/StockCarrier.h"
#include "valuation/WareCalc.h"
#include "valuation/WareInoutSet.h"
#include "valuation/uWareStockSet.h"

namespace StockFigures {

namespace {

QList<QVariantList> Rows(TDatabase& db, const QString& sql) {
    QSqlQuery q = db.NewQuery();
    db.RunQuery(q, sql, {}, {}, true);
    QList<QVariantList> rows;
    const int columns = q.record().count();
    while (q.next()) {
        QVariantList row;
        for (int i = 0; i < columns; ++i)
            row << q.value(i);
        rows << row;
    }
    return rows;
}

double WalkSums(TWareCalc& calc) {
    double sum = 0;
    for (int v = 0; v < calc.RecordCount(); ++v)
        sum += calc.QtyFld->FloatAt(v);
    return sum;
}

// Writes a 20-line stock-out of the warehouse's busiest wares inside the open transaction,
// as a save does before its check; every second line issues far more than any stock.
RTakeout WriteStockOut(TDatabase& db, int house) {
    RTakeout bill;
    bill.Id = db.NewKey(QStringLiteral("takeout"));
    bill.Code = QStringLiteral("CKBENCH%1").arg(bill.Id);
    bill.BizDate = QDate(2026, 1, 5);
    bill.BillTime = QDateTime(QDate(2026, 1, 5), QTime(9, 0));
    bill.HouseId = house;
    bill.SignId = 1;
    bill.TypeId = 1;
    bill.Billman = QStringLiteral("sa");
    db.ExecSql(QStringLiteral("insert into takeout (Id, Code, BizDate, HouseId, SignId, TypeId, "
                              "Billman, BillTime, Fund) values (:Id, :Code, :BizDate, :HouseId, "
                              ":SignId, :TypeId, :Billman, :BillTime, 0)"),
               {DBParam(QStringLiteral("Id"), bill.Id), DBParam(QStringLiteral("Code"), bill.Code),
                DBParam(QStringLiteral("BizDate"), bill.BizDate),
                DBParam(QStringLiteral("HouseId"), bill.HouseId),
                DBParam(QStringLiteral("SignId"), bill.SignId),
                DBParam(QStringLiteral("TypeId"), bill.TypeId),
                DBParam(QStringLiteral("Billman"), bill.Billman),
                DBParam(QStringLiteral("BillTime"), bill.BillTime)});
    qint64 dlId = db.NewKey(QStringLiteral("takeoutdl"), QStringLiteral("dlId"));
    const auto wares = Rows(
        db, QStringLiteral("select w.Id, w.Code, w.Name, w.CostId from ware w, (select WareId, "
                           "count(*) as n from takeout m, takeoutdl d where m.Id=d.MastId and "
                           "HouseId=%1 group by WareId) c where w.Id=c.WareId order by c.n desc, "
                           "w.Id")
                    .arg(house) +
                db.Dialect().Limit(20));
    for (const QVariantList& w : wares) {
        RTakeoutdl l;
        l.dlId = dlId++;
        l.MastId = bill.Id;
        l.WareId = w.value(0).toLongLong();
        l.WareCode = w.value(1).toString();
        l.WareName = w.value(2).toString();
        l.WareCostId = w.value(3).toInt();
        l.Qty = bill.Lines.size() % 2 ? 1.0 : 1e6;
        l.Price = 1.0;
        l.Fund = l.Qty;
        db.ExecSql(
            QStringLiteral("insert into takeoutdl (dlId, MastId, WareId, Qty, Price, Fund) "
                           "values (:dlId, :MastId, :WareId, :Qty, :Price, :Fund)"),
            {DBParam(QStringLiteral("dlId"), l.dlId), DBParam(QStringLiteral("MastId"), l.MastId),
             DBParam(QStringLiteral("WareId"), l.WareId), DBParam(QStringLiteral("Qty"), l.Qty),
             DBParam(QStringLiteral("Price"), l.Price), DBParam(QStringLiteral("Fund"), l.Fund)});
        bill.Lines << l;
    }
    return bill;
}

using TShortWares = QMap<int, double>;

// What the text prescribes: the ledger of every ware over all dates in memory, then the
// running average of each line's ware in the warehouse.
TShortWares LiteralReplay(TDatabase& db, int house, const QList<int>& wares) {
    TCostCalc calc(&db);
    if (calc.Prepare() < 0)
        throw std::runtime_error("the ledger could not be read");
    TShortWares shortWares;
    for (int w : wares) {
        calc.Calc(house, w, cmAverage);
        if (calc.StockQty < 0)
            shortWares[w] = calc.StockQty;
    }
    return shortWares;
}

// The check a save runs after writing the document: short wares are handed to the
// stock-shortage handler, which here only collects them.
TShortWares DocumentCheck(TDatabase& db, const RTakeout& bill) {
    TShortWares shortWares;
    SetStockShortageHandler([&](QObject*, TuWareStockSet& set) {
        for (int v = 0; v < set.RecordCount(); ++v)
            shortWares[int(set.WareIdFld->IntegerAt(v))] = set.StockQtyFld->FloatAt(v);
    });
    AppSettings().NegativeStockControl = 1;  // warn, which computes everything a refusal does
    StockCheck(nullptr, bill, db);
    SetStockShortageHandler({});
    return shortWares;
}

QString Describe(const TShortWares& s) {
    QStringList parts;
    for (auto it = s.begin(); it != s.end(); ++it)
        parts << QStringLiteral("%1:%2").arg(it.key()).arg(it.value());
    return parts.join(QLatin1Char(','));
}

}  // namespace

double ScanMs(TDatabase& db, int runs, qint64* rows) {
    const QString sql = QStringLiteral(
        "select WareId, sum(Qty) from putindl group by WareId union all select WareId, sum(Qty) "
        "from takeoutdl group by WareId union all select WareId, sum(Qty) from movedl group by "
        "WareId union all select WareId, sum(Qty) from regulatedl group by WareId");
    qint64 n = 0;
    const double ms = MedianMs(runs, [&] {
        QSqlQuery q = db.NewQuery();
        db.RunQuery(q, sql, {}, {}, true);
        n = 0;
        double sum = 0;
        while (q.next()) {
            sum += q.value(1).toDouble();
            ++n;
        }
        (void)sum;
    });
    if (rows)
        *rows = n;
    return ms;
}

double BalancePairMs(TDatabase& db, TPair pair, int runs) {
    return MedianMs(runs, [&] {
        TWareCalc calc(&db);
        calc.OpenHouseWare(pair.House, pair.Ware);
        calc.SumHouse(pair.House);
    });
}

double BalanceAllMs(TDatabase& db, int runs) {
    return MedianMs(runs, [&] {
        TWareCalc calc(&db);
        calc.OpenAll();
        WalkSums(calc);
    });
}

double BalanceHouseMs(TDatabase& db, int house, int runs) {
    return MedianMs(runs, [&] {
        TWareCalc calc(&db);
        calc.OpenHouse(house);
        WalkSums(calc);
    });
}

TCheckFigures StockCheck(TDatabase& db, int house, int runs) {
    TCheckFigures f;
    std::vector<double> times;
    for (int run = 0; run < std::max(1, runs); ++run) {
        db.BeginTrans();
        try {
            const RTakeout bill = WriteStockOut(db, house);
            QList<int> wares;
            for (const RTakeoutdl& l : bill.Lines)
                wares << int(l.WareId);
            TShortWares found;
            times.push_back(TimeMs([&] { found = DocumentCheck(db, bill); }));
            if (run == 0) {
                TShortWares literal;
                f.LiteralMs = TimeMs([&] { literal = LiteralReplay(db, house, wares); });
                f.Negatives = int(literal.size());
                f.Matches = found == literal;
                if (!f.Matches)
                    f.Mismatch = QStringLiteral("check %1, replay %2")
                                     .arg(Describe(found), Describe(literal));
            }
        } catch (...) {
            db.RollbackTrans();
            throw;
        }
        db.RollbackTrans();
    }
    std::sort(times.begin(), times.end());
    f.CheckMs = times[times.size() / 2];
    return f;
}

TMemoryFigures LedgerAll(TDatabase& db) {
    TMemoryFigures f;
    TWareInoutSet ledger(&db);
    Rows(db, QStringLiteral("select count(*) from ware"));  // the connection is open and warm
    f.RssBeforeKiB = ReadMemoryStatus().RssKiB;
    int rows = -1;
    f.Ms = TimeMs([&] { rows = ledger.OpenAll(); });
    f.PeakKiB = ReadMemoryStatus().PeakKiB;
    f.Rows = rows;
    if (rows < 0)
        f.Error = QStringLiteral("OpenAll failed");
    return f;
}

TMemoryFigures CarryOver(TDatabase& db, const QDate& endDate) {
    TMemoryFigures f;
    TStockCarrier carrier(&db);
    Rows(db, QStringLiteral("select count(*) from ware"));
    f.RssBeforeKiB = ReadMemoryStatus().RssKiB;
    bool done = false;
    try {
        f.Ms = TimeMs([&] { done = carrier.Carry(endDate); });
    } catch (const std::exception& e) {
        f.Error = QString::fromLocal8Bit(e.what());
    }
    f.PeakKiB = ReadMemoryStatus().PeakKiB;
    if (!done && f.Error.isEmpty())
        f.Error = carrier.Message().isEmpty() ? QStringLiteral("abandoned") : carrier.Message();
    f.Rows =
        Rows(db, QStringLiteral("select count(*) from carrydl")).value(0).value(0).toLongLong();
    return f;
}

}  // namespace StockFigures
