#include "data/ColumnStore.h"

#include <QCollator>
#include <QLocale>
#include <algorithm>
#include <limits>
#include <numeric>

#include "data/FieldValue.h"

namespace {

template <class T>
qint64 VectorBytes(const std::vector<T>& v) {
    return qint64(v.capacity() * sizeof(T));
}

// Removes bit `pos` of a bitmap of `count` bits, moving the later bits down by one.
void EraseBit(std::vector<quint64>& bits, int pos) {
    const size_t w = size_t(pos) >> 6;
    const int b = pos & 63;
    const quint64 low = b == 0 ? 0 : ((quint64(1) << b) - 1);
    for (size_t k = w; k < bits.size(); ++k) {
        quint64 cur = bits[k];
        cur = k == w ? ((cur & low) | ((cur >> 1) & ~low)) : (cur >> 1);
        if (k + 1 < bits.size())
            cur |= (bits[k + 1] & 1u) << 63;
        bits[k] = cur;
    }
}

void SetBit(std::vector<quint64>& bits, int pos, bool on) {
    const quint64 mask = quint64(1) << (pos & 63);
    if (on)
        bits[size_t(pos) >> 6] |= mask;
    else
        bits[size_t(pos) >> 6] &= ~mask;
}

// Texts that begin with a Han character sort after all others, as on the Chinese collations
// of the database servers.
bool StartsWithHan(const QString& s) {
    if (s.isEmpty())
        return false;
    const char32_t c = s.at(0).isHighSurrogate() && s.size() > 1
                           ? QChar::surrogateToUcs4(s.at(0), s.at(1))
                           : char32_t(s.at(0).unicode());
    return QChar::script(c) == QChar::Script_Han;
}

}  // namespace

void TColumnStore::InitColumn(Column& c, TFieldKind kind, int rows) {
    ++textGeneration_;
    c = Column();
    c.kind = kind;
    const size_t n = size_t(rows);
    switch (kind) {
        case TFieldKind::Integer:
            c.i32.assign(n, 0);
            break;
        case TFieldKind::Float:
            c.f.assign(n, 0.0);
            break;
        case TFieldKind::DateTime:
            c.i64.assign(n, 0);
            break;
        case TFieldKind::Boolean:
            c.b.assign(n, 0);
            break;
        case TFieldKind::Text:
        case TFieldKind::Memo:
            c.text.assign(n, 0);
            c.strings.push_back(QString(QLatin1String("")));
            c.ids.insert(c.strings.back(), 0);
            break;
        case TFieldKind::Binary:
            c.bytes.assign(n, QByteArray());
            break;
    }
    c.nulls.assign((n + 63) / 64, ~quint64(0));
}

int TColumnStore::AddColumn(TFieldKind kind) {
    columns_.emplace_back();
    InitColumn(columns_.back(), kind, rows_);
    ++version_;
    return int(columns_.size()) - 1;
}

void TColumnStore::ConvertColumn(int col, TFieldKind kind) {
    std::vector<QVariant> values;
    values.reserve(size_t(rows_));
    for (int r = 0; r < rows_; ++r)
        values.push_back(Get(col, r));
    InitColumn(columns_[size_t(col)], kind, rows_);
    for (int r = 0; r < rows_; ++r)
        if (values[size_t(r)].isValid())
            Set(col, r, FieldValue::ToKind(values[size_t(r)], kind));
    ++version_;
}

void TColumnStore::Reset() {
    columns_.clear();
    rows_ = 0;
    ++version_;
}

int TColumnStore::AppendRow() {
    const int raw = rows_;
    for (Column& c : columns_) {
        switch (c.kind) {
            case TFieldKind::Integer:
                if (c.wide)
                    c.i64.push_back(0);
                else
                    c.i32.push_back(0);
                break;
            case TFieldKind::Float:
                c.f.push_back(0.0);
                break;
            case TFieldKind::DateTime:
                c.i64.push_back(0);
                break;
            case TFieldKind::Boolean:
                c.b.push_back(0);
                break;
            case TFieldKind::Text:
            case TFieldKind::Memo:
                c.text.push_back(0);
                break;
            case TFieldKind::Binary:
                c.bytes.emplace_back();
                break;
        }
        if ((raw & 63) == 0)
            c.nulls.push_back(~quint64(0));
        else
            SetBit(c.nulls, raw, true);
    }
    ++rows_;
    ++version_;
    return raw;
}

void TColumnStore::RemoveRow(int raw) {
    const auto at = [raw](auto& v) { v.erase(v.begin() + raw); };
    for (Column& c : columns_) {
        switch (c.kind) {
            case TFieldKind::Integer:
                if (c.wide)
                    at(c.i64);
                else
                    at(c.i32);
                break;
            case TFieldKind::Float:
                at(c.f);
                break;
            case TFieldKind::DateTime:
                at(c.i64);
                break;
            case TFieldKind::Boolean:
                at(c.b);
                break;
            case TFieldKind::Text:
            case TFieldKind::Memo:
                at(c.text);
                break;
            case TFieldKind::Binary:
                at(c.bytes);
                break;
        }
        EraseBit(c.nulls, raw);
        c.nulls.resize(size_t(rows_ - 1 + 63) / 64);
    }
    --rows_;
    ++version_;
}

void TColumnStore::Clear() {
    for (Column& c : columns_)
        InitColumn(c, c.kind, 0);
    rows_ = 0;
    ++version_;
}

quint32 TColumnStore::Intern(Column& c, const QString& s) {
    const auto it = c.ids.constFind(s);
    if (it != c.ids.constEnd())
        return it.value();
    const quint32 id = quint32(c.strings.size());
    c.strings.push_back(s);
    c.ids.insert(s, id);
    return id;
}

QVariant TColumnStore::Get(int col, int raw) const {
    if (IsNull(col, raw))
        return QVariant();
    const Column& c = columns_[size_t(col)];
    switch (c.kind) {
        case TFieldKind::Integer:
            return QVariant(Integer(col, raw));
        case TFieldKind::Float:
            return QVariant(c.f[size_t(raw)]);
        case TFieldKind::DateTime:
            return QVariant(FieldValue::DateTimeOfStamp(c.i64[size_t(raw)]));
        case TFieldKind::Boolean:
            return QVariant(c.b[size_t(raw)] != 0);
        case TFieldKind::Text:
        case TFieldKind::Memo:
            return QVariant(c.strings[c.text[size_t(raw)]]);
        case TFieldKind::Binary:
            return QVariant(c.bytes[size_t(raw)]);
    }
    return QVariant();
}

void TColumnStore::SetNull(int col, int raw) {
    Column& c = columns_[size_t(col)];
    SetBit(c.nulls, raw, true);
    switch (c.kind) {
        case TFieldKind::Integer:
            if (c.wide)
                c.i64[size_t(raw)] = 0;
            else
                c.i32[size_t(raw)] = 0;
            break;
        case TFieldKind::Float:
            c.f[size_t(raw)] = 0;
            break;
        case TFieldKind::DateTime:
            c.i64[size_t(raw)] = 0;
            break;
        case TFieldKind::Boolean:
            c.b[size_t(raw)] = 0;
            break;
        case TFieldKind::Text:
        case TFieldKind::Memo:
            c.text[size_t(raw)] = 0;
            break;
        case TFieldKind::Binary:
            c.bytes[size_t(raw)] = QByteArray();
            break;
    }
    ++version_;
}

void TColumnStore::Set(int col, int raw, const QVariant& v) {
    if (!v.isValid()) {
        SetNull(col, raw);
        return;
    }
    Column& c = columns_[size_t(col)];
    switch (c.kind) {
        case TFieldKind::Integer: {
            const qint64 n = v.toLongLong();
            if (!c.wide && (n < std::numeric_limits<qint32>::min() ||
                            n > std::numeric_limits<qint32>::max())) {
                c.i64.assign(c.i32.begin(), c.i32.end());
                c.i32 = std::vector<qint32>();
                c.wide = true;
            }
            if (c.wide)
                c.i64[size_t(raw)] = n;
            else
                c.i32[size_t(raw)] = qint32(n);
            break;
        }
        case TFieldKind::Float:
            c.f[size_t(raw)] = v.toDouble();
            break;
        case TFieldKind::DateTime:
            c.i64[size_t(raw)] = FieldValue::StampOf(v.toDateTime());
            break;
        case TFieldKind::Boolean:
            c.b[size_t(raw)] = v.toBool() ? 1 : 0;
            break;
        case TFieldKind::Text:
        case TFieldKind::Memo:
            c.text[size_t(raw)] = Intern(c, v.toString());
            break;
        case TFieldKind::Binary:
            c.bytes[size_t(raw)] = v.toByteArray();
            break;
    }
    SetBit(c.nulls, raw, false);
    ++version_;
}

void TColumnStore::SetStamp(int col, int raw, qint64 stamp) {
    Column& c = columns_[size_t(col)];
    c.i64[size_t(raw)] = stamp;
    SetBit(c.nulls, raw, false);
    ++version_;
}

double TColumnStore::Number(int col, int raw) const {
    const Column& c = columns_[size_t(col)];
    switch (c.kind) {
        case TFieldKind::Integer:
            return double(Integer(col, raw));
        case TFieldKind::Float:
            return c.f[size_t(raw)];
        case TFieldKind::Boolean:
            return c.b[size_t(raw)];
        case TFieldKind::Text:
        case TFieldKind::Memo:
            return IsNull(col, raw) ? 0.0 : c.strings[c.text[size_t(raw)]].toDouble();
        default:
            return 0.0;
    }
}

const std::vector<quint32>& TColumnStore::TextRanks(int col) const {
    const Column& c = columns_[size_t(col)];
    if (c.rankedCount == c.strings.size())
        return c.ranks;
    static const QCollator collator = [] {
        QCollator k{QLocale(QLocale::Chinese, QLocale::China)};
        k.setCaseSensitivity(Qt::CaseSensitive);
        return k;
    }();
    const size_t n = c.strings.size();
    std::vector<QCollatorSortKey> keys;
    keys.reserve(n);
    std::vector<quint8> han(n);
    for (size_t i = 0; i < n; ++i) {
        keys.push_back(collator.sortKey(c.strings[i]));
        han[i] = StartsWithHan(c.strings[i]);
    }
    std::vector<quint32> order(n);
    std::iota(order.begin(), order.end(), 0u);
    const auto cmp = [&](quint32 a, quint32 b) {
        if (han[a] != han[b])
            return han[a] < han[b];
        const int k = keys[a].compare(keys[b]);
        if (k != 0)
            return k < 0;
        return c.strings[a] < c.strings[b];
    };
    std::sort(order.begin(), order.end(), cmp);
    c.ranks.assign(n, 0);
    quint32 rank = 0;
    for (size_t i = 0; i < n; ++i) {
        if (i > 0 && cmp(order[i - 1], order[i]))
            ++rank;
        c.ranks[order[i]] = rank;
    }
    c.rankedCount = n;
    return c.ranks;
}

const std::vector<int>& TColumnStore::RowsWithInteger(int col, qint64 value) const {
    const Column& c = columns_[size_t(col)];
    if (c.indexVersion != version_) {
        c.index.clear();
        for (int r = 0; r < rows_; ++r)
            if (!IsNull(col, r))
                c.index[Integer(col, r)].push_back(r);
        c.indexVersion = version_;
    }
    static const std::vector<int> none;
    const auto it = c.index.constFind(value);
    return it == c.index.constEnd() ? none : it.value();
}

const std::vector<int>& TColumnStore::RowsWithIntegers(int colA, qint64 a, int colB,
                                                       qint64 b) const {
    PairIndex& p = pairIndex_;
    if (p.colA != colA || p.colB != colB || p.version != version_) {
        p.rows.clear();
        for (int r = 0; r < rows_; ++r)
            if (!IsNull(colA, r) && !IsNull(colB, r))
                p.rows[qMakePair(Integer(colA, r), Integer(colB, r))].push_back(r);
        p.colA = colA;
        p.colB = colB;
        p.version = version_;
    }
    static const std::vector<int> none;
    const auto it = p.rows.constFind(qMakePair(a, b));
    return it == p.rows.constEnd() ? none : it.value();
}

namespace {

template <typename T>
void SqueezeVector(std::vector<T>& v) {
    if (v.size() >= 4096 && v.capacity() > v.size() + v.size() / 4)
        v.shrink_to_fit();
}

}  // namespace

void TColumnStore::Squeeze() {
    for (Column& c : columns_) {
        SqueezeVector(c.i32);
        SqueezeVector(c.i64);
        SqueezeVector(c.f);
        SqueezeVector(c.b);
        SqueezeVector(c.text);
        SqueezeVector(c.nulls);
        SqueezeVector(c.bytes);
        SqueezeVector(c.strings);
    }
}

qint64 TColumnStore::ByteSize() const {
    qint64 bytes = 0;
    for (const Column& c : columns_) {
        bytes += VectorBytes(c.i32) + VectorBytes(c.i64) + VectorBytes(c.f) + VectorBytes(c.b) +
                 VectorBytes(c.text) + VectorBytes(c.nulls) + VectorBytes(c.bytes);
        for (const QByteArray& a : c.bytes)
            bytes += a.capacity();
        // Each distinct text: its characters, its slot in the table and its hash entry
        // (node with the key's handle and the id, plus the bucket).
        bytes += VectorBytes(c.strings);
        for (const QString& s : c.strings)
            bytes += qint64(s.capacity()) * 2 + 16;
        bytes += qint64(c.ids.size()) * qint64(sizeof(QString) + sizeof(quint32) + 16);
    }
    return bytes;
}
