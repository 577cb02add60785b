#include "support/TestSupport.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

#include "data/ConnectionString.h"
#include "data/ServerAlias.h"

namespace {

QTemporaryDir& ScratchDir() {
    static QTemporaryDir dir;
    return dir;
}

int NextSerial() {
    static QAtomicInt serial;
    return serial.fetchAndAddRelaxed(1) + 1;
}

QString PgServerUrl(QString* error) {
    const QString file = qEnvironmentVariable("LUMORA_PG_URL_FILE");
    QFile f(file);
    if (file.isEmpty() || !f.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral(
                "PostgreSQL test server not running (start it with scripts/pg-test-server.sh "
                "start <build>/pgtest, or run make test)");
        return QString();
    }
    return QString::fromUtf8(f.readAll()).trimmed();
}

}  // namespace

TBackend TestBackend() {
    return qEnvironmentVariable("LUMORA_TEST_BACKEND") == QLatin1String("postgres")
               ? TBackend::PostgreSQL
               : TBackend::SQLite;
}

QString TestBackendName() {
    return TestBackend() == TBackend::PostgreSQL ? QStringLiteral("postgres")
                                                 : QStringLiteral("sqlite");
}

QString NewTestConnectionString(QString* error) {
    if (TestBackend() == TBackend::SQLite) {
        const QString path = ScratchDir().filePath(QStringLiteral("test%1.db").arg(NextSerial()));
        QFile::remove(path);
        // Create the empty file so a plain connection opens it.
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly)) {
            if (error)
                *error = QStringLiteral("cannot create %1").arg(path);
            return QString();
        }
        f.close();
        return ConnStr::SQLite(path);
    }
    const QString url = PgServerUrl(error);
    if (url.isEmpty())
        return QString();
    const QUrl u(url);
    const QString name =
        QStringLiteral("lumora_t%1_%2").arg(QCoreApplication::applicationPid()).arg(NextSerial());
    {
        const QString admin = QStringLiteral("lumora_test_admin");
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), admin);
        db.setHostName(u.host());
        db.setPort(u.port(5432));
        db.setUserName(u.userName());
        db.setDatabaseName(u.path().mid(1));
        bool ok = db.open();
        QString why = db.lastError().text();
        if (ok) {
            QSqlQuery q(db);
            ok = q.exec(
                QStringLiteral("create database %1 template template0 encoding 'UTF8'").arg(name));
            why = q.lastError().text();
        }
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(admin);
        if (!ok) {
            if (error)
                *error = QStringLiteral("cannot create a test database: %1").arg(why);
            return QString();
        }
    }
    return ConnStr::PostgreSQL(u.host(), u.port(5432), name, u.userName(), u.password());
}

bool OpenEmptyTestDatabase(TDatabase& db) {
    QString error;
    const QString cs = NewTestConnectionString(&error);
    if (cs.isEmpty()) {
        QTest::qFail(qPrintable(error), __FILE__, __LINE__);
        return false;
    }
    if (!db.TryConnect(cs, &error)) {
        QTest::qFail(qPrintable(QStringLiteral("cannot connect: ") + error), __FILE__, __LINE__);
        return false;
    }
    return true;
}

PromptRecorder::PromptRecorder() {
    SetPrompter(this);
}

PromptRecorder::~PromptRecorder() {
    if (CurrentPrompter() == this)
        SetPrompter(nullptr);
}

bool PromptRecorder::Ask(TPromptKind kind, const QString& text) {
    Prompts.append({kind, text});
    if (!Answers.isEmpty())
        return Answers.takeFirst();
    return DefaultAnswer;
}

QStringList PromptRecorder::Texts() const {
    QStringList texts;
    for (const auto& p : Prompts)
        texts << p.second;
    return texts;
}

QString PromptRecorder::Last() const {
    return Prompts.isEmpty() ? QString() : Prompts.last().second;
}

void PrepareTestEnvironment() {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Settings and alias files of tests go to a private folder, never the user's own.
    static QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", QDir(home.path()).filePath(QStringLiteral("config")).toUtf8());
    qputenv("XDG_DATA_HOME", QDir(home.path()).filePath(QStringLiteral("data")).toUtf8());
    QStandardPaths::setTestModeEnabled(true);
    ServerAlias::SetFilePath(QDir(home.path()).filePath(QStringLiteral("server-alias.ini")));
}
