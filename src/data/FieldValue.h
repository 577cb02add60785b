#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QVariant>

#include "data/DataSet.h"

// Conversions shared by the fields, the column store and the filter evaluator. A value of a
// kind is held canonically as: Integer qint64, Float double, DateTime QDateTime (local, no
// zone), Boolean bool, Text/Memo QString, Binary QByteArray; an invalid QVariant is Null.
namespace FieldValue {

// Converts leniently to the kind; what cannot be read as the kind (and an empty text for a
// non-text kind) becomes Null.
QVariant ToKind(const QVariant& value, TFieldKind kind);

// The kind of a result column reported by the driver; false when the driver did not say.
bool KindOfType(int metaTypeId, TFieldKind* kind);

// A date or date-time in the program's forms: yyyy-MM-dd, with an optional time
// hh:mm[:ss[.zzz]] after a blank or a T; yyyy/M/d is read too. Invalid when it is none.
QDateTime ParseDateTime(const QString& text);

// Date-times as one number for storage and comparison: milliseconds from the start of the
// Julian day count, taken as wall-clock time (no zone, so no daylight-saving gaps).
qint64 StampOf(const QDateTime& dt);
QDateTime DateTimeOfStamp(qint64 stamp);
QDate DateOfStamp(qint64 stamp);
// The stamp of a value convertible to a date-time (as ToKind reads it), without building a
// QDateTime where it can be helped (local-time date-times are slow to make); false for Null
// and for what is not a date.
bool ToStamp(const QVariant& value, qint64* stamp);

// The display text of a canonical value of the kind: numbers in their shortest form, a date
// as yyyy-MM-dd (with hh:mm:ss when it has a time of day), booleans as True/False.
QString Text(const QVariant& value, TFieldKind kind);
QString FloatText(double value);
QString DateTimeText(const QDateTime& dt);

}  // namespace FieldValue
