"""lvtxctl eligible against the worked examples of the rules and against an independent model
of them over random programs, holidays, shift days and moments."""
import datetime
import os
import random
import sys
import unittest

import test_lvtxctl as tool
from eligibility_model import report
from holiday_file import holiday, holidays_file, shift_day
from program_file import program, programs_file

PROGRAMS = "定时播t"
HOLIDAYS = "节假日t"


def weekdays(*chosen):
    """Monday = 1 ... Sunday = 7, as the pages number them."""
    return [1 if i + 1 in chosen else 0 for i in range(7)]


def moment(text):
    return datetime.datetime.strptime(text, "%Y-%m-%d %H:%M:%S")


class EligibleCase(tool.LvtxctlCase):
    def setup_data(self, programs, holidays=(), shift_days=()):
        self.write(programs_file(list(programs)), PROGRAMS)
        self.write(holidays_file(list(holidays), list(shift_days)), HOLIDAYS)

    def eligible(self, at):
        return self.run_tool("eligible", "--data", self.folder.name, "--at", at)

    def assert_lines(self, at, *lines):
        self.assertEqual(self.eligible(at), (0, "".join(line + "\n" for line in lines), ""), at)


class WorkedExamples(EligibleCase):
    def test_saturday_played_as_tuesday(self):
        self.setup_data([program(name="周二", weekdays=weekdays(2)), program(name="周六", weekdays=weekdays(6)),
                         program(name="十号止", weekdays=weekdays(2), dateRange=(2024, 9, 1, 0, 2024, 10, 10, 24))],
                        shift_days=[shift_day((2024, 10, 12), (2024, 10, 8))])
        # The range is judged on the date played (10-08); the cell on the real date.
        for at in ("2024-10-12 00:00:00", "2024-10-12 13:30:30", "2024-10-12 23:59:59"):
            self.assert_lines(at, "周二\teligible\t√", "周六\tweekday-not-selected\t√", "十号止\teligible\t已过有效期")
        self.assert_lines("2024-10-13 08:00:00", "周二\tweekday-not-selected\t√", "周六\tweekday-not-selected\t√",
                          "十号止\tdate-range-over\t已过有效期")

    def test_one_minute_holiday(self):
        self.setup_data([program(name="每天")], [holiday("零点", (2024, 5, 1, 24, 2024, 5, 2, 0))])
        for at, rule in (("2024-05-01 23:59:59", "eligible"), ("2024-05-02 00:00:00", "holiday 零点"),
                         ("2024-05-02 00:00:59", "holiday 零点"), ("2024-05-02 00:01:00", "eligible")):
            self.assert_lines(at, "每天\t%s\t√" % rule)

    def test_day_31(self):
        day_31 = [1 if day == 31 else 0 for day in range(1, 32)]
        self.setup_data([program(name="月末", byWeekday=0, weekdays=[0] * 7, monthDays=day_31)],
                        shift_days=[shift_day((2024, 11, 30), (2024, 10, 31))])
        for at, rule in (("2024-10-31 08:00:00", "eligible"), ("2024-11-29 08:00:00", "month-day-not-selected"),
                         ("2024-11-30 08:00:00", "eligible"), ("2024-02-29 08:00:00", "month-day-not-selected")):
            self.assert_lines(at, "月末\t%s\t√" % rule)

    def test_disabled_holidays_and_shift_days_have_no_effect(self):
        self.setup_data([program(name="周二", weekdays=weekdays(2))],
                        [holiday("停用", (2024, 10, 12, 0, 2024, 10, 12, 24), disabled=1)],
                        [shift_day((2024, 10, 12), (2024, 10, 8), disabled=1)])
        self.assert_lines("2024-10-12 08:00:00", "周二\tweekday-not-selected\t√")

    def test_holidays_judged_on_the_real_date(self):
        self.setup_data([program(name="周二", weekdays=weekdays(2))],
                        [holiday("周二假", (2024, 10, 8, 0, 2024, 10, 8, 24)), holiday("停用", disabled=1),
                         holiday("国庆", (2024, 10, 1, 0, 2024, 10, 12, 24)), holiday("重叠", (2024, 10, 12, 0, 2024, 10, 13, 0))],
                        [shift_day((2024, 10, 12), (2024, 10, 8))])
        # The first enabled holiday in force is the one named.
        self.assert_lines("2024-10-12 08:00:00", "周二\tholiday 国庆\t√")
        self.assert_lines("2024-10-08 08:00:00", "周二\tholiday 周二假\t√")

    def test_first_enabled_shift_day_wins(self):
        self.setup_data([program(name="周二", weekdays=weekdays(2)), program(name="周三", weekdays=weekdays(3))],
                        shift_days=[shift_day((2024, 10, 12), (2024, 10, 10), disabled=1),
                                    shift_day((2024, 10, 12), (2024, 10, 8)), shift_day((2024, 10, 12), (2024, 10, 9))])
        self.assert_lines("2024-10-12 08:00:00", "周二\teligible\t√", "周三\tweekday-not-selected\t√")

    def test_rule_order_and_disabled_programs(self):
        self.setup_data([program(name="停用", disabled=1, dateRange=(2024, 1, 1, 0, 2024, 3, 1, 0)),
                         program(name="周一", weekdays=weekdays(1), dateRange=(2024, 5, 1, 8, 2024, 5, 1, 10)),
                         program(name="周三", weekdays=weekdays(3), dateRange=(2024, 5, 1, 8, 2024, 5, 1, 10))],
                        [holiday("劳动节", (2024, 5, 1, 0, 2024, 5, 5, 24))])
        # 2024-05-01 is a Wednesday in a holiday: range, then day, then holiday.
        self.assert_lines("2024-05-01 07:59:59", "停用\tdisabled\t禁用×", "周一\tdate-range-not-begun\t未到有效期",
                          "周三\tdate-range-not-begun\t未到有效期")
        self.assert_lines("2024-05-01 10:00:59", "停用\tdisabled\t禁用×", "周一\tweekday-not-selected\t√",
                          "周三\tholiday 劳动节\t√")
        self.assert_lines("2024-05-01 10:01:00", "停用\tdisabled\t禁用×", "周一\tdate-range-over\t已过有效期",
                          "周三\tdate-range-over\t已过有效期")


class AgainstTheModel(EligibleCase):
    WINDOW_START = datetime.date(2024, 9, 25)

    def day(self, rng):
        return self.WINDOW_START + datetime.timedelta(days=rng.randrange(24))

    def date_hour_range(self, rng):
        start, end = sorted((self.day(rng), self.day(rng)))
        hours = (rng.randrange(25), rng.randrange(25))
        if start == end:
            if hours[0] == hours[1]:
                hours = (hours[0], hours[0] + 1) if hours[0] < 24 else (23, 24)
            hours = tuple(sorted(hours))
        return (start.year, start.month, start.day, hours[0], end.year, end.month, end.day, hours[1])

    def random_program(self, rng, index):
        by_weekday = rng.random() < 0.6
        days = [int(rng.random() < 0.5) for _ in range(7)]
        month_days = [int(rng.random() < 0.5) for _ in range(31)]
        (days if by_weekday else month_days)[rng.randrange(7)] = 1  # the load wants one day at least
        rng_range = self.date_hour_range(rng) if rng.random() < 0.6 else (2000, 1, 1, 0, 2099, 12, 31, 24)
        return program(name="节目%d" % index, byWeekday=int(by_weekday), weekdays=days, monthDays=month_days,
                       dateRange=rng_range, disabled=int(rng.random() < 0.1))

    def random_moment(self, rng):
        minute = rng.choice([0, 1, 59, rng.randrange(60)])
        return datetime.datetime.combine(self.day(rng), datetime.time(rng.randrange(24), minute, rng.randrange(60)))

    def test_random_scenarios(self):
        rng = random.Random(20241012)
        runs = 0
        for scenario in range(40):
            programs = [self.random_program(rng, i) for i in range(rng.randrange(1, 40))]
            holidays = [holiday("假%d" % i, self.date_hour_range(rng), disabled=int(rng.random() < 0.3))
                        for i in range(rng.randrange(4))]
            shift_days = []
            for _ in range(rng.randrange(6)):
                a, b = self.day(rng), self.day(rng)
                shift_days.append(shift_day((a.year, a.month, a.day), (b.year, b.month, b.day),
                                            disabled=int(rng.random() < 0.3)))
            self.setup_data(programs, holidays, shift_days)
            shifted = [datetime.date(*s["a"]) for s in shift_days]
            for _ in range(8):
                now = self.random_moment(rng)
                if shifted and rng.random() < 0.5:
                    now = now.replace(year=shifted[0].year, month=shifted[0].month, day=shifted[0].day)
                at = now.strftime("%Y-%m-%d %H:%M:%S")
                with self.subTest(scenario=scenario, at=at):
                    self.assertEqual(self.eligible(at), (0, report(programs, now, holidays, shift_days), ""))
                runs += 1
        self.assertEqual(runs, 320)


class Failures(EligibleCase):
    def test_bad_moments_are_usage_errors(self):
        self.setup_data([program()])
        for at in ("2024-10-12 8:00:00", "2024-10-12T08:00:00", "2024-10-12 08:00", "2024-10-12 08:00:00.0",
                   "2023-02-29 08:00:00", "2024-13-01 08:00:00", "1852-12-31 08:00:00", "2024-10-12 24:00:00",
                   "2024-10-12 08:60:00", "2024-10-12 08:00:60", "+024-10-12 08:00:00", "2024-1a-12 08:00:00", ""):
            with self.subTest(at=at):
                code, out, err = self.eligible(at)
                self.assertEqual((code, out), (1, ""))
                self.assertNotEqual(err, "")
        for args in (["eligible", "--data", self.folder.name], ["eligible", "--at", "2024-10-12 08:00:00"]):
            self.assertEqual(self.run_tool(*args)[0:2], (1, ""))

    def test_failing_files_stop_the_answer(self):
        message = tool.CONTENT_ERROR.format(os.path.join(self.folder.name, HOLIDAYS))
        self.write(programs_file([program()]), PROGRAMS)
        self.write(holidays_file([holiday()], [shift_day((2023, 2, 29))]), HOLIDAYS)
        self.assertEqual(self.eligible("2024-10-12 08:00:00"), (2, "", message))
        os.remove(os.path.join(self.folder.name, HOLIDAYS))
        self.write(programs_file([program(volume=101)]), PROGRAMS)
        self.assertEqual(self.eligible("2024-10-12 08:00:00"),
                         (2, "", tool.CONTENT_ERROR.format(os.path.join(self.folder.name, PROGRAMS))))
        os.remove(os.path.join(self.folder.name, PROGRAMS))
        os.symlink("/proc/self/mem", os.path.join(self.folder.name, PROGRAMS))
        code, out, err = self.eligible("2024-10-12 08:00:00")
        self.assertEqual((code, out), (3, ""))
        self.assertTrue(err.startswith("读文件失败：\n"), err)

    def test_companions_and_absent_files(self):
        self.assert_lines("2024-10-12 08:00:00")
        self.write(programs_file([program(name="周二", weekdays=weekdays(2))]), PROGRAMS + "Tmp")
        self.write(holidays_file([], [shift_day((2024, 10, 12), (2024, 10, 8))]), HOLIDAYS + "Tmp")
        self.assert_lines("2024-10-12 08:00:00", "周二\teligible\t√")


if __name__ == "__main__":
    tool.LVTXCTL = os.path.abspath(sys.argv.pop(1))
    unittest.main()
