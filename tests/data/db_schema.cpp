#include <QMap>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QtTest/QTest>

#include "data/Database.h"
#include "data/DatabaseCreator.h"
#include "data/SchemaCheck.h"
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

QVariant Scalar(TDatabase& db, const QString& sql) {
    const auto rows = Rows(db, sql);
    return rows.isEmpty() ? QVariant() : rows.first().value(0);
}

// Every stock movement of the four document kinds: warehouse, ware, business date, signed
// quantity, and which document (kind, header id) it comes from.
const char* const Movements =
    "with mv (HouseId, WareId, BizDate, Qty, Kind, MastId) as ("
    " select m.HouseId, d.WareId, m.BizDate, m.SignId*d.Qty, 0, m.Id"
    "   from putin m join putindl d on d.MastId=m.Id"
    " union all select m.HouseId, d.WareId, m.BizDate, -m.SignId*d.Qty, 1, m.Id"
    "   from takeout m join takeoutdl d on d.MastId=m.Id"
    " union all select m.InId, d.WareId, m.BizDate, d.Qty, 2, m.Id"
    "   from move m join movedl d on d.MastId=m.Id"
    " union all select m.OutId, d.WareId, m.BizDate, -d.Qty, 2, m.Id"
    "   from move m join movedl d on d.MastId=m.Id"
    " union all select m.HouseId, d.WareId, m.BizDate, d.Qty, 3, m.Id"
    "   from regulate m join regulatedl d on d.MastId=m.Id) ";

}  // namespace

class SchemaTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();

    void splitStatements_data();
    void splitStatements();

    void freshDatabasePassesCheck_data();
    void freshDatabasePassesCheck();
    void refusesDatabaseWithTables();
    void installationRows();
    void captionRows_data();
    void captionRows();

    void bracketedNames_data();
    void bracketedNames();
    void valueColumnKeepsWhatIsWritten_data();
    void valueColumnKeepsWhatIsWritten();

    void demoStockNeverNegative();
    void demoTotalsAddUp_data();
    void demoTotalsAddUp();
    void demoCountsRecordBookStock();
    void demoCodes_data();
    void demoCodes();
    void demoClassTree();
    void demoVariety();

    void referencesAreEnforced_data();
    void referencesAreEnforced();
    void unenforcedReferences_data();
    void unenforcedReferences();

    void checkReportsDifferences_data();
    void checkReportsDifferences();

private:
    TDatabase* demo_ = nullptr;     // the demo company, shared by the tests that only read it
    TDatabase* install_ = nullptr;  // a new installation without the demo
};

void SchemaTest::initTestCase() {
    demo_ = new TDatabase(QStringLiteral("schema_demo"));
    QVERIFY(OpenFreshTestDatabase(*demo_, true));
    install_ = new TDatabase(QStringLiteral("schema_install"));
    QVERIFY(OpenFreshTestDatabase(*install_, false));
}

void SchemaTest::cleanupTestCase() {
    delete demo_;
    delete install_;
}

void SchemaTest::splitStatements_data() {
    QTest::addColumn<QString>("script");
    QTest::addColumn<QStringList>("statements");
    QTest::newRow("lines") << "create table a (x integer);\ninsert into a values (1);\n"
                           << QStringList{"create table a (x integer)", "insert into a values (1)"};
    QTest::newRow("semicolon in a literal")
        << "insert into a values ('x;y');" << QStringList{"insert into a values ('x;y')"};
    QTest::newRow("doubled quote") << "insert into a values ('it''s;');select 1;"
                                   << QStringList{"insert into a values ('it''s;')", "select 1"};
    QTest::newRow("comments") << "-- a comment; with 'quote\nselect 1; -- trailing;\n-- end\n"
                              << QStringList{"select 1"};
    QTest::newRow("dashes in a literal")
        << "insert into a values ('--x');" << QStringList{"insert into a values ('--x')"};
    QTest::newRow("line break in a literal")
        << "insert into a values ('a\nb');" << QStringList{"insert into a values ('a\nb')"};
    QTest::newRow("last statement without semicolon") << "select 1;\nselect 2\n"
                                                      << QStringList{"select 1", "select 2"};
    QTest::newRow("empty") << ";\n  ;\n-- only a comment\n" << QStringList{};
}

void SchemaTest::splitStatements() {
    QFETCH(QString, script);
    QFETCH(QStringList, statements);
    QCOMPARE(DatabaseCreator::SplitStatements(script), statements);
}

void SchemaTest::freshDatabasePassesCheck_data() {
    QTest::addColumn<bool>("withDemo");
    QTest::newRow("new installation") << false;
    QTest::newRow("demo company") << true;
}

void SchemaTest::freshDatabasePassesCheck() {
    QFETCH(bool, withDemo);
    TDatabase db(QStringLiteral("schema_fresh"));
    QVERIFY(OpenEmptyTestDatabase(db));
    QVERIFY(!DatabaseCreator::HasTables(db));
    QString error;
    QVERIFY2(DatabaseCreator::Create(db, withDemo, &error), qPrintable(error));
    QVERIFY(DatabaseCreator::HasTables(db));
    QCOMPARE(CheckSchema(db), QStringList());
    QCOMPARE(Scalar(db, "select count(*) from ware").toInt() > 0, withDemo);
}

void SchemaTest::refusesDatabaseWithTables() {
    TDatabase db(QStringLiteral("schema_refuse"));
    QVERIFY(OpenEmptyTestDatabase(db));
    db.Execute(QStringLiteral("create table mine (Id integer)"));
    db.Execute(QStringLiteral("insert into mine (Id) values (7)"));
    QString error;
    QVERIFY(!DatabaseCreator::Create(db, false, &error));
    QVERIFY(!error.isEmpty());
    // Nothing of the new schema was made and the table is untouched.
    QVERIFY(!CheckSchema(db).filter(QStringLiteral("ware")).isEmpty());
    QCOMPARE(Scalar(db, "select Id from mine").toInt(), 7);
}

void SchemaTest::installationRows() {
    TDatabase& db = *install_;
    QCOMPARE(Scalar(db, "select count(*) from putinsign").toInt(), 2);
    QCOMPARE(Scalar(db, "select count(*) from putinsign where Id in (1, -1)").toInt(), 2);
    QCOMPARE(Scalar(db, "select count(*) from takeoutsign where Id in (1, -1)").toInt(), 2);
    QCOMPARE(Scalar(db, "select count(*) from takeoutsign").toInt(), 2);
    // The sign 1 comes first in the order the program reads them.
    const auto signs = Rows(db, "select * from putinsign order by Id desc");
    QCOMPARE(signs.first().value(0).toInt(), 1);
    QVERIFY(!signs.first().value(1).toString().isEmpty());

    const auto costing = Rows(db, "select Id,Name from costing order by Id");
    QCOMPARE(costing.size(), 4);
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(costing[i].value(0).toInt(), i);
        QVERIFY(!costing[i].value(1).toString().isEmpty());
    }

    const auto sa = Rows(db, "select LoginId,Password,Name from operator");
    QCOMPARE(sa.size(), 1);
    QCOMPARE(sa[0].value(0).toString(), QStringLiteral("sa"));
    QVERIFY(!sa[0].value(1).isNull());
    QCOMPARE(sa[0].value(1).toString(), QString());
    QCOMPARE(sa[0].value(2).toString(), QStringLiteral("系统管理员"));

    const auto backup = Rows(db, "select TypeId, BackDir from backup");
    QCOMPARE(backup.size(), 1);
    QCOMPARE(backup[0].value(0).toInt(), 0);

    const auto options = Rows(db, "select Key, List from options order by Key");
    QCOMPARE(options.size(), 6);
    for (int i = 0; i < 6; ++i)
        QCOMPARE(options[i].value(0).toInt(), i + 1);
    const QStringList units = options[0].value(1).toString().split(QLatin1Char('\n'));
    QVERIFY(units.contains(QStringLiteral("个")));
    QVERIFY(!units.contains(QString()));  // one entry a line, no blank lines
    QVERIFY(options[1].value(1).toString().contains(QStringLiteral("℃")));

    // A new installation holds no business data and no company of its own.
    for (const char* table : {"company", "warehouse", "ware", "wareclass", "supplier", "client",
                              "putin", "takeout", "move", "regulate", "carry"})
        QCOMPARE(Scalar(db, QStringLiteral("select count(*) from %1").arg(table)).toInt(), 0);
}

void SchemaTest::captionRows_data() {
    QTest::addColumn<int>("keyId");
    QTest::addColumn<QString>("caption");
    const QList<QPair<int, const char*>> captions = {
        {10, "品名"},     {11, "规格"},     {12, "品牌"},     {13, "封装"},     {16, "条码"},
        {17, "货位"},     {14, "批号"},     {20, "客户"},     {21, "助查码"},   {22, "客户名称"},
        {23, "联系人"},   {24, "联系电话"}, {25, "传真号码"}, {26, "联系地址"}, {27, "邮编"},
        {28, "网址"},     {29, "电子信箱"}, {30, "法人代表"}, {31, "税号"},     {32, "开户银行"},
        {33, "银行帐号"}, {34, "备注"},
    };
    for (const auto& c : captions)
        QTest::addRow("%d", c.first) << c.first << QString::fromUtf8(c.second);
}

void SchemaTest::captionRows() {
    QFETCH(int, keyId);
    QFETCH(QString, caption);
    TDatabase& db = *install_;
    QCOMPARE(Scalar(db, "select count(*) from keyvalue").toInt(), 22);
    QSqlQuery q = db.NewQuery();
    db.RunQuery(q, QStringLiteral("select [Value] from [keyvalue] where [KeyId]=:KeyId1"),
                {DBParam(QStringLiteral("KeyId1"), keyId)});
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toString(), caption);
}

void SchemaTest::bracketedNames_data() {
    QTest::addColumn<QString>("sql");
    QTest::newRow("operator") << "select LoginId,Password,Name,Contact,[Note],Rights from "
                                 "[operator] where LoginId='sa'";
    QTest::newRow("password") << "update operator set [Password]='' where LoginId='sa'";
    QTest::newRow("options") << "update options set [Label]=[Label], [List]=[List] where [Key]=1";
    QTest::newRow("keyvalue") << "select [Value] from [keyvalue] where [KeyId]=10";
    QTest::newRow("backup") << "update [backup] set TypeId=0, BackDir=''";
    QTest::newRow("describe") << "select [Describe] from department";
    QTest::newRow("mixed case") << "select * from Company";
    QTest::newRow("ware class") << "select w.*, c.Code as CataCode from (Ware w left join "
                                   "wareclass c on w.ClassId=c.Id)";
}

void SchemaTest::bracketedNames() {
    QFETCH(QString, sql);
    QSqlQuery q = install_->NewQuery();
    install_->RunQuery(q, sql, {}, {}, true);
    if (q.isSelect())
        QVERIFY(q.next() || !sql.contains(QLatin1String("where")));
}

void SchemaTest::valueColumnKeepsWhatIsWritten_data() {
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("asText");
    QTest::addColumn<int>("asInt");
    QTest::addColumn<bool>("asBool");
    QTest::newRow("text") << QVariant(QStringLiteral("品名")) << "品名" << -1 << true;
    QTest::newRow("integer") << QVariant(15) << "15" << 15 << true;
    QTest::newRow("zero") << QVariant(0) << "0" << 0 << false;
    QTest::newRow("true") << QVariant(true) << QString() << -1 << true;
    QTest::newRow("false") << QVariant(false) << QString() << -1 << false;
}

void SchemaTest::valueColumnKeepsWhatIsWritten() {
    QFETCH(QVariant, value);
    QFETCH(QString, asText);
    QFETCH(int, asInt);
    QFETCH(bool, asBool);
    TDatabase& db = *install_;
    db.Execute(QStringLiteral("delete from keyvalue where KeyId=900"));
    db.Execute(QStringLiteral("insert into keyvalue(KeyId, [Value]) values (:KeyId, :Value)"),
               {DBParam(QStringLiteral("KeyId"), 900), DBParam(QStringLiteral("Value"), value)});
    const QVariant stored = Scalar(db, "select [Value] from [keyvalue] where [KeyId]=900");
    if (!asText.isNull())
        QCOMPARE(stored.toString(), asText);
    if (asInt >= 0) {
        bool ok = false;
        QCOMPARE(stored.toInt(&ok), asInt);
        QVERIFY(ok);
    }
    QCOMPARE(stored.toBool(), asBool);
}

void SchemaTest::demoStockNeverNegative() {
    TDatabase& db = *demo_;
    // The stock of each warehouse and ware at the end of each day that has a document.
    const QString sql = QLatin1String(Movements) +
                        QStringLiteral(
                            "select p.HouseId, p.WareId, p.BizDate, (select sum(Qty) from mv "
                            "where HouseId=p.HouseId and WareId=p.WareId and BizDate<=p.BizDate)"
                            " from (select distinct HouseId, WareId, BizDate from mv) p");
    const auto rows = Rows(db, sql);
    QVERIFY2(rows.size() > 150, "the demo should move many wares on many days");
    for (const auto& r : rows)
        QVERIFY2(r.value(3).toDouble() > -1e-9,
                 qPrintable(QStringLiteral("warehouse %1 ware %2 on %3: %4")
                                .arg(r.value(0).toInt())
                                .arg(r.value(1).toInt())
                                .arg(r.value(2).toString())
                                .arg(r.value(3).toDouble())));
}

void SchemaTest::demoTotalsAddUp_data() {
    QTest::addColumn<QString>("table");
    for (const char* t : {"putin", "takeout", "move", "regulate"})
        QTest::newRow(t) << QString::fromLatin1(t);
}

void SchemaTest::demoTotalsAddUp() {
    QFETCH(QString, table);
    TDatabase& db = *demo_;
    QVERIFY(Scalar(db, QStringLiteral("select count(*) from %1").arg(table)).toInt() >= 3);
    const auto headers = Rows(
        db, QStringLiteral("select m.Id, m.Fund, (select sum(Fund) from %1dl where MastId=m.Id), "
                           "(select count(*) from %1dl where MastId=m.Id) from %1 m")
                .arg(table));
    for (const auto& h : headers) {
        QVERIFY2(h.value(3).toInt() > 0, qPrintable(h.value(0).toString()));
        QVERIFY2(qAbs(h.value(1).toDouble() - h.value(2).toDouble()) < 0.005,
                 qPrintable(QStringLiteral("%1 %2").arg(table, h.value(0).toString())));
    }
    const auto lines =
        Rows(db, QStringLiteral("select dlId, Qty, Price, Fund from %1dl").arg(table));
    for (const auto& l : lines) {
        const double fund = qRound64(l.value(1).toDouble() * l.value(2).toDouble() * 100) / 100.0;
        QVERIFY2(qAbs(l.value(3).toDouble() - fund) < 0.005,
                 qPrintable(QStringLiteral("%1dl %2").arg(table, l.value(0).toString())));
        QVERIFY(l.value(2).toDouble() >= 0);
        if (table != QLatin1String("regulate"))
            QVERIFY(l.value(1).toDouble() > 0);  // stored positive; the sign is the header's
    }
}

void SchemaTest::demoCountsRecordBookStock() {
    TDatabase& db = *demo_;
    // Book stock at the count's date: every movement up to that day but the count's own.
    const QString sql =
        QLatin1String(Movements) +
        QStringLiteral(
            "select d.dlId, d.BookQty, d.ReguQty, d.Qty, (select coalesce(sum(Qty), 0) from mv "
            "where HouseId=m.HouseId and WareId=d.WareId and BizDate<=m.BizDate and not "
            "(Kind=3 and MastId=m.Id)) from regulate m join regulatedl d on d.MastId=m.Id");
    const auto rows = Rows(db, sql);
    QVERIFY(rows.size() >= 10);
    int differences = 0;
    for (const auto& r : rows) {
        const QString line = r.value(0).toString();
        QVERIFY2(qAbs(r.value(1).toDouble() - r.value(4).toDouble()) < 1e-9, qPrintable(line));
        QVERIFY2(
            qAbs(r.value(3).toDouble() - (r.value(2).toDouble() - r.value(1).toDouble())) < 1e-9,
            qPrintable(line));
        if (r.value(3).toDouble() != 0)
            ++differences;
    }
    QVERIFY(differences > 0 && differences < rows.size());
}

void SchemaTest::demoCodes_data() {
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("prefix");
    QTest::newRow("putin") << "putin"
                           << "NK";
    QTest::newRow("takeout") << "takeout"
                             << "CK";
    QTest::newRow("move") << "move"
                          << "DB";
    QTest::newRow("regulate") << "regulate"
                              << "PD";
}

void SchemaTest::demoCodes() {
    QFETCH(QString, table);
    QFETCH(QString, prefix);
    TDatabase& db = *demo_;
    const auto rows = Rows(
        db, QStringLiteral("select Code, BizDate, BillTime, Billman, Checkman, CheckTime from %1 "
                           "order by Id")
                .arg(table));
    const QRegularExpression form(QStringLiteral("^%1(\\d{4})(\\d{4})$").arg(prefix));
    QMap<QString, int> lastSeq;
    QDateTime lastBillTime;
    for (const auto& r : rows) {
        const QString code = r.value(0).toString();
        const auto m = form.match(code);
        QVERIFY2(m.hasMatch(), qPrintable(code));
        const QDateTime billTime = r.value(2).toDateTime();
        QVERIFY(billTime.isValid());
        QCOMPARE(m.captured(1), billTime.toString(QStringLiteral("yyMM")));
        QCOMPARE(r.value(1).toDate(), billTime.date());
        // Sequences count from 0001 within a month, in the order documents were made.
        QCOMPARE(m.captured(2).toInt(), lastSeq.value(m.captured(1)) + 1);
        lastSeq[m.captured(1)] = m.captured(2).toInt();
        QVERIFY(!lastBillTime.isValid() || lastBillTime < billTime);
        lastBillTime = billTime;
        QCOMPARE(r.value(3).toString(), QStringLiteral("sa"));
        // Audited exactly when the audit time is set.
        QCOMPARE(r.value(5).isNull(), r.value(4).toString().isEmpty());
    }
}

void SchemaTest::demoClassTree() {
    TDatabase& db = *demo_;
    const auto rows = Rows(db, "select Id, Code, SlfId, PrtId from wareclass order by SlfId");
    QVERIFY(rows.size() >= 6);
    QMap<int, QString> codeBySlf;
    int children = 0;
    for (int i = 0; i < rows.size(); ++i) {
        const int slf = rows[i].value(2).toInt();
        const int prt = rows[i].value(3).toInt();
        QCOMPARE(slf, i + 1);  // positions in pre-order
        const QString parentCode = prt == 0 ? QString() : codeBySlf.value(prt);
        QVERIFY(prt == 0 || (prt < slf && !parentCode.isEmpty()));
        QCOMPARE(rows[i].value(1).toString(), parentCode + QString::number(slf) + QLatin1Char('.'));
        codeBySlf[slf] = rows[i].value(1).toString();
        if (prt != 0)
            ++children;
    }
    QVERIFY(children > 0 && children < rows.size());
    // Every class a ware points to exists.
    QCOMPARE(Scalar(db,
                    "select count(*) from ware where ClassId is not null and ClassId not in "
                    "(select Id from wareclass)")
                 .toInt(),
             0);
}

void SchemaTest::demoVariety() {
    TDatabase& db = *demo_;
    QCOMPARE(Scalar(db, "select count(distinct CostId) from ware").toInt(), 4);
    QCOMPARE(Scalar(db, "select count(*) from ware where CostId not in (select Id from costing)")
                 .toInt(),
             0);
    QVERIFY(Scalar(db, "select count(*) from ware").toInt() >= 40);
    const int warehouses = Scalar(db, "select count(*) from warehouse").toInt();
    QVERIFY(warehouses >= 3 && warehouses <= 4);
    QCOMPARE(Scalar(db, "select count(*) from company").toInt(), 1);
    QCOMPARE(Scalar(db, "select Id from company").toInt(), 0);
    for (const char* t : {"putin", "takeout", "move", "regulate"}) {
        QVERIFY(Scalar(db, QStringLiteral("select count(*) from %1 where CheckTime is null").arg(t))
                    .toInt() > 0);
        QVERIFY(
            Scalar(db, QStringLiteral("select count(*) from %1 where CheckTime is not null").arg(t))
                .toInt() > 0);
    }
    // Returns of both directions are part of the demo.
    QVERIFY(Scalar(db, "select count(*) from putin where SignId=-1").toInt() > 0);
    QVERIFY(Scalar(db, "select count(*) from takeout where SignId=-1").toInt() > 0);
    const int documents = Scalar(db, "select count(*) from putin").toInt() +
                          Scalar(db, "select count(*) from takeout").toInt() +
                          Scalar(db, "select count(*) from move").toInt() +
                          Scalar(db, "select count(*) from regulate").toInt();
    QVERIFY(documents >= 30);
}

void SchemaTest::referencesAreEnforced_data() {
    QTest::addColumn<QString>("sql");
    QTest::newRow("warehouse of a stock-in") << "delete from warehouse where Id in (select "
                                                "HouseId from putin)";
    QTest::newRow("warehouse of a transfer") << "delete from warehouse where Id in (select InId "
                                                "from move)";
    QTest::newRow("ware of a stock-out line")
        << "delete from ware where Id in (select WareId from takeoutdl)";
    QTest::newRow("supplier") << "delete from supplier where Id in (select SupplierId from putin)";
    QTest::newRow("client") << "delete from client where Id in (select ClientId from takeout)";
    QTest::newRow("department") << "delete from department where Id in (select DeptId from "
                                   "takeout)";
    QTest::newRow("employee") << "delete from employee where Id in (select HandmanId from "
                                 "regulate)";
    QTest::newRow("stock-in kind") << "delete from putintype";
    QTest::newRow("stock-out sign") << "delete from takeoutsign";
    QTest::newRow("header before its lines") << "delete from move";
    QTest::newRow("line of a missing ware")
        << "insert into putindl (dlId, MastId, WareId, Qty, Price, Fund) values (90001, 1, "
           "99999, 1, 1, 1)";
    QTest::newRow("line of a missing header")
        << "insert into regulatedl (dlId, MastId, WareId, Qty) values (90001, 99999, 1, 1)";
    QTest::newRow("document in a missing warehouse")
        << "insert into takeout (Id, Code, HouseId, SignId) values (90001, 'CK99990001', 99, 1)";
    QTest::newRow("document of a missing sign")
        << "insert into putin (Id, Code, HouseId, SignId) values (90001, 'NK99990001', 1, 2)";
    QTest::newRow("duplicate document code")
        << "insert into putin (Id, Code) select 90001, Code from putin where Id=1";
}

void SchemaTest::referencesAreEnforced() {
    QFETCH(QString, sql);
    TDatabase& db = *demo_;
    const int before = Scalar(db, "select count(*) from warehouse").toInt() +
                       Scalar(db, "select count(*) from move").toInt();
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, db.Execute(sql));
    QCOMPARE(Scalar(db, "select count(*) from warehouse").toInt() +
                 Scalar(db, "select count(*) from move").toInt(),
             before);
}

void SchemaTest::unenforcedReferences_data() {
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("undo");
    // The program nulls a deleted class's wares itself; a ware keeps its class id meanwhile.
    QTest::newRow("ware of a missing class") << "update ware set ClassId=99999 where Id=1"
                                             << "update ware set ClassId=4 where Id=1";
    QTest::newRow("unused warehouse") << "insert into warehouse (Id, Name) values (90001, 'x')"
                                      << "delete from warehouse where Id=90001";
    QTest::newRow("line without a ware")
        << "insert into movedl (dlId, MastId, WareId, Qty) values (90001, 1, null, 1)"
        << "delete from movedl where dlId=90001";
}

void SchemaTest::unenforcedReferences() {
    QFETCH(QString, sql);
    QFETCH(QString, undo);
    TDatabase& db = *demo_;
    QCOMPARE(db.ExecSql(sql), 1);
    QCOMPARE(db.ExecSql(undo), 1);
}

void SchemaTest::checkReportsDifferences_data() {
    QTest::addColumn<QStringList>("change");
    QTest::addColumn<QStringList>("named");
    QTest::newRow("dropped column")
        << QStringList{"alter table ware drop column Barcode"} << QStringList{"ware", "Barcode"};
    QTest::newRow("missing table") << QStringList{"drop table backup"} << QStringList{"backup"};
    QTest::newRow("memo declared as text")
        << QStringList{"drop table syscols",
                       "create table syscols (F02 integer primary key, F06 varchar(255))"}
        << QStringList{"syscols.F06"};
    QTest::newRow("text declared as memo")
        << QStringList{"drop table backup", "create table backup (TypeId integer, BackDir text)"}
        << QStringList{"backup.BackDir"};
    QTest::newRow("64-bit integer")
        << QStringList{"drop table upgrade",
                       "create table upgrade (Id bigint primary key, Version varchar(30), "
                       "SqlText text)"}
        << QStringList{"upgrade.Id"};
    QTest::newRow("float declared as integer")
        << QStringList{"drop table keyvalue",
                       "create table keyvalue (KeyId integer primary key, Value varchar(255), "
                       "Vint integer, Vstr text, Vfloat integer, Vbool boolean)"}
        << QStringList{"keyvalue.Vfloat"};
    QTest::newRow("counter the database does not fill")
        << QStringList{"drop table link",
                       "create table link (Id integer, GroupId integer, Title varchar(100), "
                       "lpFile varchar(255), lpParameters varchar(255), Note varchar(255))"}
        << QStringList{"link.Id"};
}

void SchemaTest::checkReportsDifferences() {
    QFETCH(QStringList, change);
    QFETCH(QStringList, named);
    TDatabase db(QStringLiteral("schema_changed"));
    QVERIFY(OpenFreshTestDatabase(db, false));
    for (const QString& sql : change)
        db.Execute(sql);
    const QStringList differences = CheckSchema(db);
    QCOMPARE(differences.size(), 1);
    for (const QString& name : named)
        QVERIFY2(differences.first().contains(name, Qt::CaseInsensitive),
                 qPrintable(differences.first()));
}

LUMORA_TEST_MAIN(SchemaTest)
#include "db_schema.moc"
