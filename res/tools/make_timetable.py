#!/usr/bin/env python3
"""Writes res/defaults/TimeTable.ini, the time table shipped with Tempiva, in Shift-JIS."""
from pathlib import Path

ANY = None


def field(value, width):
    text = "*" if value is None else f"{value:02d}"
    return f"{text:>{width}} "


def colour(value):
    return f"{'*' if value is None else value:>6} "


def task(year=ANY, month=ANY, day=ANY, weekday=ANY, hour=ANY, minute=ANY, lead=ANY, show=ANY,
         text_colour=None, back_colour=None, text=""):
    numbers = field(year, 4) + "".join(field(v, 2) for v in (month, day, weekday, hour, minute, lead, show))
    return numbers + colour(text_colour) + colour(back_colour) + f' "{text}"'


RESERVED = [
    # Runs once at every start: a greeting that says how to reach the clock.
    task(show=5, text="Tempiva を起動しました|ホットキーで時計を表示します"),
    # Carries the report of the clock setting, which runs at start when time sync is on.
    task(show=10, text=""),
]

EXAMPLES = [
    task(minute=0, show=5, text="時報です"),
    task(weekday=2, hour=9, minute=0, lead=30, show=30, text_colour="FF0000", text="月曜日の朝会です"),
    task(hour=12, minute=0, lead=10, show=20, text="お昼休みです|午後は 13:00 から"),
    task(hour=17, minute=30, show=15, text="今日もお疲れさまでした\\n日報を忘れずに"),
    task(month=12, day=25, hour=9, minute=0, show=10, back_colour="FFFFFF", text="メリークリスマス"),
    task(year=2026, month=12, day=31, hour=23, minute=59, lead=10, show=30, text="まもなく新年です"),
]


def main():
    lines = ["[TIMETABLE_RESERVE]", *RESERVED, "[TIMETABLE]", *EXAMPLES]
    target = Path(__file__).resolve().parent.parent / "defaults" / "TimeTable.ini"
    target.write_bytes(("\r\n".join(lines) + "\r\n").encode("cp932"))
    print(f"wrote {target}")


if __name__ == "__main__":
    main()
