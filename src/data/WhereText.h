#pragma once

#include <QDate>
#include <QString>

#include "data/Dialect.h"

class TDataSet;

// A search condition built the way every finder, report and list builds it: each filled-in
// condition appends " and " and one clause, and Text() drops the first " and ". One variant
// writes SQL for the database's dialect (to splice after "where "), the other the client-side
// filter language of TDataSet::SetFilter. Values typed by the user are quoted, never spliced
// raw; % and _ in them stay wildcards of like.
class TWhereText {
public:
    // SQL of the dialect.
    explicit TWhereText(const TDialect& dialect, const QString& joiner = QStringLiteral(" and "));
    // The client-side filter language.
    static TWhereText ClientFilter(const QString& joiner = QStringLiteral(" and "));

    // A clause written by the caller; empty adds nothing.
    TWhereText& AddClause(const QString& clause);
    // column=id
    TWhereText& AddEquals(const QString& column, qint64 id);
    // column='text' (quoted); an empty text adds nothing.
    TWhereText& AddTextEquals(const QString& column, const QString& text);
    // column like '%text%' (contains); an empty text adds nothing.
    TWhereText& AddContains(const QString& column, const QString& text);
    // column like 'text%' (a class and its descendants by Code); empty adds nothing.
    TWhereText& AddStartsWith(const QString& column, const QString& text);
    // column>=date / column<=date as date literals; an invalid date adds nothing.
    TWhereText& AddDateFrom(const QString& column, const QDate& date);
    TWhereText& AddDateTo(const QString& column, const QDate& date);
    TWhereText& AddIsNull(const QString& column);
    TWhereText& AddIsNotNull(const QString& column);
    // The pattern with %1 replaced by the inner condition's text, as in
    // "p.Id in (select MastId from putindl where WareId in (select Id from ware where %1))";
    // an empty inner condition adds nothing.
    TWhereText& AddSubSelect(const QString& pattern, const TWhereText& inner);

    // The condition without its first joiner; empty when nothing was added.
    QString Text() const;
    // " where " + Text(), or empty.
    QString WherePart() const;
    bool IsEmpty() const { return text_.isEmpty(); }

    // A text as a literal of this variant, and the like pattern literal for a value.
    QString Quote(const QString& text) const;
    QString LikeLiteral(const QString& pattern) const;
    QString LikeOperator() const;

private:
    TWhereText(const TDialect& dialect, const QString& joiner, bool client);
    TWhereText& Like(const QString& column, const QString& pattern);

    TDialect dialect_;
    QString joiner_;
    bool client_;
    QString text_;
};

// Sets the filter text of a set and switches filtering on exactly when it is not empty.
void ApplyFilter(TDataSet& dataSet, const QString& filterText);
