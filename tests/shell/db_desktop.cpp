#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest/QTest>

#include "shell/Compaction.h"
#include "shell/Company.h"
#include "shell/Desktop.h"
#include "shell/KeyValue2.h"
#include "shell/Operator.h"
#include "shell/StartHook.h"
#include "shell/ToolLinks.h"
#include "support/TestSupport.h"

namespace {

QVariant Scalar(const QString& sql, const TDBParameters& params = {}) {
    TDatabase& db = AppDatabase();
    QSqlQuery q = db.NewQuery();
    db.RunQuery(q, sql, params, {}, true);
    return q.next() ? q.value(0) : QVariant();
}

QString StoredMenus(const QString& loginId) {
    return Scalar(QStringLiteral("select Menus from operator where LoginId=:L"),
                  {DBParam(QStringLiteral("L"), loginId)})
        .toString();
}

// Remembers what the company window was asked to show; always cancelled.
class CountingCompanyDialog : public TCompanyDialog {
public:
    QList<bool> ReadOnly;
    bool Execute(TCompany&, bool readOnly) override {
        ReadOnly << readOnly;
        return false;
    }
};

// An SQLite file with a table of `rows` rows of filler text.
bool MakeSqliteFile(const QString& file, int rows) {
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "filler");
        db.setDatabaseName(file);
        if (db.open()) {
            QSqlQuery q(db);
            ok = q.exec(QStringLiteral("create table t (Id integer primary key, Txt text)"));
            db.transaction();
            for (int i = 0; ok && i < rows; ++i)
                ok = q.exec(QStringLiteral("insert into t (Txt) values ('%1')")
                                .arg(QString(500, QLatin1Char('x'))));
            db.commit();
            ok = ok && q.exec(QStringLiteral("delete from t where Id > 1"));
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("filler"));
    return ok;
}

QByteArray FileBytes(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

class DesktopStoreTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void storedDesktopRoundTrip();
    void toolLinksInIdOrder();
    void startHook_data();
    void startHook();
    void compactionShrinksTheFile();
    void compactionLeavesABadFileAlone_data();
    void compactionLeavesABadFileAlone();
};

void DesktopStoreTest::initTestCase() {
    QVERIFY(OpenFreshTestDatabase(AppDatabase()));
    AppDatabase().Execute(QStringLiteral(
        "insert into operator(LoginId, [Password], Rights, Menus) values ('li', '', '', '')"));
}

void DesktopStoreTest::cleanupTestCase() {
    SetCompanyDialog(nullptr);
    AppDatabase().SetConnected(false);
}

void DesktopStoreTest::storedDesktopRoundTrip() {
    const QString text = QStringLiteral("货品=10,20\r\n出库登记=0,0");
    WriteDesktopText(QStringLiteral("li"), text);
    QCOMPARE(ReadDesktopText(QStringLiteral("li")), text);
    QCOMPARE(StoredMenus(QStringLiteral("sa")), QString());  // another operator's row stays
    WriteDesktopText(QStringLiteral("sa"), QStringLiteral("仓库=1,2"));
    QCOMPARE(ReadDesktopText(QStringLiteral("sa")), QStringLiteral("仓库=1,2"));
    // Nobody logged in: the store changes no row, the read gives an empty desktop.
    WriteDesktopText(QString(), QStringLiteral("员工=3,4"));
    QCOMPARE(
        Scalar(QStringLiteral("select count(*) from operator where Menus like '%员工%'")).toInt(),
        0);
    QCOMPARE(ReadDesktopText(QString()), QString());
}

void DesktopStoreTest::toolLinksInIdOrder() {
    AppDatabase().Execute(QStringLiteral("delete from link"));
    AppDatabase().Execute(QStringLiteral(
        "insert into link(Id,GroupId,Title,lpFile,lpParameters,[Note]) values "
        "(7,0,'手册','/tmp/manual.pdf','','说明书'),(3,0,'主页','IEXPLORE.EXE','http://x','')"));
    const QList<TLink> links = ReadToolLinks();
    QCOMPARE(links.size(), 2);
    QCOMPARE(links[0].Id, 3);
    QCOMPARE(links[0].Title, QStringLiteral("主页"));
    QVERIFY(links[0].IsWebLink());
    QCOMPARE(links[0].lpParameters, QStringLiteral("http://x"));
    QCOMPARE(links[1].Note, QStringLiteral("说明书"));
    QVERIFY(!links[1].IsWebLink());

    TLink link;
    QVERIFY(link.LoadLink(7));
    QCOMPARE(link.lpFile, QStringLiteral("/tmp/manual.pdf"));
    TLink gone;
    QVERIFY(!gone.LoadLink(99));  // a deleted link is not run
    QCOMPARE(gone.Id, -1);
}

void DesktopStoreTest::startHook_data() {
    QTest::addColumn<QString>("rights");
    QTest::addColumn<QString>("company");
    QTest::addColumn<bool>("tips");
    QTest::addColumn<int>("companyShown");
    QTest::addColumn<int>("tipsShown");
    QTest::newRow("right 10000, no name yet") << ",10000,"
                                              << "" << false << 1 << 0;
    QTest::newRow("right 10000, 7 bytes are no name") << ",10000,"
                                                      << "abc公司" << false << 1 << 0;
    QTest::newRow("right 10000, a name") << ",10000,"
                                         << "星光电子有限公司" << false << 0 << 0;
    QTest::newRow("without the right") << ",100001,"
                                       << "" << true << 0 << 1;
    QTest::newRow("both") << ",10000,"
                          << "" << true << 1 << 1;
}

void DesktopStoreTest::startHook() {
    QFETCH(QString, rights);
    QFETCH(QString, company);
    QFETCH(bool, tips);
    QFETCH(int, companyShown);
    QFETCH(int, tipsShown);
    CountingCompanyDialog dialog;
    SetCompanyDialog(&dialog);
    AppOperator().Clear();
    AppOperator().LoginId = QStringLiteral("li");
    AppOperator().Rights = rights;
    AppCompany().CompanyName = company;
    AppKeyValue2().SetDailyTipPrompt(tips);
    int shownTips = 0;
    Tmall hook;
    hook.ShowTips = [&shownTips] { ++shownTips; };
    hook.Start();
    QCOMPARE(dialog.ReadOnly.size(), companyShown);
    if (companyShown)
        QCOMPARE(dialog.ReadOnly.first(), false);  // with OK enabled
    QCOMPARE(shownTips, tipsShown);
    SetCompanyDialog(nullptr);
    AppOperator().Clear();
}

void DesktopStoreTest::compactionShrinksTheFile() {
    if (TestBackend() != TBackend::SQLite)
        QSKIP("compaction is for the embedded file");
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("big.db"));
    QVERIFY(MakeSqliteFile(file, 2000));
    const qint64 before = QFileInfo(file).size();
    QVERIFY(CompactSqliteFile(file));
    QVERIFY(QFileInfo(file).size() < before / 4);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "check");
        db.setDatabaseName(file);
        QVERIFY(db.open());
        QSqlQuery q(db);
        QVERIFY(q.exec(QStringLiteral("select count(*) from t")) && q.next());
        QCOMPARE(q.value(0).toInt(), 1);  // the kept row is still there
    }
    QSqlDatabase::removeDatabase(QStringLiteral("check"));
}

void DesktopStoreTest::compactionLeavesABadFileAlone_data() {
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<bool>("exists");
    QTest::newRow("not a database") << QByteArray("this is no database file\n") << true;
    QTest::newRow("missing") << QByteArray() << false;
}

void DesktopStoreTest::compactionLeavesABadFileAlone() {
    QFETCH(QByteArray, contents);
    QFETCH(bool, exists);
    if (TestBackend() != TBackend::SQLite)
        QSKIP("compaction is for the embedded file");
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("x.db"));
    if (exists) {
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(contents);
    }
    QVERIFY(!CompactSqliteFile(file));
    QCOMPARE(QFileInfo::exists(file), exists);  // a missing file is not made
    if (exists)
        QCOMPARE(FileBytes(file), contents);
}

LUMORA_TEST_MAIN(DesktopStoreTest)
#include "db_desktop.moc"
