#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest/QTest>
#include <atomic>
#include <set>
#include <thread>

#include "data/ConnectionString.h"
#include "data/Database.h"
#include "data/ServerAlias.h"
#include "support/TestSupport.h"

namespace {

void CreateTables(TDatabase& db) {
    const bool pg = db.IsServer();
    db.Execute(QStringLiteral("create table item (Id integer primary key, Name varchar(50), "
                              "BizDate %1, BillTime %2, Flag boolean, Amount %3)")
                   .arg(pg ? "date" : "DATETIME", pg ? "timestamp(0)" : "DATETIME",
                        pg ? "double precision" : "DOUBLE"));
    db.Execute(
        QStringLiteral("create table line (dlId integer primary key, MastId integer not "
                       "null references item(Id))"));
}

QVariantList Column(TDatabase& db, const QString& sql, const TDBParameters& params = {}) {
    QSqlQuery q(db.Db());
    db.RunQuery(q, sql, params, {}, true);
    QVariantList values;
    while (q.next())
        values << q.value(0);
    return values;
}

qint64 Count(TDatabase& db, const QString& table) {
    return Column(db, QStringLiteral("select count(*) from ") + table).value(0).toLongLong();
}

}  // namespace

class DatabaseTest : public QObject {
    Q_OBJECT
private slots:
    void connectFailureShowsProviderMessage();
    void providerAndDataSource();
    void serverPortComesFromAlias();
    void execSqlCountsRows();
    void failingStatementCarriesSqlText();
    void missingParameterIsNamed();
    void parametersRoundTrip();
    void businessDatesCompareWithLiterals();
    void blobsRoundTrip();
    void bracketsAndLikeOnBothBackends();
    void foreignKeysAreEnforced();
    void transactions();
    void ignoredFailureKeepsTransaction();
    void newKeys();
    void concurrentKeysNeverCollide();
    void serverNowAndReconnect();
};

void DatabaseTest::connectFailureShowsProviderMessage() {
    PromptRecorder rec;
    TDatabase db(QStringLiteral("t_fail"));
    const QString bad = TestBackend() == TBackend::SQLite
                            ? ConnStr::SQLite(QStringLiteral("/nonexistent/dir/x.db"))
                            : ConnStr::PostgreSQL(QStringLiteral("127.0.0.1"), 1, "x", "u", "p");
    QVERIFY(!db.Connect(bad));
    QVERIFY(!db.Connected());
    QCOMPARE(rec.Prompts.size(), 1);
    QVERIFY2(rec.Last().startsWith(QStringLiteral("\r\n连接时失败,提示如下:\r\n")),
             qPrintable(rec.Last()));
    QVERIFY(rec.Last().size() > 20);  // the provider's own words follow
    QVERIFY(!db.Connect(QString()));
    if (TestBackend() == TBackend::SQLite) {
        // A file that is not a database fails at once and is left as it was.
        QTemporaryDir dir;
        const QString path = dir.filePath("notes.db");
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        const QByteArray text = QByteArray("plain text, not a database\n").repeated(200);
        f.write(text);
        f.close();
        rec.Clear();
        QVERIFY(!db.Connect(ConnStr::SQLite(path)));
        QCOMPARE(rec.Prompts.size(), 1);
        QCOMPARE(QFileInfo(path).size(), qint64(text.size()));
    }
}

void DatabaseTest::providerAndDataSource() {
    TDatabase db(QStringLiteral("t_provider"));
    QVERIFY(OpenEmptyTestDatabase(db));
    const bool pg = TestBackend() == TBackend::PostgreSQL;
    QCOMPARE(db.IsServer(), pg);
    QCOMPARE(db.GetProvider(), QString::fromLatin1(pg ? "PostgreSQL" : "SQLite"));
    QVERIFY(!db.GetDataSource().isEmpty());
    if (pg)
        QCOMPARE(db.GetDataSource(), QStringLiteral("127.0.0.1"));
    else
        QVERIFY(db.GetDataSource().endsWith(QStringLiteral(".db")));
}

void DatabaseTest::serverPortComesFromAlias() {
    if (TestBackend() != TBackend::PostgreSQL)
        QSKIP("server aliases route PostgreSQL connections");
    TDatabase db(QStringLiteral("t_alias"));
    QVERIFY(OpenEmptyTestDatabase(db));
    const QString cs = db.ConnectionString();
    const QString port = ConnStr::Value(cs, "Port");
    QString withoutPort = cs;
    withoutPort.remove(QStringLiteral("Port=") + port + QLatin1Char(';'));
    QVERIFY(ConnStr::Value(withoutPort, "Port").isEmpty());
    TDatabase other(QStringLiteral("t_alias2"));
    QVERIFY(ServerAlias::Write("127.0.0.1", "DBMSSOCN,127.0.0.1," + port, false));
    QVERIFY(other.TryConnect(withoutPort, nullptr));
    QVERIFY(ServerAlias::Write("127.0.0.1", QString(), true));
    QString error;
    if (port != QLatin1String("5432"))
        QVERIFY(!other.TryConnect(withoutPort, &error));
}

void DatabaseTest::execSqlCountsRows() {
    TDatabase db(QStringLiteral("t_exec"));
    QVERIFY(OpenEmptyTestDatabase(db));
    CreateTables(db);
    for (int i = 1; i <= 3; ++i)
        QCOMPARE(db.ExecSql(QStringLiteral("insert into item(Id, Name) values (:Id, :Name)"),
                            {DBParam("Id", i), DBParam("Name", i == 3 ? "c" : "ab")}),
                 1);
    QCOMPARE(db.ExecSql(QStringLiteral("update item set Amount=1 where Name=:Name"),
                        {DBParam("Name", "ab")}),
             2);
    QCOMPARE(
        db.ExecSql(QStringLiteral("update item set Amount=1 where Id=:Id"), {DBParam("Id", 99)}),
        0);
    QCOMPARE(db.ExecSql(QStringLiteral("delete from item")), 3);
}

void DatabaseTest::failingStatementCarriesSqlText() {
    TDatabase db(QStringLiteral("t_fails"));
    QVERIFY(OpenEmptyTestDatabase(db));
    CreateTables(db);
    const QString insert = QStringLiteral("insert into item(Id, Name) values (:Id, :Name)");
    db.ExecSql(insert, {DBParam("Id", 1), DBParam("Name", "a")});
    try {
        db.ExecSql(insert, {DBParam("Id", 1), DBParam("Name", "dup")});
        QFAIL("a duplicate key must fail");
    } catch (const EDatabaseError& e) {
        QVERIFY2(e.Message().endsWith(QStringLiteral("\r\n") + insert), qPrintable(e.Message()));
        QVERIFY(e.Message().size() > insert.size() + 5);
    }
    QVERIFY(db.Connected());  // the connection stays open after a failed statement
    QCOMPARE(Count(db, "item"), 1);
}

void DatabaseTest::missingParameterIsNamed() {
    TDatabase db(QStringLiteral("t_param"));
    QVERIFY(OpenEmptyTestDatabase(db));
    CreateTables(db);
    try {
        db.ExecSql(QStringLiteral("update item set Name=:Name"),
                   {DBParam("Name", "x"), DBParam("Nope", 1)});
        QFAIL("an unknown parameter must fail");
    } catch (const EDatabaseError& e) {
        QVERIFY2(e.Message().contains(QStringLiteral("Nope")), qPrintable(e.Message()));
    }
    try {
        db.ExecSql(QStringLiteral("update item set Name=:Name where Id=:Id"),
                   {DBParam("Name", "x")});
        QFAIL("a placeholder without a value must fail");
    } catch (const EDatabaseError& e) {
        QVERIFY2(e.Message().contains(QStringLiteral("Id")), qPrintable(e.Message()));
    }
    // Names match without regard to case.
    db.ExecSql(QStringLiteral("insert into item(Id, Name) values (:Id, :Name)"),
               {DBParam("id", 5), DBParam("NAME", "x")});
    QCOMPARE(Column(db, "select Name from item where Id=5").value(0).toString(),
             QStringLiteral("x"));
}

void DatabaseTest::parametersRoundTrip() {
    TDatabase db(QStringLiteral("t_types"));
    QVERIFY(OpenEmptyTestDatabase(db));
    CreateTables(db);
    const QString text = QStringLiteral("O'Brien \"仓库\" ; -- [x] :y");
    db.ExecSql(QStringLiteral("insert into item(Id, Name, BizDate, BillTime, Flag, Amount) values "
                              "(:Id, :Name, :BizDate, :BillTime, :Flag, :Amount)"),
               {DBParam("Id", 1), DBParam("Name", text), DBParam("BizDate", QDate(2013, 1, 15)),
                DBParam("BillTime", QDateTime(QDate(2013, 1, 15), QTime(10, 30, 5))),
                DBParam("Flag", true), DBParam("Amount", 1234.5678)});
    db.ExecSql(QStringLiteral("insert into item(Id, Name, BizDate, Flag, Amount) values "
                              "(:Id, :Name, :BizDate, :Flag, :Amount)"),
               {DBParam("Id", 2), DBParam("Name", QVariant()), DBParam("BizDate", QVariant()),
                DBParam("Flag", false), DBParam("Amount", QVariant())});
    QSqlQuery q(db.Db());
    db.RunQuery(q, "select Name, BizDate, BillTime, Flag, Amount from item order by Id", {}, {},
                true);
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toString(), text);
    QCOMPARE(q.value(1).toDate().isValid() ? q.value(1).toDate()
                                           : QDate::fromString(q.value(1).toString(), "yyyy-MM-dd"),
             QDate(2013, 1, 15));
    QVERIFY(q.value(2).toString().contains(QStringLiteral("10:30:05")));
    QVERIFY(q.value(3).toBool());
    QCOMPARE(q.value(4).toDouble(), 1234.5678);
    QVERIFY(q.next());
    QVERIFY(q.value(0).isNull());
    QVERIFY(q.value(1).isNull());
    QVERIFY(!q.value(3).toBool());
    QVERIFY(q.value(4).isNull());
    // A count comes back as a 64-bit integer on PostgreSQL; it must read the same.
    QCOMPARE(Column(db, "select count(*) from item").value(0).toInt(), 2);
}

void DatabaseTest::businessDatesCompareWithLiterals() {
    TDatabase db(QStringLiteral("t_dates"));
    QVERIFY(OpenEmptyTestDatabase(db));
    CreateTables(db);
    const QString insert = QStringLiteral("insert into item(Id, BizDate) values (:Id, :BizDate)");
    db.ExecSql(insert, {DBParam("Id", 1), DBParam("BizDate", QDate(2013, 1, 14))});
    db.ExecSql(insert, {DBParam("Id", 2), DBParam("BizDate", QDate(2013, 1, 15))});
    // A midnight date-time is a business date as well.
    db.ExecSql(insert,
               {DBParam("Id", 3), DBParam("BizDate", QDateTime(QDate(2013, 1, 15), QTime(0, 0)))});
    db.ExecSql(insert, {DBParam("Id", 4), DBParam("BizDate", QDate(2013, 1, 16))});
    const QString sql =
        QStringLiteral("select Id from item where BizDate>=%1 and BizDate<=%2 order by Id")
            .arg(db.DateLiteral(QDate(2013, 1, 15)), db.DateLiteral(QDate(2013, 1, 15)));
    QCOMPARE(Column(db, sql), QVariantList({2, 3}));
}

void DatabaseTest::blobsRoundTrip() {
    TDatabase db(QStringLiteral("t_blob"));
    QVERIFY(OpenEmptyTestDatabase(db));
    db.Execute(QStringLiteral("create table report (Id integer primary key, Fr3File %1)")
                   .arg(db.IsServer() ? "bytea" : "BLOB"));
    QByteArray bytes;
    for (int i = 0; i < 70000; ++i)
        bytes.append(char(i * 7 % 256));
    db.Execute("insert into report(Id, Fr3File) values (:Id, :Fr3File)", {DBParam("Id", 1)},
               {TxDBParameter{"Fr3File", bytes}});
    QCOMPARE(db.ExecSql("update report set Fr3File=:Fr3File where Id=:Id", {DBParam("Id", 1)},
                        {TxDBParameter{"Fr3File", bytes + "end"}}),
             1);
    QCOMPARE(Column(db, "select Fr3File from report").value(0).toByteArray(), bytes + "end");
}

void DatabaseTest::bracketsAndLikeOnBothBackends() {
    TDatabase db(QStringLiteral("t_brackets"));
    QVERIFY(OpenEmptyTestDatabase(db));
    CreateTables(db);
    db.ExecSql(QStringLiteral("insert into [item]([Id], [Name]) values (:Id, :Name)"),
               {DBParam("Id", 1), DBParam("Name", "Steel Bolt")});
    QCOMPARE(Column(db, "select [Name] from [ITEM] where [name] like '%bolt%'").value(0).toString(),
             QStringLiteral("Steel Bolt"));
    // A typed value with a quote goes through the quoting helper and finds nothing, harmlessly.
    const QString typed = QStringLiteral("x' or '1'='1");
    QCOMPARE(
        Column(db, "select Id from item where Name like " + db.Quote("%" + typed + "%")).size(), 0);
    QCOMPARE(Count(db, "item"), 1);
}

void DatabaseTest::foreignKeysAreEnforced() {
    TDatabase db(QStringLiteral("t_fk"));
    QVERIFY(OpenEmptyTestDatabase(db));
    CreateTables(db);
    db.ExecSql("insert into item(Id) values (1)");
    db.ExecSql("insert into line(dlId, MastId) values (1, 1)");
    QVERIFY_THROWS_EXCEPTION(EDatabaseError,
                             db.ExecSql("insert into line(dlId, MastId) values (2, 9)"));
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, db.ExecSql("delete from item where Id=1"));
    QCOMPARE(Count(db, "item"), 1);
}

void DatabaseTest::transactions() {
    TDatabase db(QStringLiteral("t_trans"));
    QVERIFY(OpenEmptyTestDatabase(db));
    CreateTables(db);
    db.BeginTrans();
    QVERIFY(db.InTransaction());
    db.ExecSql("insert into item(Id) values (1)");
    db.RollbackTrans();
    QCOMPARE(Count(db, "item"), 0);

    QVERIFY(db.InTrans([&] { return db.ExecSql("insert into item(Id) values (2)") == 1; }));
    QVERIFY(!db.InTrans([&] {
        db.ExecSql("insert into item(Id) values (3)");
        return false;
    }));
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, db.InTrans([&] {
        db.ExecSql("insert into item(Id) values (4)");
        db.ExecSql("insert into item(Id) values (2)");  // duplicate: throws, all rolled back
        return true;
    }));
    QVERIFY(!db.InTransaction());
    QCOMPARE(Column(db, "select Id from item"), QVariantList({2}));
}

void DatabaseTest::ignoredFailureKeepsTransaction() {
    TDatabase db(QStringLiteral("t_savepoint"));
    QVERIFY(OpenEmptyTestDatabase(db));
    CreateTables(db);
    QVERIFY(db.InTrans([&] {
        db.ExecSql("insert into item(Id) values (1)");
        QString error;
        if (db.TryExecSql("insert into item(Id) values (1)", {}, &error))
            return false;
        if (error.isEmpty())
            return false;
        db.ExecSql("insert into item(Id) values (2)");  // the transaction goes on
        return true;
    }));
    QCOMPARE(Count(db, "item"), 2);
    QVERIFY(!db.TryExecSql("insert into nosuchtable(Id) values (1)"));
}

void DatabaseTest::newKeys() {
    TDatabase db(QStringLiteral("t_keys"));
    QVERIFY(OpenEmptyTestDatabase(db));
    CreateTables(db);
    QVERIFY_THROWS_EXCEPTION(std::logic_error, db.NewKey("item"));
    db.BeginTrans();
    QCOMPARE(db.NewKey("item"), 1);
    db.ExecSql("insert into item(Id) values (41)");
    QCOMPARE(db.NewKey("item"), 42);
    QCOMPARE(db.NewKey("line", "dlId"), 1);
    db.CommitTrans();
}

void DatabaseTest::concurrentKeysNeverCollide() {
    // Two workstations allocate keys of one table at the same time.
    QString cs;
    {
        TDatabase db(QStringLiteral("t_conc_setup"));
        QVERIFY(OpenEmptyTestDatabase(db));
        CreateTables(db);
        cs = db.ConnectionString();
    }
    constexpr int perWorker = 40;
    std::atomic<int> failures{0};
    QStringList errors;
    std::mutex errorsLock;
    auto worker = [&](int n) {
        TDatabase db(QStringLiteral("t_conc_%1").arg(n));
        QString error;
        if (!db.TryConnect(cs, &error)) {
            ++failures;
            std::lock_guard g(errorsLock);
            errors << error;
            return;
        }
        for (int i = 0; i < perWorker; ++i) {
            try {
                db.InTrans([&] {
                    const qint64 key = db.NewKey("item");
                    std::this_thread::yield();
                    return db.ExecSql("insert into item(Id, Name) values (:Id, :Name)",
                                      {DBParam("Id", key), DBParam("Name", n)}) == 1;
                });
            } catch (const EDatabaseError& e) {
                ++failures;
                std::lock_guard g(errorsLock);
                errors << e.Message();
            }
        }
    };
    std::thread a(worker, 1), b(worker, 2);
    a.join();
    b.join();
    QVERIFY2(failures == 0, qPrintable(errors.join("\n")));
    TDatabase db(QStringLiteral("t_conc_check"));
    QVERIFY(db.TryConnect(cs, nullptr));
    QCOMPARE(Count(db, "item"), 2 * perWorker);
    QCOMPARE(Column(db, "select max(Id) from item").value(0).toInt(), 2 * perWorker);
}

void DatabaseTest::serverNowAndReconnect() {
    TDatabase db(QStringLiteral("t_now"));
    QVERIFY(OpenEmptyTestDatabase(db));
    const QDateTime now = db.ServerNow();
    QVERIFY(now.isValid());
    QVERIFY(qAbs(now.secsTo(QDateTime::currentDateTime())) < 300);
    db.SetConnected(false);
    QVERIFY(!db.Connected());
    CreateTables(db);  // the next statement opens the connection again
    QVERIFY(db.Connected());
}

LUMORA_TEST_MAIN(DatabaseTest)
#include "db_database.moc"
