"""Builds programs files from the record layout alone, independently of the C++ code."""
import hashlib
import struct

RECORD_SIZE = 7032


def program(**fields):
    """A sound program (the editor's defaults); keyword arguments replace fields."""
    p = dict(name="早操", isFile=1, path=r"C:\音乐\早操.mp3", sequential=0, volume=80,
             startTimes=[(22, 10, 10)], countMode=1, songCount=1, seconds=600,
             lastStart=(2023, 5, 2, 6, 7, 8, 9, 10), byWeekday=1, weekdays=[1] * 7,
             monthDays=[0] * 31, dateRange=(2000, 1, 1, 0, 2099, 12, 31, 24), delayable=0, disabled=0)
    p.update(fields)
    p.setdefault("startTimeCount", len(p["startTimes"]))
    return p


def text(value, units):
    data = value.encode("utf-16-le")
    assert len(data) <= 2 * units
    return data.ljust(2 * units, b"\0")


def pack_program(p):
    record = bytearray(RECORD_SIZE)
    record[0:128] = text(p["name"], 64)
    struct.pack_into("<i", record, 128, p["isFile"])
    record[132:652] = text(p["path"], 260)
    struct.pack_into("<iii", record, 652, p["sequential"], p["volume"], p["startTimeCount"])
    for i, time in enumerate(p["startTimes"]):
        struct.pack_into("<iii", record, 664 + 12 * i, *time)
    struct.pack_into("<iii", record, 6808, p["countMode"], p["songCount"], p["seconds"])
    struct.pack_into("<8H", record, 6820, *p["lastStart"])
    struct.pack_into("<i7i", record, 6836, p["byWeekday"], *p["weekdays"])
    struct.pack_into("<31i", record, 6868, *p["monthDays"])
    struct.pack_into("<8iii", record, 6992, *p["dateRange"], p["delayable"], p["disabled"])
    return bytes(record)


def programs_payload(programs, count=None):
    count = len(programs) if count is None else count
    return struct.pack("<i", count) + b"".join(pack_program(p) for p in programs)


def programs_file(programs, count=None):
    payload = programs_payload(programs, count)
    return payload + hashlib.md5(payload).digest()
