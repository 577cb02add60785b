#pragma once

#include <QByteArray>
#include <QHash>
#include <QPair>
#include <QString>
#include <QVariant>
#include <cstdint>
#include <memory>
#include <vector>

#include "data/DataSet.h"

// The rows of a data set, kept column by column in typed arrays: integers as int32 (widened
// to int64 when a value needs it), floats as double, date-times as one int64 stamp, booleans
// as bytes, texts as uint32 indexes into a per-column table of distinct texts, and one null
// bit per cell. Rows are addressed by raw index (load order); the view of the data set maps
// view positions to raw indexes.
class TColumnStore {
public:
    int AddColumn(TFieldKind kind);  // existing rows read Null in the new column
    // Changes the kind of a column, converting its values (FieldValue::ToKind).
    void ConvertColumn(int col, TFieldKind kind);
    void Reset();  // no columns, no rows
    int ColumnCount() const { return int(columns_.size()); }
    TFieldKind Kind(int col) const { return columns_[size_t(col)].kind; }

    int RowCount() const { return rows_; }
    int AppendRow();  // every cell Null; returns its raw index
    void RemoveRow(int raw);
    void Clear();  // removes every row, keeps the columns
    // Gives back the room a large load left over in its arrays (growth by doubling can leave
    // nearly half unused).
    void Squeeze();

    bool IsNull(int col, int raw) const {
        const Column& c = columns_[size_t(col)];
        return (c.nulls[size_t(raw) >> 6] >> (raw & 63)) & 1u;
    }
    // Canonical value (see FieldValue.h) or an invalid QVariant for Null.
    QVariant Get(int col, int raw) const;
    // Stores a canonical value of the column's kind; an invalid QVariant stores Null.
    void Set(int col, int raw, const QVariant& canonical);
    void SetNull(int col, int raw);
    void SetStamp(int col, int raw, qint64 stamp);  // a date-time column

    // Typed reads for loops; the value of a Null cell is 0 / empty.
    qint64 Integer(int col, int raw) const {
        const Column& c = columns_[size_t(col)];
        return c.wide ? c.i64[size_t(raw)] : c.i32[size_t(raw)];
    }
    double Float(int col, int raw) const { return columns_[size_t(col)].f[size_t(raw)]; }
    qint64 Stamp(int col, int raw) const { return columns_[size_t(col)].i64[size_t(raw)]; }
    bool Boolean(int col, int raw) const { return columns_[size_t(col)].b[size_t(raw)] != 0; }
    quint32 TextId(int col, int raw) const { return columns_[size_t(col)].text[size_t(raw)]; }
    const QString& TextOf(int col, quint32 id) const { return columns_[size_t(col)].strings[id]; }
    int TextCount(int col) const { return int(columns_[size_t(col)].strings.size()); }
    const QString& Text(int col, int raw) const { return TextOf(col, TextId(col, raw)); }
    const QByteArray& Bytes(int col, int raw) const {
        return columns_[size_t(col)].bytes[size_t(raw)];
    }
    // A number for sums and comparisons of integer, float and boolean columns.
    double Number(int col, int raw) const;

    // Sort rank of every distinct text of a text column (equal texts, equal ranks), in the
    // order of Chinese collation (pinyin for Han characters, letters without regard to case
    // first). Computed when asked and kept until the column gets new texts.
    const std::vector<quint32>& TextRanks(int col) const;

    // The raw rows (ascending) whose integer cell equals value, from an index built on first
    // use and kept until the rows change.
    const std::vector<int>& RowsWithInteger(int col, qint64 value) const;

    // The raw rows (ascending) whose integer cells of two columns equal a and b, from an index
    // of that pair of columns built on first use and kept until the rows change (one pair of
    // columns is indexed at a time).
    const std::vector<int>& RowsWithIntegers(int colA, qint64 a, int colB, qint64 b) const;

    // Grows with every change of the rows, so caches can tell they are stale.
    quint64 Version() const { return version_; }
    // Grows whenever text tables start afresh (emptied or rebuilt), after which a text id may
    // stand for another text.
    quint64 TextGeneration() const { return textGeneration_; }
    // Bytes held by the cells and text tables.
    qint64 ByteSize() const;

private:
    struct Column {
        TFieldKind kind = TFieldKind::Text;
        bool wide = false;
        std::vector<qint32> i32;
        std::vector<qint64> i64;  // wide integers and date-time stamps
        std::vector<double> f;
        std::vector<quint8> b;
        std::vector<quint32> text;
        std::vector<QString> strings;  // strings[0] is the empty text
        QHash<QString, quint32> ids;
        std::vector<QByteArray> bytes;
        std::vector<quint64> nulls;
        // caches
        mutable std::vector<quint32> ranks;
        mutable size_t rankedCount = 0;
        mutable quint64 indexVersion = ~quint64(0);
        mutable QHash<qint64, std::vector<int>> index;
    };
    struct PairIndex {
        int colA = -1;
        int colB = -1;
        quint64 version = ~quint64(0);
        QHash<QPair<qint64, qint64>, std::vector<int>> rows;
    };
    void InitColumn(Column& c, TFieldKind kind, int rows);
    quint32 Intern(Column& c, const QString& s);

    std::vector<Column> columns_;
    mutable PairIndex pairIndex_;
    int rows_ = 0;
    quint64 version_ = 0;
    quint64 textGeneration_ = 0;
};
