#include <QtTest/QTest>

#include "documents/DocumentFixture.h"
#include "documents/MoveBill2.h"
#include "documents/MoveSet.h"
#include "documents/RegulateBill2.h"
#include "documents/RegulateSet.h"
#include "support/TestSupport.h"

Q_DECLARE_METATYPE(RMoveWhere)
Q_DECLARE_METATYPE(RRegulateWhere)

namespace {

template <class Line>
Line LineOf(qint64 wareId, double qty, double price, const QString& note = QString()) {
    Line l;
    l.WareId = wareId;
    l.Qty = qty;
    l.Price = price;
    l.Fund = qty * price;
    l.dlNote = note;
    return l;
}

QList<qint64> Ids(TDataSet& set, const char* field = "Id") {
    QList<qint64> ids;
    for (int v = 0; v < set.RecordCount(); ++v)
        ids << set.FieldByName(QLatin1String(field))->IntegerAt(v);
    return ids;
}

template <class W>
W Where(const std::function<void(W&)>& fill) {
    W w;
    fill(w);
    return w;
}

}  // namespace

class MoveRegulateSetsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void moveList_data();
    void moveList();
    void moveLinesAndSummary();
    void regulateList_data();
    void regulateList();

private:
    TDatabase* db_ = nullptr;
};

// Transfers: 1 from A to B (ware 1 x3, ware 2 x1 noted "急"), 2 from B to A (ware 2 x2),
// 3 from A to B (ware 3 x5). Counts: 1 in A (ware 1), 2 in B (ware 2).
void MoveRegulateSetsTest::initTestCase() {
    db_ = new TDatabase(QStringLiteral("t_moveregsets"));
    QVERIFY(OpenFreshTestDatabase(*db_));
    AddDocumentFixture(*db_);
    LogInAs(QStringLiteral("sa"));
    const QList<std::tuple<int, int, RMovedls>> moves{
        {1, 2, {LineOf<RMovedl>(1, 3, 2), LineOf<RMovedl>(2, 1, 4, QStringLiteral("急"))}},
        {2, 1, {LineOf<RMovedl>(2, 2, 4)}},
        {1, 2, {LineOf<RMovedl>(3, 5, 1)}},
    };
    int day = 1;
    QString msg;
    for (const auto& [out, in, lines] : moves) {
        RMove m;
        m.BizDate = QDate(2026, 6, day++);
        m.OutId = out;
        m.InId = in;
        m.HandmanId = 1;
        m.Billman = QStringLiteral("sa");
        m.Lines = lines;
        QVERIFY2(TMoveBill2::Save(m, msg, {}, nullptr, *db_), qPrintable(msg));
    }
    for (int house : {1, 2}) {
        RRegulate r;
        r.BizDate = QDate(2026, 6, 10 + house);
        r.HouseId = house;
        r.Billman = QStringLiteral("sa");
        RRegulatedl l = LineOf<RRegulatedl>(house, -1, 2);
        l.BookQty = 3;
        l.ReguQty = 2;
        r.Lines = {l};
        QVERIFY2(TRegulateBill2::Save(r, msg, {}, nullptr, *db_), qPrintable(msg));
    }
}

void MoveRegulateSetsTest::cleanupTestCase() {
    delete db_;
}

void MoveRegulateSetsTest::moveList_data() {
    QTest::addColumn<RMoveWhere>("where");
    QTest::addColumn<QList<qint64>>("ids");
    QTest::newRow("blank") << RMoveWhere() << QList<qint64>{3, 2, 1};
    QTest::newRow("into B, newest first")
        << Where<RMoveWhere>([](RMoveWhere& w) { w.InHouse.Id = 2; }) << QList<qint64>{3, 1};
    QTest::newRow("out of B") << Where<RMoveWhere>([](RMoveWhere& w) { w.OutHouse.Id = 2; })
                              << QList<qint64>{2};
    QTest::newRow("ware name") << Where<RMoveWhere>([](RMoveWhere& w) {
        w.WareName = QStringLiteral("螺母");
    }) << QList<qint64>{2, 1};
    QTest::newRow("line note does not restrict the list")
        << Where<RMoveWhere>([](RMoveWhere& w) { w.dlNote = QStringLiteral("急"); })
        << QList<qint64>{3, 2, 1};
    QTest::newRow("dates") << Where<RMoveWhere>([](RMoveWhere& w) {
        w.BeginDate = QDate(2026, 6, 2);
        w.EndDate = QDate(2026, 6, 2);
    }) << QList<qint64>{2};
    QTest::newRow("top 1") << Where<RMoveWhere>([](RMoveWhere& w) { w.TopRecord = 1; })
                           << QList<qint64>{3};
    QTest::newRow("by id") << Where<RMoveWhere>([](RMoveWhere& w) { w.BillId = 2; })
                           << QList<qint64>{2};
}

void MoveRegulateSetsTest::moveList() {
    QFETCH(RMoveWhere, where);
    QFETCH(QList<qint64>, ids);
    TMoveSet set(db_);
    QCOMPARE(set.Search(where), ids.size());
    QCOMPARE(Ids(set), ids);
    if (!ids.isEmpty() && ids[0] == 2) {
        QCOMPARE(set.FieldByName(QStringLiteral("InName"))->AsString(), QStringLiteral("甲库"));
        QCOMPARE(set.FieldByName(QStringLiteral("OutName"))->AsString(), QStringLiteral("乙库"));
    }
}

void MoveRegulateSetsTest::moveLinesAndSummary() {
    TMoveWareQrySet lines(db_);
    QCOMPARE(lines.Search(RMoveWhere()), 4);
    QCOMPARE(Ids(lines, "WareId"), (QList<qint64>{1, 2, 2, 3}));
    QCOMPARE(lines.FieldByName(QStringLiteral("Qty"))->FloatAt(2), 2.0);  // B to A, unsigned
    QCOMPARE(lines.FieldByName(QStringLiteral("dFund"))->FloatAt(2), 8.0);
    QCOMPARE(lines.FieldByName(QStringLiteral("OutName"))->StringAt(2), QStringLiteral("乙库"));
    QCOMPARE(lines.FieldByName(QStringLiteral("KindId"))->IntegerAt(0), 2);
    QCOMPARE(
        lines.Search(Where<RMoveWhere>([](RMoveWhere& w) { w.dlNote = QStringLiteral("急"); })), 1);
    QCOMPARE(lines.FieldByName(QStringLiteral("WareId"))->AsInteger(), 2);

    TMoveWareSumSet sum(db_);
    QCOMPARE(sum.Search(Where<RMoveWhere>([](RMoveWhere& w) { w.OutHouse.Id = 1; })), 3);
    QCOMPARE(Ids(sum, "WareId"), (QList<qint64>{1, 2, 3}));
    QCOMPARE(sum.QtyFld->FloatAt(1), 1.0);
    QCOMPARE(sum.CntFld->IntegerAt(1), 1);
    QCOMPARE(sum.Search(RMoveWhere()), 3);
    QCOMPARE(sum.QtyFld->FloatAt(1), 3.0);
    QCOMPARE(sum.FundFld->FloatAt(1), 12.0);
}

void MoveRegulateSetsTest::regulateList_data() {
    QTest::addColumn<RRegulateWhere>("where");
    QTest::addColumn<QList<qint64>>("ids");  // compared without order
    QTest::newRow("blank") << RRegulateWhere() << QList<qint64>{1, 2};
    QTest::newRow("warehouse") << Where<RRegulateWhere>([](RRegulateWhere& w) { w.House.Id = 2; })
                               << QList<qint64>{2};
    QTest::newRow("ware code") << Where<RRegulateWhere>([](RRegulateWhere& w) {
        w.WareCode = QStringLiteral("A001");
    }) << QList<qint64>{1};
    QTest::newRow("by id") << Where<RRegulateWhere>([](RRegulateWhere& w) { w.BillId = 1; })
                           << QList<qint64>{1};
    QTest::newRow("top 1") << Where<RRegulateWhere>([](RRegulateWhere& w) { w.TopRecord = 1; })
                           << QList<qint64>{-1};
}

void MoveRegulateSetsTest::regulateList() {
    QFETCH(RRegulateWhere, where);
    QFETCH(QList<qint64>, ids);
    TRegulateSet set(db_);
    const int expected = ids.size();
    QCOMPARE(set.Search(where), expected);
    if (ids == QList<qint64>{-1})
        return;  // some one document: the list has no order
    QList<qint64> got = Ids(set);
    std::sort(got.begin(), got.end());
    QCOMPARE(got, ids);
    set.Locate(QStringLiteral("Id"), ids[0]);
    QCOMPARE(set.FieldByName(QStringLiteral("HouseName"))->AsString(),
             ids[0] == 1 ? QStringLiteral("甲库") : QStringLiteral("乙库"));
}

LUMORA_TEST_MAIN(MoveRegulateSetsTest)
#include "db_moveregulatesets.moc"
