#include "data/Database.h"

#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <ctime>

#include "data/ConnectionString.h"
#include "data/Prompt.h"
#include "data/ServerAlias.h"

namespace {

QString ProviderMessage(const QSqlError& error) {
    const QString db = error.databaseText().trimmed();
    return db.isEmpty() ? error.text().trimmed() : db;
}

// Dates go in as text so both back ends store and compare the same thing: a business date as
// yyyy-mm-dd (a time of day would break BizDate<='2013-01-15' on SQLite), a time as
// yyyy-mm-dd hh:mm:ss.
QVariant BindValue(const QVariant& v) {
    switch (v.typeId()) {
        case QMetaType::QDate:
            return v.toDate().toString(QStringLiteral("yyyy-MM-dd"));
        case QMetaType::QDateTime: {
            const QDateTime dt = v.toDateTime();
            if (!dt.isValid())
                return QVariant(QMetaType::fromType<QString>());
            if (dt.time() == QTime(0, 0))
                return dt.date().toString(QStringLiteral("yyyy-MM-dd"));
            return dt.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
        }
        default:
            return v;
    }
}

}  // namespace

TDBParameter DBParam(const QString& name, const QVariant& value) {
    return {name, value};
}

TDatabase::TDatabase(const QString& connectionName) : connectionName_(connectionName) {
    // Makes Qt's registry of connections exist before this object, so that a process-wide
    // database (AppDatabase) is destroyed while the registry still exists.
    QSqlDatabase::contains(connectionName_);
}

TDatabase::~TDatabase() {
    Close();
    if (QSqlDatabase::contains(connectionName_))
        QSqlDatabase::removeDatabase(connectionName_);
}

QSqlDatabase TDatabase::Db() const {
    return QSqlDatabase::database(connectionName_, false);
}

bool TDatabase::Connect(const QString& connectionString) {
    QString error;
    if (TryConnect(connectionString, &error))
        return true;
    ShowInfo(QStringLiteral("连接时失败,提示如下:\r\n%1").arg(error));
    return false;
}

bool TDatabase::TryConnect(const QString& connectionString, QString* error) {
    Close();
    connectionString_ = connectionString;
    const QString provider = GetProvider();
    dialect_ = TDialect(provider == QLatin1String(ConnStr::SQLiteProvider) ? TBackend::SQLite
                                                                           : TBackend::PostgreSQL);
    QString why;
    const bool ok = Open(&why);
    if (!ok && error)
        *error = why;
    return ok;
}

void TDatabase::SetCreateIfMissing(bool create) {
    createIfMissing_ = create;
}

bool TDatabase::Open(QString* error) {
    const QString provider = GetProvider();
    // Reopening keeps the connection object, so queries made on it stay valid.
    auto connection = [this](const QString& driver) {
        if (QSqlDatabase::contains(connectionName_)) {
            if (Db().driverName() == driver)
                return Db();
            QSqlDatabase::removeDatabase(connectionName_);
        }
        return QSqlDatabase::addDatabase(driver, connectionName_);
    };
    if (provider == QLatin1String(ConnStr::SQLiteProvider)) {
        const QString path = GetDataSource();
        if (path.isEmpty()) {
            *error = QStringLiteral("没有指定数据库文件");
            return false;
        }
        // Qt would create a missing file silently; a wrong path must fail instead.
        if (!createIfMissing_ && !QFileInfo::exists(path)) {
            *error = QStringLiteral("数据库文件不存在: %1").arg(path);
            return false;
        }
        QSqlDatabase db = connection(QStringLiteral("QSQLITE"));
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=30000"));
        if (!db.open()) {
            *error = ProviderMessage(db.lastError());
            return false;
        }
        QSqlQuery q(db);
        // Opening does not read the file; a file that is not a database must fail here, not
        // at the first statement.
        if (!q.exec(QStringLiteral("select count(*) from sqlite_master")) ||
            !q.exec(QStringLiteral("PRAGMA foreign_keys=ON"))) {
            *error = ProviderMessage(q.lastError());
            return false;
        }
        return true;
    }
    if (provider == QLatin1String(ConnStr::PostgreSQLProvider)) {
        // The driver turns every date and time it reads into local time. Without TZ the C
        // library looks at the system's zone file again for each value (a file system call per
        // date: most of the time of a large read); naming that same file reads it once.
        if (qEnvironmentVariableIsEmpty("TZ")) {
            qputenv("TZ", ":/etc/localtime");
            tzset();
        }
        const QString host = GetDataSource();
        int port = ConnStr::Value(connectionString_, QStringLiteral("Port")).toInt();
        if (port <= 0)
            port = ServerAlias::Port(host);
        if (port <= 0)
            port = 5432;
        QSqlDatabase db = connection(QStringLiteral("QPSQL"));
        db.setHostName(host);
        db.setPort(port);
        db.setDatabaseName(ConnStr::Value(connectionString_, QStringLiteral("Initial Catalog")));
        db.setUserName(ConnStr::Value(connectionString_, QStringLiteral("User ID")));
        db.setPassword(ConnStr::Value(connectionString_, QStringLiteral("Password")));
        db.setConnectOptions(QStringLiteral("connect_timeout=120"));
        if (!db.open()) {
            *error = ProviderMessage(db.lastError());
            return false;
        }
        return true;
    }
    *error = provider.isEmpty() ? QStringLiteral("没有可用的数据库连接参数")
                                : QStringLiteral("未知的数据库提供者: %1").arg(provider);
    return false;
}

bool TDatabase::Connected() const {
    const QSqlDatabase db = Db();
    return db.isValid() && db.isOpen();
}

void TDatabase::SetConnected(bool connected) {
    if (connected)
        EnsureOpen();
    else
        Close();
}

void TDatabase::Close() {
    inTransaction_ = false;
    if (!QSqlDatabase::contains(connectionName_))
        return;
    QSqlDatabase db = Db();
    if (db.isOpen())
        db.close();
}

void TDatabase::EnsureOpen() {
    if (Connected())
        return;
    QString error;
    if (!Open(&error))
        throw EDatabaseError(error);
}

QSqlQuery TDatabase::NewQuery() {
    EnsureOpen();
    return QSqlQuery(Db());
}

void TDatabase::RunQuery(QSqlQuery& query, const QString& sql, const TDBParameters& params,
                         const TxDBParameters& blobs, bool forwardOnly) {
    EnsureOpen();
    const QStringList names = TDialect::ParameterNames(sql);
    auto placeholder = [&](const QString& name) {
        for (const QString& n : names)
            if (n.compare(name, Qt::CaseInsensitive) == 0)
                return QLatin1Char(':') + n;
        throw EDatabaseError(QStringLiteral("找不到参数 %1\r\n%2").arg(name, sql));
    };
    // A placeholder left without a value would silently read as Null.
    for (const QString& n : names) {
        bool given = false;
        for (const TDBParameter& p : params)
            given = given || p.Name.compare(n, Qt::CaseInsensitive) == 0;
        for (const TxDBParameter& b : blobs)
            given = given || b.Name.compare(n, Qt::CaseInsensitive) == 0;
        if (!given)
            throw EDatabaseError(QStringLiteral("参数 %1 没有值\r\n%2").arg(n, sql));
    }
    query.setForwardOnly(forwardOnly);
    query.setNumericalPrecisionPolicy(QSql::LowPrecisionDouble);
    const QString text = dialect_.Translate(sql);
    if (params.isEmpty() && blobs.isEmpty() && names.isEmpty()) {
        // Nothing to bind: run the text as it is (PostgreSQL cannot prepare DDL or LOCK).
        if (!query.exec(text))
            throw EDatabaseError(ProviderMessage(query.lastError()) + QStringLiteral("\r\n") + sql);
        return;
    }
    if (!query.prepare(text))
        throw EDatabaseError(ProviderMessage(query.lastError()) + QStringLiteral("\r\n") + sql);
    for (const TDBParameter& p : params)
        query.bindValue(placeholder(p.Name), BindValue(p.Value));
    for (const TxDBParameter& b : blobs)
        query.bindValue(placeholder(b.Name), b.Stream, QSql::In | QSql::Binary);
    if (!query.exec())
        throw EDatabaseError(ProviderMessage(query.lastError()) + QStringLiteral("\r\n") + sql);
}

int TDatabase::ExecSql(const QString& sql, const TDBParameters& params,
                       const TxDBParameters& blobs) {
    QSqlQuery query = NewQuery();
    RunQuery(query, sql, params, blobs, true);
    const int rows = query.numRowsAffected();
    return rows < 0 ? 0 : rows;
}

void TDatabase::Execute(const QString& sql, const TDBParameters& params,
                        const TxDBParameters& blobs) {
    QSqlQuery query = NewQuery();
    RunQuery(query, sql, params, blobs, true);
}

namespace {

void RunPlain(QSqlQuery q, const QString& sql) {
    if (!q.exec(sql))
        throw EDatabaseError(ProviderMessage(q.lastError()) + QStringLiteral("\r\n") + sql);
}

}  // namespace

void TDatabase::BeginTrans() {
    EnsureOpen();
    RunPlain(NewQuery(), dialect_.Backend() == TBackend::SQLite ? QStringLiteral("BEGIN IMMEDIATE")
                                                                : QStringLiteral("BEGIN"));
    inTransaction_ = true;
}

void TDatabase::CommitTrans() {
    RunPlain(NewQuery(), QStringLiteral("COMMIT"));
    inTransaction_ = false;
}

void TDatabase::RollbackTrans() {
    inTransaction_ = false;
    if (!Connected())
        return;
    QSqlQuery q(Db());
    q.exec(QStringLiteral("ROLLBACK"));
}

bool TDatabase::InTrans(const std::function<bool()>& work) {
    BeginTrans();
    bool ok = false;
    try {
        ok = work();
    } catch (...) {
        RollbackTrans();
        throw;
    }
    if (ok)
        CommitTrans();
    else
        RollbackTrans();
    return ok;
}

bool TDatabase::TryExecSql(const QString& sql, const TDBParameters& params, QString* error) {
    if (!inTransaction_) {
        try {
            ExecSql(sql, params);
            return true;
        } catch (const EDatabaseError& e) {
            if (error)
                *error = e.Message();
            return false;
        }
    }
    const QString sp = QStringLiteral("lumora_sp%1").arg(++savepointSeq_);
    RunPlain(NewQuery(), QStringLiteral("SAVEPOINT ") + sp);
    try {
        ExecSql(sql, params);
        RunPlain(NewQuery(), QStringLiteral("RELEASE SAVEPOINT ") + sp);
        return true;
    } catch (const EDatabaseError& e) {
        if (error)
            *error = e.Message();
        RunPlain(NewQuery(), QStringLiteral("ROLLBACK TO SAVEPOINT ") + sp);
        RunPlain(NewQuery(), QStringLiteral("RELEASE SAVEPOINT ") + sp);
        return false;
    }
}

void TDatabase::LockTables(const QStringList& tables) {
    if (!inTransaction_)
        throw std::logic_error("LockTables needs an open transaction");
    if (dialect_.Backend() != TBackend::PostgreSQL || tables.isEmpty())
        return;
    // Blocks other writers (and other lockers) of these tables until the transaction ends;
    // readers go on.
    RunPlain(NewQuery(),
             dialect_.Translate(QStringLiteral("LOCK TABLE %1 IN SHARE ROW EXCLUSIVE MODE")
                                    .arg(tables.join(QStringLiteral(", ")))));
}

qint64 TDatabase::NewKey(const QString& table, const QString& keyField) {
    if (!inTransaction_)
        throw std::logic_error("NewKey needs the writing transaction");
    LockTables({table});
    QSqlQuery q = NewQuery();
    RunQuery(q, QStringLiteral("select max(%1) from %2").arg(keyField, table), {}, {}, true);
    return (q.next() ? q.value(0).toLongLong() : 0) + 1;
}

QDateTime TDatabase::ServerNow() {
    QSqlQuery q = NewQuery();
    RunQuery(q, dialect_.ServerNowSql(), {}, {}, true);
    if (!q.next())
        return QDateTime();
    const QVariant v = q.value(0);
    if (v.typeId() == QMetaType::QDateTime)
        return v.toDateTime();
    return QDateTime::fromString(v.toString(), QStringLiteral("yyyy-MM-dd hh:mm:ss"));
}

QString TDatabase::GetProvider() const {
    return ConnStr::Value(connectionString_, QStringLiteral("Provider"));
}

QString TDatabase::GetDataSource() const {
    return ConnStr::Value(connectionString_, QStringLiteral("Data Source"));
}

TDatabase& AppDatabase() {
    static TDatabase db(QStringLiteral("lumora"));
    return db;
}
