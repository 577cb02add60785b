#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSqlQuery>
#include <QtTest/QTest>

#include "data/ConnectionString.h"
#include "data/Database.h"
#include "support/TestSupport.h"

namespace {

struct TRun {
    int Status = -1;
    QString Out;
    QString Err;
};

// Tests and programs are built into the same folder.
QString AdminProgram() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/lumora-admin");
}

TRun RunAdmin(const QStringList& arguments) {
    QProcess p;
    p.start(AdminProgram(), arguments);
    TRun run;
    if (!p.waitForStarted() || !p.waitForFinished(120000))
        return run;
    run.Status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    run.Out = QString::fromUtf8(p.readAllStandardOutput());
    run.Err = QString::fromUtf8(p.readAllStandardError());
    return run;
}

// The command-line form of a new test database; for SQLite a path where no file is yet.
QString NewDatabaseUrl() {
    QString error;
    const QString cs = NewTestConnectionString(&error);
    if (cs.isEmpty()) {
        QTest::qFail(qPrintable(error), __FILE__, __LINE__);
        return QString();
    }
    const QString source = ConnStr::Value(cs, QStringLiteral("Data Source"));
    if (TestBackend() == TBackend::SQLite) {
        QFile::remove(source);
        return QStringLiteral("sqlite:") + source;
    }
    return QStringLiteral("postgresql://%1:%2@%3:%4/%5")
        .arg(ConnStr::Value(cs, QStringLiteral("User ID")),
             ConnStr::Value(cs, QStringLiteral("Password")), source,
             ConnStr::Value(cs, QStringLiteral("Port")),
             ConnStr::Value(cs, QStringLiteral("Initial Catalog")));
}

bool Connect(TDatabase& db, const QString& url) {
    QString error;
    const QString cs = ConnStr::FromUrl(url, &error);
    return !cs.isEmpty() && db.TryConnect(cs, &error);
}

int Count(TDatabase& db, const QString& table) {
    QSqlQuery q = db.NewQuery();
    db.RunQuery(q, QStringLiteral("select count(*) from ") + table, {}, {}, true);
    return q.next() ? q.value(0).toInt() : -1;
}

}  // namespace

class AdminTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void usage_data();
    void usage();
    void initWithDemoThenCheck();
    void initWithoutDemo();
    void initRefusesDatabaseWithTables();
    void badConnection_data();
    void badConnection();
    void checkNamesMissingColumn();
    void stockOfDemo_data();
    void stockOfDemo();
    void costOfDemo_data();
    void costOfDemo();
    void carryOverOfDemo();

private:
    QString DemoUrl();
    QString demoUrl_;
};

// One demo database for the stock commands that only read it.
QString AdminTest::DemoUrl() {
    if (demoUrl_.isEmpty()) {
        const QString url = NewDatabaseUrl();
        if (RunAdmin({"init-db", "--demo", url}).Status == 0)
            demoUrl_ = url;
    }
    return demoUrl_;
}

void AdminTest::initTestCase() {
    QVERIFY2(QFileInfo(AdminProgram()).isExecutable(),
             qPrintable(AdminProgram() + QStringLiteral(" is missing: build lumora-admin first")));
}

void AdminTest::usage_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("shown");  // text of stdout (status 0) or stderr (status 1)
    QTest::newRow("--help") << QStringList{"--help"} << 0 << "check-db CONNECTION";
    QTest::newRow("command --help") << QStringList{"init-db", "--help"} << 0 << "--demo";
    QTest::newRow("nothing") << QStringList{} << 1 << "init-db";
    QTest::newRow("unknown command") << QStringList{"drop-db", "sqlite:x.db"} << 1 << "drop-db";
    QTest::newRow("unknown option")
        << QStringList{"check-db", "--demo", "sqlite:x.db"} << 1 << "--demo";
    QTest::newRow("missing argument") << QStringList{"check-db"} << 1 << "check-db CONNECTION";
    QTest::newRow("too many arguments")
        << QStringList{"init-db", "sqlite:a.db", "sqlite:b.db"} << 1 << "init-db";
    QTest::newRow("option without its value")
        << QStringList{"stock", "sqlite:x.db", "--house"} << 1 << "--house needs a value";
    QTest::newRow("required option missing")
        << QStringList{"cost", "sqlite:x.db", "--house", "1"} << 1 << "--ware is required";
    QTest::newRow("value option of another command")
        << QStringList{"check-db", "--date", "2026-01-01", "sqlite:x.db"} << 1 << "--date";
    QTest::newRow("carry-over without a date")
        << QStringList{"carry-over", "sqlite:x.db"} << 1 << "--date is required";
    QTest::newRow("bad date") << QStringList{"carry-over", "sqlite:x.db", "--date", "2026-13-01"}
                              << 1 << "not a date";
    QTest::newRow("method out of range")
        << QStringList{"cost", "sqlite:x.db", "--house", "1", "--ware", "1", "--method", "4"} << 1
        << "--method";
}

void AdminTest::usage() {
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, shown);
    const TRun run = RunAdmin(arguments);
    QCOMPARE(run.Status, status);
    QVERIFY2((status == 0 ? run.Out : run.Err).contains(shown), qPrintable(run.Out + run.Err));
    QVERIFY(!QFileInfo::exists(QStringLiteral("x.db")));
}

void AdminTest::initWithDemoThenCheck() {
    const QString url = NewDatabaseUrl();
    TRun run = RunAdmin({"init-db", "--demo", url});
    QVERIFY2(run.Status == 0, qPrintable(run.Err));
    run = RunAdmin({"check-db", url});
    QVERIFY2(run.Status == 0, qPrintable(run.Out + run.Err));
    TDatabase db(QStringLiteral("admin_demo"));
    QVERIFY(Connect(db, url));
    QVERIFY(Count(db, QStringLiteral("ware")) > 0);
    QVERIFY(Count(db, QStringLiteral("putin")) > 0);
}

void AdminTest::initWithoutDemo() {
    const QString url = NewDatabaseUrl();
    const TRun run = RunAdmin({"init-db", url});
    QVERIFY2(run.Status == 0, qPrintable(run.Err));
    TDatabase db(QStringLiteral("admin_plain"));
    QVERIFY(Connect(db, url));
    QCOMPARE(Count(db, QStringLiteral("ware")), 0);
    QCOMPARE(Count(db, QStringLiteral("operator")), 1);
}

void AdminTest::initRefusesDatabaseWithTables() {
    const QString url = NewDatabaseUrl();
    QCOMPARE(RunAdmin({"init-db", "--demo", url}).Status, 0);
    const TRun again = RunAdmin({"init-db", url});
    QCOMPARE(again.Status, 1);
    QVERIFY(!again.Err.trimmed().isEmpty());
    // The database is left as it was, demo included.
    QCOMPARE(RunAdmin({"check-db", url}).Status, 0);
    TDatabase db(QStringLiteral("admin_twice"));
    QVERIFY(Connect(db, url));
    QVERIFY(Count(db, QStringLiteral("ware")) > 0);
}

void AdminTest::badConnection_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("connection");
    for (const char* command : {"init-db", "check-db"}) {
        const QByteArray c(command);
        QTest::newRow(c + " unknown form") << command << "mysql://u@h/db";
        QTest::newRow(c + " sqlite without path") << command << "sqlite:";
        QTest::newRow(c + " postgresql without database") << command << "postgresql://u@h:5432";
        QTest::newRow(c + " sqlite in a missing folder")
            << command << "sqlite:/nonexistent-lumora-dir/x.db";
        QTest::newRow(c + " server not listening") << command << "postgresql://u:p@127.0.0.1:1/x";
    }
    QTest::newRow("check-db missing sqlite file")
        << "check-db"
        << QStringLiteral("sqlite:%1/lumora-missing-%2.db")
               .arg(QDir::tempPath())
               .arg(QCoreApplication::applicationPid());
}

void AdminTest::badConnection() {
    QFETCH(QString, command);
    QFETCH(QString, connection);
    const TRun run = RunAdmin({command, connection});
    QCOMPARE(run.Status, 1);
    QVERIFY(!run.Err.trimmed().isEmpty());
    if (connection.startsWith(QLatin1String("sqlite:")) && connection.size() > 7)
        QVERIFY(!QFileInfo::exists(connection.mid(7)));  // nothing left behind
}

void AdminTest::checkNamesMissingColumn() {
    const QString url = NewDatabaseUrl();
    QCOMPARE(RunAdmin({"init-db", url}).Status, 0);
    {
        TDatabase db(QStringLiteral("admin_drop"));
        QVERIFY(Connect(db, url));
        db.Execute(QStringLiteral("alter table client drop column Email"));
    }
    const TRun run = RunAdmin({"check-db", url});
    QCOMPARE(run.Status, 1);
    QVERIFY2(
        run.Out.contains(QStringLiteral("client")) && run.Out.contains(QStringLiteral("Email")),
        qPrintable(run.Out));
    QVERIFY(!run.Err.trimmed().isEmpty());
}

// Figures from the demo documents, worked out by hand:
// ware 11 in warehouse 1: in 374 (3665.20) and 33 (323.40), transfers out 132 (1293.60) and in
// 10 (85.20), out 36 (486.00): 249, 2294.20; in warehouse 2: in 132, out 19 (256.50) and 15
// (202.50), transfer out 10, count gain 1 (8.52): 89, 757.92.
// ware 28: in 157 (2904.50) to warehouse 1 on 2026-09-02, 36 (666.00) moved to warehouse 4
// on 2026-11-03.
void AdminTest::stockOfDemo_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QStringList>("absent");
    QTest::newRow("all") << QStringList{}
                         << QStringList{"1,11,249,2294.20,9.21", "2,11,89,757.92,8.52",
                                        "1,28,121,2238.50,18.50", "4,28,36,666.00,18.50"}
                         << QStringList{"3,28,"};
    QTest::newRow("one warehouse")
        << QStringList{"--house", "4"} << QStringList{"4,28,36,666.00,18.50"}
        << QStringList{"1,28,", "2,11,"};
    QTest::newRow("up to a date") << QStringList{"--date", "2026-09-03"}
                                  << QStringList{"1,28,157,2904.50,18.50"} << QStringList{"4,28,"};
}

void AdminTest::stockOfDemo() {
    QFETCH(QStringList, options);
    QFETCH(QStringList, present);
    QFETCH(QStringList, absent);
    const QString url = DemoUrl();
    QVERIFY(!url.isEmpty());
    const TRun run = RunAdmin(QStringList{"stock", url} + options);
    QVERIFY2(run.Status == 0, qPrintable(run.Err));
    const QStringList lines = run.Out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.value(0), QStringLiteral("HouseId,WareId,Qty,Fund,Price"));
    for (const QString& row : present)
        QVERIFY2(lines.contains(row), qPrintable(row + QStringLiteral(" in\n") + run.Out));
    for (const QString& start : absent)
        for (const QString& line : lines)
            QVERIFY2(!line.startsWith(start), qPrintable(line));
}

// Ware 11 (last in, first out) in warehouse 1: 374 less 132 and 36 leaves 206 of the first
// receipt, then 33 at 9.80 and 10 at 8.52 on top. In warehouse 2 by the running average:
// one row, dated like the last ledger row (the count gain).
void AdminTest::costOfDemo_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("output");
    QTest::newRow("own method") << QStringList{"--house", "1", "--ware", "11"}
                                << "OrdId,BizDate,Brief,StockQty,InPrice,CostFund,BillCode\n"
                                   "1,2026-09-01,采购入库,206,9.80,2018.80,NK26090002\n"
                                   "2,2026-10-08,采购入库,33,9.80,323.40,NK26100001\n"
                                   "3,2026-10-20,调入,10,8.52,85.20,DB26100002\n"
                                   "total,249,2427.40\n";
    QTest::newRow("method given") << QStringList{"--house", "2", "--ware", "11", "--method", "1"}
                                  << "OrdId,BizDate,Brief,StockQty,InPrice,CostFund,BillCode\n"
                                     "1,2026-10-31,盘盈,89,8.52,757.92,PD26100001\n"
                                     "total,89,757.92\n";
    QTest::newRow("no ledger rows") << QStringList{"--house", "3", "--ware", "28"}
                                    << "OrdId,BizDate,Brief,StockQty,InPrice,CostFund,BillCode\n"
                                       "total,0,0.00\n";
}

void AdminTest::costOfDemo() {
    QFETCH(QStringList, options);
    QFETCH(QString, output);
    const QString url = DemoUrl();
    QVERIFY(!url.isEmpty());
    const TRun run = RunAdmin(QStringList{"cost", url} + options);
    QVERIFY2(run.Status == 0, qPrintable(run.Err));
    QCOMPARE(run.Out, output);
}

// Ware 28 (month-grouped running total) carried to 2026-09-30: 157 at 18.50 in warehouse 1,
// and the transfer of November is still counted.
void AdminTest::carryOverOfDemo() {
    const QString url = NewDatabaseUrl();
    QCOMPARE(RunAdmin({"init-db", "--demo", url}).Status, 0);
    const TRun run = RunAdmin({"carry-over", url, "--date", "2026-09-30"});
    QVERIFY2(run.Status == 0, qPrintable(run.Err));
    QVERIFY2(run.Err.contains(QStringLiteral(" wares")), qPrintable(run.Err));
    QVERIFY(run.Out.contains(QStringLiteral("结转操作成功!")));
    TDatabase db(QStringLiteral("admin_carry"));
    QVERIFY(Connect(db, url));
    QCOMPARE(Count(db, QStringLiteral("carry")), 1);
    QCOMPARE(Count(db, QStringLiteral("putin where BizDate<='2026-09-30'")), 0);
    QVERIFY(Count(db, QStringLiteral("putin")) > 0);
    QCOMPARE(Count(db, QStringLiteral("carrydl where WareId=28 and HouseId=1 and Qty=157")), 1);
    const TRun stock = RunAdmin({"stock", url, "--house", "1"});
    QVERIFY(stock.Out.contains(QStringLiteral("1,28,121,2238.50,18.50")));
}

LUMORA_TEST_MAIN(AdminTest)
#include "db_admin.moc"
