#include "data/WhereText.h"

#include "data/DataSet.h"

TWhereText::TWhereText(const TDialect& dialect, const QString& joiner)
    : TWhereText(dialect, joiner, false) {}

TWhereText::TWhereText(const TDialect& dialect, const QString& joiner, bool client)
    : dialect_(dialect), joiner_(joiner), client_(client) {}

TWhereText TWhereText::ClientFilter(const QString& joiner) {
    return TWhereText(TDialect(), joiner, true);
}

TWhereText& TWhereText::AddClause(const QString& clause) {
    if (!clause.isEmpty())
        text_ += joiner_ + clause;
    return *this;
}

TWhereText& TWhereText::AddEquals(const QString& column, qint64 id) {
    return AddClause(column + QLatin1Char('=') + QString::number(id));
}

TWhereText& TWhereText::AddTextEquals(const QString& column, const QString& text) {
    if (text.isEmpty())
        return *this;
    return AddClause(column + QLatin1Char('=') + Quote(text));
}

TWhereText& TWhereText::AddContains(const QString& column, const QString& text) {
    if (text.isEmpty())
        return *this;
    return Like(column, QLatin1Char('%') + text + QLatin1Char('%'));
}

TWhereText& TWhereText::AddStartsWith(const QString& column, const QString& text) {
    if (text.isEmpty())
        return *this;
    return Like(column, text + QLatin1Char('%'));
}

TWhereText& TWhereText::Like(const QString& column, const QString& pattern) {
    return AddClause(column + QLatin1Char(' ') + LikeOperator() + QLatin1Char(' ') +
                     LikeLiteral(pattern));
}

TWhereText& TWhereText::AddDateFrom(const QString& column, const QDate& date) {
    if (!date.isValid())
        return *this;
    return AddClause(column + QStringLiteral(">=") + dialect_.DateLiteral(date));
}

TWhereText& TWhereText::AddDateTo(const QString& column, const QDate& date) {
    if (!date.isValid())
        return *this;
    return AddClause(column + QStringLiteral("<=") + dialect_.DateLiteral(date));
}

TWhereText& TWhereText::AddIsNull(const QString& column) {
    return AddClause(column + QStringLiteral(" is null"));
}

TWhereText& TWhereText::AddIsNotNull(const QString& column) {
    return AddClause(column + QStringLiteral(" is not null"));
}

TWhereText& TWhereText::AddSubSelect(const QString& pattern, const TWhereText& inner) {
    if (inner.IsEmpty())
        return *this;
    return AddClause(pattern.arg(inner.Text()));
}

QString TWhereText::Text() const {
    return text_.mid(joiner_.size());
}

QString TWhereText::WherePart() const {
    return IsEmpty() ? QString() : QStringLiteral(" where ") + Text();
}

QString TWhereText::Quote(const QString& text) const {
    return dialect_.Quote(text);
}

QString TWhereText::LikeLiteral(const QString& pattern) const {
    // PostgreSQL's like takes a backslash as its escape character; a typed backslash must
    // match itself as it does on SQLite.
    if (!client_ && dialect_.Backend() == TBackend::PostgreSQL &&
        pattern.contains(QLatin1Char('\\'))) {
        QString p = pattern;
        p.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
        return Quote(p);
    }
    return Quote(pattern);
}

QString TWhereText::LikeOperator() const {
    return client_ ? QStringLiteral("like") : dialect_.LikeOperator();
}

void ApplyFilter(TDataSet& dataSet, const QString& filterText) {
    dataSet.SetFiltered(false);
    dataSet.SetFilter(filterText);
    dataSet.SetFiltered(!filterText.trimmed().isEmpty());
}
