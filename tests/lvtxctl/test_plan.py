"""lvtxctl plan against worked examples and an independent model of the dispatch rules:
each second, in list order, the first start time (in stored order) whose window is open and
whose instant lies after the program's last start triggers it."""
import datetime
import os
import random
import sys
import unittest

import test_lvtxctl as tool
from eligibility_model import rule
from holiday_file import holiday, holidays_file, shift_day
from program_file import program, programs_file

SECOND = datetime.timedelta(seconds=1)


def model_plan(programs, holidays, shift_days, start, end):
    last = [datetime.datetime(2000, 1, 1, 12) for _ in programs]
    # Seconds of the day at which no window is open cannot start anything: skip them, for speed.
    open_seconds = set()
    for p in programs:
        window = 15 if p["countMode"] != 0 else p["seconds"]
        for s in p["startTimes"]:
            first = s[0] * 3600 + s[1] * 60 + s[2]
            open_seconds.update(range(first, min(first + window, 86400)))
    lines = []
    now = start
    while now <= end:
        t = now.hour * 3600 + now.minute * 60 + now.second
        if t not in open_seconds:
            now += SECOND
            continue
        for i, p in enumerate(programs):
            window = 15 if p["countMode"] != 0 else p["seconds"]
            due = [s for s in p["startTimes"] if 0 <= t - (s[0] * 3600 + s[1] * 60 + s[2]) < window]
            if not due or rule(p, now, holidays, shift_days) != "eligible":
                continue
            for s in due:
                candidate = now.replace(hour=s[0], minute=s[1], second=s[2])
                if candidate > last[i]:
                    last[i] = candidate
                    lines.append("%s\t%s\n" % (now.strftime("%Y-%m-%d %H:%M:%S"), p["name"]))
                    break
        now += SECOND
    return "".join(lines)


class PlanCase(tool.LvtxctlCase):
    def plan(self, programs, start, end, holidays=(), shift_days=()):
        self.write(programs_file(list(programs)), "定时播t")
        self.write(holidays_file(list(holidays), list(shift_days)), "节假日t")
        return self.run_tool("plan", "--data", self.folder.name, "--from", start, "--to", end)


class WorkedExamples(PlanCase):
    def test_count_mode_window_is_fifteen_seconds(self):
        bell = program(name="上课铃", startTimes=[(8, 0, 0)])
        self.assertEqual(self.plan([bell], "2024-09-02 08:00:14", "2024-09-02 09:00:00"),
                         (0, "2024-09-02 08:00:14\t上课铃\n", ""))
        self.assertEqual(self.plan([bell], "2024-09-02 08:00:15", "2024-09-03 07:59:59"), (0, "", ""))

    def test_seconds_mode_starts_late_but_not_on_the_next_date(self):
        drill = program(name="广播操", startTimes=[(8, 0, 0)], countMode=0, seconds=600)
        self.assertEqual(self.plan([drill], "2024-09-02 08:05:00", "2024-09-03 08:00:00"),
                         (0, "2024-09-02 08:05:00\t广播操\n2024-09-03 08:00:00\t广播操\n", ""))
        night = program(name="夜", startTimes=[(23, 55, 0)], countMode=0, seconds=900)
        self.assertEqual(self.plan([night], "2024-09-03 00:05:00", "2024-09-03 00:20:00"), (0, "", ""))

    def test_one_second_in_list_order_and_each_start_once_a_day(self):
        a = program(name="甲", startTimes=[(8, 0, 0), (8, 0, 5)])
        b = program(name="乙", startTimes=[(8, 0, 0)], delayable=1)
        self.assertEqual(self.plan([a, b], "2024-09-02 07:59:00", "2024-09-02 08:01:00"),
                         (0, "2024-09-02 08:00:00\t甲\n2024-09-02 08:00:00\t乙\n2024-09-02 08:00:05\t甲\n", ""))

    def test_holidays_and_shift_days_change_the_plan(self):
        weekday_bell = program(name="周一铃", startTimes=[(8, 0, 0)], weekdays=[1, 0, 0, 0, 0, 0, 0])
        # 2024-10-12 is a Saturday played as Monday 2024-10-07; the next Monday is a holiday.
        out = self.plan([weekday_bell], "2024-10-12 00:00:00", "2024-10-14 23:59:59",
                        holidays=[holiday("调休假", (2024, 10, 14, 0, 2024, 10, 14, 24))],
                        shift_days=[shift_day((2024, 10, 12), (2024, 10, 7))])
        self.assertEqual(out, (0, "2024-10-12 08:00:00\t周一铃\n", ""))

    def test_bad_spans_are_usage_errors(self):
        self.write(programs_file([]), "定时播t")
        code, _, err = self.run_tool("plan", "--data", self.folder.name, "--from", "2024-09-02 08:00:00",
                                     "--to", "2024-09-01 08:00:00")
        self.assertEqual(code, 1)
        self.assertIn("--to", err)
        self.assertEqual(self.run_tool("plan", "--data", self.folder.name, "--from", "2024-02-30 08:00:00",
                                       "--to", "2024-03-01 08:00:00")[0], 1)


class AgainstTheModel(PlanCase):
    def random_program(self, rng, index):
        times = sorted({(rng.randrange(7, 10), rng.randrange(60), rng.choice([0, 0, 30, rng.randrange(60)]))
                        for _ in range(rng.randrange(1, 5))})
        if rng.random() < 0.2:
            rng.shuffle(times)  # stored order need not be time order
        count_mode = int(rng.random() < 0.6)
        weekdays = [int(rng.random() < 0.7) for _ in range(7)]
        weekdays[rng.randrange(7)] = 1
        return program(name="节目%d" % index, startTimes=times, countMode=count_mode,
                       seconds=rng.choice([1, 14, 15, 90, 600, 3000]), weekdays=weekdays,
                       delayable=int(rng.random() < 0.4), disabled=int(rng.random() < 0.1),
                       dateRange=rng.choice([(2000, 1, 1, 0, 2099, 12, 31, 24), (2024, 9, 3, 8, 2024, 9, 4, 9)]))

    def test_random_schedules(self):
        rng = random.Random(20240902)
        for scenario in range(12):
            programs = [self.random_program(rng, i) for i in range(rng.randrange(1, 12))]
            holidays = [holiday("假", (2024, 9, 3, rng.randrange(7, 10), 2024, 9, 3, rng.randrange(10, 12)))] \
                if rng.random() < 0.5 else []
            shift_days = [shift_day((2024, 9, 4), (2024, 9, 7))] if rng.random() < 0.5 else []
            start = datetime.datetime(2024, 9, 2, 6) + datetime.timedelta(seconds=rng.randrange(3 * 3600))
            end = start + datetime.timedelta(hours=rng.choice([2, 26, 50]))
            expected = model_plan(programs, holidays, shift_days, start, end)
            with self.subTest(scenario=scenario):
                self.assertEqual(self.plan(programs, start.strftime("%Y-%m-%d %H:%M:%S"),
                                           end.strftime("%Y-%m-%d %H:%M:%S"), holidays, shift_days),
                                 (0, expected, ""))


if __name__ == "__main__":
    tool.LVTXCTL = os.path.abspath(sys.argv.pop(1))
    unittest.main()
