#pragma once

#include <QList>
#include <QString>
#include <optional>

#include "data/Dialect.h"

// The tables and columns the program expects, each column with the logical type its sets read
// it as. The schema files of both back ends implement it; the schema check compares a
// connected database with it.
enum class TLogicalType {
    Integer,
    Counter,  // an integer the database generates on insert
    Float,
    DateTime,
    Boolean,
    Text,
    Memo,
    Binary,
    Integer64,  // never expected: a 64-bit integer does not read as an integer field
};

struct TColumnDesc {
    QString Name;
    TLogicalType Type;
};

struct TTableDesc {
    QString Name;
    QList<TColumnDesc> Columns;
};

namespace Schema {

const QList<TTableDesc>& ExpectedTables();

// The description of one table (names compared without regard to case); nullptr when unknown.
const TTableDesc* FindTable(const QString& name);

// A short name of a logical type for messages ("文本", "长文本" ...).
QString TypeName(TLogicalType type);

// The logical type of a column declared with `declaredType` on the back end: SQLite's
// declared type ("VARCHAR(50)", "DOUBLE") or PostgreSQL's information_schema data_type
// ("character varying", "double precision"). Nothing when the type maps to none.
std::optional<TLogicalType> LogicalTypeOf(TBackend backend, const QString& declaredType);

// Whether a column of logical type `actual` reads as a column of logical type `expected`:
// equal types, and a counter and an integer read alike.
bool TypesMatch(TLogicalType expected, TLogicalType actual);

}  // namespace Schema
