#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest/QTest>
#include <memory>

#include "data/ConnectionString.h"
#include "data/Gbk.h"
#include "data/ServerAlias.h"
#include "shell/AppIdentity.h"
#include "shell/Configer.h"
#include "shell/IniFile.h"
#include "shell/ProgramFolder.h"
#include "shell/Scramble.h"
#include "support/TestSupport.h"

class ConfigerTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void scrambleIsItsOwnInverse_data();
    void scrambleIsItsOwnInverse();
    void scrambledTextRoundTrip();
    void firstStartDefaults();
    void saveThenReadBack();
    void secretsAreScrambledOnDisk();
    void saveKeepsOtherLines();
    void connectionString_data();
    void connectionString();
    void fileConnectionIgnoresHandEditedFile();
    void serverAlias_data();
    void serverAlias();
    void lastLoginId();
    void appBuild_data();
    void appBuild();
    void defaultDatabaseOutsideReadOnlyFolder_data();
    void defaultDatabaseOutsideReadOnlyFolder();

private:
    QByteArray CfgBytes() const;
    void WriteCfg(const QByteArray& contents) const;

    std::unique_ptr<QTemporaryDir> dir_;
};

void ConfigerTest::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    SetProgramFolder(dir_->path());
    QFile::remove(ServerAlias::FilePath());
}

void ConfigerTest::cleanup() {
    SetProgramFolder(QString());
}

QByteArray ConfigerTest::CfgBytes() const {
    QFile f(CfgIniPath());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void ConfigerTest::WriteCfg(const QByteArray& contents) const {
    QFile f(CfgIniPath());
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(contents);
}

void ConfigerTest::scrambleIsItsOwnInverse_data() {
    QTest::addColumn<QByteArray>("input");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("one byte") << QByteArray("a");
    QTest::newRow("longer than the key") << QByteArray("password-of-twenty-four");
    QTest::newRow("GBK text") << GbkBytes(QStringLiteral("仓库管理员密码"));
    QTest::newRow("all bytes") << [] {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(char(b));
        return all;
    }();
}

void ConfigerTest::scrambleIsItsOwnInverse() {
    QFETCH(QByteArray, input);
    const QByteArray once = Scramble(input);
    QCOMPARE(once.size(), input.size());
    if (input.size() > 1)
        QVERIFY(once != input);
    QCOMPARE(Scramble(once), input);
}

void ConfigerTest::scrambledTextRoundTrip() {
    for (const QString& text : {QString(), QStringLiteral("sa"), QStringLiteral("口令 ) 密码")}) {
        QCOMPARE(UnscrambleText(ScrambleText(text)), text);
        QCOMPARE(ScrambleText(text).size(), GbkBytes(text).size());
    }
}

void ConfigerTest::firstStartDefaults() {
    TConfiger c;
    QCOMPARE(c.providerIdx, 0);
    QCOMPARE(c.defaultCon, true);
    QCOMPARE(c.mssqlPort, 5432);
    QVERIFY(c.mssqlServer.isEmpty() && c.mssqlPw.isEmpty() && c.jetfile.isEmpty());
    QCOMPARE(c.SmartConnect, false);
    QVERIFY(c.GetConnectionString().isEmpty());
    QVERIFY(!QFile::exists(CfgIniPath()));
}

void ConfigerTest::saveThenReadBack() {
    {
        TConfiger c;
        c.mssqlServer = QStringLiteral("db.example");
        c.mssqlPort = 6543;
        c.mssqlDb = QStringLiteral("仓库");
        c.mssqlUser = QStringLiteral("stock");
        c.mssqlPw = QStringLiteral("p@ss 密)");
        c.jetfile = QStringLiteral("/data/我的库.db");
        c.jetUser = QStringLiteral("admin");
        c.jetPw = QStringLiteral("jet");
        c.dipUrl = QStringLiteral("http://dip.example/q");
        c.dipUser = QStringLiteral("alice");
        c.providerIdx = 1;
        c.defaultCon = false;
        c.SmartConnect = true;
        QVERIFY(c.Save());
    }
    TConfiger c;
    QCOMPARE(c.mssqlServer, QStringLiteral("db.example"));
    QCOMPARE(c.mssqlPort, 6543);
    QCOMPARE(c.mssqlDb, QStringLiteral("仓库"));
    QCOMPARE(c.mssqlUser, QStringLiteral("stock"));
    QCOMPARE(c.mssqlPw, QStringLiteral("p@ss 密)"));
    QCOMPARE(c.jetfile, QStringLiteral("/data/我的库.db"));
    QCOMPARE(c.jetUser, QStringLiteral("admin"));
    QCOMPARE(c.jetPw, QStringLiteral("jet"));
    QCOMPARE(c.dipUrl, QStringLiteral("http://dip.example/q"));
    QCOMPARE(c.dipUser, QStringLiteral("alice"));
    QCOMPARE(c.providerIdx, 1);
    QCOMPARE(c.defaultCon, false);
    QCOMPARE(c.SmartConnect, false);  // never stored
    // The file itself reads back the same after a second save of unchanged fields.
    const QByteArray first = CfgBytes();
    QVERIFY(c.Save());
    QCOMPARE(CfgBytes(), first);
}

void ConfigerTest::secretsAreScrambledOnDisk() {
    TConfiger c;
    c.mssqlServer = QStringLiteral("host");
    c.mssqlPw = QStringLiteral("secret");
    c.jetfile = QStringLiteral("/x/file.db");
    c.jetPw = QStringLiteral("jetsecret");
    QVERIFY(c.Save());
    const QByteArray disk = CfgBytes();
    const TIniFile ini(CfgIniPath());
    QCOMPARE(ini.ReadBytes("db", "mssqlPw"), Scramble("secret"));
    QCOMPARE(ini.ReadBytes("db", "jetfile"), Scramble("/x/file.db"));
    QCOMPARE(ini.ReadBytes("db", "jetPw"), Scramble("jetsecret"));
    QCOMPARE(ini.ReadString("db", "mssqlServer"), QStringLiteral("host"));
    QVERIFY(!disk.contains("secret"));
    QVERIFY(!disk.contains("Provider="));
    QCOMPARE(UnscrambleText(ini.ReadBytes("db", "ConnStr")),
             TConfiger::ServerConnectionString("", "secret", "", "host"));
}

void ConfigerTest::saveKeepsOtherLines() {
    const QByteArray shipped = "[db]\r\nproviderIdx=1\r\ndefaultCon=1\r\n\r\n[publish]\r\nb=X\r\n";
    WriteCfg(shipped);
    TConfiger c;
    QCOMPARE(c.providerIdx, 1);
    QVERIFY(c.Save());
    const QByteArray after = CfgBytes();
    QVERIFY(after.startsWith("[db]\r\nproviderIdx=1\r\ndefaultCon=1\r\n"));
    QVERIFY(after.endsWith("\r\n\r\n[publish]\r\nb=X\r\n"));
    QVERIFY(!after.contains("\n\n"));  // no lone LF
}

void ConfigerTest::connectionString_data() {
    QTest::addColumn<int>("providerIdx");
    QTest::addColumn<bool>("defaultCon");
    QTest::addColumn<QString>("expected");
    const QString defaultDb = QStringLiteral("<default>");
    QTest::newRow("server") << 0 << true
                            << TConfiger::ServerConnectionString("u", "p", "stock", "pg.host");
    QTest::newRow("default file") << 1 << true << defaultDb;
    QTest::newRow("chosen file") << 1 << false << TConfiger::FileConnectionString("/d/a.db");
    QTest::newRow("unknown provider") << 7 << true << QString();
}

void ConfigerTest::connectionString() {
    QFETCH(int, providerIdx);
    QFETCH(bool, defaultCon);
    QFETCH(QString, expected);
    {
        TConfiger c;
        c.mssqlServer = QStringLiteral("pg.host");
        c.mssqlDb = QStringLiteral("stock");
        c.mssqlUser = QStringLiteral("u");
        c.mssqlPw = QStringLiteral("p");
        c.jetfile = QStringLiteral("/d/a.db");
        c.providerIdx = providerIdx;
        c.defaultCon = defaultCon;
        QVERIFY(c.Save());
    }
    TConfiger c;
    const QString cs = c.GetConnectionString();
    if (expected == QLatin1String("<default>")) {
        const QString path =
            QDir(dir_->path())
                .filePath(QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName() +
                          QStringLiteral(".db"));
        QCOMPARE(cs, ConnStr::SQLite(path));
        QCOMPARE(ConnStr::Value(cs, "Provider"), QStringLiteral("SQLite"));
        QCOMPARE(ConnStr::Value(cs, "Data Source"), path);
        QVERIFY(c.UsesDefaultDatabase());
    } else {
        QCOMPARE(cs, expected);
        QVERIFY(!c.UsesDefaultDatabase());
    }
    if (providerIdx == 0) {
        QCOMPARE(ConnStr::Value(cs, "Provider"), QStringLiteral("PostgreSQL"));
        QCOMPARE(ConnStr::Value(cs, "Data Source"), QStringLiteral("pg.host"));
        QCOMPARE(ConnStr::Value(cs, "Initial Catalog"), QStringLiteral("stock"));
        QCOMPARE(ConnStr::Value(cs, "User ID"), QStringLiteral("u"));
        QCOMPARE(ConnStr::Value(cs, "Password"), QStringLiteral("p"));
    }
    if (providerIdx == 1 && !defaultCon)
        QCOMPARE(ConnStr::Value(cs, "Data Source"), QStringLiteral("/d/a.db"));
}

void ConfigerTest::fileConnectionIgnoresHandEditedFile() {
    {
        TConfiger c;
        c.providerIdx = 1;
        c.defaultCon = false;
        c.jetfile = QStringLiteral("/saved/at-ok.db");
        QVERIFY(c.Save());
    }
    {
        TIniFile ini(CfgIniPath());
        QVERIFY(
            ini.WriteBytes("db", "jetfile", ScrambleText(QStringLiteral("/edited/by-hand.db"))));
        QVERIFY(ini.UpdateFile());
    }
    TConfiger c;
    QCOMPARE(c.jetfile, QStringLiteral("/edited/by-hand.db"));
    QCOMPARE(c.GetConnectionString(), TConfiger::FileConnectionString("/saved/at-ok.db"));
}

void ConfigerTest::serverAlias_data() {
    QTest::addColumn<bool>("smartConnect");
    QTest::addColumn<QString>("alias");
    QTest::addColumn<int>("port");
    QTest::newRow("port through the alias") << false << "DBMSSOCN,pg.host,6543" << 6543;
    QTest::newRow("smart connect removes it") << true << QString() << 0;
}

void ConfigerTest::serverAlias() {
    QFETCH(bool, smartConnect);
    QFETCH(QString, alias);
    QFETCH(int, port);
    QVERIFY(ServerAlias::Write("pg.host", "DBMSSOCN,pg.host,1111", false));
    TConfiger c;
    c.providerIdx = 0;
    c.mssqlServer = QStringLiteral("pg.host");
    c.mssqlPort = 6543;
    c.SmartConnect = smartConnect;
    QVERIFY(c.Save());
    QCOMPARE(ServerAlias::Read("pg.host"), alias);
    QCOMPARE(ServerAlias::Port("pg.host"), port);

    // The alias without a port names the server alone; no server, no alias.
    c.WriteServerAlias("other", "", false);
    QCOMPARE(ServerAlias::Read("other"), QStringLiteral("DBMSSOCN,other"));
    c.WriteServerAlias("", "5432", false);
    QCOMPARE(ServerAlias::Read(""), QString());
}

void ConfigerTest::lastLoginId() {
    WriteCfg("[db]\r\nproviderIdx=1\r\n");
    QCOMPARE(TConfiger::ReadLastLoginId(), QString());
    QVERIFY(TConfiger::WriteLastLoginId(QStringLiteral("张三")));
    QCOMPARE(TConfiger::ReadLastLoginId(), QStringLiteral("张三"));
    QCOMPARE(CfgBytes(),
             "[db]\r\nproviderIdx=1\r\n[Login]\r\nLastLoginId=" + GbkBytes("张三") + "\r\n");
}

void ConfigerTest::appBuild_data() {
    QTest::addColumn<QByteArray>("cfg");  // empty: no cfg.ini
    QTest::addColumn<QString>("build");
    QTest::newRow("no cfg.ini") << QByteArray() << "Build130115";
    QTest::newRow("no mark") << QByteArray("[db]\r\nproviderIdx=1\r\n") << "(Build130115)";
    QTest::newRow("mark X") << QByteArray("[publish]\r\nb=X\r\n") << "(Build130115X)";
}

void ConfigerTest::appBuild() {
    QFETCH(QByteArray, cfg);
    QFETCH(QString, build);
    if (!cfg.isEmpty())
        WriteCfg(cfg);
    SetAppBuild(QStringLiteral("Build130115"));
    ApplyPublishMark();
    QCOMPARE(AppBuild(), build);
    QCOMPARE(AppTitle, QStringLiteral("Lumora仓库管理系统"));
    QCOMPARE(AppEdition, QStringLiteral("单机版 3.62.130115"));
    QCOMPARE(AppProductCode, QStringLiteral("QZCK"));
}

void ConfigerTest::defaultDatabaseOutsideReadOnlyFolder_data() {
    QTest::addColumn<bool>("readOnly");  // else the folder is missing
    QTest::newRow("missing folder") << false;
    QTest::newRow("read-only folder") << true;
}

void ConfigerTest::defaultDatabaseOutsideReadOnlyFolder() {
    QFETCH(bool, readOnly);
    const QString folder = dir_->filePath(QStringLiteral("installed"));
    if (readOnly) {
        QVERIFY(QDir().mkpath(folder));
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
        if (QFileInfo(folder).isWritable())
            QSKIP("running with rights that ignore folder permissions");
    }
    SetProgramFolder(folder);
    const QString path = DefaultDatabasePath();
    QCOMPARE(QFileInfo(path).absolutePath(),
             QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    QVERIFY(QFileInfo(QFileInfo(path).absolutePath()).isWritable());
    QCOMPARE(QFileInfo(path).fileName(),
             QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName() +
                 QStringLiteral(".db"));
    if (readOnly)
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

LUMORA_TEST_MAIN(ConfigerTest)
#include "tst_configer.moc"
