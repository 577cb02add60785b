#include <QCoreApplication>
#include <QProcess>
#include <QtTest/QTest>

#include "data/ConnectionString.h"
#include "data/Database.h"
#include "support/TestSupport.h"

namespace {

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

Run Admin(const QStringList& args) {
    QProcess p;
    p.start(QCoreApplication::applicationDirPath() + QStringLiteral("/lumora-admin"), args);
    Run r;
    if (!p.waitForFinished(120000))
        return r;
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

// The command-line form of a new, empty test database.
QString NewDatabaseUrl(QString* connectionString) {
    QString error;
    const QString cs = NewTestConnectionString(&error);
    *connectionString = cs;
    if (cs.isEmpty())
        return QString();
    if (TestBackend() == TBackend::SQLite)
        return "sqlite:" + ConnStr::Value(cs, "Data Source");
    return QStringLiteral("postgresql://%1@%2:%3/%4")
        .arg(ConnStr::Value(cs, "User ID"), ConnStr::Value(cs, "Data Source"),
             ConnStr::Value(cs, "Port"), ConnStr::Value(cs, "Initial Catalog"));
}

}  // namespace

class AdminTest : public QObject {
    Q_OBJECT
private slots:
    void helpAndBadArguments_data();
    void helpAndBadArguments();
    void initThenCheck();
    void checkNamesAMissingColumn();
};

void AdminTest::helpAndBadArguments_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("help") << QStringList{"--help"} << 0;
    QTest::newRow("no command") << QStringList{} << 1;
    QTest::newRow("unknown command") << QStringList{"frobnicate"} << 1;
    QTest::newRow("bad connection") << QStringList{"check-db", "mysql://x/y"} << 1;
    QTest::newRow("missing connection") << QStringList{"init-db", "--demo"} << 1;
    QTest::newRow("missing file") << QStringList{"check-db", "sqlite:/nonexistent/x.db"} << 1;
}

void AdminTest::helpAndBadArguments() {
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    const Run r = Admin(args);
    QCOMPARE(r.exitCode, exitCode);
    if (exitCode == 0)
        QVERIFY(r.out.contains("init-db") && r.out.contains("check-db"));
    else
        QVERIFY2(!r.err.trimmed().isEmpty(), "an error must say what is wrong on stderr");
}

void AdminTest::initThenCheck() {
    QString cs;
    const QString url = NewDatabaseUrl(&cs);
    QVERIFY(!url.isEmpty());
    Run r = Admin({"init-db", "--demo", url});
    QVERIFY2(r.exitCode == 0, qPrintable(r.err));
    r = Admin({"check-db", url});
    QVERIFY2(r.exitCode == 0, qPrintable(r.out + r.err));
    // A database with tables is refused, and left as it was.
    r = Admin({"init-db", url});
    QCOMPARE(r.exitCode, 1);
    QVERIFY(!r.err.trimmed().isEmpty());
    TDatabase db(QStringLiteral("admin_check"));
    QVERIFY(db.TryConnect(cs, nullptr));
    QSqlQuery q = db.NewQuery();
    db.RunQuery(q, "select count(*) from putin", {}, {}, true);
    QVERIFY(q.next() && q.value(0).toInt() > 0);
}

void AdminTest::checkNamesAMissingColumn() {
    QString cs;
    const QString url = NewDatabaseUrl(&cs);
    QVERIFY(Admin({"init-db", url}).exitCode == 0);
    {
        TDatabase db(QStringLiteral("admin_drop"));
        QVERIFY(db.TryConnect(cs, nullptr));
        db.Execute("alter table ware drop column Brand");
    }
    const Run r = Admin({"check-db", url});
    QCOMPARE(r.exitCode, 1);
    QVERIFY2((r.out + r.err).contains("brand", Qt::CaseInsensitive), qPrintable(r.out + r.err));
}

LUMORA_TEST_MAIN(AdminTest)
#include "db_admin.moc"
