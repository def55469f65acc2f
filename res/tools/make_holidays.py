#!/usr/bin/env python3
"""Writes res/defaults/Holiday.ini: Japan's national holidays in Shift-JIS, as Tempiva reads them.

Fixed dates hold for every year ("*"); the moving ones, substitute holidays and the days
between two holidays are computed for FIRST_YEAR to LAST_YEAR.
"""
import datetime
from pathlib import Path

FIRST_YEAR, LAST_YEAR = 2026, 2030
COLOUR = "FF0000"
FIXED = [(1, 1, "元日"), (2, 11, "建国記念の日"), (2, 23, "天皇誕生日"), (4, 29, "昭和の日"),
         (5, 3, "憲法記念日"), (5, 4, "みどりの日"), (5, 5, "こどもの日"), (8, 11, "山の日"),
         (11, 3, "文化の日"), (11, 23, "勤労感謝の日")]


def nth_monday(year, month, n):
    first = datetime.date(year, month, 1)
    return first + datetime.timedelta(days=(7 - first.weekday()) % 7 + 7 * (n - 1))


def equinox(year, base):
    # The usual approximation of the equinox day, valid from 1980 to 2099.
    return int(base + 0.242194 * (year - 1980)) - (year - 1980) // 4


def holidays_of(year):
    days = {datetime.date(year, m, d): name for m, d, name in FIXED}
    days[nth_monday(year, 1, 2)] = "成人の日"
    days[datetime.date(year, 3, equinox(year, 20.8431))] = "春分の日"
    days[nth_monday(year, 7, 3)] = "海の日"
    days[nth_monday(year, 9, 3)] = "敬老の日"
    days[datetime.date(year, 9, equinox(year, 23.2488))] = "秋分の日"
    days[nth_monday(year, 10, 2)] = "スポーツの日"
    # A weekday between two holidays is a holiday as well.
    between = {}
    for day in sorted(days):
        gap = day + datetime.timedelta(days=1)
        if gap not in days and gap + datetime.timedelta(days=1) in days and gap.weekday() != 6:
            between[gap] = "国民の休日"
    days.update(between)
    # A holiday on a Sunday moves its rest to the next day that is not a holiday.
    substitutes = {}
    for day in sorted(days):
        if day.weekday() == 6:
            rest = day + datetime.timedelta(days=1)
            while rest in days or rest in substitutes:
                rest += datetime.timedelta(days=1)
            substitutes[rest] = "振替休日"
    days.update(substitutes)
    return days


def line(year, month, day, name):
    return f"{year:>4} {month:>2} {day:>2} {COLOUR:>6} \"{name}\""


def main():
    lines = ["[HOLIDAY]"]
    lines += [line("*", m, d, name) for m, d, name in FIXED]
    fixed = {(m, d) for m, d, _ in FIXED}
    for year in range(FIRST_YEAR, LAST_YEAR + 1):
        days = holidays_of(year)
        print(year, ", ".join(f"{d.month}/{d.day} {n}" for d, n in sorted(days.items())))
        lines += [line(year, d.month, d.day, n) for d, n in sorted(days.items()) if (d.month, d.day) not in fixed]
    target = Path(__file__).resolve().parent.parent / "defaults" / "Holiday.ini"
    target.write_bytes(("\r\n".join(lines) + "\r\n").encode("cp932"))
    print(f"wrote {target}")


if __name__ == "__main__":
    main()
