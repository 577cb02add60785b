#include "shell/DateText.h"

#include "shell/LunarCalendar.h"

QString GregorianDateText(const QDate& date) {
    static const char* const weekdays[] = {"星期日", "星期一", "星期二", "星期三",
                                           "星期四", "星期五", "星期六"};
    return QStringLiteral("%1年%2月%3日 %4")
        .arg(date.year(), 4, 10, QLatin1Char('0'))
        .arg(date.month(), 2, 10, QLatin1Char('0'))
        .arg(date.day(), 2, 10, QLatin1Char('0'))
        .arg(QString::fromUtf8(weekdays[date.dayOfWeek() % 7]));
}

QString LunarLabelText(const QDate& date) {
    return QStringLiteral("%1 %2").arg(LunarYearName(date.year()), LunarDateText(date)).trimmed();
}
