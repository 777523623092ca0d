"""The day-eligibility rules written afresh from their statement, to judge lvtxctl eligible:
dates by Python's calendar, ranges as tuples at minute resolution."""
import datetime

CELL = {-1: "未到有效期", 0: "√", 1: "已过有效期"}
DISABLED_CELL = "禁用×"


def valid_date(year, month, day):
    try:
        datetime.date(year, month, day)
    except ValueError:
        return False
    return 1853 <= year <= 9999


def mapped_date(shift_days, now):
    """Date b of the first enabled shift day for now's date whose date b is valid, else now's date."""
    for s in shift_days:
        if s["disabled"] == 0 and s["a"] == (now.year, now.month, now.day) and valid_date(*s["b"]):
            return s["b"]
    return (now.year, now.month, now.day)


def range_status(rng, date, now):
    """Seconds play no part; both ends included at the minute; hour 24 is after every minute of its date."""
    moment = (*date, now.hour, now.minute)
    if moment < (*rng[0:4], 0):
        return -1
    return 1 if moment > (*rng[4:8], 0) else 0


def rule(program, now, holidays, shift_days):
    if program["disabled"] != 0:
        return "disabled"
    date = mapped_date(shift_days, now)
    status = range_status(program["dateRange"], date, now)
    if status != 0:
        return "date-range-not-begun" if status < 0 else "date-range-over"
    if program["byWeekday"] != 0:
        if not program["weekdays"][datetime.date(*date).weekday()]:  # 0 = Monday, as the record
            return "weekday-not-selected"
    elif not program["monthDays"][date[2] - 1]:
        return "month-day-not-selected"
    for h in holidays:
        if h["disabled"] == 0 and range_status(h["range"], (now.year, now.month, now.day), now) == 0:
            return "holiday " + h["name"]
    return "eligible"


def report(programs, now, holidays, shift_days):
    lines = []
    for p in programs:
        # The program list's status cell: a disabled program says so before its date range.
        cell = DISABLED_CELL if p["disabled"] != 0 else CELL[range_status(p["dateRange"], (now.year, now.month, now.day), now)]
        lines.append("%s\t%s\t%s\n" % (p["name"], rule(p, now, holidays, shift_days), cell))
    return "".join(lines)
