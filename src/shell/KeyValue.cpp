#include "shell/KeyValue.h"

#include <QSqlQuery>

#include "data/Database.h"
#include "data/QuerySet.h"

QVariant TKeyValue::GetValue(int keyId) const {
    // A set of its own with a declared text field, so a stored text is never read as a
    // number or a date.
    TRecordSet rs;
    TField* value = rs.AddField(TFieldKind::Text, QStringLiteral("Value"));
    if (rs.OpenSql(QStringLiteral("select [Value] from [keyvalue] where [KeyId]=:KeyId1"),
                   {DBParam(QStringLiteral("KeyId1"), keyId)}) <= 0)
        return {};
    rs.First();
    return value->IsNull() ? QVariant() : QVariant(value->AsString());
}

QString TKeyValue::GetStr(int keyId, const QString& defaultValue) const {
    const QVariant v = GetValue(keyId);
    return v.isNull() ? defaultValue : v.toString();
}

bool TKeyValue::GetBool(int keyId, bool defaultValue) const {
    const QVariant v = GetValue(keyId);
    bool b = defaultValue;
    if (v.isNull() || !TextToBool(v.toString(), &b))
        return defaultValue;
    return b;
}

int TKeyValue::GetInt(int keyId, int defaultValue) const {
    const QVariant v = GetValue(keyId);
    int n = defaultValue;
    if (v.isNull() || !TextToInt(v.toString(), &n))
        return defaultValue;
    return n;
}

void TKeyValue::SetValue(int keyId, const QVariant& value) const {
    TDatabase& db = AppDatabase();
    const QVariant stored = value.isNull() ? QVariant() : QVariant(StoredText(value));
    // Read straight through the connection so a failure reaches the caller as an error.
    QSqlQuery q = db.NewQuery();
    db.RunQuery(q, QStringLiteral("select KeyId from keyvalue where KeyId=:KeyId"),
                {DBParam(QStringLiteral("KeyId"), keyId)}, {}, true);
    const bool exists = q.next();
    const TDBParameters params{DBParam(QStringLiteral("KeyId"), keyId),
                               DBParam(QStringLiteral("Value"), stored)};
    if (!exists)
        db.ExecSql(QStringLiteral("insert into keyvalue(KeyId, [Value]) values (:KeyId, :Value)"),
                   params);
    else
        db.ExecSql(QStringLiteral("update keyvalue set [Value]=:Value where KeyId=:KeyId"), params);
}

QString TKeyValue::StoredText(const QVariant& value) {
    if (value.typeId() == QMetaType::Bool)
        return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    return value.toString();
}

bool TKeyValue::TextToBool(const QString& text, bool* value) {
    const QString t = text.trimmed();
    if (t.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0) {
        *value = true;
        return true;
    }
    if (t.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0) {
        *value = false;
        return true;
    }
    int n = 0;
    if (!TextToInt(t, &n))
        return false;
    *value = n != 0;
    return true;
}

bool TKeyValue::TextToInt(const QString& text, int* value) {
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    if (ok)
        *value = n;
    return ok;
}

TKeyValue& AppKeyValue() {
    static TKeyValue keyValue;
    return keyValue;
}
