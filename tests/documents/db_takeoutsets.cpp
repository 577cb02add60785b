#include <QtTest/QTest>

#include "data/qzLib.h"
#include "documents/DocumentFixture.h"
#include "documents/TakeoutBill2.h"
#include "documents/TakeoutSet.h"
#include "masterdata/Captions.h"
#include "support/TestSupport.h"

Q_DECLARE_METATYPE(RTakeoutWhere)

namespace {

RTakeoutdl LineOf(qint64 wareId, double qty, double price) {
    RTakeoutdl l;
    l.WareId = wareId;
    l.Qty = qty;
    l.Price = price;
    l.Fund = qty * price;
    return l;
}

RTakeoutWhere Where(const std::function<void(RTakeoutWhere&)>& fill) {
    RTakeoutWhere w = BlankTakeoutWhere();
    fill(w);
    return w;
}

QList<qint64> Ids(TDataSet& set, const char* field) {
    QList<qint64> ids;
    for (int v = 0; v < set.RecordCount(); ++v)
        ids << set.FieldByName(QLatin1String(field))->IntegerAt(v);
    return ids;
}

}  // namespace

class TakeoutSetsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void documentList_data();
    void documentList();
    void clientColumns();
    void lineListAndSummary();

private:
    TDatabase* db_ = nullptr;
};

// Document 1: client 1, type 1, a normal issue of 4 of ware 1; document 2: no client, a
// reversed issue of 1 of ware 1 and 2 of ware 2.
void TakeoutSetsTest::initTestCase() {
    db_ = new TDatabase(QStringLiteral("t_takeoutsets"));
    QVERIFY(OpenFreshTestDatabase(*db_));
    AddDocumentFixture(*db_);
    LogInAs(QStringLiteral("sa"));
    RTakeout a;
    a.BizDate = QDate(2026, 5, 1);
    a.HouseId = 1;
    a.ClientId = 1;
    a.TypeId = 1;
    a.SignId = 1;
    a.Billman = QStringLiteral("sa");
    a.Lines = {LineOf(1, 4, 2.5)};
    a.Fund = 10;
    RTakeout b;
    b.BizDate = QDate(2026, 5, 2);
    b.HouseId = 2;
    b.SignId = -1;
    b.Billman = QStringLiteral("sa");
    b.Lines = {LineOf(1, 1, 2.5), LineOf(2, 2, 3)};
    b.Fund = 8.5;
    QString msg;
    QVERIFY2(TTakeoutBill2::Save(a, msg, {}, nullptr, *db_), qPrintable(msg));
    QVERIFY2(TTakeoutBill2::Save(b, msg, {}, nullptr, *db_), qPrintable(msg));
}

void TakeoutSetsTest::cleanupTestCase() {
    delete db_;
}

void TakeoutSetsTest::documentList_data() {
    QTest::addColumn<RTakeoutWhere>("where");
    QTest::addColumn<QList<qint64>>("ids");
    QTest::newRow("blank") << BlankTakeoutWhere() << QList<qint64>{2, 1};
    QTest::newRow("client") << Where([](RTakeoutWhere& w) { w.Client.Id = 1; }) << QList<qint64>{1};
    QTest::newRow("type") << Where([](RTakeoutWhere& w) { w.TakeoutType.Id = 1; })
                          << QList<qint64>{1};
    QTest::newRow("ware") << Where([](RTakeoutWhere& w) { w.WareCode = QStringLiteral("A002"); })
                          << QList<qint64>{2};
    QTest::newRow("top 1") << Where([](RTakeoutWhere& w) { w.TopRecord = 1; }) << QList<qint64>{2};
}

void TakeoutSetsTest::documentList() {
    QFETCH(RTakeoutWhere, where);
    QFETCH(QList<qint64>, ids);
    TTakeoutSet set(db_);
    QCOMPARE(set.Search(where), ids.size());
    QCOMPARE(Ids(set, "Id"), ids);
    QCOMPARE(set.Where->ClientIdFld->AsInteger(), where.Client.Id);
}

void TakeoutSetsTest::clientColumns() {
    TTakeoutSet set(db_);
    QCOMPARE(set.OpenById(1), 1);
    QCOMPARE(set.FieldByName(QStringLiteral("ClientName"))->AsString(), QStringLiteral("西方商行"));
    QCOMPARE(set.FieldByName(QStringLiteral("ClientLinkman"))->AsString(), QStringLiteral("王五"));
    QCOMPARE(set.FieldByName(QStringLiteral("ClientAddr"))->AsString(), QStringLiteral("北街1号"));
    QCOMPARE(set.FieldByName(QStringLiteral("ClientTel"))->DisplayLabel, AppCaptions().ClientTel);
    QCOMPARE(set.FieldByName(QStringLiteral("FundCn"))->AsString(), AmountInWords(10));
    QCOMPARE(set.Where->ClientNameFld->DisplayLabel, AppCaptions().ClientWord);
}

void TakeoutSetsTest::lineListAndSummary() {
    TTakeoutWareSet lines(db_);
    QCOMPARE(lines.Search(BlankTakeoutWhere()), 3);
    QCOMPARE(lines.FieldByName(QStringLiteral("sQty"))->FloatAt(0), 4.0);  // a normal issue
    QCOMPARE(lines.FieldByName(QStringLiteral("KindId"))->IntegerAt(0), 1);
    QCOMPARE(lines.FieldByName(QStringLiteral("ClientName"))->StringAt(0),
             QStringLiteral("西方商行"));
    QCOMPARE(lines.FieldByName(QStringLiteral("ClientName"))->DisplayLabel,
             QStringLiteral("收货方"));
    QCOMPARE(lines.Search(Where([](RTakeoutWhere& w) { w.House.Id = 2; })), 2);
    for (int v = 0; v < 2; ++v)
        QVERIFY(lines.FieldByName(QStringLiteral("sQty"))->FloatAt(v) < 0);

    TTakeoutWareSumSet sum(db_);
    QCOMPARE(sum.Search(BlankTakeoutWhere()), 2);
    QCOMPARE(Ids(sum, "WareId"), (QList<qint64>{1, 2}));
    QCOMPARE(sum.QtyFld->FloatAt(0), 3.0);
    QCOMPARE(sum.FundFld->FloatAt(0), 7.5);
    QCOMPARE(sum.CntFld->IntegerAt(0), 2);
    QCOMPARE(sum.QtyFld->FloatAt(1), -2.0);
}

LUMORA_TEST_MAIN(TakeoutSetsTest)
#include "db_takeoutsets.moc"
