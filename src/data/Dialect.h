#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

enum class TBackend { SQLite, PostgreSQL };

// What differs between the two back ends in SQL text. Statements are written once in the
// common form ([bracketed] names, like) and Translate() adapts them; the few constructs that
// have no common form (row limits, dates, server time) are asked of the dialect where they are
// built.
class TDialect {
public:
    explicit TDialect(TBackend backend = TBackend::SQLite) : backend_(backend) {}
    TBackend Backend() const { return backend_; }

    // PostgreSQL: [name] becomes name (quoting would make it case-sensitive) and like becomes
    // ilike (case-insensitive as on SQLite). Text inside quotes is left alone.
    QString Translate(const QString& sql) const;

    // '2013-01-15' on both back ends; a business date has no time of day.
    QString DateLiteral(const QDate& date) const;
    // A text as an SQL literal with quotes doubled.
    QString Quote(const QString& text) const;
    // " limit n" to append after the order by of a select.
    QString Limit(int n) const;
    // A select of the server's current local date and time.
    QString ServerNowSql() const;
    // The like operator for conditions typed by users.
    QString LikeOperator() const;

    // Names of the :Name parameters of a statement (outside quotes and comments), each once,
    // in order of first appearance.
    static QStringList ParameterNames(const QString& sql);

private:
    TBackend backend_;
};
