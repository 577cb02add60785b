#include <QtTest/QTest>

#include "data/qzLib.h"
#include "documents/DocumentFixture.h"
#include "documents/PutinBill2.h"
#include "documents/PutinSet.h"
#include "support/TestSupport.h"

Q_DECLARE_METATYPE(RPutinWhere)

namespace {

RPutindl LineOf(qint64 wareId, double qty, double price, const QString& note = QString()) {
    RPutindl l;
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

RPutinWhere Where(const std::function<void(RPutinWhere&)>& fill) {
    RPutinWhere w = BlankPutinWhere();
    fill(w);
    return w;
}

}  // namespace

class PutinSetsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void documentList_data();
    void documentList();
    void documentColumnsAndWords();
    void lineList_data();
    void lineList();
    void summary();

private:
    TDatabase* db_ = nullptr;
};

// Document 1: warehouse 1, ware 1 (note "红色") and ware 2; document 2: warehouse 2, reversed,
// ware 2 only; document 3: warehouse 1, department 1, ware 1 and ware 3, total -120.50.
void PutinSetsTest::initTestCase() {
    db_ = new TDatabase(QStringLiteral("t_putinsets"));
    QVERIFY(OpenFreshTestDatabase(*db_));
    AddDocumentFixture(*db_);
    LogInAs(QStringLiteral("sa"));
    struct Doc {
        int house, sign, dept;
        QDate date;
        QString userCode, note;
        RPutindls lines;
        double fund;
    };
    const QList<Doc> docs{
        {1,
         1,
         0,
         QDate(2026, 1, 10),
         "U-100",
         "月初",
         {LineOf(1, 5, 10, "红色"), LineOf(2, 1, 2)},
         52},
        {2, -1, 0, QDate(2026, 2, 10), "O'Brien", "退货", {LineOf(2, 5, 10)}, 50},
        {1, 1, 1, QDate(2026, 3, 10), "U-300", "", {LineOf(1, 2, 3), LineOf(3, 4, 1)}, -120.5},
    };
    for (const Doc& d : docs) {
        RPutin r;
        r.BizDate = d.date;
        r.HouseId = d.house;
        r.SignId = d.sign;
        r.TypeId = 1;
        r.SupplierId = 1;
        r.HandmanId = 1;
        if (d.dept)
            r.DeptId = d.dept;
        r.UserCode = d.userCode;
        r.Note = d.note;
        r.Billman = QStringLiteral("sa");
        r.Lines = d.lines;
        r.Fund = d.fund;
        QString msg;
        QVERIFY2(TPutinBill2::Save(r, msg, {}, nullptr, *db_), qPrintable(msg));
    }
}

void PutinSetsTest::cleanupTestCase() {
    delete db_;
}

void PutinSetsTest::documentList_data() {
    QTest::addColumn<RPutinWhere>("where");
    QTest::addColumn<QList<qint64>>("ids");
    QTest::newRow("blank: newest first") << BlankPutinWhere() << QList<qint64>{3, 2, 1};
    QTest::newRow("top 2") << Where([](RPutinWhere& w) { w.TopRecord = 2; }) << QList<qint64>{3, 2};
    QTest::newRow("by id") << Where([](RPutinWhere& w) { w.BillId = 2; }) << QList<qint64>{2};
    QTest::newRow("ware name, each document once")
        << Where([](RPutinWhere& w) { w.WareName = QStringLiteral("螺丝"); })
        << QList<qint64>{3, 1};
    QTest::newRow("ware package") << Where([](RPutinWhere& w) {
        w.WarePackage = QStringLiteral("盒");
    }) << QList<qint64>{2, 1};
    QTest::newRow("line note") << Where([](RPutinWhere& w) { w.dlNote = QStringLiteral("红"); })
                               << QList<qint64>{1};
    QTest::newRow("warehouse") << Where([](RPutinWhere& w) { w.House.Id = 2; }) << QList<qint64>{2};
    QTest::newRow("department") << Where([](RPutinWhere& w) { w.Dept.Id = 1; }) << QList<qint64>{3};
    QTest::newRow("dates inclusive") << Where([](RPutinWhere& w) {
        w.BeginDate = QDate(2026, 1, 10);
        w.EndDate = QDate(2026, 2, 10);
    }) << QList<qint64>{2, 1};
    QTest::newRow("user code with a quote")
        << Where([](RPutinWhere& w) { w.UserCode = QStringLiteral("O'B"); }) << QList<qint64>{2};
    QTest::newRow("quote cannot end the literal")
        << Where([](RPutinWhere& w) { w.Note = QStringLiteral("x' or '1'='1"); })
        << QList<qint64>{};
    QTest::newRow("ware and warehouse together") << Where([](RPutinWhere& w) {
        w.WareCode = QStringLiteral("A002");
        w.House.Id = 1;
    }) << QList<qint64>{1};
}

void PutinSetsTest::documentList() {
    QFETCH(RPutinWhere, where);
    QFETCH(QList<qint64>, ids);
    TPutinSet set(db_);
    QCOMPARE(set.Search(where), ids.size());
    QCOMPARE(Ids(set), ids);
    QCOMPARE(set.Where->UserCodeFld->AsString(), where.UserCode);
}

void PutinSetsTest::documentColumnsAndWords() {
    TPutinSet set(db_);
    QCOMPARE(set.OpenById(3), 1);
    QCOMPARE(set.FieldByName(QStringLiteral("HouseName"))->AsString(), QStringLiteral("甲库"));
    QCOMPARE(set.FieldByName(QStringLiteral("DeptName"))->AsString(), QStringLiteral("生产部"));
    QCOMPARE(set.FieldByName(QStringLiteral("SignName"))->AsString(), QStringLiteral("正常入库"));
    QCOMPARE(set.FieldByName(QStringLiteral("SupplierName"))->AsString(),
             QStringLiteral("东方供应"));
    QCOMPARE(set.FieldByName(QStringLiteral("BizDate"))->AsDate(), QDate(2026, 3, 10));
    QCOMPARE(set.FieldByName(QStringLiteral("Fund"))->AsFloat(), -120.5);
    // The sign is dropped in words.
    QCOMPARE(set.FieldByName(QStringLiteral("FundCn"))->AsString(), AmountInWords(120.5));
    QVERIFY(!set.FieldByName(QStringLiteral("FundCn"))->Visible);
    QCOMPARE(set.FieldByName(QStringLiteral("SupplierName"))->DisplayLabel,
             QStringLiteral("供货商"));
}

void PutinSetsTest::lineList_data() {
    QTest::addColumn<RPutinWhere>("where");
    QTest::addColumn<QList<qint64>>("wares");  // ware ids of the lines, by business date
    QTest::addColumn<QList<double>>("qty");    // signed quantities
    QTest::newRow("blank") << BlankPutinWhere() << QList<qint64>{1, 2, 2, 1, 3}
                           << QList<double>{5, 1, -5, 2, 4};
    QTest::newRow("package") << Where([](RPutinWhere& w) { w.WarePackage = QStringLiteral("袋"); })
                             << QList<qint64>{1, 1, 3} << QList<double>{5, 2, 4};
    QTest::newRow("line note") << Where([](RPutinWhere& w) { w.dlNote = QStringLiteral("红"); })
                               << QList<qint64>{1} << QList<double>{5};
    QTest::newRow("header note") << Where([](RPutinWhere& w) { w.Note = QStringLiteral("退"); })
                                 << QList<qint64>{2} << QList<double>{-5};
}

void PutinSetsTest::lineList() {
    QFETCH(RPutinWhere, where);
    QFETCH(QList<qint64>, wares);
    QFETCH(QList<double>, qty);
    TPutinWareSet set(db_);
    QCOMPARE(set.Search(where), wares.size());
    QStringList expected;
    for (int i = 0; i < wares.size(); ++i)
        expected << QStringLiteral("%1:%2").arg(wares[i]).arg(qty[i]);
    QStringList got;
    QDate last;
    for (int v = 0; v < set.RecordCount(); ++v) {
        got << QStringLiteral("%1:%2")
                   .arg(set.FieldByName(QStringLiteral("WareId"))->IntegerAt(v))
                   .arg(set.FieldByName(QStringLiteral("sQty"))->FloatAt(v));
        QCOMPARE(set.FieldByName(QStringLiteral("KindId"))->IntegerAt(v), 0);
        const QDate date = set.FieldByName(QStringLiteral("BizDate"))->ValueAt(v).toDate();
        QVERIFY(!last.isValid() || last <= date);
        last = date;
    }
    expected.sort();
    got.sort();
    QCOMPARE(got, expected);
    if (set.Locate(QStringLiteral("Id"), 2)) {
        QCOMPARE(set.FieldByName(QStringLiteral("sFund"))->AsFloat(), -50.0);
        QCOMPARE(set.FieldByName(QStringLiteral("SignName"))->AsString(),
                 QStringLiteral("入库退货"));
        QCOMPARE(set.FieldByName(QStringLiteral("WareName"))->AsString(), QStringLiteral("螺母"));
        QCOMPARE(set.FieldByName(QStringLiteral("HouseName"))->AsString(), QStringLiteral("乙库"));
    }
}

void PutinSetsTest::summary() {
    TPutinWareSumSet set(db_);
    QCOMPARE(set.Search(BlankPutinWhere()), 3);
    QCOMPARE(Ids(set, "WareId"), (QList<qint64>{1, 2, 3}));
    QCOMPARE(set.QtyFld->FloatAt(0), 7.0);
    QCOMPARE(set.FundFld->FloatAt(0), 56.0);
    QCOMPARE(set.CntFld->IntegerAt(0), 2);
    QCOMPARE(set.QtyFld->FloatAt(1), -4.0);  // 1 received, 5 sent back
    QCOMPARE(set.FundFld->FloatAt(1), -48.0);
    QCOMPARE(set.FundFld->DisplayFormat, QStringLiteral("0.00"));
    RPutinWhere w = BlankPutinWhere();
    w.WarePackage = QStringLiteral("袋");
    w.Code = QStringLiteral("NK");
    QCOMPARE(set.Search(w), 2);
    QCOMPARE(Ids(set, "WareId"), (QList<qint64>{1, 3}));
}

LUMORA_TEST_MAIN(PutinSetsTest)
#include "db_putinsets.moc"
