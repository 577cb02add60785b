#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest/QTest>
#include <functional>
#include <memory>

#include "data/ConnectionString.h"
#include "data/Database.h"
#include "shell/Configer.h"
#include "shell/ConnectionLoop.h"
#include "shell/IniFile.h"
#include "shell/ProgramFolder.h"
#include "support/TestSupport.h"

namespace {

// The connection dialog as a script: each showing runs the next answer, which may change and
// save the settings and says whether OK was pressed. No answer left means Cancel.
class ScriptedDialog : public TConnectionDialog {
public:
    TConfiger& Configer() override { return configer_; }
    bool Execute() override {
        ++Shown;
        return !Answers.isEmpty() && Answers.takeFirst()(configer_);
    }
    QList<std::function<bool(TConfiger&)>> Answers;
    int Shown = 0;

private:
    TConfiger configer_;
};

qint64 Count(TDatabase& db, const QString& table) {
    QSqlQuery q = db.NewQuery();
    if (!q.exec(QStringLiteral("select count(*) from ") + table) || !q.next())
        return -1;
    return q.value(0).toLongLong();
}

bool IsConnectionFailure(const QString& text) {
    return text.startsWith(QStringLiteral("\r\n连接时失败,提示如下:\r\n"));
}

}  // namespace

class ConnectionLoopTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void workingSettingsNeedNoDialog();
    void cancelEndsTheLoop();
    void okRetriesWithTheSavedSettings_data();
    void okRetriesWithTheSavedSettings();
    void firstStartCreatesTheDefaultDatabase();
    void firstStartWithoutCfgChoosesTheDefaultFile();
    void existingFileIsNeverRewritten();

private:
    // Settings that reach the test database; they are saved to cfg.ini.
    bool SaveWorkingSettings(TConfiger& c);
    void WriteCfg(const QByteArray& contents);

    std::unique_ptr<QTemporaryDir> dir_;
    QString testDb_;  // connection string of an empty test database
};

void ConnectionLoopTest::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    SetProgramFolder(dir_->path());
    QString error;
    testDb_ = NewTestConnectionString(&error);
    QVERIFY2(!testDb_.isEmpty(), qPrintable(error));
}

void ConnectionLoopTest::cleanup() {
    SetProgramFolder(QString());
}

bool ConnectionLoopTest::SaveWorkingSettings(TConfiger& c) {
    if (TestBackend() == TBackend::SQLite) {
        c.providerIdx = TConfiger::FileProvider;
        c.defaultCon = false;
        c.jetfile = ConnStr::Value(testDb_, QStringLiteral("Data Source"));
    } else {
        c.providerIdx = TConfiger::ServerProvider;
        c.mssqlServer = ConnStr::Value(testDb_, QStringLiteral("Data Source"));
        c.mssqlPort = ConnStr::Value(testDb_, QStringLiteral("Port")).toInt();
        c.mssqlDb = ConnStr::Value(testDb_, QStringLiteral("Initial Catalog"));
        c.mssqlUser = ConnStr::Value(testDb_, QStringLiteral("User ID"));
        c.mssqlPw = ConnStr::Value(testDb_, QStringLiteral("Password"));
    }
    return c.Save();
}

void ConnectionLoopTest::WriteCfg(const QByteArray& contents) {
    QFile f(CfgIniPath());
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(contents);
}

void ConnectionLoopTest::workingSettingsNeedNoDialog() {
    {
        TConfiger c;
        QVERIFY(SaveWorkingSettings(c));
    }
    PromptRecorder prompts;
    ScriptedDialog dialog;
    TDatabase db(QStringLiteral("loop"));
    QVERIFY(ConnectDatabase(db, dialog));
    QCOMPARE(dialog.Shown, 0);
    QCOMPARE(prompts.Texts(), QStringList());
    QVERIFY(db.Connected());
}

void ConnectionLoopTest::cancelEndsTheLoop() {
    PromptRecorder prompts;
    ScriptedDialog dialog;  // first start: no cfg.ini, no stored connection
    TDatabase db(QStringLiteral("loop"));
    QVERIFY(!ConnectDatabase(db, dialog));
    QCOMPARE(dialog.Shown, 1);
    QCOMPARE(prompts.Prompts.size(), 1);
    QVERIFY(IsConnectionFailure(prompts.Last()));
    QVERIFY(!db.Connected());
    QVERIFY(!QFile::exists(CfgIniPath()));
}

void ConnectionLoopTest::okRetriesWithTheSavedSettings_data() {
    QTest::addColumn<int>("wrongOks");
    QTest::newRow("corrected at once") << 0;
    QTest::newRow("after a wrong correction") << 1;
}

void ConnectionLoopTest::okRetriesWithTheSavedSettings() {
    QFETCH(int, wrongOks);
    PromptRecorder prompts;
    ScriptedDialog dialog;
    for (int i = 0; i < wrongOks; ++i)
        dialog.Answers << [this](TConfiger& c) {
            c.providerIdx = TConfiger::FileProvider;
            c.defaultCon = false;
            c.jetfile = dir_->filePath(QStringLiteral("missing.db"));
            return c.Save();
        };
    dialog.Answers << [this](TConfiger& c) { return SaveWorkingSettings(c); };
    TDatabase db(QStringLiteral("loop"));
    QVERIFY(ConnectDatabase(db, dialog));
    QCOMPARE(dialog.Shown, wrongOks + 1);
    QCOMPARE(prompts.Prompts.size(), wrongOks + 1);
    for (const QString& text : prompts.Texts())
        QVERIFY(IsConnectionFailure(text));
    QVERIFY(db.Connected());
    QCOMPARE(db.GetProvider(), TestBackend() == TBackend::SQLite ? QStringLiteral("SQLite")
                                                                 : QStringLiteral("PostgreSQL"));
    QVERIFY(!QFile::exists(dir_->filePath(QStringLiteral("missing.db"))));
    // The next start reads what OK saved.
    TConfiger again;
    QCOMPARE(again.GetConnectionString(), db.ConnectionString());
}

void ConnectionLoopTest::firstStartCreatesTheDefaultDatabase() {
    if (TestBackend() != TBackend::SQLite)
        QSKIP("the default database is always an SQLite file");
    WriteCfg("[db]\r\nproviderIdx=1\r\ndefaultCon=1\r\n");
    const QString path = DefaultDatabasePath();
    QCOMPARE(QFileInfo(path).absolutePath(), QFileInfo(dir_->path()).absoluteFilePath());
    QVERIFY(!QFile::exists(path));
    PromptRecorder prompts;
    ScriptedDialog dialog;
    TDatabase db(QStringLiteral("loop"));
    QVERIFY(ConnectDatabase(db, dialog));
    QCOMPARE(dialog.Shown, 0);
    QCOMPARE(prompts.Texts(), QStringList());
    QCOMPARE(db.GetDataSource(), path);
    QVERIFY(Count(db, QStringLiteral("ware")) > 0);
    QVERIFY(Count(db, QStringLiteral("putin")) > 0);
    QCOMPARE(Count(db, QStringLiteral("company")), 1);
}

void ConnectionLoopTest::firstStartWithoutCfgChoosesTheDefaultFile() {
    if (TestBackend() != TBackend::SQLite)
        QSKIP("the default database is always an SQLite file");
    PromptRecorder prompts;
    ScriptedDialog dialog;
    QCOMPARE(dialog.Configer().providerIdx, TConfiger::ServerProvider);
    QCOMPARE(dialog.Configer().mssqlPort, 5432);
    dialog.Answers << [](TConfiger& c) {
        c.providerIdx = TConfiger::FileProvider;
        c.defaultCon = true;
        return c.Save();
    };
    TDatabase db(QStringLiteral("loop"));
    QVERIFY(ConnectDatabase(db, dialog));
    QCOMPARE(dialog.Shown, 1);
    QCOMPARE(prompts.Prompts.size(), 1);  // the failed first attempt
    QCOMPARE(db.GetDataSource(), DefaultDatabasePath());
    QVERIFY(Count(db, QStringLiteral("ware")) > 0);
}

void ConnectionLoopTest::existingFileIsNeverRewritten() {
    if (TestBackend() != TBackend::SQLite)
        QSKIP("the default database is always an SQLite file");
    WriteCfg("[db]\r\nproviderIdx=1\r\ndefaultCon=1\r\n");
    const QString path = DefaultDatabasePath();
    {
        // A database of the user's, whatever it holds, is opened as it is.
        TDatabase made(QStringLiteral("made"));
        made.SetCreateIfMissing(true);
        QVERIFY(made.TryConnect(ConnStr::SQLite(path), nullptr));
        made.ExecSql(QStringLiteral("create table mine (x integer)"));
    }
    {
        ScriptedDialog dialog;
        TDatabase db(QStringLiteral("loop"));
        QVERIFY(ConnectDatabase(db, dialog));
        QCOMPARE(Count(db, QStringLiteral("mine")), 0);
        QCOMPARE(Count(db, QStringLiteral("ware")), -1);  // no tables were added
    }
    // Nor is a file that is no database replaced by a new one.
    QVERIFY(QFile::remove(path));
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("not a database\n");
    }
    {
        PromptRecorder prompts;
        ScriptedDialog dialog;
        TDatabase db(QStringLiteral("loop"));
        ConnectDatabase(db, dialog);
    }
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("not a database\n"));
}

LUMORA_TEST_MAIN(ConnectionLoopTest)
#include "db_connectionloop.moc"
