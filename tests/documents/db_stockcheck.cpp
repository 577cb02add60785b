#include <QtTest/QTest>

#include "documents/DocumentFixture.h"
#include "documents/StockCheck.h"
#include "shell/AppSettings.h"
#include "support/TestSupport.h"
#include "valuation/uWareStockSet.h"

namespace {

template <class Line>
Line LineOf(qint64 wareId, double qty, double price = 1) {
    Line l;
    l.WareId = wareId;
    l.WareCode = wareId == 1 ? QStringLiteral("A001") : QStringLiteral("A002");
    l.Qty = qty;
    l.Price = price;
    l.Fund = qty * price;
    return l;
}

RPutin PutinOf(int house, int sign, QList<RPutindl> lines) {
    RPutin r;
    r.BizDate = QDate(2026, 3, 1);
    r.HouseId = house;
    r.SignId = sign;
    r.Billman = AppOperator().LoginId;
    r.Lines = lines;
    return r;
}

RTakeout TakeoutOf(int house, QList<RTakeoutdl> lines) {
    RTakeout r;
    r.BizDate = QDate(2026, 3, 2);
    r.HouseId = house;
    r.SignId = 1;
    r.ClientId = 1;
    r.Billman = AppOperator().LoginId;
    r.Lines = lines;
    return r;
}

struct Shortage {
    QString WareCode;
    double Stock;
};

}  // namespace

class StockCheckTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void takeoutByControl_data();
    void takeoutByControl();
    void refusedUpdateKeepsStoredLines();
    void listsWareStillNegativeAfterStockIn();
    void onlyShortWaresListedOncePerLine();
    void transferChecksIssuingWarehouse_data();
    void transferChecksIssuingWarehouse();
    void countLossChecked();

private:
    TDatabase* db_ = nullptr;
    QList<Shortage> shown_;
};

void StockCheckTest::init() {
    db_ = new TDatabase(QStringLiteral("t_stockcheck"));
    QVERIFY(OpenFreshTestDatabase(*db_));
    AddDocumentFixture(*db_);
    LogInAs(QStringLiteral("sa"));
    shown_.clear();
    SetStockShortageHandler([this](QObject*, TuWareStockSet& set) {
        for (int v = 0; v < set.RecordCount(); ++v)
            shown_ << Shortage{set.WareCodeFld->StringAt(v), set.StockQtyFld->FloatAt(v)};
    });
    // Ware 1 has 5 in warehouse 1, ware 2 has 20.
    RPutin in = PutinOf(1, 1, {LineOf<RPutindl>(1, 5), LineOf<RPutindl>(2, 20)});
    AppSettings().NegativeStockControl = 0;
    QString msg;
    QVERIFY(TPutinBill2::Save(in, msg, {}, nullptr, *db_));
}

void StockCheckTest::cleanup() {
    SetStockShortageHandler({});
    AppSettings().NegativeStockControl = 0;
    delete db_;
    db_ = nullptr;
}

void StockCheckTest::takeoutByControl_data() {
    QTest::addColumn<int>("control");
    QTest::addColumn<bool>("saved");
    QTest::addColumn<bool>("shown");
    QTest::newRow("not checked") << 0 << true << false;
    QTest::newRow("warn") << 1 << true << true;
    QTest::newRow("refuse") << 2 << false << true;
}

void StockCheckTest::takeoutByControl() {
    QFETCH(int, control);
    QFETCH(bool, saved);
    QFETCH(bool, shown);
    AppSettings().NegativeStockControl = control;
    RTakeout out = TakeoutOf(1, {LineOf<RTakeoutdl>(1, 8)});
    QString msg;
    TDatabase* db = db_;
    QCOMPARE(TTakeoutBill2::Save(
                 out, msg, [db](QObject* o, const RTakeout& b) { return StockCheck(o, b, *db); },
                 nullptr, *db_),
             saved);
    QVERIFY(msg.isEmpty());
    QCOMPARE(CountOf(*db_, QStringLiteral("select count(*) from takeout")), saved ? 1 : 0);
    QCOMPARE(CountOf(*db_, QStringLiteral("select count(*) from takeoutdl")), saved ? 1 : 0);
    QCOMPARE(shown_.size(), shown ? 1 : 0);
    if (shown) {
        QCOMPARE(shown_[0].WareCode, QStringLiteral("A001"));
        QCOMPARE(shown_[0].Stock, -3.0);
    }
}

void StockCheckTest::refusedUpdateKeepsStoredLines() {
    RTakeout out = TakeoutOf(1, {LineOf<RTakeoutdl>(1, 2)});
    QString msg;
    QVERIFY(TTakeoutBill2::Save(out, msg, {}, nullptr, *db_));
    AppSettings().NegativeStockControl = 2;
    out.Lines[0].Qty = 9;
    out.Lines << LineOf<RTakeoutdl>(2, 1);
    TDatabase* db = db_;
    QVERIFY(!TTakeoutBill2::Save(
        out, msg, [db](QObject* o, const RTakeout& b) { return StockCheck(o, b, *db); }, nullptr,
        *db_));
    QCOMPARE(shown_.size(), 1);
    QCOMPARE(shown_[0].Stock, -4.0);
    RTakeout stored;
    stored.Id = out.Id;
    QVERIFY(TTakeoutBill2::Load(stored, *db_));
    QCOMPARE(stored.Lines.size(), 1);
    QCOMPARE(stored.Lines[0].Qty.toDouble(), 2.0);
}

void StockCheckTest::listsWareStillNegativeAfterStockIn() {
    // Stock of ware 1 brought to -2, then a stock-in of 1 leaves -1: still listed.
    RTakeout out = TakeoutOf(1, {LineOf<RTakeoutdl>(1, 7)});
    QString msg;
    QVERIFY(TTakeoutBill2::Save(out, msg, {}, nullptr, *db_));
    AppSettings().NegativeStockControl = 1;
    RPutin in = PutinOf(1, 1, {LineOf<RPutindl>(1, 1)});
    TDatabase* db = db_;
    QVERIFY(TPutinBill2::Save(
        in, msg, [db](QObject* o, const RPutin& b) { return StockCheck(o, b, *db); }, nullptr,
        *db_));
    QCOMPARE(shown_.size(), 1);
    QCOMPARE(shown_[0].Stock, -1.0);
    // A reversed stock-in takes stock away.
    shown_.clear();
    RPutin back = PutinOf(1, -1, {LineOf<RPutindl>(2, 25)});
    QVERIFY(TPutinBill2::Save(
        back, msg, [db](QObject* o, const RPutin& b) { return StockCheck(o, b, *db); }, nullptr,
        *db_));
    QCOMPARE(shown_.size(), 1);
    QCOMPARE(shown_[0].WareCode, QStringLiteral("A002"));
    QCOMPARE(shown_[0].Stock, -5.0);
}

void StockCheckTest::onlyShortWaresListedOncePerLine() {
    AppSettings().NegativeStockControl = 1;
    RTakeout out = TakeoutOf(
        1, {LineOf<RTakeoutdl>(1, 4), LineOf<RTakeoutdl>(2, 3), LineOf<RTakeoutdl>(1, 4)});
    QString msg;
    TDatabase* db = db_;
    QVERIFY(TTakeoutBill2::Save(
        out, msg, [db](QObject* o, const RTakeout& b) { return StockCheck(o, b, *db); }, nullptr,
        *db_));
    QCOMPARE(shown_.size(), 2);  // ware 1 on two lines, ware 2 still has 17
    for (const Shortage& s : shown_) {
        QCOMPARE(s.WareCode, QStringLiteral("A001"));
        QCOMPARE(s.Stock, -3.0);
    }
    // Another warehouse's shortage is not this document's business.
    shown_.clear();
    RTakeout other = TakeoutOf(2, {LineOf<RTakeoutdl>(2, 1)});
    QVERIFY(TTakeoutBill2::Save(
        other, msg, [db](QObject* o, const RTakeout& b) { return StockCheck(o, b, *db); }, nullptr,
        *db_));
    QCOMPARE(shown_.size(), 1);
    QCOMPARE(shown_[0].Stock, -1.0);
}

void StockCheckTest::transferChecksIssuingWarehouse_data() {
    QTest::addColumn<int>("outId");
    QTest::addColumn<int>("inId");
    QTest::addColumn<double>("qty");
    QTest::addColumn<bool>("saved");
    QTest::addColumn<double>("shownStock");  // 0 = nothing shown
    QTest::newRow("within stock") << 1 << 2 << 5.0 << true << 0.0;
    QTest::newRow("beyond stock") << 1 << 2 << 6.0 << false << -1.0;
    QTest::newRow("from the empty warehouse") << 2 << 1 << 1.0 << false << -1.0;
    QTest::newRow("same warehouse changes nothing") << 1 << 1 << 6.0 << true << 0.0;
}

void StockCheckTest::transferChecksIssuingWarehouse() {
    QFETCH(int, outId);
    QFETCH(int, inId);
    QFETCH(double, qty);
    QFETCH(bool, saved);
    QFETCH(double, shownStock);
    AppSettings().NegativeStockControl = 2;
    RMove m;
    m.BizDate = QDate(2026, 3, 3);
    m.OutId = outId;
    m.InId = inId;
    m.Billman = AppOperator().LoginId;
    m.Lines = {LineOf<RMovedl>(1, qty)};
    QString msg;
    TDatabase* db = db_;
    QCOMPARE(TMoveBill2::Save(
                 m, msg, [db](QObject* o, const RMove& b) { return StockCheck(o, b, *db); },
                 nullptr, *db_),
             saved);
    QCOMPARE(shown_.size(), shownStock == 0 ? 0 : 1);
    if (shownStock != 0)
        QCOMPARE(shown_[0].Stock, shownStock);
}

void StockCheckTest::countLossChecked() {
    AppSettings().NegativeStockControl = 2;
    RRegulate r;
    r.BizDate = QDate(2026, 3, 4);
    r.HouseId = 1;
    r.Billman = AppOperator().LoginId;
    RRegulatedl l = LineOf<RRegulatedl>(1, -6, 3);
    l.BookQty = 5;
    l.ReguQty = -1;
    r.Lines = {l};
    QString msg;
    TDatabase* db = db_;
    QVERIFY(!TRegulateBill2::Save(
        r, msg, [db](QObject* o, const RRegulate& b) { return StockCheck(o, b, *db); }, nullptr,
        *db_));
    QCOMPARE(shown_.size(), 1);
    QCOMPARE(shown_[0].Stock, -1.0);
    QCOMPARE(CountOf(*db_, QStringLiteral("select count(*) from regulate")), 0);
}

LUMORA_TEST_MAIN(StockCheckTest)
#include "db_stockcheck.moc"
