#pragma once

#include <QString>

// The process-wide date and time formats. Every date shown or typed in the program uses these
// patterns, whatever the desktop's locale says.
namespace RegionalFormats {

inline const QString DateSeparator = QStringLiteral("-");
inline const QString TimeSeparator = QStringLiteral(":");
inline const QString ShortDateFormat = QStringLiteral("yyyy-MM-dd");
inline const QString LongDateFormat = QStringLiteral("yyyy-MM-dd hh:mm:ss");

// Makes the program's default locale Chinese with "." as the decimal point and no digit
// grouping, so numbers convert the same way on every desktop. Call before any window exists.
void Apply();

}  // namespace RegionalFormats
