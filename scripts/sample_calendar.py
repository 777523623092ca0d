"""Writes the holiday file of a sample school year into a data folder:
   sample_calendar.py DATA_DIR
The school year is the current one (September to the next July). Holidays: the national and traditional days off, the
two breaks, a sports meeting over parts of two days (disabled); shift days: the weekend days that become working days
around the National Day and Labour Day holidays, each playing the schedule of a weekday inside the holiday."""
import argparse
import datetime
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "lvtxctl"))
from holiday_file import holiday, holidays_file, shift_day  # noqa: E402

# The traditional days follow the lunar calendar.
MID_AUTUMN = {2024: (9, 17), 2025: (10, 6), 2026: (9, 25), 2027: (9, 15), 2028: (10, 3), 2029: (9, 22), 2030: (9, 12)}
DRAGON_BOAT = {2025: (5, 31), 2026: (6, 19), 2027: (6, 9), 2028: (5, 28), 2029: (6, 16), 2030: (6, 5), 2031: (6, 24)}


def days(first, last, hours=(0, 24)):
    return (first.year, first.month, first.day, hours[0], last.year, last.month, last.day, hours[1])


def weekend(d):
    return d.weekday() >= 5


def working_weekend_day(first, last):
    """The first Saturday or Sunday from `first` to `last`."""
    d = first
    while not weekend(d):
        d += datetime.timedelta(days=1)
    return d if d <= last else None


def last_weekday(first, last):
    """The last Monday to Friday from `first` to `last`."""
    d = last
    while weekend(d):
        d -= datetime.timedelta(days=1)
    return d if d >= first else None


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("data_dir")
    args = parser.parse_args()
    now = datetime.date.today()
    y = now.year if now.month >= 9 else now.year - 1  # the school year begins in September
    date = datetime.date

    holidays = []
    if y in MID_AUTUMN:
        m, d = MID_AUTUMN[y]
        holidays.append(holiday("中秋节", days(date(y, m, d), date(y, m, d))))
    holidays += [
        holiday("国庆节", days(date(y, 10, 1), date(y, 10, 7))),
        holiday("校运动会", days(date(y, 10, 22), date(y, 10, 23), (8, 17)), disabled=1),
        holiday("元旦", days(date(y + 1, 1, 1), date(y + 1, 1, 1))),
        holiday("寒假", days(date(y + 1, 1, 24), date(y + 1, 2, 22))),
        holiday("清明节", days(date(y + 1, 4, 4), date(y + 1, 4, 6))),
        holiday("劳动节", days(date(y + 1, 5, 1), date(y + 1, 5, 5))),
    ]
    if y + 1 in DRAGON_BOAT:
        m, d = DRAGON_BOAT[y + 1]
        holidays.append(holiday("端午节", days(date(y + 1, m, d), date(y + 1, m, d))))
    holidays.append(holiday("暑假", days(date(y + 1, 7, 11), date(y + 1, 8, 31))))

    shift_days = []
    for name, before, holiday_days, after in [
        ("国庆", (date(y, 9, 25), date(y, 9, 30)), (date(y, 10, 1), date(y, 10, 7)), (date(y, 10, 8), date(y, 10, 14))),
        ("劳动节", (date(y + 1, 4, 25), date(y + 1, 4, 30)), (date(y + 1, 5, 1), date(y + 1, 5, 5)), None),
    ]:
        b = last_weekday(*holiday_days)
        for span in (before, after):
            a = span and working_weekend_day(*span)
            if a and b:
                shift_days.append(shift_day(a=(a.year, a.month, a.day), b=(b.year, b.month, b.day),
                                            remark=f"{name}调休, 上班"))
                b = last_weekday(holiday_days[0], b - datetime.timedelta(days=1))

    os.makedirs(args.data_dir, exist_ok=True)
    with open(os.path.join(args.data_dir, "节假日t"), "wb") as f:
        f.write(holidays_file(holidays, shift_days))


if __name__ == "__main__":
    main()
