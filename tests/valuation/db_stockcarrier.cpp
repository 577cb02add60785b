#include <QSqlQuery>
#include <QtTest/QTest>
#include <stdexcept>

#include "data/NumberFormats.h"
#include "support/StockFixture.h"
#include "support/TestSupport.h"
#include "valuation/StockCarrier.h"
#include "valuation/WareCalc.h"

namespace {

// carrydl rows of a ware as "house:qty@price=fund", in the order they were stored.
QString CarryRows(TDatabase& db, int ware) {
    TQuerySet set(&db);
    set.OpenSql(QStringLiteral("select HouseId, Qty, Price, Fund from carrydl where WareId=%1 "
                               "order by dlId")
                    .arg(ware));
    QStringList rows;
    for (int v = 0; v < set.RecordCount(); ++v)
        rows << QStringLiteral("%1:%2@%3=%4")
                    .arg(set.Field(0)->IntegerAt(v))
                    .arg(set.Field(1)->FloatAt(v))
                    .arg(set.Field(2)->FloatAt(v))
                    .arg(set.Field(3)->FloatAt(v));
    return rows.join(QLatin1Char(';'));
}

QDate EndDate(TDatabase& db) {
    QSqlQuery q = db.NewQuery();
    db.RunQuery(q, QStringLiteral("select EndDate from carry"), {}, {}, true);
    return q.next() ? q.value(0).toDate() : QDate();
}

TStockSum Stock(TDatabase& db, int house, int ware) {
    TWareCalc calc(&db);
    calc.OpenHouseWare(house, ware);
    return calc.SumHouse(house);
}

// A carrier whose calculation of one pair fails after the table was filled for another pair.
class TFailingCarrier : public TStockCarrier {
public:
    TFailingCarrier(TDatabase* db, int house, int ware)
        : TStockCarrier(db), house_(house), ware_(ware) {}
    void Calc(int houseId, int wareId, int method) override {
        if (houseId == house_ && wareId == ware_) {
            TStockCarrier::Calc(houseId, wareId - 1, method);
            throw std::runtime_error("calculation failed");
        }
        TStockCarrier::Calc(houseId, wareId, method);
    }

private:
    int house_;
    int ware_;
};

const QDate CarryDate(2021, 1, 31);

}  // namespace

class StockCarrierTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void openingBalances_data();
    void openingBalances();
    void secondCarryToEarlierDate();
    void failingStatementRollsBackEverything();
    void calculationErrorSkipsOrAbandons_data();
    void calculationErrorSkipsOrAbandons();
    void unknownCostMethodRefused();

private:
    // Wares 1 and 2 (method 1) with documents before and after the carry date.
    void WriteTwoWares();
    TDatabase* db_ = nullptr;
};

void StockCarrierTest::init() {
    db_ = new TDatabase(QStringLiteral("t_carrier"));
    QVERIFY(OpenFreshTestDatabase(*db_));
    SetNumberFormats(0, 2);
}

void StockCarrierTest::cleanup() {
    delete db_;
    db_ = nullptr;
}

void StockCarrierTest::WriteTwoWares() {
    TStockFixture f(*db_);
    f.Ware(1, 1);
    f.Ware(2, 1);
    f.Lines(1, QStringLiteral("+10@2 m4@2"), QDate(2021, 1, 10));  // h1 6 (12), h2 4 (8)
    f.Lines(2, QStringLiteral("+5@3"), QDate(2021, 1, 20));        // h1 5 (15)
    f.Lines(1, QStringLiteral("-1@2"), QDate(2021, 2, 1));         // after the date
}

void StockCarrierTest::openingBalances_data() {
    QTest::addColumn<int>("method");
    QTest::addColumn<QString>("lines");
    QTest::addColumn<QString>("rows");
    QTest::addColumn<double>("qtyAfter");  // warehouse 1, with the later stock-in of 1 at 1.00

    QTest::newRow("average, amount from rounded price") << 1 << "+3@33.333=100"
                                                        << "1:3@33.33=99.99" << 4.0;
    QTest::newRow("average, zero stock keeps a row") << 1 << "+2@5 -2@5"
                                                     << "1:0@0=0" << 1.0;
    QTest::newRow("month total") << 0 << "+10@2 -4@3 +5@3"
                                 << "1:11@2.09=22.99" << 12.0;
    QTest::newRow("fifo layers") << 2 << "+10@2 -4 +5@3"
                                 << "1:6@2=12;1:5@3=15" << 12.0;
    QTest::newRow("fifo, worked rows") << 2 << "+10@2 -4 +5@3 -8"
                                       << "1:3@3=9" << 4.0;
    QTest::newRow("lifo, worked rows") << 3 << "+10@2 -4 +5@3 -8"
                                       << "1:3@2=6" << 4.0;
    QTest::newRow("fifo, negative stock not carried") << 2 << "-7"
                                                      << "" << 1.0;
    QTest::newRow("average, negative stock carried") << 1 << "-7@1"
                                                     << "1:-7@1=-7" << -6.0;
    QTest::newRow("transfer, both warehouses") << 1 << "+10@2 m4@2"
                                               << "1:6@2=12;2:4@2=8" << 7.0;
}

void StockCarrierTest::openingBalances() {
    QFETCH(int, method);
    QFETCH(QString, lines);
    QFETCH(QString, rows);
    QFETCH(double, qtyAfter);

    TStockFixture f(*db_);
    f.Ware(1, method);
    f.Ware(2, 1);  // no documents: no row
    f.Lines(1, lines, QDate(2021, 1, 1));
    f.Lines(1, QStringLiteral("+1@1"), QDate(2021, 3, 1));  // after the date: kept

    QList<QPair<int, int>> progress;
    TStockCarrier carrier(db_);
    carrier.CalcProgressEvent = [&](int total, int remaining) {
        progress << qMakePair(total, remaining);
    };
    QVERIFY(carrier.Carry(CarryDate));
    QCOMPARE(carrier.Message(), QStringLiteral("结转操作成功!"));
    QCOMPARE(progress, (QList<QPair<int, int>>{{2, 1}, {2, 0}}));
    QCOMPARE(CarryRows(*db_, 1), rows);
    QCOMPARE(CarryRows(*db_, 2), QString());
    QCOMPARE(EndDate(*db_), CarryDate);
    QCOMPARE(f.Count(QStringLiteral("putin")) + f.Count(QStringLiteral("takeout")) +
                 f.Count(QStringLiteral("move")),
             1);
    QCOMPARE(f.Count(QStringLiteral("putindl")), 1);
    QCOMPARE(Stock(*db_, 1, 1).Qty, qtyAfter);
}

// Carrying to a date before the last carry-over date carries the opening balances forward
// whole and moves the date back; later documents stay.
void StockCarrierTest::secondCarryToEarlierDate() {
    WriteTwoWares();
    TStockCarrier carrier(db_);
    QVERIFY(carrier.Carry(CarryDate));
    const QString rows1 = CarryRows(*db_, 1), rows2 = CarryRows(*db_, 2);
    QCOMPARE(rows1, QStringLiteral("1:6@2=12;2:4@2=8"));
    QCOMPARE(rows2, QStringLiteral("1:5@3=15"));
    QVERIFY(carrier.Carry(QDate(2020, 12, 31)));
    QCOMPARE(CarryRows(*db_, 1), rows1);
    QCOMPARE(CarryRows(*db_, 2), rows2);
    QCOMPARE(EndDate(*db_), QDate(2020, 12, 31));
    TStockFixture f(*db_);
    QCOMPARE(f.Count(QStringLiteral("takeout")), 1);
    QCOMPARE(f.Count(QStringLiteral("carry")), 1);
    QCOMPARE(Stock(*db_, 1, 1).Qty, 5.0);
}

// The last statement fails (a row elsewhere still refers to a count document): nothing of
// the carry-over stays.
void StockCarrierTest::failingStatementRollsBackEverything() {
    WriteTwoWares();
    TStockFixture f(*db_);
    f.CarryHead(QDate(2020, 12, 31));
    f.CarryLine(3, 2, 1, 7);
    const int count = f.Regulate(QDate(2021, 1, 25), 1, 2, 1, 3);
    db_->Execute(QStringLiteral("create table hold (Id integer references regulate (Id))"));
    db_->ExecSql(QStringLiteral("insert into hold (Id) values (:Id)"),
                 {DBParam(QStringLiteral("Id"), count)});

    TStockCarrier carrier(db_);
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, carrier.Carry(CarryDate));
    QVERIFY(!db_->InTransaction());
    QCOMPARE(CarryRows(*db_, 2), QStringLiteral("3:1@7=7"));
    QCOMPARE(EndDate(*db_), QDate(2020, 12, 31));
    QCOMPARE(f.Count(QStringLiteral("putin")), 2);
    QCOMPARE(f.Count(QStringLiteral("movedl")), 1);
    QCOMPARE(f.Count(QStringLiteral("regulate")), 1);
}

void StockCarrierTest::calculationErrorSkipsOrAbandons_data() {
    QTest::addColumn<bool>("goOn");
    QTest::newRow("OK goes on without the pair") << true;
    QTest::newRow("Cancel abandons") << false;
}

void StockCarrierTest::calculationErrorSkipsOrAbandons() {
    QFETCH(bool, goOn);
    WriteTwoWares();
    PromptRecorder prompts;
    prompts.Answers << goOn;
    TFailingCarrier carrier(db_, 1, 2);  // ware 2 in warehouse 1, after ware 1 was calculated
    QCOMPARE(carrier.Carry(CarryDate), goOn);
    QCOMPARE(prompts.Prompts.size(), 1);
    QCOMPARE(prompts.Prompts.first().first, TPromptKind::Confirm);
    QVERIFY(prompts.Last().contains(QStringLiteral("编号 2")));
    TStockFixture f(*db_);
    if (goOn) {
        QCOMPARE(carrier.SkippedPairs(), 1);
        QVERIFY(carrier.Message().contains(QStringLiteral(" 1 ")));
        QVERIFY(!carrier.Message().contains(QStringLiteral("结转操作成功")));
        QCOMPARE(CarryRows(*db_, 1), QStringLiteral("1:6@2=12;2:4@2=8"));
        QCOMPARE(CarryRows(*db_, 2), QString());
        QCOMPARE(f.Count(QStringLiteral("putin")), 0);
    } else {
        QCOMPARE(f.Count(QStringLiteral("carrydl")), 0);
        QCOMPARE(f.Count(QStringLiteral("carry")), 0);
        QCOMPARE(f.Count(QStringLiteral("putin")), 2);
    }
}

void StockCarrierTest::unknownCostMethodRefused() {
    WriteTwoWares();
    TStockFixture f(*db_);
    f.Ware(7, 9);
    f.Ware(8, 9);  // no documents: nothing to lose
    f.Lines(7, QStringLiteral("+2@1"));
    PromptRecorder prompts;
    TStockCarrier carrier(db_);
    QVERIFY(!carrier.Carry(CarryDate));
    QVERIFY(carrier.Message().endsWith(QStringLiteral("\r\n7")));
    QCOMPARE(prompts.Prompts.size(), 1);
    QCOMPARE(f.Count(QStringLiteral("carry")), 0);
    QCOMPARE(f.Count(QStringLiteral("putin")), 3);
}

LUMORA_TEST_MAIN(StockCarrierTest)
#include "db_stockcarrier.moc"
