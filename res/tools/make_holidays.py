#!/usr/bin/env python3
"""Writes res/defaults/Holiday.ini: Japanese national holidays.

Fixed-date holidays use year '*'. Moving holidays, equinoxes, substitute
holidays and sandwiched days depend on the year, so they are listed per year.
The loader takes every line as an entry, so no comment lines are written.
Output is CP932 with CRLF line ends.
Run from anywhere: python3 res/tools/make_holidays.py
"""
import datetime
import os

YEARS = range(2026, 2031)
COLOUR = 'FF0000'

FIXED = [
    (1, 1, '元日'), (2, 11, '建国記念の日'), (2, 23, '天皇誕生日'),
    (4, 29, '昭和の日'), (5, 3, '憲法記念日'), (5, 4, 'みどりの日'),
    (5, 5, 'こどもの日'), (8, 11, '山の日'), (11, 3, '文化の日'),
    (11, 23, '勤労感謝の日'),
]


def nth_monday(year, month, n):
    d = datetime.date(year, month, 1)
    d += datetime.timedelta(days=(0 - d.weekday()) % 7)   # Monday == 0
    return d + datetime.timedelta(weeks=n - 1)


def equinoxes(year):
    # usual approximation, valid for 1980-2099
    k = year - 1980
    spring = int(20.8431 + 0.242194 * k) - int(k / 4)
    autumn = int(23.2488 + 0.242194 * k) - int(k / 4)
    return datetime.date(year, 3, spring), datetime.date(year, 9, autumn)


def year_holidays(year):
    """Returns ({date: name} of national holidays, [(date, name)] extras)."""
    spring, autumn = equinoxes(year)
    h = {datetime.date(year, m, d): n for m, d, n in FIXED}
    h[nth_monday(year, 1, 2)] = '成人の日'
    h[spring] = '春分の日'
    h[nth_monday(year, 7, 3)] = '海の日'
    h[nth_monday(year, 9, 3)] = '敬老の日'
    h[autumn] = '秋分の日'
    h[nth_monday(year, 10, 2)] = 'スポーツの日'
    one = datetime.timedelta(days=1)
    extra = {}
    for d in sorted(h):
        if d.weekday() == 6:                      # Sunday
            s = d + one
            while s in h:
                s += one
            extra[s] = '振替休日'
    for d in sorted(h):
        s = d + one
        if s not in h and s not in extra and s + one in h:
            extra[s] = '国民の休日'
    return h, extra



def fmt(year, month, day, name):
    return '%4s %2s %2s %6s "%s"' % (year, month, day, COLOUR, name)


def main():
    fixed = {(m, d) for m, d, _ in FIXED}
    lines = ['[HOLIDAY]']
    lines += [fmt('*', m, d, n) for m, d, n in FIXED]
    for y in YEARS:
        h, extra = year_holidays(y)
        allh = dict(h)
        allh.update(extra)
        print('%d:' % y)
        for d in sorted(allh):
            print('  %s (%s) %s' % (d.isoformat(), '月火水木金土日'[d.weekday()],
                                    allh[d]))
            if (d.month, d.day) not in fixed:
                lines.append(fmt(y, d.month, d.day, allh[d]))
    data = ('\r\n'.join(lines) + '\r\n').encode('cp932')
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)),
                        '..', 'defaults', 'Holiday.ini')
    with open(path, 'wb') as f:
        f.write(data)
    print('wrote', os.path.normpath(path), len(data), 'bytes')


if __name__ == '__main__':
    main()
