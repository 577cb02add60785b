#include "data/QuerySet.h"

#include <QRegularExpression>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>
#include <stdexcept>

#include "data/FieldValue.h"
#include "data/Prompt.h"

namespace {

// The provider's part of a statement error ("provider message\r\nSQL").
QString ProviderPart(const QString& message, const QString& sql) {
    const QString tail = QStringLiteral("\r\n") + sql;
    return message.endsWith(tail) ? message.left(message.size() - tail.size()) : message;
}

bool IsFloatingType(int id) {
    return id == QMetaType::Double || id == QMetaType::Float;
}

}  // namespace

TDbSet::TDbSet(TDatabase* database, QObject* parent)
    : TDataSet(parent), db_(database ? database : &AppDatabase()) {}

TField* TDbSet::AddDbField(TFieldKind kind, const QString& name, int size, bool visible,
                           const QString& caption) {
    TField* f = CreateField(kind, name, visible, caption);
    if (size >= 0)
        f->Size = size;
    autoFields_ = false;
    return f;
}

int TDbSet::OpenSql(const QString& sql, const TDBParameters& params) {
    Close();
    sql_ = sql;
    params_ = params;
    const QStringList names = TDialect::ParameterNames(sql);
    for (const TDBParameter& p : params) {
        bool found = false;
        for (const QString& n : names)
            found = found || n.compare(p.Name, Qt::CaseInsensitive) == 0;
        if (!found)
            throw EDatabaseError(QStringLiteral("找不到参数 %1\r\n%2").arg(p.Name, sql));
    }
    QString why;
    try {
        QSqlQuery query = db_->NewQuery();
        db_->RunQuery(query, sql, params, {}, true);
        Load(query);
        return RecordCount();
    } catch (const EDatabaseError& e) {
        why = ProviderPart(e.Message(), sql);
    } catch (const std::exception& e) {
        why = QString::fromStdString(e.what());
    }
    Close();
    ShowInfo(QStringLiteral("SQL语句错误,原文如下:\r\n") + sql +
             QStringLiteral("\r\n\r\n错误提示:\r\n") + why);
    return -1;
}

void TDbSet::CreateFieldsFrom(const QSqlRecord& record) {
    guessed_.assign(size_t(record.count()), false);
    for (int i = 0; i < record.count(); ++i) {
        QString name = record.fieldName(i);
        if (name.isEmpty())
            name = QStringLiteral("Column%1").arg(i + 1);
        // Repeated column names (PostgreSQL calls every sum "sum") get a suffix.
        const QString base = name;
        for (int k = 1; FindField(name); ++k)
            name = QStringLiteral("%1_%2").arg(base).arg(k);
        TFieldKind kind = TFieldKind::Text;
        const bool known = FieldValue::KindOfType(record.field(i).metaType().id(), &kind);
        CreateField(kind, name);
        // SQLite reports the type of an expression column from its first row only.
        guessed_[size_t(i)] = !known || db_->Backend() == TBackend::SQLite;
    }
    autoFields_ = true;
}

void TDbSet::Load(QSqlQuery& query) {
    if (autoFields_)
        ClearFields();
    const QSqlRecord record = query.record();
    if (FieldCount() == 0)
        CreateFieldsFrom(record);
    else
        guessed_.assign(size_t(FieldCount()), false);

    const int n = FieldCount();
    std::vector<int> column(size_t(n), -1);
    for (int f = 0; f < n; ++f) {
        const TField* field = Field(f);
        if (autoFields_) {  // made from this result, column by column
            column[size_t(f)] = f;
            continue;
        }
        if (field->Calculated())
            continue;
        for (int c = 0; c < record.count() && column[size_t(f)] < 0; ++c)
            if (record.fieldName(c).compare(field->FieldName(), Qt::CaseInsensitive) == 0)
                column[size_t(f)] = c;
        if (column[size_t(f)] < 0)
            throw std::runtime_error(
                QStringLiteral("查询结果中没有字段 %1").arg(field->FieldName()).toStdString());
    }
    // Fields made from a result whose type was not reported (an aggregate over no rows on
    // SQLite) take the type of their first value; an integer guess widens to float when a
    // later row brings a fraction.
    std::vector<bool> undecided(size_t(n), false);
    if (autoFields_) {
        for (int f = 0; f < n; ++f) {
            TFieldKind reported;
            undecided[size_t(f)] =
                guessed_[size_t(f)] &&
                !FieldValue::KindOfType(record.field(column[size_t(f)]).metaType().id(), &reported);
        }
    }
    Open();
    std::vector<QVariant> row(static_cast<size_t>(n));
    while (query.next()) {
        for (int f = 0; f < n; ++f) {
            const int c = column[size_t(f)];
            QVariant& v = row[size_t(f)];
            v = c < 0 || query.isNull(c) ? QVariant() : query.value(c);
            if (!guessed_[size_t(f)] || !v.isValid())
                continue;
            TField* field = Field(f);
            if (undecided[size_t(f)]) {
                TFieldKind kind;
                if (FieldValue::KindOfType(v.typeId(), &kind) && kind != field->Kind())
                    ConvertField(field, kind);
                undecided[size_t(f)] = false;
            } else if (field->Kind() == TFieldKind::Integer && IsFloatingType(v.typeId())) {
                ConvertField(field, TFieldKind::Float);
                guessed_[size_t(f)] = false;
            }
        }
        AppendRow(row.data(), n);
    }
    if (autoFields_ && db_->Backend() == TBackend::SQLite)
        for (int f = 0; f < n; ++f)
            if (Field(f)->Kind() == TFieldKind::Text && HoldsOnlyDates(*Field(f)))
                ConvertField(Field(f), TFieldKind::DateTime);
    EndLoad();
}

// SQLite keeps dates as texts and reports a date column as text; a column whose every value
// is a date text is read as dates, as PostgreSQL reports it.
bool TDbSet::HoldsOnlyDates(const TField& field) const {
    static const QRegularExpression dateText(
        QStringLiteral("^\\d{4}-\\d{2}-\\d{2}([ T]\\d{2}:\\d{2}(:\\d{2}(\\.\\d{1,3})?)?)?$"));
    bool any = false;
    for (int v = 0; v < RecordCount(); ++v) {
        if (IsNullAt(v, field.Index()))
            continue;
        const QString text = field.StringAt(v);
        if (!dateText.match(text).hasMatch() || !FieldValue::ParseDateTime(text).isValid())
            return false;
        any = true;
    }
    return any;
}

int TDbSet::Reopen() {
    if (!Active())
        return -1;
    DisableControls();
    int count = -1;
    try {
        count = OpenSql(sql_, params_);
    } catch (...) {
        EnableControls();
        throw;
    }
    EnableControls();
    return count;
}

void TDbSet::DeleteCurrent() {
    if (!IsEmpty())
        Delete();
}

void TDbSet::DeleteAll() {
    if (!Filtered() || Filter().trimmed().isEmpty()) {
        if (Active())
            EmptyTable();
        return;
    }
    DisableControls();
    while (RecordCount() > 0) {
        Last();
        Delete();
    }
    EnableControls();
}

QString TDbSet::JoinValues(const TField* field, const QString& separator) const {
    if (!field || !Active())
        return QString();
    QStringList texts;
    const int n = RecordCount();
    texts.reserve(n);
    for (int v = 0; v < n; ++v)
        texts << field->StringAt(v);
    return texts.join(separator);
}

TQuerySet::TQuerySet(TDatabase* database, QObject* parent) : TDbSet(database, parent) {}

TField* TQuerySet::AddField(TFieldKind kind, const QString& name, int size, bool visible,
                            const QString& caption) {
    TField* f = AddDbField(kind, name, size, visible, caption);
    f->DisplayWidth = 75;
    return f;
}

TRecordSet::TRecordSet(TDatabase* database, QObject* parent) : TDbSet(database, parent) {}

TField* TRecordSet::AddField(TFieldKind kind, const QString& name, int size, bool visible,
                             const QString& caption) {
    return AddDbField(kind, name, size, visible, caption);
}

TRecordSet& AppRecordSet() {
    static TRecordSet set(&AppDatabase());
    return set;
}
