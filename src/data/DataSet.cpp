#include "data/DataSet.h"

#include <QRegularExpression>
#include <algorithm>
#include <stdexcept>

#include "data/ColumnStore.h"
#include "data/FieldValue.h"
#include "data/FilterExpr.h"

namespace {

// Below this many rows a filter scans the rows; above it, "integer field = value" terms take
// their candidate rows from the store's index.
constexpr int IndexedFilterRows = 4096;

std::string Std(const QString& s) {
    return s.toStdString();
}

// Orders raw rows by the sort keys; ties keep load order when tieByRaw is set (the order a
// stable sort of the load order gives).
template <class Key>
struct RowLess {
    RowLess(const TColumnStore& store, const std::vector<Key>& keys, bool tieByRaw)
        : s(store), keys(keys), tieByRaw(tieByRaw) {
        for (const Key& k : keys) {
            const TFieldKind kind = s.Kind(k.column);
            ranks.push_back(kind == TFieldKind::Text || kind == TFieldKind::Memo
                                ? &s.TextRanks(k.column)
                                : nullptr);
        }
    }

    int Compare(const Key& k, const std::vector<quint32>* rank, int a, int b) const {
        const int c = k.column;
        const bool na = s.IsNull(c, a);
        const bool nb = s.IsNull(c, b);
        if (na || nb)
            return na == nb ? 0 : (na ? -1 : 1);
        auto three = [](auto x, auto y) { return x < y ? -1 : (y < x ? 1 : 0); };
        switch (s.Kind(c)) {
            case TFieldKind::Integer:
                return three(s.Integer(c, a), s.Integer(c, b));
            case TFieldKind::Float:
                return three(s.Float(c, a), s.Float(c, b));
            case TFieldKind::DateTime:
                return three(s.Stamp(c, a), s.Stamp(c, b));
            case TFieldKind::Boolean:
                return three(int(s.Boolean(c, a)), int(s.Boolean(c, b)));
            case TFieldKind::Text:
            case TFieldKind::Memo:
                return three((*rank)[s.TextId(c, a)], (*rank)[s.TextId(c, b)]);
            case TFieldKind::Binary:
                return three(s.Bytes(c, a), s.Bytes(c, b));
        }
        return 0;
    }

    bool operator()(int a, int b) const {
        for (size_t i = 0; i < keys.size(); ++i) {
            int c = Compare(keys[i], ranks[i], a, b);
            if (keys[i].descending)
                c = -c;
            if (c != 0)
                return c < 0;
        }
        return tieByRaw && a < b;
    }

    const TColumnStore& s;
    const std::vector<Key>& keys;
    bool tieByRaw;
    std::vector<const std::vector<quint32>*> ranks;
};

}  // namespace

// ---- TField ----

TField::TField(TDataSet* owner, int index, const QString& name, TFieldKind kind)
    : owner_(owner), index_(index), name_(name), kind_(kind) {}

bool TField::IsNull() const {
    const int raw = owner_->CurrentRaw();
    return raw < 0 || owner_->store_->IsNull(index_, raw);
}

QVariant TField::Value() const {
    const int raw = owner_->CurrentRaw();
    return raw < 0 ? QVariant() : owner_->store_->Get(index_, raw);
}

qint64 TField::AsInteger() const {
    const int raw = owner_->CurrentRaw();
    if (raw < 0)
        return 0;
    if (kind_ == TFieldKind::Integer)
        return owner_->store_->Integer(index_, raw);
    return FieldValue::ToKind(Value(), TFieldKind::Integer).toLongLong();
}

double TField::AsFloat() const {
    const int raw = owner_->CurrentRaw();
    if (raw < 0)
        return 0;
    if (kind_ == TFieldKind::Float || kind_ == TFieldKind::Integer || kind_ == TFieldKind::Boolean)
        return owner_->store_->Number(index_, raw);
    return FieldValue::ToKind(Value(), TFieldKind::Float).toDouble();
}

QString TField::AsString() const {
    return FieldValue::Text(Value(), kind_);
}

bool TField::AsBoolean() const {
    return FieldValue::ToKind(Value(), TFieldKind::Boolean).toBool();
}

QDateTime TField::AsDateTime() const {
    if (kind_ == TFieldKind::DateTime)
        return Value().toDateTime();
    return FieldValue::ToKind(Value(), TFieldKind::DateTime).toDateTime();
}

QDate TField::AsDate() const {
    const int raw = owner_->CurrentRaw();
    if (raw < 0 || owner_->store_->IsNull(index_, raw))
        return QDate();
    if (kind_ == TFieldKind::DateTime)
        return FieldValue::DateOfStamp(owner_->store_->Stamp(index_, raw));
    return AsDateTime().date();
}

QByteArray TField::AsBytes() const {
    return FieldValue::ToKind(Value(), TFieldKind::Binary).toByteArray();
}

void TField::SetValue(const QVariant& value) {
    owner_->WriteField(this, value);
}

QVariant TField::ValueAt(int viewRow) const {
    return owner_->ValueAt(viewRow, index_);
}

double TField::FloatAt(int viewRow) const {
    const int raw = owner_->RawRow(viewRow);
    if (raw < 0)
        return 0;
    if (kind_ == TFieldKind::Float || kind_ == TFieldKind::Integer || kind_ == TFieldKind::Boolean)
        return owner_->store_->Number(index_, raw);
    return FieldValue::ToKind(owner_->store_->Get(index_, raw), TFieldKind::Float).toDouble();
}

qint64 TField::IntegerAt(int viewRow) const {
    const int raw = owner_->RawRow(viewRow);
    if (raw < 0)
        return 0;
    if (kind_ == TFieldKind::Integer)
        return owner_->store_->Integer(index_, raw);
    return FieldValue::ToKind(owner_->store_->Get(index_, raw), TFieldKind::Integer).toLongLong();
}

QString TField::StringAt(int viewRow) const {
    return FieldValue::Text(ValueAt(viewRow), kind_);
}

// ---- TDataSet: fields ----

TDataSet::TDataSet(QObject* parent) : QObject(parent), store_(std::make_unique<TColumnStore>()) {}

TDataSet::~TDataSet() = default;

TField* TDataSet::AddFieldObject(TFieldKind kind, const QString& name, bool visible,
                                 const QString& caption, bool calculated) {
    if (name.trimmed().isEmpty())
        throw std::invalid_argument("a field needs a name");
    if (FindField(name))
        throw std::invalid_argument(Std(QStringLiteral("duplicate field name \"%1\"").arg(name)));
    auto field = std::make_unique<TField>(this, int(fields_.size()), name, kind);
    field->DisplayLabel = caption.isEmpty() ? name : caption;
    field->Visible = visible;
    field->calculated_ = calculated;
    store_->AddColumn(kind);
    if (editing_ && !inserting_)
        editBackup_.emplace_back();
    fields_.push_back(std::move(field));
    return fields_.back().get();
}

TField* TDataSet::CreateField(TFieldKind kind, const QString& name, bool visible,
                              const QString& caption) {
    return AddFieldObject(kind, name, visible, caption, false);
}

TField* TDataSet::CreateCalcField(TFieldKind kind, const QString& name, bool visible,
                                  const QString& caption) {
    return AddFieldObject(kind, name, visible, caption, true);
}

void TDataSet::SetOnCalcFields(std::function<void(TDataSet&)> handler) {
    onCalc_ = std::move(handler);
    if (!onCalc_ || store_->RowCount() == 0)
        return;
    for (int raw = 0; raw < store_->RowCount(); ++raw)
        RunCalc(raw);
    Changed();
}

TField* TDataSet::FindField(const QString& name) const {
    const QString n = name.trimmed();
    for (const auto& f : fields_)
        if (f->FieldName().compare(n, Qt::CaseInsensitive) == 0)
            return f.get();
    return nullptr;
}

TField* TDataSet::FieldByName(const QString& name) const {
    TField* f = FindField(name);
    if (!f)
        throw std::runtime_error(Std(QStringLiteral("field \"%1\" not found").arg(name)));
    return f;
}

void TDataSet::ClearFields() {
    editing_ = inserting_ = false;
    editBackup_.clear();
    fields_.clear();
    store_->Reset();
    view_.clear();
    loadFrom_ = -1;
    filterProgram_.reset();
    sortKeys_.clear();
    current_ = -1;
    eof_ = bof_ = true;
    Changed();
}

void TDataSet::ConvertField(TField* field, TFieldKind kind) {
    CheckBrowse();
    store_->ConvertColumn(field->Index(), kind);
    field->kind_ = kind;
    // Compiled filters depend on the kinds of their fields.
    filterProgram_.reset();
}

// ---- open state ----

void TDataSet::Open() {
    editing_ = inserting_ = false;
    editBackup_.clear();
    store_->Clear();
    view_.clear();
    loadFrom_ = -1;
    active_ = true;
    SetCurrent(-1);
    eof_ = bof_ = true;
    Changed();
}

void TDataSet::Close() {
    editing_ = inserting_ = false;
    editBackup_.clear();
    store_->Clear();
    view_.clear();
    loadFrom_ = -1;
    active_ = false;
    SetCurrent(-1);
    eof_ = bof_ = true;
    Changed();
}

// ---- rows and navigation ----

int TDataSet::RecordCount() const {
    return active_ ? int(view_.size()) : 0;
}

int TDataSet::RawRow(int viewRow) const {
    return viewRow >= 0 && viewRow < int(view_.size()) ? view_[size_t(viewRow)] : -1;
}

int TDataSet::CurrentRaw() const {
    return loadRaw_ >= 0 ? loadRaw_ : RawRow(current_);
}

void TDataSet::SetCurrent(int viewRow) {
    if (viewRow == current_)
        return;
    current_ = viewRow;
    if (disabled_ > 0)
        changedWhileDisabled_ = true;
    else
        emit CurrentChanged(current_);
}

void TDataSet::CheckBrowse() {
    if (editing_)
        Post();
}

void TDataSet::First() {
    CheckBrowse();
    const int n = RecordCount();
    SetCurrent(n > 0 ? 0 : -1);
    bof_ = true;
    eof_ = n == 0;
}

void TDataSet::Last() {
    CheckBrowse();
    const int n = RecordCount();
    SetCurrent(n - 1);
    eof_ = true;
    bof_ = n == 0;
}

void TDataSet::Next() {
    CheckBrowse();
    const int n = RecordCount();
    if (current_ + 1 < n) {
        SetCurrent(current_ + 1);
        bof_ = eof_ = false;
    } else {
        eof_ = true;
        bof_ = bof_ && n == 0;
    }
}

void TDataSet::Prior() {
    CheckBrowse();
    const int n = RecordCount();
    if (current_ > 0) {
        SetCurrent(current_ - 1);
        bof_ = eof_ = false;
    } else {
        bof_ = true;
        eof_ = eof_ && n == 0;
    }
}

void TDataSet::MoveTo(int viewRow) {
    CheckBrowse();
    const int n = RecordCount();
    if (n == 0) {
        SetCurrent(-1);
        eof_ = bof_ = true;
        return;
    }
    SetCurrent(std::clamp(viewRow, 0, n - 1));
    eof_ = bof_ = false;
}

bool TDataSet::Locate(const QString& fieldName, const QVariant& value) {
    CheckBrowse();
    const TField* f = FieldByName(fieldName);
    const int col = f->Index();
    const QVariant target = FieldValue::ToKind(value, f->Kind());
    qint64 stamp = 0;
    if (f->Kind() == TFieldKind::DateTime)
        FieldValue::ToStamp(value, &stamp);
    const int n = RecordCount();
    for (int v = 0; v < n; ++v) {
        const int raw = view_[size_t(v)];
        bool hit;
        if (!target.isValid())
            hit = store_->IsNull(col, raw);
        else if (store_->IsNull(col, raw))
            hit = false;
        else if (f->Kind() == TFieldKind::Integer)
            hit = store_->Integer(col, raw) == target.toLongLong();
        else if (f->Kind() == TFieldKind::DateTime)
            hit = store_->Stamp(col, raw) == stamp;
        else
            hit = store_->Get(col, raw) == target;
        if (hit) {
            MoveTo(v);
            return true;
        }
    }
    return false;
}

// ---- editing ----

void TDataSet::Edit() {
    if (!active_)
        throw std::logic_error("the data set is not open");
    if (editing_)
        return;
    if (view_.empty()) {
        Append();
        return;
    }
    const int raw = CurrentRaw();
    editBackup_.clear();
    for (int c = 0; c < FieldCount(); ++c)
        editBackup_.push_back(store_->Get(c, raw));
    editing_ = true;
    inserting_ = false;
}

void TDataSet::Append() {
    if (!active_)
        throw std::logic_error("the data set is not open");
    CheckBrowse();
    appendedFrom_ = current_;
    view_.push_back(store_->AppendRow());
    editing_ = inserting_ = true;
    editBackup_.clear();
    SetCurrent(int(view_.size()) - 1);
    eof_ = bof_ = false;
    Changed();
}

void TDataSet::Post() {
    if (!editing_)
        return;
    RunCalc(CurrentRaw());
    editing_ = inserting_ = false;
    editBackup_.clear();
    PlaceEditedRow();
}

// A posted row that no longer passes the filter leaves the view; under a sort it moves to its
// place and stays current.
void TDataSet::PlaceEditedRow() {
    const int v = current_;
    const int raw = RawRow(v);
    if (raw < 0)
        return;
    if (filtered_ && filterProgram_ && !RowPasses(raw)) {
        view_.erase(view_.begin() + v);
        const int n = int(view_.size());
        current_ = -2;  // force the notification
        SetCurrent(n == 0 ? -1 : std::min(v, n - 1));
        eof_ = bof_ = n == 0;
        Changed();
        return;
    }
    if (!sortKeys_.empty()) {
        view_.erase(view_.begin() + v);
        const RowLess<SortKey> less(*store_, sortKeys_, true);
        const auto at = std::lower_bound(view_.begin(), view_.end(), raw, less);
        const int pos = int(at - view_.begin());
        view_.insert(at, raw);
        if (pos != v) {
            current_ = -2;
            SetCurrent(pos);
            Changed();
            return;
        }
    }
    RowUpdated();
}

void TDataSet::Cancel() {
    if (!editing_)
        return;
    if (inserting_) {
        editing_ = inserting_ = false;
        const int back = appendedFrom_;
        RemoveRaw(current_);
        const int n = RecordCount();
        SetCurrent(n == 0 ? -1 : std::clamp(back, 0, n - 1));
        eof_ = bof_ = n == 0;
        Changed();
        return;
    }
    const int raw = CurrentRaw();
    for (int c = 0; c < FieldCount() && c < int(editBackup_.size()); ++c)
        store_->Set(c, raw, editBackup_[size_t(c)]);
    editing_ = false;
    editBackup_.clear();
    RowUpdated();
}

void TDataSet::RemoveRaw(int viewRow) {
    const int raw = view_[size_t(viewRow)];
    store_->RemoveRow(raw);
    view_.erase(view_.begin() + viewRow);
    for (int& r : view_)
        if (r > raw)
            --r;
    if (loadFrom_ > raw)
        --loadFrom_;
    const int n = int(view_.size());
    current_ = -2;
    SetCurrent(n == 0 ? -1 : std::min(viewRow, n - 1));
    eof_ = n == 0 || viewRow >= n;
    bof_ = n == 0;
}

void TDataSet::Delete() {
    if (!active_ || view_.empty())
        return;
    if (inserting_) {
        Cancel();
        return;
    }
    editing_ = false;
    editBackup_.clear();
    RemoveRaw(current_);
    Changed();
}

void TDataSet::EmptyTable() {
    editing_ = inserting_ = false;
    editBackup_.clear();
    store_->Clear();
    view_.clear();
    loadFrom_ = -1;
    SetCurrent(-1);
    eof_ = bof_ = true;
    Changed();
}

void TDataSet::ApplyEdits() {
    if (editing_)
        emit ApplyEditsRequested();
}

void TDataSet::StoreValue(int col, int raw, const QVariant& value) {
    if (store_->Kind(col) == TFieldKind::DateTime) {
        qint64 stamp;
        if (FieldValue::ToStamp(value, &stamp))
            store_->SetStamp(col, raw, stamp);
        else
            store_->SetNull(col, raw);
        return;
    }
    store_->Set(col, raw, FieldValue::ToKind(value, store_->Kind(col)));
}

void TDataSet::WriteField(TField* field, const QVariant& value) {
    if (loadRaw_ >= 0) {
        StoreValue(field->Index(), loadRaw_, value);
        return;
    }
    if (!active_)
        throw std::logic_error(
            Std(QStringLiteral("cannot write field \"%1\": the data set is not open")
                    .arg(field->FieldName())));
    if (!editing_)
        Edit();
    StoreValue(field->Index(), CurrentRaw(), value);
    RowUpdated();
    FieldChanged(field);
}

void TDataSet::RunCalc(int raw) {
    if (!onCalc_ || raw < 0)
        return;
    const int saved = loadRaw_;
    loadRaw_ = raw;
    try {
        onCalc_(*this);
    } catch (...) {
        loadRaw_ = saved;
        throw;
    }
    loadRaw_ = saved;
}

// ---- sort and filter ----

std::vector<TDataSet::SortKey> TDataSet::ParseSort(const QString& sortText) const {
    std::vector<SortKey> keys;
    const QStringList items =
        sortText.split(QRegularExpression(QStringLiteral("[,;]")), Qt::SkipEmptyParts);
    for (const QString& item : items) {
        QString name = item.trimmed();
        if (name.isEmpty())
            continue;
        bool descending = false;
        const qsizetype blank = name.lastIndexOf(QLatin1Char(' '));
        if (blank > 0) {
            const QString word = name.mid(blank + 1);
            if (word.compare(QLatin1String("desc"), Qt::CaseInsensitive) == 0 ||
                word.compare(QLatin1String("asc"), Qt::CaseInsensitive) == 0) {
                descending = word.compare(QLatin1String("desc"), Qt::CaseInsensitive) == 0;
                name = name.left(blank).trimmed();
            }
        }
        if (name.startsWith(QLatin1Char('[')) && name.endsWith(QLatin1Char(']')))
            name = name.mid(1, name.size() - 2).trimmed();
        const TField* f = FindField(name);
        if (!f)
            throw std::invalid_argument(
                Std(QStringLiteral("sort \"%1\": unknown field \"%2\"").arg(sortText, name)));
        keys.push_back({f->Index(), descending});
    }
    return keys;
}

void TDataSet::SetSort(const QString& sortText) {
    CheckBrowse();
    std::vector<SortKey> keys = FieldCount() > 0 ? ParseSort(sortText) : std::vector<SortKey>();
    sortText_ = sortText;
    sortKeys_ = std::move(keys);
    RebuildView();
}

void TDataSet::SetFilter(const QString& filterText) {
    CheckBrowse();
    // Without fields yet (they come with the first result), the text is compiled when they
    // are there.
    std::shared_ptr<TFilterProgram> program;
    if (!filterText.trimmed().isEmpty() && FieldCount() > 0)
        program = TFilterProgram::Compile(filterText, *this);
    filterText_ = filterText;
    filterProgram_ = std::move(program);
    if (filtered_)
        RebuildView();
}

void TDataSet::SetFiltered(bool on) {
    CheckBrowse();
    if (on == filtered_)
        return;
    filtered_ = on;
    RebuildView();
}

bool TDataSet::RowPasses(int raw) const {
    return !filtered_ || !filterProgram_ || filterProgram_->Matches(*store_, raw);
}

void TDataSet::SortView() {
    if (sortKeys_.empty() || view_.size() < 2)
        return;
    std::stable_sort(view_.begin(), view_.end(), RowLess<SortKey>(*store_, sortKeys_, false));
}

void TDataSet::RebuildView() {
    // Fields may have been recreated since the texts were set (a query without declared
    // fields): compile them again against the present fields.
    if (!filterText_.trimmed().isEmpty() && !filterProgram_ && FieldCount() > 0)
        filterProgram_ = TFilterProgram::Compile(filterText_, *this);
    if (!sortText_.trimmed().isEmpty() && sortKeys_.empty() && FieldCount() > 0)
        sortKeys_ = ParseSort(sortText_);
    const int keep = RawRow(current_);
    view_.clear();
    const int n = store_->RowCount();
    const TFilterProgram* program = filtered_ ? filterProgram_.get() : nullptr;
    if (active_ && program && !program->EqualTerms().empty() && n >= IndexedFilterRows) {
        const std::vector<TFilterProgram::EqualTerm>& terms = program->EqualTerms();
        const std::vector<int>* best = nullptr;
        if (terms.size() >= 2 && terms[0].column != terms[1].column) {
            // Two equal terms (a warehouse and a ware): the rows of that pair at once.
            best = &store_->RowsWithIntegers(terms[0].column, terms[0].value, terms[1].column,
                                             terms[1].value);
        } else {
            for (const TFilterProgram::EqualTerm& t : terms) {
                const std::vector<int>& rows = store_->RowsWithInteger(t.column, t.value);
                if (!best || rows.size() < best->size())
                    best = &rows;
            }
        }
        for (int raw : *best)
            if (program->Matches(*store_, raw))
                view_.push_back(raw);
    } else if (active_) {
        view_.reserve(size_t(n));
        for (int raw = 0; raw < n; ++raw)
            if (!program || program->Matches(*store_, raw))
                view_.push_back(raw);
    }
    SortView();
    int pos = view_.empty() ? -1 : 0;
    if (keep >= 0) {
        const auto it = std::find(view_.begin(), view_.end(), keep);
        if (it != view_.end())
            pos = int(it - view_.begin());
    }
    current_ = -2;
    SetCurrent(pos);
    bof_ = pos <= 0;
    eof_ = view_.empty();
    Changed();
}

// ---- controls ----

void TDataSet::DisableControls() {
    ++disabled_;
}

void TDataSet::EnableControls() {
    if (disabled_ == 0)
        return;
    if (--disabled_ == 0 && changedWhileDisabled_) {
        changedWhileDisabled_ = false;
        emit DataChanged();
        emit CurrentChanged(current_);
    }
}

void TDataSet::Changed() {
    if (disabled_ > 0)
        changedWhileDisabled_ = true;
    else
        emit DataChanged();
}

void TDataSet::RowUpdated() {
    if (disabled_ > 0)
        changedWhileDisabled_ = true;
    else
        emit RowChanged(current_);
}

// ---- sums, raw access, loading ----

double TDataSet::SumField(const TField* field) const {
    if (!field || !active_)
        return 0;
    const int col = field->Index();
    double sum = 0;
    for (int raw : view_)
        if (!store_->IsNull(col, raw))
            sum += store_->Number(col, raw);
    return sum;
}

QVariant TDataSet::ValueAt(int viewRow, int fieldIndex) const {
    const int raw = RawRow(viewRow);
    if (raw < 0 || fieldIndex < 0 || fieldIndex >= FieldCount())
        return QVariant();
    return store_->Get(fieldIndex, raw);
}

bool TDataSet::IsNullAt(int viewRow, int fieldIndex) const {
    const int raw = RawRow(viewRow);
    if (raw < 0 || fieldIndex < 0 || fieldIndex >= FieldCount())
        return true;
    return store_->IsNull(fieldIndex, raw);
}

void TDataSet::AppendRow(const QVariant* values, int count) {
    if (!active_)
        Open();
    CheckBrowse();
    const int raw = store_->AppendRow();
    if (loadFrom_ < 0)
        loadFrom_ = raw;
    const int n = std::min(count, FieldCount());
    for (int c = 0; c < n; ++c)
        if (values[c].isValid() && !values[c].isNull())
            StoreValue(c, raw, values[c]);
    view_.push_back(raw);
}

void TDataSet::EndLoad() {
    if (loadFrom_ >= 0 && onCalc_)
        for (int raw = loadFrom_; raw < store_->RowCount(); ++raw)
            RunCalc(raw);
    if (loadFrom_ >= 0)
        store_->Squeeze();
    loadFrom_ = -1;
    current_ = -1;
    RebuildView();
    if (view_.size() >= 4096 && view_.capacity() > view_.size() + view_.size() / 4)
        view_.shrink_to_fit();
    bof_ = true;
}

qint64 TDataSet::RowBytes() const {
    return store_->ByteSize() + qint64(view_.capacity() * sizeof(int));
}
