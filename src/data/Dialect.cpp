#include "data/Dialect.h"

namespace {

bool IsWordChar(QChar c) {
    return c.isLetterOrNumber() || c == QLatin1Char('_');
}

// Walks the SQL text and hands every stretch outside quotes and comments to `plain`, the rest
// to `quoted`, so translations never touch literal text.
template <class Plain, class Quoted>
void Scan(const QString& sql, Plain plain, Quoted quoted) {
    const int n = int(sql.size());
    int i = 0;
    int start = 0;
    while (i < n) {
        const QChar c = sql[i];
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            plain(start, i);
            int j = i + 1;
            while (j < n) {
                if (sql[j] == c) {
                    if (j + 1 < n && sql[j + 1] == c) {
                        j += 2;
                        continue;
                    }
                    break;
                }
                ++j;
            }
            j = qMin(j + 1, n);
            quoted(i, j);
            i = start = j;
        } else if (c == QLatin1Char('-') && i + 1 < n && sql[i + 1] == QLatin1Char('-')) {
            plain(start, i);
            int j = int(sql.indexOf(QLatin1Char('\n'), i));
            if (j < 0)
                j = n;
            quoted(i, j);
            i = start = j;
        } else {
            ++i;
        }
    }
    plain(start, n);
}

}  // namespace

QString TDialect::Translate(const QString& sql) const {
    if (backend_ != TBackend::PostgreSQL)
        return sql;
    if (!sql.contains(QLatin1Char('[')) &&
        !sql.contains(QLatin1String("like"), Qt::CaseInsensitive))
        return sql;
    QString out;
    out.reserve(sql.size() + 8);
    Scan(
        sql,
        [&](int from, int to) {
            for (int i = from; i < to; ++i) {
                const QChar c = sql[i];
                if (c == QLatin1Char('[') || c == QLatin1Char(']'))
                    continue;
                if ((c == QLatin1Char('l') || c == QLatin1Char('L')) && i + 4 <= to &&
                    sql.mid(i, 4).compare(QLatin1String("like"), Qt::CaseInsensitive) == 0 &&
                    (i == 0 || !IsWordChar(sql[i - 1])) &&
                    (i + 4 >= int(sql.size()) || !IsWordChar(sql[i + 4]))) {
                    out += QLatin1String("ilike");
                    i += 3;
                    continue;
                }
                out += c;
            }
        },
        [&](int from, int to) { out += QStringView(sql).mid(from, to - from); });
    return out;
}

QString TDialect::DateLiteral(const QDate& date) const {
    return QLatin1Char('\'') + date.toString(QStringLiteral("yyyy-MM-dd")) + QLatin1Char('\'');
}

QString TDialect::Quote(const QString& text) const {
    QString s = text;
    s.replace(QLatin1Char('\''), QLatin1String("''"));
    return QLatin1Char('\'') + s + QLatin1Char('\'');
}

QString TDialect::Limit(int n) const {
    return QStringLiteral(" limit %1").arg(n);
}

QString TDialect::ServerNowSql() const {
    return backend_ == TBackend::PostgreSQL ? QStringLiteral("select localtimestamp(0)")
                                            : QStringLiteral("select datetime('now','localtime')");
}

QString TDialect::LikeOperator() const {
    return backend_ == TBackend::PostgreSQL ? QStringLiteral("ilike") : QStringLiteral("like");
}

QStringList TDialect::ParameterNames(const QString& sql) {
    QStringList names;
    Scan(
        sql,
        [&](int from, int to) {
            for (int i = from; i < to; ++i) {
                if (sql[i] != QLatin1Char(':'))
                    continue;
                // "::" is a PostgreSQL cast, not a parameter.
                if (i + 1 < to && sql[i + 1] == QLatin1Char(':')) {
                    ++i;
                    continue;
                }
                if (i > from && sql[i - 1] == QLatin1Char(':'))
                    continue;
                int j = i + 1;
                if (j >= to || !(sql[j].isLetter() || sql[j] == QLatin1Char('_')))
                    continue;
                while (j < to && IsWordChar(sql[j]))
                    ++j;
                const QString name = sql.mid(i + 1, j - i - 1);
                bool known = false;
                for (const QString& k : names)
                    known = known || k.compare(name, Qt::CaseInsensitive) == 0;
                if (!known)
                    names << name;
                i = j - 1;
            }
        },
        [](int, int) {});
    return names;
}
