#include <QtTest/QTest>

#include "data/Abort.h"
#include "documents/DocumentFixture.h"
#include "documents/MoveBill2.h"
#include "documents/RegulateBill2.h"
#include "documents/TakeoutBill2.h"
#include "support/TestSupport.h"
#include "valuation/WareCalc.h"

namespace {

template <class Line>
Line LineOf(qint64 wareId, double qty, double price) {
    Line l;
    l.WareId = wareId;
    l.Qty = qty;
    l.Price = price;
    l.Fund = qty * price;
    l.dlNote = QStringLiteral("n%1").arg(wareId);
    return l;
}

RPutin StockIn(TDatabase& db, int house, double qty, double price) {
    RPutin r;
    r.BizDate = QDate(2026, 3, 1);
    r.HouseId = house;
    r.SignId = 1;
    r.TypeId = 1;
    r.HandmanId = 1;
    r.DeptId = 1;
    r.BatchNo = QStringLiteral("P9");
    r.Billman = AppOperator().LoginId;
    r.Lines = {LineOf<RPutindl>(1, qty, price)};
    r.Fund = qty * price;
    QString msg;
    if (!TPutinBill2::Save(r, msg, {}, nullptr, db) || !TPutinBill2::Load(r, db))
        qWarning("stock-in failed: %s", qPrintable(msg));
    return r;
}

TStockSum StockOf(TDatabase& db, int house, int ware) {
    TWareCalc calc(&db);
    calc.OpenHouseWare(house, ware);
    return calc.SumHouse(house);
}

}  // namespace

class DocumentKindsTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void takeoutRoundTrip();
    void moveRoundTrip();
    void regulateRoundTrip();
    void codesPerKind();
    void auditRightPerKind_data();
    void auditRightPerKind();
    void fromPutin();
    void transferMovesStock_data();
    void transferMovesStock();
    void countGainAndLoss_data();
    void countGainAndLoss();

private:
    TDatabase* db_ = nullptr;
    PromptRecorder* prompts_ = nullptr;
};

void DocumentKindsTest::init() {
    db_ = new TDatabase(QStringLiteral("t_kinds"));
    QVERIFY(OpenFreshTestDatabase(*db_));
    AddDocumentFixture(*db_);
    LogInAs(QStringLiteral("sa"));
    prompts_ = new PromptRecorder;
}

void DocumentKindsTest::cleanup() {
    delete prompts_;
    prompts_ = nullptr;
    delete db_;
    db_ = nullptr;
}

void DocumentKindsTest::takeoutRoundTrip() {
    RTakeout r;
    r.BizDate = QDate(2026, 4, 2);
    r.HouseId = 2;
    r.ClientId = 1;
    r.SignId = -1;
    r.TypeId = 1;
    r.HandmanId = 1;
    r.Billman = QStringLiteral("sa");
    r.Lines = {LineOf<RTakeoutdl>(1, 3, 2), LineOf<RTakeoutdl>(3, 1, 4)};
    r.Fund = 10;
    QString msg;
    QVERIFY2(TTakeoutBill2::Save(r, msg, {}, nullptr, *db_), qPrintable(msg));
    r.Lines.removeFirst();
    QVERIFY2(TTakeoutBill2::Save(r, msg, {}, nullptr, *db_), qPrintable(msg));
    RTakeout loaded;
    loaded.Id = r.Id;
    QVERIFY(TTakeoutBill2::Load(loaded, *db_));
    QCOMPARE(loaded.ClientName, QStringLiteral("西方商行"));
    QCOMPARE(loaded.SignName, QStringLiteral("出库退货"));
    QCOMPARE(loaded.TypeName, QStringLiteral("销售"));
    QCOMPARE(loaded.HouseName, QStringLiteral("乙库"));
    QCOMPARE(loaded.Lines.size(), 1);
    QCOMPARE(loaded.Lines[0].WareName, QStringLiteral("垫片"));
    QCOMPARE(loaded.Lines[0].dlNote, QStringLiteral("n3"));
}

void DocumentKindsTest::moveRoundTrip() {
    RMove r;
    r.BizDate = QDate(2026, 4, 3);
    r.OutId = 1;
    r.InId = 2;
    r.HandmanId = 1;
    r.Billman = QStringLiteral("sa");
    r.Note = QStringLiteral("调拨");
    r.Lines = {LineOf<RMovedl>(2, 4, 2)};
    QString msg;
    QVERIFY2(TMoveBill2::Save(r, msg, {}, nullptr, *db_), qPrintable(msg));
    r.InId = 1;
    QVERIFY2(TMoveBill2::Save(r, msg, {}, nullptr, *db_), qPrintable(msg));
    RMove loaded;
    loaded.Id = r.Id;
    QVERIFY(TMoveBill2::Load(loaded, *db_));
    QCOMPARE(loaded.OutName, QStringLiteral("甲库"));
    QCOMPARE(loaded.InName, QStringLiteral("甲库"));
    QCOMPARE(loaded.HandmanName, QStringLiteral("张三"));
    QCOMPARE(loaded.Note, QStringLiteral("调拨"));
    QCOMPARE(loaded.Lines.size(), 1);
    QCOMPARE(loaded.Lines[0].Fund.toDouble(), 8.0);
}

void DocumentKindsTest::regulateRoundTrip() {
    RRegulate r;
    r.BizDate = QDate(2026, 4, 4);
    r.HouseId = 1;
    r.HandmanId = 1;
    r.Billman = QStringLiteral("sa");
    RRegulatedl l = LineOf<RRegulatedl>(1, -2, 3);
    l.BookQty = 10;
    l.ReguQty = 8;
    r.Lines = {l};
    QString msg;
    QVERIFY2(TRegulateBill2::Save(r, msg, {}, nullptr, *db_), qPrintable(msg));
    r.Lines[0].ReguQty = 7;
    r.Lines[0].Qty = -3;
    QVERIFY2(TRegulateBill2::Save(r, msg, {}, nullptr, *db_), qPrintable(msg));
    RRegulate loaded;
    loaded.Id = r.Id;
    QVERIFY(TRegulateBill2::Load(loaded, *db_));
    QCOMPARE(loaded.HouseName, QStringLiteral("甲库"));
    QCOMPARE(loaded.Lines.size(), 1);
    QCOMPARE(loaded.Lines[0].BookQty.toDouble(), 10.0);
    QCOMPARE(loaded.Lines[0].ReguQty.toDouble(), 7.0);
    QCOMPARE(loaded.Lines[0].Qty.toDouble(), -3.0);
}

void DocumentKindsTest::codesPerKind() {
    // Each kind counts its own sequence under its own prefix.
    QString msg;
    StockIn(*db_, 1, 1, 1);
    StockIn(*db_, 1, 1, 1);
    RTakeout t;
    t.HouseId = 1;
    t.Billman = QStringLiteral("sa");
    QVERIFY(TTakeoutBill2::Save(t, msg, {}, nullptr, *db_));
    RMove m;
    m.Billman = QStringLiteral("sa");
    QVERIFY(TMoveBill2::Save(m, msg, {}, nullptr, *db_));
    RRegulate g;
    g.Billman = QStringLiteral("sa");
    QVERIFY(TRegulateBill2::Save(g, msg, {}, nullptr, *db_));
    QCOMPARE(t.Code, CodeOf(QStringLiteral("CK"), *db_, 1));
    QCOMPARE(m.Code, CodeOf(QStringLiteral("DB"), *db_, 1));
    QCOMPARE(g.Code, CodeOf(QStringLiteral("PD"), *db_, 1));
    QCOMPARE(t.Id, 1);
}

void DocumentKindsTest::auditRightPerKind_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("right");
    QTest::newRow("stock-out") << 1 << 27;
    QTest::newRow("transfer") << 2 << 28;
    QTest::newRow("stock count") << 3 << 29;
}

void DocumentKindsTest::auditRightPerKind() {
    QFETCH(int, kind);
    QFETCH(int, right);
    RTakeout t;
    t.Billman = QStringLiteral("sa");
    RMove m;
    m.Billman = QStringLiteral("sa");
    RRegulate g;
    g.Billman = QStringLiteral("sa");
    QString msg;
    QVERIFY(TTakeoutBill2::Save(t, msg, {}, nullptr, *db_));
    QVERIFY(TMoveBill2::Save(m, msg, {}, nullptr, *db_));
    QVERIFY(TRegulateBill2::Save(g, msg, {}, nullptr, *db_));
    auto audit = [&]() {
        return kind == 1   ? TTakeoutBill2::SwitchCheck(t, *db_)
               : kind == 2 ? TMoveBill2::SwitchCheck(m, *db_)
                           : TRegulateBill2::SwitchCheck(g, *db_);
    };
    // The other kinds' rights do not count.
    QString others;
    for (int r : {16, 17, 18, 19, 26, 27, 28, 29})
        if (r != right)
            others += TOperator::RightEntry(r);
    LogInAs(QStringLiteral("bob"), others);
    QVERIFY_THROWS_EXCEPTION(EAbort, audit());
    QVERIFY(prompts_->Last().contains(QStringLiteral("(%1)").arg(right)));
    LogInAs(QStringLiteral("bob"), TOperator::RightEntry(right));
    QVERIFY(audit());
    const QString table = kind == 1 ? "takeout" : kind == 2 ? "move" : "regulate";
    QCOMPARE(
        CountOf(*db_, QStringLiteral("select count(*) from %1 where Checkman='bob'").arg(table)),
        1);
}

void DocumentKindsTest::fromPutin() {
    LogInAs(QStringLiteral("amy"));
    RPutin in = StockIn(*db_, 2, 6, 2.5);
    in.Note = QStringLiteral("入库备注");
    RTakeout out;
    out.Id = 77;
    out.Code = QStringLiteral("old");
    TTakeoutBill2::FromPutin(in, out, *db_);
    const QDateTime now = db_->ServerNow();
    QCOMPARE(out.Id, 0);
    QVERIFY(out.Code.isEmpty());
    QVERIFY(out.UserCode.isEmpty());
    QCOMPARE(out.BizDate.toDate(), now.date());
    QCOMPARE(out.HouseId.toInt(), 2);
    QCOMPARE(out.HouseName, QStringLiteral("乙库"));
    QCOMPARE(out.DeptName, QStringLiteral("生产部"));
    QCOMPARE(out.TypeId.toInt(), 1);
    QCOMPARE(out.SignId.toInt(), 1);
    QCOMPARE(out.HandmanName, QStringLiteral("张三"));
    QCOMPARE(out.BatchNo, QStringLiteral("P9"));
    QCOMPARE(out.Fund.toDouble(), 15.0);
    QCOMPARE(out.ClientId.toInt(), 0);
    QVERIFY(out.ClientName.isEmpty());
    QCOMPARE(out.Billman, QStringLiteral("amy"));
    QVERIFY(qAbs(out.BillTime.toDateTime().secsTo(now)) < 120);
    QVERIFY(out.Checkman.isEmpty());
    QVERIFY(out.CheckTime.isNull());
    QVERIFY(out.Note.isEmpty());
    QCOMPARE(out.Lines.size(), 1);
    QCOMPARE(out.Lines[0].dlId, 0);
    QCOMPARE(out.Lines[0].MastId, 0);
    QCOMPARE(out.Lines[0].WareCode, QStringLiteral("A001"));
    QCOMPARE(out.Lines[0].WareInPrice.toDouble(), 1.5);
    QCOMPARE(out.Lines[0].Qty.toDouble(), 6.0);
    QCOMPARE(out.Lines[0].Price.toDouble(), 2.5);
    QCOMPARE(out.Lines[0].dlNote, QStringLiteral("n1"));
    // Saved with a client, it is a new stock-out with fresh keys.
    out.ClientId = 1;
    QString msg;
    QVERIFY2(TTakeoutBill2::Save(out, msg, {}, nullptr, *db_), qPrintable(msg));
    QCOMPARE(out.Code, CodeOf(QStringLiteral("CK"), *db_, 1));
    QCOMPARE(CountOf(*db_, QStringLiteral("select count(*) from putindl")), 1);
}

void DocumentKindsTest::transferMovesStock_data() {
    QTest::addColumn<int>("outId");
    QTest::addColumn<int>("inId");
    QTest::addColumn<double>("changeOfA");
    QTest::addColumn<double>("changeOfB");
    QTest::newRow("A to B") << 1 << 2 << -10.0 << 10.0;
    QTest::newRow("B to A") << 2 << 1 << 10.0 << -10.0;
    QTest::newRow("A to A") << 1 << 1 << 0.0 << 0.0;
}

void DocumentKindsTest::transferMovesStock() {
    QFETCH(int, outId);
    QFETCH(int, inId);
    QFETCH(double, changeOfA);
    QFETCH(double, changeOfB);
    StockIn(*db_, 1, 30, 2);
    StockIn(*db_, 2, 30, 2);
    RMove m;
    m.BizDate = QDate(2026, 3, 5);
    m.OutId = outId;
    m.InId = inId;
    m.Billman = QStringLiteral("sa");
    m.Lines = {LineOf<RMovedl>(1, 10, 2)};
    QString msg;
    QVERIFY2(TMoveBill2::Save(m, msg, {}, nullptr, *db_), qPrintable(msg));
    const TStockSum a = StockOf(*db_, 1, 1);
    const TStockSum b = StockOf(*db_, 2, 1);
    QCOMPARE(a.Qty, 30 + changeOfA);
    QCOMPARE(b.Qty, 30 + changeOfB);
    QCOMPARE(a.Fund, 60 + 2 * changeOfA);
    QCOMPARE(b.Fund, 60 + 2 * changeOfB);
    TWareCalc all(db_);
    all.OpenAll();
    QCOMPARE(all.SumWare(1).Qty, 60.0);
}

void DocumentKindsTest::countGainAndLoss_data() {
    QTest::addColumn<double>("book");
    QTest::addColumn<double>("counted");
    QTest::addColumn<double>("stockQty");
    QTest::addColumn<double>("stockFund");
    QTest::newRow("loss of 2") << 10.0 << 8.0 << 8.0 << 24.0;
    QTest::newRow("gain of 2") << 10.0 << 12.0 << 12.0 << 36.0;
    QTest::newRow("counted as booked") << 10.0 << 10.0 << 10.0 << 30.0;
}

void DocumentKindsTest::countGainAndLoss() {
    QFETCH(double, book);
    QFETCH(double, counted);
    QFETCH(double, stockQty);
    QFETCH(double, stockFund);
    StockIn(*db_, 1, 10, 3);
    RRegulate r;
    r.BizDate = QDate(2026, 3, 6);
    r.HouseId = 1;
    r.HandmanId = 1;
    r.Billman = QStringLiteral("sa");
    RRegulatedl l = LineOf<RRegulatedl>(1, counted - book, 3);
    l.BookQty = book;
    l.ReguQty = counted;
    r.Lines = {l};
    r.Fund = l.Fund;
    QString msg;
    QVERIFY2(TRegulateBill2::Save(r, msg, {}, nullptr, *db_), qPrintable(msg));
    const TStockSum s = StockOf(*db_, 1, 1);
    QCOMPARE(s.Qty, stockQty);
    QCOMPARE(s.Fund, stockFund);
    RRegulate loaded;
    loaded.Id = r.Id;
    QVERIFY(TRegulateBill2::Load(loaded, *db_));
    QCOMPARE(loaded.Fund.toDouble(), 3 * (counted - book));
    QCOMPARE(loaded.Lines[0].Fund.toDouble(), 3 * (counted - book));
}

LUMORA_TEST_MAIN(DocumentKindsTest)
#include "db_documentkinds.moc"
