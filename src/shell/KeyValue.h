#pragma once

#include <QString>
#include <QVariant>

// Numbered settings read and written through the keyvalue.Value column, which holds text.
// Integers are stored as their decimal text and booleans as "True"/"False", so every reader
// sees the same value on both back ends; the readers convert back and fall back to their
// default when the stored text is not of their kind.
class TKeyValue {
public:
    // The stored value as text; Null when there is no row or the column is Null.
    QVariant GetValue(int keyId) const;
    QString GetStr(int keyId, const QString& defaultValue) const;
    // "True"/"False" in any case, or an integer (non-zero is true).
    bool GetBool(int keyId, bool defaultValue) const;
    // An integer text; anything else (a boolean, "abc", a fraction) gives the default.
    int GetInt(int keyId, int defaultValue) const;
    // Inserts the row when it is missing, else updates it. A database error is thrown
    // (EDatabaseError).
    void SetValue(int keyId, const QVariant& value) const;

    // The text a value is stored as.
    static QString StoredText(const QVariant& value);
    // The conversions of the readers; false when the text is not of the kind.
    static bool TextToBool(const QString& text, bool* value);
    static bool TextToInt(const QString& text, int* value);
};

TKeyValue& AppKeyValue();
