"""Writes the seed corpus of every fuzz target, one folder each under ROOT: programs,
holidays, settings, instant, web and backup, each holding a few sound files of that kind, and
requests, a few requests to the web console.

The fuzzer's first input byte chooses the form: even = the whole file as it is,
odd = the payload alone, the fuzzer appending its digest. Each file is seeded in both forms.
For a backup, bits 1 to 3 of that byte name the lists a restore asks for (none: all three);
each backup is seeded asking for the lists it holds. A request's first byte says what it
carries besides (WebRequestFuzz.cpp): bit 0 the session cookie, bit 1 the CSRF token."""
import hashlib
import os
import struct
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "lvtxctl"))
from holiday_file import holiday, holidays_file, shift_day  # noqa: E402
from instant_file import instant_file, item, options  # noqa: E402
from program_file import program, programs_file  # noqa: E402
from settings_file import settings, settings_file  # noqa: E402
from web_file import web_file, web_settings  # noqa: E402

DIGEST_SIZE = 16
PROGRAMS_BIT, HOLIDAYS_BIT, SHIFT_DAYS_BIT = 1, 2, 4


def backup(lists, programs=b"", calendar=b""):
    """A backup file by its documented layout, for the lists `lists` names."""
    body = b"LVTXBAK1" + struct.pack("<II", lists, len(programs)) + programs
    body += struct.pack("<I", len(calendar)) + calendar
    return body + hashlib.md5(body).digest()


def backups():
    """Each backup by label, with the first byte that asks for all of its lists."""
    school_day = programs_file([program(name="上课铃", startTimes=[(8, 0, 0), (14, 0, 0)]), program(name="眼保健操")])
    calendar = holidays_file([holiday()], [shift_day()])
    return {
        "all": (0, backup(7, school_day, calendar)),
        "empty-lists": (0, backup(7, programs_file([]), holidays_file([], []))),
        "programs": (2, backup(PROGRAMS_BIT, school_day)),
        "holidays": (4, backup(HOLIDAYS_BIT, b"", calendar)),
        "shift-days": (8, backup(SHIFT_DAYS_BIT, b"", calendar)),
    }


def kinds():
    """Each folder's files, by label."""
    return {
        "programs": {
            "empty": programs_file([]),
            "one": programs_file([program()]),
            "two": programs_file([program(name="上课铃", startTimes=[(8, 0, 0), (14, 0, 0)]),
                                  program(name="眼保健操", isFile=0, path="D:\\广播", sequential=1, countMode=0,
                                          seconds=300, byWeekday=0, weekdays=[0] * 7, monthDays=[1] * 31,
                                          delayable=1)]),
        },
        "holidays": {
            "empty": holidays_file([], []),
            "holiday": holidays_file([holiday()], []),
            "both": holidays_file([holiday(), holiday("劳动节", (2024, 5, 1, 0, 2024, 5, 5, 24), disabled=1)],
                                  [shift_day(), shift_day((2024, 9, 29), (2024, 10, 7), remark="")]),
        },
        "settings": {
            "defaults": settings_file(settings()),
            "rules": settings_file(settings(dailyShutdownOn=1, dailyShutdownTime=(22, 30, 0), restartOn=1,
                                            restartDays=[1, 0, 1, 0, 1, 0, 0], duckPercent=25,
                                            outputDevice="扬声器 (Realtek High Definition Audio)")),
        },
        "web": {
            "defaults": web_file(web_settings()),
            "on": web_file(web_settings(on=1, port=80, passwordSet=1, sessionGeneration=3, salt=bytes(range(16)),
                                        key=bytes(range(32)))),
        },
        "instant": {
            "empty": instant_file([]),
            "one": instant_file([item()]),
            "three": instant_file([item("D:\\歌\\a.flac", -1, isCurrent=1), item("E:/歌/无扩展名", 360000000),
                                   item("C:\\点.\\b.mp3", 0, playedInCycle=1)],
                                  options(volume=25, mode=2, countMode=0, songCount=0, seconds=0)),
        },
    }


def requests():
    """Each request by label: its first byte, then the request as WebRequestFuzz reads it."""
    json_body = "Content-Type: application/json\n\n"
    return {
        "page": "\0GET /\n\n",
        "login": "\0POST /api/login\n" + json_body + '{"password":"correct horse"}',
        "status": "\1GET /api/status\n\n",
        "plan": "\1GET /api/plan?date=2026-03-09\n\n",
        "log": "\1GET /api/log?lines=5\n\n",
        "stop": "\3POST /api/stop\n" + json_body + '{"name":"上课铃"}',
        "play": "\3POST /api/play\n" + json_body + '{"name":"下课铃"}',
        "instant": "\3POST /api/instant/start\n" + json_body + '{"index":0}',
        "silence": "\7POST /api/silence-today\nOrigin: http://192.168.1.10:8765\n\n",
        "logout": "\3POST /api/logout\n\n",
    }


def main(root):
    for kind, files in kinds().items():
        folder = os.path.join(root, kind)
        os.makedirs(folder, exist_ok=True)
        for label, content in files.items():
            with open(os.path.join(folder, label + "-file"), "wb") as f:
                f.write(b"\0" + content)
            with open(os.path.join(folder, label + "-payload"), "wb") as f:
                f.write(b"\1" + content[:-DIGEST_SIZE])
    folder = os.path.join(root, "requests")
    os.makedirs(folder, exist_ok=True)
    for label, text in requests().items():
        with open(os.path.join(folder, label), "wb") as f:
            f.write(text.encode("utf-8"))
    folder = os.path.join(root, "backup")
    os.makedirs(folder, exist_ok=True)
    for label, (wanted, content) in backups().items():
        with open(os.path.join(folder, label + "-file"), "wb") as f:
            f.write(bytes([wanted]) + content)
        with open(os.path.join(folder, label + "-payload"), "wb") as f:
            f.write(bytes([wanted | 1]) + content[:-DIGEST_SIZE])


if __name__ == "__main__":
    main(sys.argv[1])
