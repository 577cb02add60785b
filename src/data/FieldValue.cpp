#include "data/FieldValue.h"

#include <cmath>

namespace FieldValue {

namespace {

constexpr qint64 MsecsPerDay = 86400000;

bool IsIntegral(int id) {
    switch (id) {
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Short:
        case QMetaType::UShort:
        case QMetaType::Long:
        case QMetaType::ULong:
        case QMetaType::Char:
        case QMetaType::SChar:
        case QMetaType::UChar:
            return true;
        default:
            return false;
    }
}

bool IsFloating(int id) {
    return id == QMetaType::Double || id == QMetaType::Float;
}

QVariant IntegerOf(const QVariant& v) {
    const int id = v.typeId();
    if (IsIntegral(id))
        return QVariant(v.toLongLong());
    if (id == QMetaType::Bool)
        return QVariant(qint64(v.toBool() ? 1 : 0));
    if (IsFloating(id)) {
        const double d = v.toDouble();
        if (!std::isfinite(d) || std::fabs(d) > 9.2e18)
            return QVariant();
        return QVariant(qint64(std::llround(d)));
    }
    const QString s = v.toString().trimmed();
    if (s.isEmpty())
        return QVariant();
    bool ok = false;
    const qint64 n = s.toLongLong(&ok);
    if (ok)
        return QVariant(n);
    const double d = s.toDouble(&ok);
    if (ok && std::isfinite(d) && std::fabs(d) <= 9.2e18)
        return QVariant(qint64(std::llround(d)));
    return QVariant();
}

QVariant FloatOf(const QVariant& v) {
    const int id = v.typeId();
    if (IsIntegral(id) || IsFloating(id))
        return QVariant(v.toDouble());
    if (id == QMetaType::Bool)
        return QVariant(v.toBool() ? 1.0 : 0.0);
    const QString s = v.toString().trimmed();
    if (s.isEmpty())
        return QVariant();
    bool ok = false;
    const double d = s.toDouble(&ok);
    return ok ? QVariant(d) : QVariant();
}

QVariant DateTimeOf(const QVariant& v) {
    switch (v.typeId()) {
        case QMetaType::QDate: {
            const QDate d = v.toDate();
            return d.isValid() ? QVariant(QDateTime(d, QTime(0, 0))) : QVariant();
        }
        case QMetaType::QDateTime: {
            const QDateTime dt = v.toDateTime();
            return dt.isValid() ? QVariant(QDateTime(dt.date(), dt.time())) : QVariant();
        }
        case QMetaType::QTime: {
            const QTime t = v.toTime();
            // A bare time of day sits on the zero date of the original platform.
            return t.isValid() ? QVariant(QDateTime(QDate(1899, 12, 30), t)) : QVariant();
        }
        case QMetaType::QString:
        case QMetaType::QByteArray: {
            const QDateTime dt = ParseDateTime(v.toString());
            return dt.isValid() ? QVariant(dt) : QVariant();
        }
        default:
            return QVariant();
    }
}

QVariant BooleanOf(const QVariant& v) {
    const int id = v.typeId();
    if (id == QMetaType::Bool)
        return QVariant(v.toBool());
    if (IsIntegral(id) || IsFloating(id))
        return QVariant(v.toDouble() != 0);
    const QString s = v.toString().trimmed().toLower();
    if (s == QLatin1String("true") || s == QLatin1String("t") || s == QLatin1String("yes") ||
        s == QLatin1String("y") || s == QLatin1String("1") || s == QLatin1String("-1"))
        return QVariant(true);
    if (s == QLatin1String("false") || s == QLatin1String("f") || s == QLatin1String("no") ||
        s == QLatin1String("n") || s == QLatin1String("0"))
        return QVariant(false);
    return QVariant();
}

QString AnyText(const QVariant& v) {
    const int id = v.typeId();
    if (IsFloating(id))
        return FloatText(v.toDouble());
    if (IsIntegral(id))
        return QString::number(v.toLongLong());
    if (id == QMetaType::Bool)
        return v.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    if (id == QMetaType::QDate)
        return v.toDate().toString(QStringLiteral("yyyy-MM-dd"));
    if (id == QMetaType::QDateTime)
        return DateTimeText(v.toDateTime());
    if (id == QMetaType::QByteArray)
        return QString::fromUtf8(v.toByteArray());
    return v.toString();
}

}  // namespace

QVariant ToKind(const QVariant& value, TFieldKind kind) {
    if (!value.isValid() || value.isNull())
        return QVariant();
    switch (kind) {
        case TFieldKind::Integer:
            return IntegerOf(value);
        case TFieldKind::Float:
            return FloatOf(value);
        case TFieldKind::DateTime:
            return DateTimeOf(value);
        case TFieldKind::Boolean:
            return BooleanOf(value);
        case TFieldKind::Text:
        case TFieldKind::Memo:
            return QVariant(AnyText(value));
        case TFieldKind::Binary:
            if (value.typeId() == QMetaType::QByteArray)
                return value;
            return QVariant(value.toString().toUtf8());
    }
    return QVariant();
}

bool KindOfType(int id, TFieldKind* kind) {
    if (IsIntegral(id))
        *kind = TFieldKind::Integer;
    else if (IsFloating(id))
        *kind = TFieldKind::Float;
    else if (id == QMetaType::Bool)
        *kind = TFieldKind::Boolean;
    else if (id == QMetaType::QDate || id == QMetaType::QDateTime || id == QMetaType::QTime)
        *kind = TFieldKind::DateTime;
    else if (id == QMetaType::QByteArray)
        *kind = TFieldKind::Binary;
    else if (id == QMetaType::QString)
        *kind = TFieldKind::Text;
    else
        return false;
    return true;
}

namespace {

// Reads yyyy-M-d (or yyyy/M/d) with an optional hh:mm[:ss[.fraction]] after blanks or a T.
bool ParseParts(QStringView s, QDate* date, QTime* time) {
    qsizetype i = 0;
    const qsizetype n = s.size();
    auto skipBlanks = [&] {
        while (i < n && s[i].isSpace())
            ++i;
    };
    auto number = [&](int minDigits, int maxDigits, int* out) {
        int digits = 0, v = 0;
        while (i < n && digits < maxDigits && s[i] >= QLatin1Char('0') &&
               s[i] <= QLatin1Char('9')) {
            v = v * 10 + (s[i].unicode() - '0');
            ++i;
            ++digits;
        }
        *out = v;
        return digits >= minDigits;
    };
    skipBlanks();
    int y, m, d;
    if (!number(4, 4, &y) || i >= n || (s[i] != QLatin1Char('-') && s[i] != QLatin1Char('/')))
        return false;
    const QChar sep = s[i++];
    if (!number(1, 2, &m) || i >= n || s[i] != sep)
        return false;
    ++i;
    if (!number(1, 2, &d))
        return false;
    *date = QDate(y, m, d);
    *time = QTime(0, 0);
    if (!date->isValid())
        return false;
    const qsizetype afterDate = i;
    while (i < n && (s[i] == QLatin1Char(' ') || s[i] == QLatin1Char('T')))
        ++i;
    if (i > afterDate && i < n && s[i].isDigit()) {
        int h, mi, sec = 0, ms = 0;
        if (!number(1, 2, &h) || i >= n || s[i] != QLatin1Char(':'))
            return false;
        ++i;
        if (!number(2, 2, &mi))
            return false;
        if (i < n && s[i] == QLatin1Char(':')) {
            ++i;
            if (!number(2, 2, &sec))
                return false;
            if (i < n && s[i] == QLatin1Char('.')) {
                ++i;
                int digits = 0;
                while (i < n && s[i].isDigit()) {
                    if (digits < 3)
                        ms = ms * 10 + (s[i].unicode() - '0');
                    ++digits;
                    ++i;
                }
                if (digits == 0)
                    return false;
                for (int k = digits; k < 3; ++k)
                    ms *= 10;
            }
        }
        *time = QTime(h, mi, sec, ms);
        if (!time->isValid())
            return false;
    }
    skipBlanks();
    return i == n;
}

}  // namespace

QDateTime ParseDateTime(const QString& text) {
    QDate date;
    QTime time;
    if (!ParseParts(text, &date, &time))
        return QDateTime();
    return QDateTime(date, time);
}

bool ToStamp(const QVariant& v, qint64* stamp) {
    if (!v.isValid() || v.isNull())
        return false;
    switch (v.typeId()) {
        case QMetaType::QDate: {
            const QDate d = v.toDate();
            if (!d.isValid())
                return false;
            *stamp = d.toJulianDay() * MsecsPerDay;
            return true;
        }
        case QMetaType::QString: {
            QDate date;
            QTime time;
            if (!ParseParts(v.toString(), &date, &time))
                return false;
            *stamp = date.toJulianDay() * MsecsPerDay + time.msecsSinceStartOfDay();
            return true;
        }
        default: {
            const QVariant dt = ToKind(v, TFieldKind::DateTime);
            if (!dt.isValid())
                return false;
            *stamp = StampOf(dt.toDateTime());
            return true;
        }
    }
}

QDate DateOfStamp(qint64 stamp) {
    qint64 day = stamp / MsecsPerDay;
    if (stamp % MsecsPerDay < 0)
        --day;
    return QDate::fromJulianDay(day);
}

qint64 StampOf(const QDateTime& dt) {
    return dt.date().toJulianDay() * MsecsPerDay + dt.time().msecsSinceStartOfDay();
}

QDateTime DateTimeOfStamp(qint64 stamp) {
    qint64 day = stamp / MsecsPerDay;
    qint64 ms = stamp % MsecsPerDay;
    if (ms < 0) {
        ms += MsecsPerDay;
        --day;
    }
    return QDateTime(QDate::fromJulianDay(day), QTime::fromMSecsSinceStartOfDay(int(ms)));
}

QString FloatText(double value) {
    if (value == 0)
        return QStringLiteral("0");
    return QString::number(value, 'g', 15);
}

QString DateTimeText(const QDateTime& dt) {
    if (!dt.isValid())
        return QString();
    if (dt.time() == QTime(0, 0))
        return dt.date().toString(QStringLiteral("yyyy-MM-dd"));
    return dt.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
}

QString Text(const QVariant& value, TFieldKind kind) {
    if (!value.isValid() || value.isNull())
        return QString();
    switch (kind) {
        case TFieldKind::Float:
            return FloatText(value.toDouble());
        case TFieldKind::DateTime:
            return DateTimeText(value.toDateTime());
        default:
            return AnyText(value);
    }
}

}  // namespace FieldValue
