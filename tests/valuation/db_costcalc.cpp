#include <QtTest/QTest>
#include <stdexcept>

#include "data/NumberFormats.h"
#include "support/StockFixture.h"
#include "support/TestSupport.h"
#include "valuation/CostCalc.h"
#include "valuation/uWareStockSet.h"

namespace {

// The result table as "qty@price=fund" per row, joined by ";".
QString Rows(TCostCalc& calc) {
    QStringList rows;
    for (int v = 0; v < calc.RecordCount(); ++v)
        rows << QStringLiteral("%1@%2=%3")
                    .arg(calc.StockQtyFld->FloatAt(v))
                    .arg(calc.InPriceFld->FloatAt(v))
                    .arg(calc.CostFundFld->FloatAt(v));
    return rows.join(QLatin1Char(';'));
}

}  // namespace

class CostCalcTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void ledgerRowsAndSigns();
    void displayCapKeepsNewestRows();
    void methods_data();
    void methods();
    void runningTotalsNotify();
    void findNegatives();

private:
    TDatabase* db_ = nullptr;
    int nextWare_ = 100;
};

void CostCalcTest::initTestCase() {
    db_ = new TDatabase(QStringLiteral("t_costcalc"));
    QVERIFY(OpenFreshTestDatabase(*db_));
    SetNumberFormats(0, 2);
}

void CostCalcTest::cleanupTestCase() {
    delete db_;
}

// One ware through every kind of row, in ledger order: the opening balance first on its
// date, then documents by date and creation time.
void CostCalcTest::ledgerRowsAndSigns() {
    TStockFixture f(*db_);
    f.Ware(1, 1);
    f.CarryHead(QDate(2020, 1, 31));
    f.PutIn(QDate(2020, 1, 31), 1, 1, 1, 4);  // saved after the carry-over, on its date
    f.CarryLine(1, 1, 3, 4);
    f.PutIn(QDate(2020, 2, 1), 1, 1, 5, 2);
    f.PutIn(QDate(2020, 2, 2), 1, 1, 1, 2, f.Auto, -1);
    const int out = f.TakeOut(QDate(2020, 2, 3), 1, 1, 2, 3);
    f.TakeOut(QDate(2020, 2, 4), 1, 1, 1, 3, f.Auto, -1);
    f.Move(QDate(2020, 2, 5), 1, 2, 1, 2, 2);
    f.Regulate(QDate(2020, 2, 6), 2, 1, 1, 2);
    f.Regulate(QDate(2020, 2, 7), 1, 1, -1, 2, -2);
    f.Regulate(QDate(2020, 2, 8), 1, 1, 0, 2, 0);  // no difference: no ledger row
    // A stock-out without a type still moves stock.
    db_->ExecSql(QStringLiteral("update takeout set TypeId=null where Id=:Id"),
                 {DBParam(QStringLiteral("Id"), out)});

    TWareInoutSet ledger(db_);
    QCOMPARE(ledger.OpenWare(1), 10);
    QStringList seen;
    for (int v = 0; v < ledger.RecordCount(); ++v)
        seen << QStringLiteral("%1 %2 %3 %4 h%5 %6")
                    .arg(ledger.BillTypeFld->IntegerAt(v))
                    .arg(ledger.BriefFld->StringAt(v))
                    .arg(ledger.QtyFld->FloatAt(v))
                    .arg(ledger.FundFld->FloatAt(v))
                    .arg(ledger.HouseIdFld->IntegerAt(v))
                    .arg(ledger.IsSaleFld->IntegerAt(v));
    const QStringList want = {
        QStringLiteral("-1 结转 3 12 h1 -1"),
        QStringLiteral("0 putintype-1 1 4 h1 0"),
        QStringLiteral("0 putintype-1 5 10 h1 0"),
        QStringLiteral("0 putintype-1 -1 2 h1 0"),
        QStringLiteral("1  -2 6 h1 0"),
        QStringLiteral("1 takeoutype-1 1 3 h1 0"),
        QStringLiteral("2 调入 2 4 h2 -1"),
        QStringLiteral("2 调出 -2 4 h1 -1"),
        QStringLiteral("3 盘盈 1 2 h2 0"),
        QStringLiteral("3 盘亏 -1 2 h1 0"),
    };
    QCOMPARE(seen, want);

    // Up to a date, every ware: later documents left out, opening balances kept.
    QCOMPARE(ledger.OpenAll(QDate(2020, 2, 1)), 3);
    ledger.SetScope(2, 0);
    QCOMPARE(ledger.RecordCount(), 0);
    QCOMPARE(ledger.OpenAll(), 10);
    ledger.SetScope(2, 1);
    QCOMPARE(ledger.RecordCount(), 2);
    ledger.SetScope(0, 0);
    QCOMPARE(ledger.RecordCount(), 10);
    QVERIFY(!ledger.Filtered());

    // The ledger of figures only: the same rows in the same order, without their texts.
    const auto figures = [](TWareInoutSet& l) {
        QStringList rows;
        for (int v = 0; v < l.RecordCount(); ++v)
            rows << QStringLiteral("%1 %2 %3 h%4 %5 [%6]")
                        .arg(l.BillTypeFld->IntegerAt(v))
                        .arg(l.QtyFld->FloatAt(v))
                        .arg(l.FundFld->FloatAt(v))
                        .arg(l.HouseIdFld->IntegerAt(v))
                        .arg(l.BillIdFld->IntegerAt(v))
                        .arg(l.BriefFld->StringAt(v) + l.BillCodeFld->StringAt(v));
        return rows;
    };
    TWareInoutSet lean(db_);
    QCOMPARE(lean.OpenAll(QDate(), {1}, TLedgerColumns::FiguresOnly), 10);
    QStringList want2 = figures(ledger);
    for (QString& row : want2)
        row = row.left(row.indexOf(QLatin1Char('['))) + QStringLiteral("[]");
    QCOMPARE(figures(lean), want2);
}

void CostCalcTest::displayCapKeepsNewestRows() {
    TStockFixture f(*db_);
    f.Ware(2, 1);
    for (int day = 1; day <= 4; ++day)
        f.PutIn(QDate(2020, 3, day), 1, 2, day, 1);
    f.TakeOut(QDate(2020, 3, 9), 1, 2, 1, 1);
    TWareInoutSet ledger(db_);
    QCOMPARE(ledger.OpenWare(2, 2), 3);
    QCOMPARE(ledger.LeftOutRows(), 2);
    QCOMPARE(ledger.QtyFld->FloatAt(0), 3.0);  // the newest two stock-ins, oldest first
    QCOMPARE(ledger.QtyFld->FloatAt(1), 4.0);

    TCostCalc calc(db_);
    QCOMPARE(calc.InoutSet->OpenWare(2, 2), 3);
    QVERIFY_THROWS_EXCEPTION(std::logic_error, calc.Calc(1, 2, cmAverage));
    QCOMPARE(calc.InoutSet->OpenWare(2), 5);  // without a cap every row counts
    calc.Calc(1, 2, cmAverage);
    QCOMPARE(calc.StockQty, 9.0);
}

void CostCalcTest::methods_data() {
    QTest::addColumn<QString>("lines");
    QTest::addColumn<int>("house");
    QTest::addColumn<int>("method");
    QTest::addColumn<QString>("rows");
    QTest::addColumn<double>("qty");
    QTest::addColumn<double>("fund");

    const QString worked = QStringLiteral("+10@2 -4 +5@3 -8");
    QTest::newRow("fifo") << worked << 1 << 2 << "3@3=9" << 3.0 << 9.0;
    QTest::newRow("lifo") << worked << 1 << 3 << "3@2=6" << 3.0 << 6.0;
    QTest::newRow("fifo, first stock-out")
        << "+10@2 -4 +5@3" << 1 << 2 << "6@2=12;5@3=15" << 11.0 << 27.0;
    QTest::newRow("fifo, unmet out-quantity covered by a receipt")
        << "-3 +5@1" << 1 << 2 << "2@1=2" << 2.0 << 2.0;
    QTest::newRow("fifo, no receipt at all") << "-7" << 1 << 2 << "" << -7.0 << 0.0;
    QTest::newRow("lifo, no receipt at all") << "-7" << 1 << 3 << "" << -7.0 << 0.0;
    QTest::newRow("fifo, layer used exactly stays at zero")
        << "+4@2 -4" << 1 << 2 << "0@2=0" << 0.0 << 0.0;
    QTest::newRow("fifo, zero layer deleted by the next stock-out")
        << "+4@2 -4 +3@5 -1" << 1 << 2 << "2@5=10" << 2.0 << 10.0;
    QTest::newRow("lifo, partly used layer revalued")
        << "+3@1.25 -1" << 1 << 3 << "2@1.25=2.5" << 2.0 << 2.5;
    // 20 - 12 + 15 = 23 over 11
    QTest::newRow("average") << "+10@2 -4@3 +5@3" << 1 << 1 << "11@2.09=23" << 11.0 << 23.0;
    QTest::newRow("month total") << "+10@2 -4@3 +5@3" << 1 << 0 << "11@2.09=23" << 11.0 << 23.0;
    QTest::newRow("average, count loss subtracts its amount")
        << "+5@10 l2@10" << 1 << 1 << "3@10=30" << 3.0 << 30.0;
    QTest::newRow("month total, count gain adds")
        << "+5@10 g2@4" << 1 << 0 << "7@8.29=58" << 7.0 << 58.0;
    QTest::newRow("average, nets to zero keeps one row")
        << "+2@5 -2@5" << 1 << 1 << "0@0=0" << 0.0 << 0.0;
    QTest::newRow("transfer, sending warehouse")
        << "+10@2 m4@2" << 1 << 1 << "6@2=12" << 6.0 << 12.0;
    QTest::newRow("transfer, receiving warehouse")
        << "+10@2 m4@2" << 2 << 1 << "4@2=8" << 4.0 << 8.0;
    QTest::newRow("transfer cancels over all warehouses")
        << "+10@2 m4@2" << 0 << 1 << "10@2=20" << 10.0 << 20.0;
    QTest::newRow("fifo over all warehouses")
        << "+10@2 m4@2" << 0 << 2 << "6@2=12;4@2=8" << 10.0 << 20.0;
    QTest::newRow("unknown method") << "+10@2" << 1 << 7 << "" << 0.0 << 0.0;
    QTest::newRow("no ledger rows") << "" << 1 << 1 << "" << 0.0 << 0.0;
}

void CostCalcTest::methods() {
    QFETCH(QString, lines);
    QFETCH(int, house);
    QFETCH(int, method);
    QFETCH(QString, rows);
    QFETCH(double, qty);
    QFETCH(double, fund);

    const int ware = ++nextWare_;
    TStockFixture f(*db_);
    f.Ware(ware, method);
    f.Lines(ware, lines);
    TCostCalc calc(db_);
    QVERIFY(calc.Prepare() >= 0);
    calc.Calc(house, ware, method);
    QCOMPARE(Rows(calc), rows);
    QCOMPARE(calc.StockQty, qty);
    QCOMPARE(calc.StockFund, fund);
    QCOMPARE(calc.WareId, ware);
    for (int v = 0; v < calc.RecordCount(); ++v)
        QCOMPARE(calc.OrdIdFld->IntegerAt(v), qint64(v + 1));
    // A second Calc starts afresh.
    calc.Calc(house, ware, method);
    QCOMPARE(Rows(calc), rows);
}

// Method 1 reports every row that moves stock, also at zero stock; method 0 only while the
// stock is not zero.
void CostCalcTest::runningTotalsNotify() {
    const int ware = ++nextWare_;
    TStockFixture f(*db_);
    f.Ware(ware, 1);
    f.Lines(ware, QStringLiteral("+2@5 -2@5 -0"));
    TCostCalc calc(db_);
    QVERIFY(calc.Prepare() >= 0);
    QStringList calls;
    calc.OnCostCalc = [&](double q, double p, double fund) {
        calls << QStringLiteral("%1@%2=%3").arg(q).arg(p).arg(fund);
    };
    calc.Calc(1, ware, cmAverage);
    QCOMPARE(calls, (QStringList{"2@5=10", "0@0=0"}));
    calls.clear();
    calc.Calc(1, ware, cmMonthTotal);
    QCOMPARE(calls, (QStringList{"2@5=10"}));
}

void CostCalcTest::findNegatives() {
    TStockFixture f(*db_);
    const int plenty = ++nextWare_, short1 = ++nextWare_, later = ++nextWare_, zero = ++nextWare_;
    for (int w : {plenty, short1, later, zero})
        f.Ware(w, 2);
    f.PutIn(QDate(2021, 5, 1), 1, plenty, 5, 1);
    f.TakeOut(QDate(2021, 5, 1), 1, short1, 2, 1);
    f.PutIn(QDate(2021, 5, 1), 1, later, 3, 1);
    f.TakeOut(QDate(2030, 1, 1), 1, later, 5, 1);  // dated after the document being saved
    f.PutIn(QDate(2021, 5, 1), 1, zero, 3, 1);
    f.TakeOut(QDate(2021, 5, 2), 1, zero, 3, 1);

    const auto check = [&](int house, const QList<int>& wares) {
        TuWareStockSet set(db_);
        for (int w : wares) {
            set.Append();
            set.WareIdFld->SetValue(w);
            set.WareCodeFld->SetValue(QStringLiteral("W%1").arg(w));
            set.Post();
        }
        const bool none = set.FindNegatives(house);
        QStringList left;
        for (int v = 0; v < set.RecordCount(); ++v)
            left << QStringLiteral("%1:%2")
                        .arg(set.WareIdFld->IntegerAt(v) - plenty)
                        .arg(set.StockQtyFld->FloatAt(v));
        return QStringLiteral("%1 %2").arg(none).arg(left.join(QLatin1Char(',')));
    };
    QCOMPARE(check(1, {plenty, short1, later, zero}), QStringLiteral("0 1:-2,2:-2"));
    QCOMPARE(check(1, {plenty, zero}), QStringLiteral("1 "));
    QCOMPARE(check(2, {plenty}), QStringLiteral("1 "));
    QCOMPARE(check(1, {}), QStringLiteral("1 "));
}

LUMORA_TEST_MAIN(CostCalcTest)
#include "db_costcalc.moc"
