#!/usr/bin/python3
"""Builds the lunar calendar tables of the program and the test data that checks them.

Two independent calendars give every day of 1901 to 2050: the Debian package python3-lunardate
and the npm package lunar-javascript (through lunar-oracle.js beside this script, which also
gives the solar terms):

    npm install --prefix <folder outside the repository> lunar-javascript
    NODE_PATH=<that folder>/node_modules node scripts/lunar-oracle.js > oracle.txt
    scripts/make-lunar-tables.py oracle.txt

Where the two calendars disagree on the first day of a month, the new moon computed here
(Meeus, Astronomical Algorithms, ch. 49) decides; it must lie clear of midnight. Every month
must begin on the day of its new moon, to within the accuracy of that computation. Every solar
term day is checked against the Sun's longitude computed here (Meeus ch. 25, low accuracy), to
within the accuracy of that computation. The script stops without writing anything when a
check fails or a value does not fit its encoding. It writes src/shell/LunarTables.h and
tests/shell/lunar-calendar.txt.
"""

import datetime
import math
import os
import sys

import lunardate

FIRST_YEAR, LAST_YEAR = 1901, 2050
TERM_NAMES = ["小寒", "大寒", "立春", "雨水", "惊蛰", "春分", "清明", "谷雨",
              "立夏", "小满", "芒种", "夏至", "小暑", "大暑", "立秋", "处暑",
              "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至"]

# Rows the tables are known to hold: year -> (month word, leap month, January term byte).
KNOWN_ROWS = {
    1901: (0x4AE0, 0, 0x96), 2000: (0xC960, 0, 0x96), 2012: (0xB550, 4, 0x96),
    # Not B550 (2012's word again): the fifth month begins 2013-06-08, new moon 23:56.
    2013: (0xAD50, 0, 0xA5), 2014: (0x55A8, 9, 0xA5), 2017: (0x52B8, 6, 0xA5),
    2020: (0x74A8, 4, 0x95), 2023: (0x4DA8, 2, 0xA5), 2050: (0x55B0, 3, 0xA5),
}

NEW_MOON_MARGIN = datetime.timedelta(minutes=2)   # accuracy of new_moon() with delta_t()
OLD_NEW_MOON_MARGIN = datetime.timedelta(minutes=15)
TERM_MARGIN = datetime.timedelta(minutes=20)      # accuracy of sun_longitude()
J2000 = datetime.datetime(2000, 1, 1, 12)         # Julian ephemeris day 2451545.0


def fail(message):
    sys.exit("make-lunar-tables: " + message)


def delta_t(year):
    """Terrestrial minus universal time, roughly (a few seconds off in this century)."""
    t = year - 2000
    if year >= 1986:
        seconds = 63.86 + 0.3345 * t - 0.060374 * t ** 2 + 0.0017275 * t ** 3
        seconds = min(max(seconds, 55.0), 95.0)
    elif year >= 1961:
        seconds = 33.0 + (year - 1961) * 0.8
    elif year >= 1941:
        seconds = 24.0 + (year - 1941) * 0.45
    else:
        seconds = max(-3.0 + (year - 1901) * 0.7, -3.0)
    return datetime.timedelta(seconds=seconds)


def beijing_time(jde, year):
    """Civil time of the Chinese calendar: Beijing mean time before 1929, UTC+8 after."""
    utc = J2000 + datetime.timedelta(days=jde - 2451545.0) - delta_t(year)
    offset = datetime.timedelta(hours=8) if year >= 1929 else datetime.timedelta(
        hours=7, minutes=45, seconds=40)
    return utc + offset


def new_moon(k):
    """Julian ephemeris day of new moon number k (k = 0 near 2000-01-06)."""
    t = k / 1236.85
    jde = 2451550.09766 + 29.530588861 * k + 0.00015437 * t * t - 0.00000015 * t ** 3
    e = 1 - 0.002516 * t - 0.0000074 * t * t
    m = math.radians(2.5534 + 29.10535670 * k - 0.0000014 * t * t)
    mp = math.radians(201.5643 + 385.81693528 * k + 0.0107582 * t * t)
    f = math.radians(160.7108 + 390.67050284 * k - 0.0016118 * t * t)
    om = math.radians(124.7746 - 1.56375588 * k + 0.0020672 * t * t)
    return jde + (-0.40720 * math.sin(mp) + 0.17241 * e * math.sin(m)
                  + 0.01608 * math.sin(2 * mp) + 0.01039 * math.sin(2 * f)
                  + 0.00739 * e * math.sin(mp - m) - 0.00514 * e * math.sin(mp + m)
                  + 0.00208 * e * e * math.sin(2 * m) - 0.00111 * math.sin(mp - 2 * f)
                  - 0.00057 * math.sin(mp + 2 * f) + 0.00056 * e * math.sin(2 * mp + m)
                  - 0.00042 * math.sin(3 * mp) + 0.00042 * e * math.sin(m + 2 * f)
                  + 0.00038 * e * math.sin(m - 2 * f) - 0.00024 * e * math.sin(2 * mp - m)
                  - 0.00017 * math.sin(om))


def new_moon_near(day):
    """Beijing time of the new moon nearest to the day."""
    k = round(((day - datetime.date(2000, 1, 6)).days) / 29.530588861)
    return beijing_time(new_moon(k), day.year)


def sun_longitude(jde):
    t = (jde - 2451545.0) / 36525
    l0 = 280.46646 + 36000.76983 * t + 0.0003032 * t * t
    m = math.radians(357.52911 + 35999.05029 * t - 0.0001537 * t * t)
    c = ((1.914602 - 0.004817 * t - 0.000014 * t * t) * math.sin(m)
         + (0.019993 - 0.000101 * t) * math.sin(2 * m) + 0.000289 * math.sin(3 * m))
    om = math.radians(125.04 - 1934.136 * t)
    return (l0 + c - 0.00569 - 0.00478 * math.sin(om)) % 360


def solar_term_time(year, number):
    """Beijing time of solar term number (1 = 小寒) of the Gregorian year."""
    target = (285 + 15 * (number - 1)) % 360
    guess = datetime.datetime(year, 1, 6) + datetime.timedelta(days=15.2 * (number - 1))
    jde = 2451545.0 + (guess - J2000).total_seconds() / 86400
    for _ in range(6):
        jde += (((target - sun_longitude(jde)) + 180) % 360 - 180) / 0.98565
    return beijing_time(jde, year)


def near_midnight(moment, margin):
    midnight = datetime.datetime.combine(moment.date(), datetime.time())
    return moment - midnight < margin or midnight + datetime.timedelta(days=1) - moment < margin


def read_oracle(path):
    """day -> ((lunar year, month, day, leap), term name or None)"""
    days = {}
    with open(path, encoding="utf-8") as f:
        for line in f:
            text, year, month, day, term = line.split()
            month = int(month)
            lunar = (int(year), abs(month), int(day), month < 0)
            days[datetime.date.fromisoformat(text)] = (lunar, None if term == "-" else term)
    return days


def lunar_days(oracle):
    """day -> (lunar year, month, day, leap) over the oracle's span: what both calendars say,
    or where they differ, the one whose first day of the month the new moon confirms."""
    chosen = {}
    disputed = []
    for day in sorted(oracle):
        ld = lunardate.LunarDate.fromSolarDate(day.year, day.month, day.day)
        mine = (ld.year, ld.month, ld.day, bool(ld.isLeapMonth))
        theirs = oracle[day][0]
        chosen[day] = mine
        if mine != theirs:
            if not disputed or disputed[-1][-1][0] != day - datetime.timedelta(days=1):
                disputed.append([])
            disputed[-1].append((day, mine, theirs))
    for stretch in disputed:
        first = stretch[0][0]
        moon = new_moon_near(first)
        if near_midnight(moon, NEW_MOON_MARGIN):
            fail(f"{first}: the calendars disagree and the new moon ({moon}) is too near midnight")
        # The calendar that starts its month on the new moon's day wins the whole stretch.
        by_day = {d: (mine, theirs) for d, mine, theirs in stretch}
        window = [first + datetime.timedelta(days=i) for i in (-1, 0, 1)]
        starts = [[d for d in window if (by_day[d][source] if d in by_day else chosen[d])[2] == 1]
                  for source in (0, 1)]
        winner = [source for source in (0, 1) if moon.date() in starts[source]]
        if len(winner) != 1:
            fail(f"{first}: the new moon ({moon}) confirms neither calendar")
        name = ("lunardate", "lunar-javascript")[winner[0]]
        print(f"{first} .. {stretch[-1][0]}: the calendars differ; new moon {moon:%Y-%m-%d %H:%M}"
              f" sides with {name}", file=sys.stderr)
        for day, values in by_day.items():
            chosen[day] = values[winner[0]]
    return chosen


def lunar_months(days):
    """The months of the lunar years FIRST_YEAR-1 .. LAST_YEAR in calendar order, each as
    [year, month, leap, first day, length]."""
    months = []
    for day in sorted(days):
        year, month, number, leap = days[day]
        if number == 1:
            months.append([year, month, leap, day, 0])
        elif months and number != months[-1][4] + 1:
            fail(f"{day}: lunar day {number} does not follow day {months[-1][4]}")
        if months:
            months[-1][4] += 1
    for _, _, _, start, _ in months:
        moon = new_moon_near(start)
        # The calendars of the years before 1912 were reckoned by older methods that put some
        # new moons a few minutes off (1906-04-24 begins a month, the new moon fell at 23:53).
        margin = NEW_MOON_MARGIN if start.year >= 1912 else OLD_NEW_MOON_MARGIN
        if moon.date() != start and not near_midnight(moon, margin):
            fail(f"the month beginning {start} has its new moon at {moon}")
    # The last month seen may be cut off by the oracle's span.
    complete = [m for m in months[:-1] if FIRST_YEAR - 1 <= m[0] <= LAST_YEAR]
    if not any(m[0] == LAST_YEAR and m[1] == 12 for m in complete):
        fail("the oracle ends before the last lunar year does")
    return complete


def month_word_and_leap(months, year):
    of_year = [m for m in months if m[0] == year]
    leaps = [m[1] for m in of_year if m[2]]
    if len(of_year) != 12 + len(leaps) or len(leaps) > 1:
        fail(f"lunar {year} has {len(of_year)} months, leap {leaps}")
    word = 0
    for position, m in enumerate(of_year):
        if m[4] not in (29, 30):
            fail(f"lunar {year}-{m[1]} has {m[4]} days")
        if m[4] == 30:
            word |= 1 << (15 - position)
    return word, (leaps[0] if leaps else 0)


def solar_terms(oracle):
    """(year, month) -> [first term day, second term day], checked for order, against the
    Sun's longitude and for their encoding."""
    terms = {}
    for day, (_, name) in sorted(oracle.items()):
        if name is None or not FIRST_YEAR <= day.year <= LAST_YEAR:
            continue
        number = TERM_NAMES.index(name) + 1
        slot = 0 if day.day < 15 else 1
        if number != 2 * (day.month - 1) + 1 + slot:
            fail(f"{day}: {name} is out of order")
        computed = solar_term_time(day.year, number)
        if computed.date() != day and not near_midnight(computed, TERM_MARGIN):
            fail(f"{day}: {name} falls on {computed} by the Sun's longitude")
        terms.setdefault((day.year, day.month), [None, None])[slot] = day.day
    for year in range(FIRST_YEAR, LAST_YEAR + 1):
        for month in range(1, 13):
            first, second = terms.get((year, month), [None, None])
            if first is None or second is None:
                fail(f"{year}-{month} lacks a solar term")
            if not (0 <= 15 - first <= 15 and 0 <= second - 15 <= 15):
                fail(f"{year}-{month}: terms on {first} and {second} do not fit a byte")
    return terms


def c_array(values, per_line, width):
    rows = []
    for i in range(0, len(values), per_line):
        rows.append("    " + ", ".join(f"0x{v:0{width}X}" for v in values[i:i + per_line]) + ",")
    return "\n".join(rows)


def main():
    if len(sys.argv) != 2:
        fail("usage: make-lunar-tables.py ORACLE-OUTPUT")
    oracle = read_oracle(sys.argv[1])
    months = lunar_months(lunar_days(oracle))
    terms = solar_terms(oracle)

    years = range(FIRST_YEAR, LAST_YEAR + 1)
    words, leaps = zip(*(month_word_and_leap(months, y) for y in years))
    leap_bytes = [(leaps[i] << 4) | leaps[i + 1] for i in range(0, len(leaps), 2)]
    term_bytes = [((15 - terms[(y, m)][0]) << 4) | (terms[(y, m)][1] - 15)
                  for y in years for m in range(1, 13)]

    for year, (word, leap, january) in KNOWN_ROWS.items():
        i = year - FIRST_YEAR
        got = (words[i], leaps[i], term_bytes[i * 12])
        if got != (word, leap, january):
            fail(f"{year}: built {tuple(map(hex, got))}, known {(hex(word), leap, hex(january))}")

    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    header = f"""#pragma once

// Generated by scripts/make-lunar-tables.py from two independent calendars; do not edit.

#include <cstdint>

namespace LunarTables {{

inline constexpr int FirstYear = {FIRST_YEAR};
inline constexpr int LastYear = {LAST_YEAR};

// Per lunar year: bit 15 - i set when the i-th month of the year in calendar order (the leap
// month counted where it falls) has 30 days, clear for 29.
inline constexpr std::uint16_t MonthWords[{len(words)}] = {{
{c_array(words, 10, 4)}
}};

// Two lunar years to a byte, the earlier in the high four bits: the month a leap month
// follows, 0 for none.
inline constexpr std::uint8_t LeapMonths[{len(leap_bytes)}] = {{
{c_array(leap_bytes, 15, 2)}
}};

// Per Gregorian year and month: 15 minus the day of the month's first solar term in the high
// four bits, the day of its second term minus 15 in the low four bits.
inline constexpr std::uint8_t SolarTerms[{len(term_bytes)}] = {{
{c_array(term_bytes, 12, 2)}
}};

}}  // namespace LunarTables
"""
    with open(os.path.join(root, "src/shell/LunarTables.h"), "w", encoding="utf-8") as f:
        f.write(header)

    with open(os.path.join(root, "tests/shell/lunar-calendar.txt"), "w", encoding="utf-8") as f:
        f.write("# The Chinese calendar of 1901-01-01 to 2050-12-31, by scripts/make-lunar-tables.py\n"
                "# M lunar-year month leap(0/1) first-day length: every month touching that span\n"
                "# T day term-number(1 = 小寒 .. 24 = 冬至): every solar term day\n")
        first, last = datetime.date(FIRST_YEAR, 1, 1), datetime.date(LAST_YEAR, 12, 31)
        for year, month, leap, start, length in months:
            end = start + datetime.timedelta(days=length - 1)
            if end >= first and start <= last:
                f.write(f"M {year} {month} {int(leap)} {start} {length}\n")
        for (year, month), days in sorted(terms.items()):
            for slot, day in enumerate(days):
                f.write(f"T {year:04}-{month:02}-{day:02} {2 * (month - 1) + 1 + slot}\n")


main()
