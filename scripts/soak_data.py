"""Writes the data files of a soak run (scripts/soak.sh) into the program's data folder, and the
plan the judge (soak_judge.py) holds the log against, as JSON on standard output:
   soak_data.py main DATA_DIR AUDIO_DIR FIRST_BELL END
   soak_data.py midnight DATA_DIR AUDIO_DIR MIDNIGHT
Times are local ISO times of the Wine session ("2026-12-10T08:00:00"). AUDIO_DIR is the Windows
folder holding bell.wav, the folder 歌曲 and the immediate-play items 甲.mp3 and 乙.mp3.
main: a bell every 10 s from FIRST_BELL up to END, the folder program at second 2 of every minute
(three songs that end before the next bell), and an immediate-play list for an endless run.
midnight: around MIDNIGHT (a local 00:00:00), a bell every 10 s on both sides, and two programs
limited to one weekday each: the day before midnight and the day after."""
import datetime
import json
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "lvtxctl"))
from instant_file import instant_file, item, options  # noqa: E402
from program_file import program, programs_file  # noqa: E402
from settings_file import settings, settings_file  # noqa: E402

MAX_START_TIMES = 500  # a record holds 512
BELL = "上课铃"
SONGS = "课间歌曲"
SONGS_PER_PLAY = 3
SONG_SECOND = 2  # the folder program starts 2 s after the minute's bell and ends before the next
INSTANT_ITEM_MS = 20000
AROUND_MIDNIGHT = 60  # seconds of bells on each side
BEFORE = "周前铃"
AFTER = "周后铃"
ALL_DAYS = dict(weekdays=[1] * 7, dateRange=(2000, 1, 1, 0, 2099, 12, 31, 24))


def every(first, last, step):
    times, t = [], first
    while t <= last:
        times.append(t)
        t += datetime.timedelta(seconds=step)
    return times


def clock(times):
    return [(t.hour, t.minute, t.second) for t in times]


def chunked(name, times, **fields):
    """Programs named name1, name2, ... that share the start times, a record's worth each."""
    chunks = [times[i:i + MAX_START_TIMES] for i in range(0, len(times), MAX_START_TIMES)]
    return [program(name=f"{name}{i + 1}", startTimes=clock(chunk), **fields) for i, chunk in enumerate(chunks)]


def bell(audio, name, times, **days):
    return chunked(name, times, path=f"{audio}\\bell.wav", volume=90, countMode=1, songCount=1,
                   **(days or ALL_DAYS))


def main_plan(audio, first_bell, end):
    bells = every(first_bell, end, 10)
    minutes = [t + datetime.timedelta(seconds=SONG_SECOND) for t in bells if t.second == 0]
    programs = bell(audio, BELL, bells) + chunked(
        SONGS, minutes, isFile=0, path=f"{audio}\\歌曲", sequential=1, volume=70, countMode=1,
        songCount=SONGS_PER_PLAY, **ALL_DAYS)
    return programs, {"bells": {BELL: [t.isoformat() for t in bells]}, "folder": SONGS,
                      "folderStarts": [t.isoformat() for t in minutes]}


def weekday_only(day):
    """Weekdays field (Monday first) selecting only `day`'s weekday."""
    days = [0] * 7
    days[day.weekday()] = 1
    return days


def midnight_plan(audio, midnight):
    span = datetime.timedelta(seconds=AROUND_MIDNIGHT)
    bells = every(midnight - span, midnight + span, 10)
    # Five seconds after the daily bells, so that no two bells meet.
    offset = [t + datetime.timedelta(seconds=5) for t in bells[:-1]]
    range_ = ALL_DAYS["dateRange"]
    before = midnight - datetime.timedelta(days=1)
    programs = (bell(audio, BELL, bells) +
                bell(audio, BEFORE, offset, weekdays=weekday_only(before), dateRange=range_) +
                bell(audio, AFTER, offset, weekdays=weekday_only(midnight), dateRange=range_))
    return programs, {"midnight": midnight.isoformat(), "bells": {BELL: [t.isoformat() for t in bells]},
                      "dayBefore": {BEFORE: [t.isoformat() for t in offset if t < midnight]},
                      "dayAfter": {AFTER: [t.isoformat() for t in offset if t >= midnight]}}


def write(data_dir, name, data):
    with open(os.path.join(data_dir, name), "wb") as f:
        f.write(data)


def main():
    kind, data_dir, audio = sys.argv[1:4]
    times = [datetime.datetime.fromisoformat(t) for t in sys.argv[4:]]
    programs, plan = main_plan(audio, *times) if kind == "main" else midnight_plan(audio, *times)
    os.makedirs(data_dir, exist_ok=True)
    write(data_dir, "定时播t", programs_file(programs))
    write(data_dir, "设置t", settings_file(settings()))
    # List loop over two items, "播 0 首": endless once started.
    items = [item(f"{audio}\\立即播\\{name}.mp3", durationMs=INSTANT_ITEM_MS, isCurrent=int(name == "甲"))
             for name in ("甲", "乙")]
    write(data_dir, "立即播t", instant_file(items, options(mode=1, countMode=1, songCount=0)))
    json.dump(plan, sys.stdout, ensure_ascii=False)


if __name__ == "__main__":
    main()
