#include <QSqlQuery>
#include <QSqlRecord>
#include <QtTest/QTest>
#include <algorithm>

#include "DataGenerator.h"
#include "data/Database.h"
#include "support/TestSupport.h"

namespace {

QList<QVariantList> Rows(TDatabase& db, const QString& sql) {
    QSqlQuery q = db.NewQuery();
    db.RunQuery(q, sql, {}, {}, true);
    QList<QVariantList> rows;
    while (q.next()) {
        QVariantList row;
        for (int i = 0; i < q.record().count(); ++i)
            row << q.value(i);
        rows << row;
    }
    return rows;
}

double Scalar(TDatabase& db, const QString& sql) {
    const auto rows = Rows(db, sql);
    return rows.isEmpty() ? 0 : rows.first().value(0).toDouble();
}

// Every stock movement: warehouse, ware, when, signed quantity.
const char* const Movements =
    "with mv (HouseId, WareId, BizDate, BillTime, Qty) as ("
    " select m.HouseId, d.WareId, m.BizDate, m.BillTime, m.SignId*d.Qty"
    "   from putin m join putindl d on d.MastId=m.Id"
    " union all select m.HouseId, d.WareId, m.BizDate, m.BillTime, -m.SignId*d.Qty"
    "   from takeout m join takeoutdl d on d.MastId=m.Id"
    " union all select m.InId, d.WareId, m.BizDate, m.BillTime, d.Qty"
    "   from move m join movedl d on d.MastId=m.Id"
    " union all select m.OutId, d.WareId, m.BizDate, m.BillTime, -d.Qty"
    "   from move m join movedl d on d.MastId=m.Id"
    " union all select m.HouseId, d.WareId, m.BizDate, m.BillTime, d.Qty"
    "   from regulate m join regulatedl d on d.MastId=m.Id) ";

}  // namespace

class GeneratorTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();

    void writesTheLinesAskedForInTheKindSplit();
    void stockNeverGoesNegative();
    void wareReuseIsSkewedWithSeveralLinesPerDocument();
    void documentsAreConsistent_data();
    void documentsAreConsistent();
    void sameSeedGivesSameDatabase();
    void refusesDatabaseWithTables();

private:
    TDatabase db_{QStringLiteral("gen_test")};
    TGenOptions options_;
    TGenCounts counts_;
};

void GeneratorTest::initTestCase() {
    QVERIFY(OpenEmptyTestDatabase(db_));
    options_.Wares = 300;
    options_.Houses = 4;
    options_.Lines = 6000;
    QString error;
    QVERIFY2(GenerateStockData(db_, options_, &counts_, &error), qPrintable(error));
}

void GeneratorTest::cleanupTestCase() {
    db_.SetConnected(false);
}

void GeneratorTest::writesTheLinesAskedForInTheKindSplit() {
    QCOMPARE(counts_.TotalLines(), options_.Lines);
    const char* const tables[] = {"putindl", "takeoutdl", "movedl", "regulatedl"};
    const double shares[] = {0.45, 0.45, 0.05, 0.05};
    for (int k = 0; k < 4; ++k) {
        const double stored =
            Scalar(db_, QStringLiteral("select count(*) from %1").arg(QLatin1String(tables[k])));
        QCOMPARE(qint64(stored), counts_.Lines[k]);
        QVERIFY2(qAbs(stored / options_.Lines - shares[k]) < 0.03, tables[k]);
    }
    QCOMPARE(Scalar(db_, QStringLiteral("select count(*) from ware")), 300.0);
    QCOMPARE(Scalar(db_, QStringLiteral("select count(*) from warehouse")), 4.0);
}

void GeneratorTest::stockNeverGoesNegative() {
    // The running stock of every warehouse and ware in business order, at every movement.
    const QString sql = QLatin1String(Movements) +
                        QStringLiteral(
                            "select count(*) from (select sum(Qty) over (partition by HouseId, "
                            "WareId order by BizDate, BillTime rows unbounded preceding) as "
                            "Stock from mv) s where Stock < 0");
    QCOMPARE(Scalar(db_, sql), 0.0);
    // Stock-outs did find stock: most of the issued lines are not returns.
    QVERIFY(Scalar(db_, QStringLiteral("select count(*) from takeout where SignId=1")) >
            0.9 * counts_.Docs[1]);
}

void GeneratorTest::wareReuseIsSkewedWithSeveralLinesPerDocument() {
    const auto perWare = Rows(db_, QStringLiteral("select count(*) from putindl group by WareId "
                                                  "order by count(*) desc"));
    QVERIFY(perWare.size() > 100);
    // The benchmark finds the busiest ware by its rank; chance may put a neighbour first.
    const auto busiest3 = Rows(db_, QStringLiteral("select WareId from putindl group by WareId "
                                                   "order by count(*) desc") +
                                        db_.Dialect().Limit(3));
    QVERIFY(std::any_of(busiest3.begin(), busiest3.end(), [&](const QVariantList& r) {
        return r.value(0).toInt() == WareOfRank(options_, 0);
    }));
    const double busiest = perWare.first().value(0).toDouble();
    const double median = perWare.at(perWare.size() / 2).value(0).toDouble();
    QVERIFY2(busiest > 8 * median, qPrintable(QStringLiteral("%1 vs %2").arg(busiest).arg(median)));
    const double perDoc = double(counts_.TotalLines()) /
                          (counts_.Docs[0] + counts_.Docs[1] + counts_.Docs[2] + counts_.Docs[3]);
    QVERIFY2(perDoc > 3 && perDoc < 12, qPrintable(QString::number(perDoc)));
}

void GeneratorTest::documentsAreConsistent_data() {
    QTest::addColumn<QString>("sql");
    QTest::addColumn<double>("expected");
    // A header's total is the sum of its lines.
    for (const char* kind : {"putin", "takeout", "move", "regulate"})
        QTest::addRow("fund of %s", kind)
            << QStringLiteral(
                   "select count(*) from %1 m where abs(m.Fund - (select sum(d.Fund) "
                   "from %1dl d where d.MastId=m.Id)) > 0.005")
                   .arg(QLatin1String(kind))
            << 0.0;
    QTest::newRow("every document has lines")
        << QStringLiteral(
               "select count(*) from putin m where not exists (select 1 from putindl "
               "d where d.MastId=m.Id)")
        << 0.0;
    QTest::newRow("transfers leave their warehouse")
        << QStringLiteral("select count(*) from move where InId=OutId") << 0.0;
    QTest::newRow("count lines: counted = books + difference")
        << QStringLiteral(
               "select count(*) from regulatedl where abs(ReguQty - BookQty - Qty) > "
               "1e-9 or Qty = 0")
        << 0.0;
    QTest::newRow("dates span three years")
        << QStringLiteral(
               "select count(*) from putin where BizDate < '2023-01-01' or BizDate > "
               "'2025-12-31'")
        << 0.0;
    QTest::newRow("codes carry the kind and month")
        << QStringLiteral(
               "select count(*) from takeout where substr(Code, 1, 6) <> 'CK' || "
               "substr(cast(BizDate as varchar(10)), 3, 2) "
               "|| substr(cast(BizDate as varchar(10)), 6, 2)")
        << 0.0;
    QTest::newRow("every ware has a cost method")
        << QStringLiteral("select count(*) from ware where CostId not in (0, 1, 2, 3)") << 0.0;
}

void GeneratorTest::documentsAreConsistent() {
    QFETCH(QString, sql);
    QFETCH(double, expected);
    QCOMPARE(Scalar(db_, sql), expected);
}

void GeneratorTest::sameSeedGivesSameDatabase() {
    TDatabase other(QStringLiteral("gen_test_2"));
    QVERIFY(OpenEmptyTestDatabase(other));
    QString error;
    TGenCounts counts;
    QVERIFY2(GenerateStockData(other, options_, &counts, &error), qPrintable(error));
    QCOMPARE(counts.Docs, counts_.Docs);
    for (const char* sql : {"select sum(Qty*WareId), sum(Fund) from takeoutdl",
                            "select sum(Qty*MastId), sum(Fund) from regulatedl",
                            "select count(*), max(Code) from move"}) {
        QCOMPARE(Rows(other, QLatin1String(sql)), Rows(db_, QLatin1String(sql)));
    }
}

void GeneratorTest::refusesDatabaseWithTables() {
    QString error;
    QVERIFY(!GenerateStockData(db_, options_, nullptr, &error));
    QVERIFY(!error.isEmpty());
}

LUMORA_TEST_MAIN(GeneratorTest)
#include "db_generator.moc"
