#include <QFile>
#include <QMap>
#include <QTextStream>
#include <QtTest/QTest>

#include "shell/LunarCalendar.h"
#include "shell/LunarTables.h"
#include "support/TestSupport.h"

// The Chinese calendar of tests/shell/lunar-calendar.txt, made by scripts/make-lunar-tables.py
// from two independent calendars: every month touching 1901..2050 and every solar term day.
struct LunarMonth {
    TLunarDay First;  // Day is 1
    QDate Start;
    int Length = 0;
};

struct CalendarFile {
    QList<LunarMonth> Months;
    QMap<QDate, int> Terms;  // day -> term number
};

static const CalendarFile& Calendar() {
    static const CalendarFile file = [] {
        CalendarFile f;
        QFile in(QFINDTESTDATA("lunar-calendar.txt"));
        if (!in.open(QIODevice::ReadOnly | QIODevice::Text))
            qFatal("lunar-calendar.txt is missing");
        QTextStream text(&in);
        while (!text.atEnd()) {
            const QStringList fields = text.readLine().split(QLatin1Char(' '));
            if (fields.value(0) == QLatin1String("M") && fields.size() == 6)
                f.Months.append(
                    {{fields[1].toInt(), fields[2].toInt(), 1, fields[3] == QLatin1String("1")},
                     QDate::fromString(fields[4], Qt::ISODate),
                     fields[5].toInt()});
            else if (fields.value(0) == QLatin1String("T") && fields.size() == 3)
                f.Terms.insert(QDate::fromString(fields[1], Qt::ISODate), fields[2].toInt());
        }
        return f;
    }();
    return file;
}

static const QDate FirstDate(1901, 1, 1);
static const QDate LastDate(2050, 12, 31);

static QString Show(const std::optional<TLunarDay>& d) {
    if (!d)
        return QStringLiteral("none");
    return QStringLiteral("%1-%2%3-%4")
        .arg(d->Year)
        .arg(d->Month)
        .arg(d->Leap ? QStringLiteral("leap") : QString())
        .arg(d->Day);
}

class LunarTest : public QObject {
    Q_OBJECT
private slots:
    void calendarFileIsWhole();
    void yearName_data();
    void yearName();
    void dateText_data();
    void dateText();
    void tableRows_data();
    void tableRows();
    void everyLunarDay();
    void newYearsAndLeapMonths_data();
    void newYearsAndLeapMonths();
    void everySolarTermDay();
    void winterSolsticeFallsInEleventhMonth();
    void leapMonthHoldsNoMajorTerm();
    void outsideTables_data();
    void outsideTables();
};

void LunarTest::calendarFileIsWhole() {
    const CalendarFile& f = Calendar();
    QCOMPARE(f.Terms.size(), 150 * 24);
    QVERIFY(!f.Months.isEmpty());
    QVERIFY(f.Months.first().Start <= FirstDate);
    const LunarMonth& last = f.Months.last();
    QVERIFY(last.Start.addDays(last.Length - 1) >= LastDate);
    for (qsizetype i = 1; i < f.Months.size(); ++i)
        QCOMPARE(f.Months[i].Start, f.Months[i - 1].Start.addDays(f.Months[i - 1].Length));
}

void LunarTest::yearName_data() {
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("name");
    QTest::newRow("2005") << 2005 << QStringLiteral("乙酉 鸡年");
    QTest::newRow("2013") << 2013 << QStringLiteral("癸巳 蛇年");
    QTest::newRow("rabbit 2011") << 2011 << QStringLiteral("辛卯 兔年");
    QTest::newRow("rabbit 2023") << 2023 << QStringLiteral("癸卯 兔年");
    QTest::newRow("cycle start 1984") << 1984 << QStringLiteral("甲子 鼠年");
    QTest::newRow("1901") << 1901 << QStringLiteral("辛丑 牛年");
    QTest::newRow("2050") << 2050 << QStringLiteral("庚午 马年");
    QTest::newRow("pig 2043") << 2043 << QStringLiteral("癸亥 猪年");
    QTest::newRow("before year 4") << 2 << QStringLiteral("壬戌 狗年");
}

void LunarTest::yearName() {
    QFETCH(int, year);
    QFETCH(QString, name);
    QCOMPARE(LunarYearName(year), name);
}

void LunarTest::dateText_data() {
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("text");
    QTest::newRow("2005-02-21") << QDate(2005, 2, 21) << QStringLiteral("正月十三");
    QTest::newRow("term 2013-01-05") << QDate(2013, 1, 5) << QStringLiteral("小 寒");
    QTest::newRow("new year 2013") << QDate(2013, 2, 10) << QStringLiteral("正月初一");
    QTest::newRow("eve 2013") << QDate(2013, 2, 9) << QStringLiteral("十二月廿九");
    QTest::newRow("leap month shown plain") << QDate(2017, 7, 23) << QStringLiteral("六月初一");
    QTest::newRow("term 2013-01-20") << QDate(2013, 1, 20) << QStringLiteral("大 寒");
    QTest::newRow("term 2013-02-04") << QDate(2013, 2, 4) << QStringLiteral("立 春");
    QTest::newRow("day twenty") << QDate(2013, 3, 1) << QStringLiteral("正月二十");
    QTest::newRow("day ten") << QDate(2013, 2, 19) << QStringLiteral("正月初十");
    QTest::newRow("day eleven") << QDate(2013, 2, 20) << QStringLiteral("正月十一");
    QTest::newRow("day twenty-one") << QDate(2013, 3, 2) << QStringLiteral("正月廿一");
    QTest::newRow("day thirty") << QDate(1901, 2, 18) << QStringLiteral("十二月三十");
    QTest::newRow("first table day") << QDate(1901, 1, 1) << QStringLiteral("十一月十一");
    QTest::newRow("last of lunar 1900 month 11")
        << QDate(1901, 1, 19) << QStringLiteral("十一月廿九");
    QTest::newRow("lunar 1900 month 12") << QDate(1901, 1, 20) << QStringLiteral("十二月初一");
    QTest::newRow("lunar 1901 begins") << QDate(1901, 2, 20) << QStringLiteral("正月初二");
    // The new moon of 2013-06-08 fell at 23:56 Beijing time: the fifth month begins that day.
    QTest::newRow("2013 fifth month") << QDate(2013, 6, 8) << QStringLiteral("五月初一");
    QTest::newRow("tenth month") << QDate(2013, 11, 3) << QStringLiteral("十月初一");
    QTest::newRow("last table day") << QDate(2050, 12, 31) << QStringLiteral("十一月十八");
}

void LunarTest::dateText() {
    QFETCH(QDate, date);
    QFETCH(QString, text);
    QCOMPARE(LunarDateText(date), text);
}

void LunarTest::tableRows_data() {
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("word");
    QTest::addColumn<int>("leap");
    QTest::addColumn<int>("january");
    QTest::newRow("1901") << 1901 << 0x4AE0 << 0 << 0x96;
    QTest::newRow("2000") << 2000 << 0xC960 << 0 << 0x96;
    QTest::newRow("2012") << 2012 << 0xB550 << 4 << 0x96;
    // Not 2012's B550 again: lunar 2013's fourth month has 29 days, its fifth 30.
    QTest::newRow("2013") << 2013 << 0xAD50 << 0 << 0xA5;
    QTest::newRow("2014") << 2014 << 0x55A8 << 9 << 0xA5;
    QTest::newRow("2017") << 2017 << 0x52B8 << 6 << 0xA5;
    QTest::newRow("2020") << 2020 << 0x74A8 << 4 << 0x95;
    QTest::newRow("2023") << 2023 << 0x4DA8 << 2 << 0xA5;
    QTest::newRow("2050") << 2050 << 0x55B0 << 3 << 0xA5;
}

void LunarTest::tableRows() {
    QFETCH(int, year);
    QFETCH(int, word);
    QFETCH(int, leap);
    QFETCH(int, january);
    const int i = year - LunarTables::FirstYear;
    QCOMPARE(int(LunarTables::MonthWords[i]), word);
    const int byte = LunarTables::LeapMonths[i / 2];
    QCOMPARE(i % 2 == 0 ? byte >> 4 : byte & 0x0F, leap);
    QCOMPARE(int(LunarTables::SolarTerms[i * 12]), january);
}

// Every day of the tables converts to the lunar day of the calendar file.
void LunarTest::everyLunarDay() {
    for (const LunarMonth& m : Calendar().Months) {
        for (int day = 1; day <= m.Length; ++day) {
            const QDate date = m.Start.addDays(day - 1);
            if (date < FirstDate || date > LastDate)
                continue;
            TLunarDay expected = m.First;
            expected.Day = day;
            const std::optional<TLunarDay> got = GregorianToLunar(date);
            if (!got || !(*got == expected))
                QFAIL(qPrintable(QStringLiteral("%1: %2, expected %3")
                                     .arg(date.toString(Qt::ISODate), Show(got), Show(expected))));
        }
    }
}

void LunarTest::newYearsAndLeapMonths_data() {
    QTest::addColumn<QDate>("start");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("previousLength");
    const QList<LunarMonth>& months = Calendar().Months;
    for (qsizetype i = 1; i < months.size(); ++i) {
        const LunarMonth& m = months[i];
        if (m.Start > LastDate || (m.First.Month != 1 && !m.First.Leap))
            continue;
        const QString name = m.First.Leap
                                 ? QStringLiteral("%1 leap %2").arg(m.First.Year).arg(m.First.Month)
                                 : QStringLiteral("%1 new year").arg(m.First.Year);
        QTest::newRow(qPrintable(name)) << m.Start << m.First.Month << months[i - 1].Length;
    }
}

// The first day of every lunar year and of every leap month, and the day before it, as the
// main window shows them.
void LunarTest::newYearsAndLeapMonths() {
    QFETCH(QDate, start);
    QFETCH(int, month);
    QFETCH(int, previousLength);
    static const QStringList names = {
        QStringLiteral("正月"), QStringLiteral("二月"),   QStringLiteral("三月"),
        QStringLiteral("四月"), QStringLiteral("五月"),   QStringLiteral("六月"),
        QStringLiteral("七月"), QStringLiteral("八月"),   QStringLiteral("九月"),
        QStringLiteral("十月"), QStringLiteral("十一月"), QStringLiteral("十二月")};
    const QDate eve = start.addDays(-1);
    if (!SolarTermNumber(start))
        QCOMPARE(LunarDateText(start), names[month - 1] + QStringLiteral("初一"));
    if (!SolarTermNumber(eve)) {
        const QString last = previousLength == 30 ? QStringLiteral("三十") : QStringLiteral("廿九");
        // The month before a new year is the 12th (or a leap 12th); before a leap month, its own.
        QCOMPARE(LunarDateText(eve), names[(month == 1 ? 12 : month) - 1] + last);
    }
}

// Every day of the tables: the term of the calendar file, and no term on the other days.
void LunarTest::everySolarTermDay() {
    const QMap<QDate, int>& terms = Calendar().Terms;
    // Two characters a term, shown with a blank between them.
    static const QString termNames = QStringLiteral(
        "小寒大寒立春雨水惊蛰春分清明谷雨立夏小满芒种夏至小暑大暑立秋处暑白露秋分寒露霜降立冬小雪大"
        "雪冬至");
    for (QDate date = FirstDate; date <= LastDate; date = date.addDays(1)) {
        const int expected = terms.value(date, 0);
        const int got = SolarTermNumber(date);
        if (got != expected)
            QFAIL(qPrintable(QStringLiteral("%1: term %2, expected %3")
                                 .arg(date.toString(Qt::ISODate))
                                 .arg(got)
                                 .arg(expected)));
        if (expected)
            QCOMPARE(LunarDateText(date), termNames.mid(2 * (expected - 1), 1) + QLatin1Char(' ') +
                                              termNames.mid(2 * (expected - 1) + 1, 1));
    }
}

// The calendar's own rules tie the two tables together, whatever the file says: the winter
// solstice (term 24) always falls in the 11th month, never a leap one ...
void LunarTest::winterSolsticeFallsInEleventhMonth() {
    for (int year = LunarTables::FirstYear; year <= LunarTables::LastYear; ++year) {
        QDate solstice;
        for (int day = 15; day <= 31 && !solstice.isValid(); ++day)
            if (SolarTermNumber(QDate(year, 12, day)) == 24)
                solstice = QDate(year, 12, day);
        QVERIFY2(solstice.isValid(), qPrintable(QString::number(year)));
        const std::optional<TLunarDay> lunar = GregorianToLunar(solstice);
        QVERIFY(lunar);
        QVERIFY2(lunar->Month == 11 && !lunar->Leap,
                 qPrintable(solstice.toString(Qt::ISODate) + QLatin1Char(' ') + Show(lunar)));
    }
}

// ... and a leap month holds none of the twelve major terms (the even-numbered ones).
void LunarTest::leapMonthHoldsNoMajorTerm() {
    for (QDate date = FirstDate; date <= LastDate; date = date.addDays(1)) {
        const int term = SolarTermNumber(date);
        if (term == 0 || term % 2 != 0)
            continue;
        const std::optional<TLunarDay> lunar = GregorianToLunar(date);
        QVERIFY2(lunar && !lunar->Leap,
                 qPrintable(date.toString(Qt::ISODate) + QLatin1Char(' ') + Show(lunar)));
    }
}

void LunarTest::outsideTables_data() {
    QTest::addColumn<QDate>("date");
    QTest::newRow("day before") << QDate(1900, 12, 31);
    QTest::newRow("day after") << QDate(2051, 1, 1);
    QTest::newRow("far future") << QDate(2100, 6, 5);
    QTest::newRow("invalid") << QDate();
}

// The tables cover 1901 to 2050 only; beyond them nothing is shown rather than a wrong day.
void LunarTest::outsideTables() {
    QFETCH(QDate, date);
    QCOMPARE(LunarDateText(date), QString());
    QVERIFY(!GregorianToLunar(date));
    QCOMPARE(SolarTermNumber(date), 0);
}

LUMORA_TEST_MAIN(LunarTest)
#include "tst_lunar.moc"
