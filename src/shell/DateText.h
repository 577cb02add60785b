#pragma once

#include <QDate>
#include <QString>

// A day as the main window shows it: "2005年02月21日 星期一".
QString GregorianDateText(const QDate& date);

// The lunar label: the year name of the Gregorian year and the lunar day or solar term,
// "乙酉 鸡年 正月十三" on 2005-02-21; only the year name for a day the tables do not cover.
QString LunarLabelText(const QDate& date);
