#include "shell/LunarCalendar.h"

#include "shell/LunarTables.h"

namespace {

const QString Stems = QStringLiteral("甲乙丙丁戊己庚辛壬癸");
const QString Branches = QStringLiteral("子丑寅卯辰巳午未申酉戌亥");
const QString Animals = QStringLiteral("鼠牛虎兔龙蛇马羊猴鸡狗猪");
const QString MonthNames = QStringLiteral("正二三四五六七八九十");
const QString DayPrefixes = QStringLiteral("初十廿三");
const QString DayDigits = QStringLiteral("一二三四五六七八九十");
const QString TermNames[24] = {
    QStringLiteral("小 寒"), QStringLiteral("大 寒"), QStringLiteral("立 春"),
    QStringLiteral("雨 水"), QStringLiteral("惊 蛰"), QStringLiteral("春 分"),
    QStringLiteral("清 明"), QStringLiteral("谷 雨"), QStringLiteral("立 夏"),
    QStringLiteral("小 满"), QStringLiteral("芒 种"), QStringLiteral("夏 至"),
    QStringLiteral("小 暑"), QStringLiteral("大 暑"), QStringLiteral("立 秋"),
    QStringLiteral("处 暑"), QStringLiteral("白 露"), QStringLiteral("秋 分"),
    QStringLiteral("寒 露"), QStringLiteral("霜 降"), QStringLiteral("立 冬"),
    QStringLiteral("小 雪"), QStringLiteral("大 雪"), QStringLiteral("冬 至"),
};

const QDate FirstDate(LunarTables::FirstYear, 1, 1);
const QDate LastDate(LunarTables::LastYear, 12, 31);

// Days from 1901-01-01 to lunar 1901-01-01 (1901-02-19). The days before lie in lunar 1900:
// 1901-01-01 is the 11th day of its 11th month (29 days), 1901-01-20 the first of its 12th.
constexpr int DaysOfLunar1900 = 49;

int FloorMod(int a, int n) {
    return ((a % n) + n) % n;
}

bool Inside(const QDate& date) {
    return date.isValid() && date >= FirstDate && date <= LastDate;
}

int LeapMonth(int year) {
    const int i = year - LunarTables::FirstYear;
    const int byte = LunarTables::LeapMonths[i / 2];
    return i % 2 == 0 ? byte >> 4 : byte & 0x0F;
}

// The bit of the month word that holds month m (1..12); the leap month after m uses bit - 1.
int MonthBit(int year, int month) {
    const int leap = LeapMonth(year);
    return leap != 0 && leap < month ? 15 - month : 16 - month;
}

bool BitSet(int year, int bit) {
    return (LunarTables::MonthWords[year - LunarTables::FirstYear] >> bit) & 1;
}

int MonthDays(int year, int month) {
    return BitSet(year, MonthBit(year, month)) ? 30 : 29;
}

int LeapMonthDays(int year) {
    const int leap = LeapMonth(year);
    if (leap == 0)
        return 0;
    return BitSet(year, MonthBit(year, leap) - 1) ? 30 : 29;
}

int YearDays(int year) {
    int days = LeapMonthDays(year);
    for (int month = 1; month <= 12; ++month)
        days += MonthDays(year, month);
    return days;
}

QString MonthName(int month) {
    if (month <= 10)
        return MonthNames.mid(month - 1, 1) + QStringLiteral("月");
    return QStringLiteral("十") + DayDigits.mid(month - 11, 1) + QStringLiteral("月");
}

QString DayName(int day) {
    if (day == 20)
        return QStringLiteral("二十");
    if (day == 30)
        return QStringLiteral("三十");
    return DayPrefixes.mid((day - 1) / 10, 1) + DayDigits.mid((day - 1) % 10, 1);
}

}  // namespace

QString LunarYearName(int year) {
    const int k = year - 4;
    return Stems.mid(FloorMod(k, 10), 1) + Branches.mid(FloorMod(k, 12), 1) + QLatin1Char(' ') +
           Animals.mid(FloorMod(k, 12), 1) + QStringLiteral("年");
}

std::optional<TLunarDay> GregorianToLunar(const QDate& date) {
    if (!Inside(date))
        return std::nullopt;
    int n = int(FirstDate.daysTo(date));
    if (n < DaysOfLunar1900) {
        if (n <= 18)
            return TLunarDay{1900, 11, n + 11, false};
        return TLunarDay{1900, 12, n - 18, false};
    }
    n -= DaysOfLunar1900;
    int year = LunarTables::FirstYear;
    while (n >= YearDays(year)) {
        n -= YearDays(year);
        if (++year > LunarTables::LastYear)
            return std::nullopt;  // only reachable if the tables were cut short
    }
    const int leap = LeapMonth(year);
    for (int month = 1; month <= 12; ++month) {
        const int days = MonthDays(year, month);
        if (n < days)
            return TLunarDay{year, month, n + 1, false};
        n -= days;
        if (month == leap) {
            const int leapDays = LeapMonthDays(year);
            if (n < leapDays)
                return TLunarDay{year, month, n + 1, true};
            n -= leapDays;
        }
    }
    return std::nullopt;  // as above: a year's months cover its length
}

int SolarTermNumber(const QDate& date) {
    if (!Inside(date))
        return 0;
    const int month = date.month();
    const int day = date.day();
    const int byte =
        LunarTables::SolarTerms[(date.year() - LunarTables::FirstYear) * 12 + month - 1];
    // A month's first term falls before its 15th, the second after.
    if (day >= 15)
        return day == 15 + (byte & 0x0F) ? 2 * month : 0;
    return day == 15 - (byte >> 4) ? 2 * (month - 1) + 1 : 0;
}

QString LunarDateText(const QDate& date) {
    if (const int term = SolarTermNumber(date))
        return TermNames[term - 1];
    const std::optional<TLunarDay> lunar = GregorianToLunar(date);
    if (!lunar)
        return QString();
    return MonthName(lunar->Month) + DayName(lunar->Day);
}
