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
};

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

LUMORA_TEST_MAIN(AdminTest)
#include "db_admin.moc"
