"""Writes the programs file of a sample school day into a data folder, for screenshots:
   sample_programs.py DATA_DIR AUDIO_DIR
AUDIO_DIR is the Windows folder of the sample sounds. Two programs fall due soon after start-up, so that the screen shows one playing and one waiting."""
import datetime
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "lvtxctl"))
from program_file import program, programs_file  # noqa: E402

WORKDAYS = [1, 1, 1, 1, 1, 0, 0]  # Monday first


def main():
    data_dir, audio = sys.argv[1], sys.argv[2]
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
    os.makedirs(data_dir, exist_ok=True)
    with open(os.path.join(data_dir, "定时播t"), "wb") as f:
        f.write(programs_file(programs))


if __name__ == "__main__":
    main()
