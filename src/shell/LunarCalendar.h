#pragma once

#include <QDate>
#include <QString>
#include <optional>

// The Chinese lunar calendar beside the Gregorian date of the main window, for the dates the
// tables cover: 1901-01-01 to 2050-12-31.

// The name of a Gregorian year in the sixty-year cycle: stem, branch, a blank, the animal and
// "年" (2013 gives "癸巳 蛇年").
QString LunarYearName(int year);

// The name of the solar term falling on the date ("小 寒"), else the lunar month and day
// ("正月十三"; a leap month is named like the month it follows). Empty for an invalid date or a
// date the tables do not cover.
QString LunarDateText(const QDate& date);

// A day of the lunar calendar. Leap marks the leap month that follows month Month.
struct TLunarDay {
    int Year = 0;
    int Month = 0;
    int Day = 0;
    bool Leap = false;
    bool operator==(const TLunarDay&) const = default;
};

// The lunar day of a Gregorian date; none outside the tables.
std::optional<TLunarDay> GregorianToLunar(const QDate& date);

// The number of the solar term falling on the date, 1 (小寒) to 24 (冬至), or 0.
int SolarTermNumber(const QDate& date);
