#!/usr/bin/env python3
"""Writes res/defaults/TimeTable.ini, the time table shipped to new users.

The loader reads fixed columns, so every line is formatted here rather than
hand-edited; output is CP932 with CRLF line ends, as the program expects.
Run from anywhere: python3 res/tools/make_timetable.py
"""
import os

ANY = '*'


def num(v, width):
    # at least two digits, right-aligned in the column
    s = ANY if v is None else '%02d' % v
    return s.rjust(width) + ' '


def task(year=None, month=None, day=None, weekday=None, hour=None,
         minute=None, lead=None, show=None, fg=None, bg=None, text='',
         sound=None):
    """weekday: 1=Sunday..7=Saturday; colours 'RRGGBB'; None means '*'."""
    line = (num(year, 4) + num(month, 2) + num(day, 2) + num(weekday, 2) +
            num(hour, 2) + num(minute, 2) + num(lead, 2) + num(show, 2) +
            (fg or ANY).upper().rjust(6) + ' ' +
            (bg or ANY).upper().rjust(6) + ' ' +
            ' "' + text + '"')
    if sound:
        line += ' "' + sound + '"'
    return line


RESERVE = [
    # 0: start-up greeting (all-'*' date/time means: once at start)
    task(show=5, text='Tempiva を起動しました|ホットキーで時計を表示します'),
    # 1: carries the clock-setting report; empty text, the program fills it
    task(show=10, text=''),
]

TABLE = [
    # every hour on the hour
    task(minute=0, lead=0, show=5, text='正時のお知らせです'),
    # every Monday 09:00, shown 30 s early, red text
    task(weekday=2, hour=9, minute=0, lead=30, show=30, fg='FF0000',
         text='月曜日です|今週の予定を確認しましょう'),
    # daily, three pages that scroll in turn, with the system chime
    task(hour=12, minute=0, lead=0, show=30,
         text='お昼休みです|午後は13:00から再開します|ゆっくり休みましょう',
         sound=r'C:\Windows\Media\chimes.wav'),
    # daily, two lines
    task(hour=17, minute=30, lead=0, show=20,
         text=r'本日もお疲れさまでした\n戸締まりを確認してください'),
    # once only
    task(year=2026, month=12, day=31, hour=23, minute=59, lead=10,
         text='まもなく新年です'),
    # every year, white on dark red
    task(month=12, day=25, hour=9, minute=0, lead=0, show=15,
         fg='FFFFFF', bg='B00000', text='メリークリスマス！'),
]


def main():
    lines = ['[TIMETABLE_RESERVE]'] + RESERVE + ['[TIMETABLE]'] + TABLE
    data = ('\r\n'.join(lines) + '\r\n').encode('cp932')
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)),
                        '..', 'defaults', 'TimeTable.ini')
    with open(path, 'wb') as f:
        f.write(data)
    for l in lines:
        print(l)
    print('wrote', os.path.normpath(path), len(data), 'bytes')


if __name__ == '__main__':
    main()
