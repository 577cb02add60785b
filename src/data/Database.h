#pragma once

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QList>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <functional>
#include <stdexcept>

#include "data/Dialect.h"

// A named statement parameter: `Name` as written after the colon in the SQL text.
// The value's type gives the parameter's type; a QDate binds as a business date (no time).
struct TDBParameter {
    QString Name;
    QVariant Value;
};
using TDBParameters = QList<TDBParameter>;
TDBParameter DBParam(const QString& name, const QVariant& value);

// A named binary parameter whose whole content is bound as a binary large object.
struct TxDBParameter {
    QString Name;
    QByteArray Stream;
};
using TxDBParameters = QList<TxDBParameter>;

// A failed statement: the provider's message, "\r\n" and the SQL text.
class EDatabaseError : public std::runtime_error {
public:
    explicit EDatabaseError(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& Message() const { return message_; }

private:
    QString message_;
};

// The program's database connection. The back end follows from the connection string's
// Provider value (see ConnectionString.h); SQL text is written once and adapted to the back
// end by the dialect (brackets, like) before it runs.
class TDatabase {
public:
    explicit TDatabase(const QString& connectionName = QStringLiteral("lumora"));
    ~TDatabase();
    TDatabase(const TDatabase&) = delete;
    TDatabase& operator=(const TDatabase&) = delete;

    // Closes, sets the string, opens. On failure shows "连接时失败,提示如下:\r\n%s" with the
    // provider's message and returns false.
    bool Connect(const QString& connectionString);
    // Connects without a message box; the provider's message goes to *error.
    bool TryConnect(const QString& connectionString, QString* error);
    // Lets the next connection to an SQLite file create the file when it is missing (used when
    // a new database is made); otherwise a missing file fails to connect.
    void SetCreateIfMissing(bool create);
    bool Connected() const;
    void SetConnected(bool connected);  // false disconnects; statements reopen it

    // Runs a statement that returns no rows; returns the rows affected. Throws EDatabaseError
    // ("provider message\r\nSQL") on failure, and for a parameter name that the SQL text does
    // not contain.
    int ExecSql(const QString& sql, const TDBParameters& params = {},
                const TxDBParameters& blobs = {});
    void Execute(const QString& sql, const TDBParameters& params = {},
                 const TxDBParameters& blobs = {});

    // Transactions are not nested. On SQLite a transaction takes the write lock at once
    // (BEGIN IMMEDIATE), so writers of two connections never interleave.
    void BeginTrans();
    void CommitTrans();
    void RollbackTrans();
    bool InTransaction() const { return inTransaction_; }
    // Runs work in one transaction: commit when it returns true, roll back when it returns
    // false or throws (the error goes on to the caller).
    bool InTrans(const std::function<bool()>& work);

    // Runs a statement whose failure the caller ignores; inside a transaction it runs under a
    // savepoint so a failure does not abort the transaction on PostgreSQL. False on failure.
    bool TryExecSql(const QString& sql, const TDBParameters& params = {}, QString* error = nullptr);

    // The next key of a table: its maximum plus one (1 for an empty table). Call inside the
    // writing transaction: it locks the table against other writers first (PostgreSQL), or
    // relies on the transaction's write lock (SQLite), so two workstations never get the same
    // key.
    qint64 NewKey(const QString& table, const QString& keyField = QStringLiteral("Id"));
    // Locks tables against other writers until the transaction ends (PostgreSQL; SQLite's
    // write transaction already excludes them).
    void LockTables(const QStringList& tables);

    // The server back end (PostgreSQL) rather than the embedded file (SQLite).
    bool IsServer() const { return dialect_.Backend() == TBackend::PostgreSQL; }
    TBackend Backend() const { return dialect_.Backend(); }
    const TDialect& Dialect() const { return dialect_; }

    QString DateLiteral(const QDate& date) const { return dialect_.DateLiteral(date); }
    // A typed text as an SQL literal ('O''Brien'); the one way user text enters SQL text.
    QString Quote(const QString& text) const { return dialect_.Quote(text); }
    QDateTime ServerNow();

    QString ConnectionString() const { return connectionString_; }
    QString GetProvider() const;
    QString GetDataSource() const;

    QSqlDatabase Db() const;
    // A query on the open connection (opening it first when it was closed).
    QSqlQuery NewQuery();
    QString ConnectionName() const { return connectionName_; }

    // Prepares and executes a statement, binding the parameters; used by the sets too.
    // Throws EDatabaseError on failure. The query is positioned before its first row.
    void RunQuery(QSqlQuery& query, const QString& sql, const TDBParameters& params,
                  const TxDBParameters& blobs = {}, bool forwardOnly = false);

private:
    bool Open(QString* error);
    void EnsureOpen();
    void Close();

    QString connectionName_;
    QString connectionString_;
    TDialect dialect_;
    bool inTransaction_ = false;
    bool createIfMissing_ = false;
    int savepointSeq_ = 0;
};

// The process-wide connection and the shared record set for one-off reads.
TDatabase& AppDatabase();
class TRecordSet;
TRecordSet& AppRecordSet();
