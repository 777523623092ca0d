"""Builds holiday files ("节假日t") from the record layout alone, independently of the C++ code."""
import hashlib
import struct

from program_file import text

HOLIDAY_SIZE = 164
SHIFT_DAY_SIZE = 156
RANGE_KEYS = ["startYear", "startMonth", "startDay", "startHour", "endYear", "endMonth", "endDay", "endHour"]


def holiday(name="国庆节", rng=(2024, 10, 1, 0, 2024, 10, 7, 24), disabled=0):
    return dict(name=name, range=tuple(rng), disabled=disabled)


def shift_day(a=(2024, 10, 12), b=(2024, 10, 8), disabled=0, remark="补周二的课"):
    return dict(a=tuple(a), b=tuple(b), disabled=disabled, remark=remark)


def pack_holiday(h):
    return text(h["name"], 64) + struct.pack("<i8i", h["disabled"], *h["range"])


def pack_shift_day(s):
    return struct.pack("<7i", *s["a"], *s["b"], s["disabled"]) + text(s["remark"], 64)


def holidays_file(holidays, shift_days, holiday_count=None, shift_day_count=None):
    """Counts are written as given, so -1 lands as 0xFFFFFFFF."""
    def count(value, default):
        return struct.pack("<I", (len(default) if value is None else value) & 0xFFFFFFFF)
    payload = (count(holiday_count, holidays) + b"".join(pack_holiday(h) for h in holidays)
               + count(shift_day_count, shift_days) + b"".join(pack_shift_day(s) for s in shift_days))
    return payload + hashlib.md5(payload).digest()


def holiday_json(h):
    return {"name": h["name"].split("\0")[0][:63], "disabled": h["disabled"], "range": dict(zip(RANGE_KEYS, h["range"]))}


def shift_day_json(s):
    keys = ["aYear", "aMonth", "aDay", "bYear", "bMonth", "bDay"]
    return {**dict(zip(keys, s["a"] + s["b"])), "disabled": s["disabled"], "remark": s["remark"].split("\0")[0][:63]}
