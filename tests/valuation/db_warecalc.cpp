#include <QtTest/QTest>

#include "data/NumberFormats.h"
#include "support/StockFixture.h"
#include "support/TestSupport.h"
#include "valuation/WareCalc.h"

namespace {

enum TOpener { HouseWare, Ware, House, All };

}  // namespace

Q_DECLARE_METATYPE(TOpener)

// Documents of wares 1, 2 and 4 in warehouses 1 to 5 with an opening balance of ware 1; the
// figures of each case are worked out in the comments of balances_data().
class WareCalcTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void balances_data();
    void balances();
    void failedStatementReturnsMinusOne();

private:
    TDatabase* db_ = nullptr;
};

void WareCalcTest::initTestCase() {
    db_ = new TDatabase(QStringLiteral("t_warecalc"));
    QVERIFY(OpenFreshTestDatabase(*db_));
    TStockFixture f(*db_);
    for (int w : {1, 2, 3, 4})
        f.Ware(w, 1);
    f.CarryHead(QDate(2020, 1, 31));
    f.CarryLine(1, 1, 10, 2, 20);
    f.PutIn(QDate(2020, 2, 1), 1, 1, 5, 3);                // h1 +5 +15
    f.PutIn(QDate(2020, 2, 2), 1, 1, 2, 3, f.Auto, -1);    // h1 return: -2 -6
    f.TakeOut(QDate(2020, 2, 3), 1, 1, 4, 5);              // h1 -4 -20
    f.TakeOut(QDate(2020, 2, 4), 1, 1, 1, 5, f.Auto, -1);  // h1 return: +1 +5
    f.Move(QDate(2020, 2, 5), 1, 2, 1, 3, 2);              // h1 -3 -6, h2 +3 +6
    f.Regulate(QDate(2020, 2, 6), 2, 1, -1, 2, -2);        // h2 loss -1 -2
    f.Regulate(QDate(2020, 2, 7), 1, 1, 2, 2, 4);          // h1 gain +2 +4
    f.PutIn(QDate(2020, 3, 1), 2, 2, 7, 1.5);              // h2 +7 +10.50
    f.TakeOut(QDate(2020, 3, 2), 3, 2, 5, 10);             // h3 -5 -50
    f.PutIn(QDate(2020, 3, 3), 4, 4, 2.5, 2);              // h4 +2.5 +5
    f.TakeOut(QDate(2020, 3, 4), 5, 4, 2.5, 2);            // h5 -2.5 -5
}

void WareCalcTest::cleanupTestCase() {
    delete db_;
}

void WareCalcTest::balances_data() {
    QTest::addColumn<TOpener>("opener");
    QTest::addColumn<int>("house");  // opener's warehouse, and SumHouse's when summing a house
    QTest::addColumn<int>("ware");
    QTest::addColumn<QDate>("upTo");
    QTest::addColumn<bool>("byHouse");  // SumHouse(house), else SumWare(ware)
    QTest::addColumn<int>("qtyDecimals");
    QTest::addColumn<int>("priceDecimals");
    QTest::addColumn<double>("qty");
    QTest::addColumn<double>("fund");
    QTest::addColumn<double>("price");

    const QDate none;
    // 10+5-2-4+1-3+2 = 9; 20+15-6-20+5-6+4 = 12
    QTest::newRow("house ware, all dates")
        << HouseWare << 1 << 1 << none << true << 0 << 2 << 9.0 << 12.0 << 1.33;
    QTest::newRow("three price decimals")
        << HouseWare << 1 << 1 << none << true << 0 << 3 << 9.0 << 12.0 << 1.333;
    // 10+5-2-4 = 9; 20+15-6-20 = 9
    QTest::newRow("house ware, up to a date")
        << HouseWare << 1 << 1 << QDate(2020, 2, 3) << true << 0 << 2 << 9.0 << 9.0 << 1.0;
    QTest::newRow("opening balance is never bounded")
        << HouseWare << 1 << 1 << QDate(2020, 1, 15) << true << 0 << 2 << 10.0 << 20.0 << 2.0;
    // +3 -1 = 2; 6-2 = 4
    QTest::newRow("transfer in and count loss")
        << HouseWare << 2 << 1 << none << true << 0 << 2 << 2.0 << 4.0 << 2.0;
    QTest::newRow("ware without documents")
        << HouseWare << 1 << 3 << none << true << 0 << 2 << 0.0 << 0.0 << 0.0;
    QTest::newRow("negative stock, price sign reversed")
        << HouseWare << 3 << 2 << none << true << 0 << 2 << -5.0 << -50.0 << -10.0;
    // 2.5 rounds to 3 (half away from zero); 5/3
    QTest::newRow("quantity rounds up")
        << HouseWare << 4 << 4 << none << true << 0 << 2 << 3.0 << 5.0 << 1.67;
    QTest::newRow("negative quantity rounds away from zero")
        << HouseWare << 5 << 4 << none << true << 0 << 2 << -3.0 << -5.0 << -1.67;
    QTest::newRow("one quantity decimal keeps 2.5")
        << HouseWare << 4 << 4 << none << true << 1 << 2 << 2.5 << 5.0 << 2.0;
    QTest::newRow("ware in every warehouse, one house")
        << Ware << 1 << 1 << none << true << 0 << 2 << 9.0 << 12.0 << 1.33;
    QTest::newRow("ware in every warehouse, second house")
        << Ware << 2 << 1 << QDate(2020, 2, 5) << true << 0 << 2 << 3.0 << 6.0 << 2.0;
    // transfers cancel: 10+5-2-4+1+2-1 = 11; 20+15-6-20+5+4-2 = 16
    QTest::newRow("ware summed over its warehouses")
        << Ware << 0 << 1 << none << false << 0 << 2 << 11.0 << 16.0 << 1.45;
    QTest::newRow("house, one ware")
        << House << 1 << 1 << none << false << 0 << 2 << 9.0 << 12.0 << 1.33;
    QTest::newRow("house, ware absent there")
        << House << 1 << 2 << none << false << 0 << 2 << 0.0 << 0.0 << 0.0;
    QTest::newRow("house, transfer in then loss")
        << House << 2 << 1 << none << false << 0 << 2 << 2.0 << 4.0 << 2.0;
    QTest::newRow("house, up to the transfer")
        << House << 2 << 1 << QDate(2020, 2, 5) << false << 0 << 2 << 3.0 << 6.0 << 2.0;
    QTest::newRow("all warehouses")
        << All << 0 << 1 << none << false << 0 << 2 << 11.0 << 16.0 << 1.45;
    // 7-5 = 2; 10.5-50 = -39.5
    QTest::newRow("all warehouses, negative amount")
        << All << 0 << 2 << none << false << 0 << 2 << 2.0 << -39.5 << -19.75;
    QTest::newRow("all warehouses, before the documents")
        << All << 0 << 1 << QDate(2020, 1, 31) << false << 0 << 2 << 10.0 << 20.0 << 2.0;
}

void WareCalcTest::balances() {
    QFETCH(TOpener, opener);
    QFETCH(int, house);
    QFETCH(int, ware);
    QFETCH(QDate, upTo);
    QFETCH(bool, byHouse);
    QFETCH(int, qtyDecimals);
    QFETCH(int, priceDecimals);
    QFETCH(double, qty);
    QFETCH(double, fund);
    QFETCH(double, price);

    SetNumberFormats(qtyDecimals, priceDecimals);
    TWareCalc calc(db_);
    int rows = -1;
    switch (opener) {
        case HouseWare:
            rows = calc.OpenHouseWare(house, ware, upTo);
            break;
        case Ware:
            rows = calc.OpenWare(ware, upTo);
            break;
        case House:
            rows = calc.OpenHouse(house, upTo);
            break;
        case All:
            rows = calc.OpenAll(upTo);
            break;
    }
    QVERIFY(rows >= 0);
    const TStockSum sum = byHouse ? calc.SumHouse(house) : calc.SumWare(ware);
    QCOMPARE(sum.Qty, qty);
    QCOMPARE(sum.Fund, fund);
    QCOMPARE(sum.Price, price);
    SetNumberFormats(0, 0);
}

void WareCalcTest::failedStatementReturnsMinusOne() {
    PromptRecorder prompts;
    TDatabase broken(QStringLiteral("t_warecalc_broken"));
    QVERIFY(OpenEmptyTestDatabase(broken));  // no tables
    TWareCalc calc(&broken);
    QCOMPARE(calc.OpenHouseWare(1, 1), -1);
    QVERIFY(prompts.Last().contains(QStringLiteral("SQL语句错误")));
    const TStockSum sum = calc.SumHouse(1);
    QCOMPARE(sum.Qty, 0.0);
}

LUMORA_TEST_MAIN(WareCalcTest)
#include "db_warecalc.moc"
