"""Writes the programs file of a sample school day into a data folder:
   sample_programs.py DATA_DIR AUDIO_DIR [--quiet SECONDS]
AUDIO_DIR is the Windows folder of the sample sounds. Two programs fall due soon after start-up, so that the screen shows
one playing and one waiting. With --quiet, for measuring the program at rest, those two are left out, every day is a
school day within the date range, and no start time falls due in the next SECONDS."""
import argparse
import datetime
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "lvtxctl"))
from program_file import program, programs_file  # noqa: E402

WORKDAYS = [1, 1, 1, 1, 1, 0, 0]  # Monday first
COUNT_MODE_WINDOW = 15  # seconds in which a count-mode start time stays due
DAY = 24 * 3600


def due_within(start, window, now, quiet):
    """Whether a start time's due window [start, start + window) meets [now, now + quiet), across midnight too."""
    ahead = (start[0] * 3600 + start[1] * 60 + start[2] - (now.hour * 3600 + now.minute * 60 + now.second)) % DAY
    return ahead < quiet or ahead > DAY - window


def quiet_day(programs, now, quiet):
    kept = []
    for p in programs:
        window = p["seconds"] if p["countMode"] == 0 else COUNT_MODE_WINDOW
        times = [t for t in p["startTimes"] if not due_within(t, window, now, quiet)]
        if times:
            kept.append(dict(p, startTimes=times, startTimeCount=len(times), weekdays=[1] * 7,
                             dateRange=(now.year - 1, 1, 1, 0, now.year + 1, 12, 31, 24)))
    return kept


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("data_dir")
    parser.add_argument("audio")
    parser.add_argument("--quiet", type=int, metavar="SECONDS")
    args = parser.parse_args()
    data_dir, audio = args.data_dir, args.audio
    now = datetime.datetime.now()
    first_year = now.year if now.month >= 9 else now.year - 1
    school_year = (first_year, 9, 1, 0, first_year + 1, 7, 10, 24)

    def soon(seconds):
        t = now + datetime.timedelta(seconds=seconds)
        return [(t.hour, t.minute, t.second)]

    def sound(name, **fields):
        fields.setdefault("weekdays", WORKDAYS)
        fields.setdefault("path", f"{audio}\\{name}.wav")
        return program(name=name, dateRange=school_year, **fields)

    programs = [
        sound("上课铃", volume=90, startTimes=[(8, 0, 0), (8, 55, 0), (9, 50, 0), (10, 45, 0), (14, 0, 0)]),
        sound("下课铃", volume=90, startTimes=[(8, 45, 0), (9, 40, 0), (10, 35, 0), (11, 30, 0), (14, 45, 0)]),
        sound("广播体操", startTimes=[(9, 40, 30)], countMode=0, seconds=600),
        sound("眼保健操", startTimes=[(10, 35, 30), (15, 30, 0)]),
        sound("午间校园歌曲", isFile=0, path=f"{audio}\\歌曲", sequential=1, volume=60,
              startTimes=[(12, 10, 0)], songCount=5),
        sound("周末自习铃", startTimes=[(8, 30, 0)], weekdays=[0, 0, 0, 0, 0, 1, 0], disabled=1),
        sound("早读音乐", isFile=0, path=f"{audio}\\早读音乐", startTimes=soon(15), countMode=0, seconds=300,
              weekdays=[1] * 7),
        sound("校园广播通知", startTimes=soon(20), delayable=1, weekdays=[1] * 7),
    ]
    if args.quiet is not None:
        programs = quiet_day(programs[:-2], now, args.quiet)
    os.makedirs(data_dir, exist_ok=True)
    with open(os.path.join(data_dir, "定时播t"), "wb") as f:
        f.write(programs_file(programs))


if __name__ == "__main__":
    main()
