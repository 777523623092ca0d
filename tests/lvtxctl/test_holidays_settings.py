"""Runs the built lvtxctl on holiday and settings files made from the byte tables: show's JSON,
check's verdicts and the content errors of the start-up read."""
import json
import os
import sys
import unittest

import test_lvtxctl as tool
from holiday_file import HOLIDAY_SIZE, holiday, holiday_json, holidays_file, shift_day, shift_day_json
from settings_file import settings, settings_file, settings_json

HOLIDAYS = "节假日t"
SETTINGS = "设置t"


class DataFileCase(tool.LvtxctlCase):
    file_name = None

    def setUp(self):
        super().setUp()
        self.path = os.path.join(self.folder.name, self.file_name)

    def assert_shows(self, document, summary):
        # The whole text is compared: key order, indentation and UTF-8 all count.
        code, out, err = self.run_tool("show", self.path)
        self.assertEqual((code, err), (0, ""))
        self.assertEqual(out, json.dumps(document, indent=2, ensure_ascii=False) + "\n")
        self.assertEqual(self.run_tool("check", self.path), (0, "ok: %s\n" % summary, ""))


class HolidayFiles(DataFileCase):
    file_name = HOLIDAYS

    def assert_lists(self, holidays, shift_days):
        def counted(n, word):
            return "%d %s%s" % (n, word, "" if n == 1 else "s")
        self.assert_shows({"holidays": [holiday_json(h) for h in holidays],
                           "shiftDays": [shift_day_json(s) for s in shift_days]},
                          counted(len(holidays), "holiday") + ", " + counted(len(shift_days), "shift day"))

    def test_lists_in_file_order(self):
        labour = holiday("劳动节", (2024, 5, 1, 0, 2024, 5, 5, 24), disabled=1)
        one_minute = holiday("Midnight", (2024, 5, 1, 24, 2024, 5, 2, 0))
        cases = [([], []), ([holiday()], []), ([], [shift_day()]), ([holiday()], [shift_day()]),
                 ([holiday(), labour, one_minute],
                  [shift_day(), shift_day((2024, 9, 29), (2024, 10, 7), disabled=1, remark="")])]
        for holidays, shift_days in cases:
            with self.subTest(holidays=len(holidays), shift_days=len(shift_days)):
                self.write(holidays_file(holidays, shift_days), HOLIDAYS)
                self.assert_lists(holidays, shift_days)
        self.assertEqual(len(holidays_file([], [])), 24)

    def test_loaded_as_they_are(self):
        # Names, uniqueness, flags and a = b are left to the editor; texts stop at NUL or capacity.
        holidays = [holiday("假" * 64), holiday("假" * 64, disabled=7), holiday("abc\0残留")]
        shift_days = [shift_day((2024, 1, 1), (2024, 1, 1), remark="备" * 64),
                      shift_day((2024, 1, 1), (2024, 1, 2), disabled=-3, remark="x\0y")]
        self.write(holidays_file(holidays, shift_days), HOLIDAYS)
        self.assert_lists(holidays, shift_days)

    def test_fullest_lists(self):
        holidays = [holiday("假%d" % i) for i in range(128)]
        shift_days = [shift_day((2024, 1 + i // 28, 1 + i % 28)) for i in range(128)]
        self.write(holidays_file(holidays, shift_days), HOLIDAYS)
        self.assertEqual(self.run_tool("check", self.path), (0, "ok: 128 holidays, 128 shift days\n", ""))

    def test_content_errors(self):
        bad_ranges = {"end before start": (2024, 5, 6, 0, 2024, 5, 5, 24), "same hour": (2024, 5, 6, 8, 2024, 5, 6, 8),
                      "end hour below start": (2024, 5, 6, 9, 2024, 5, 6, 8), "hour 25": (2024, 5, 6, 0, 2024, 5, 7, 25),
                      "hour -1": (2024, 5, 6, -1, 2024, 5, 7, 0), "29 Feb 2023": (2023, 2, 29, 0, 2023, 3, 1, 0),
                      "year 1852": (1852, 1, 1, 0, 2024, 1, 1, 0), "month 0": (2024, 0, 1, 0, 2024, 1, 1, 0)}
        files = {label: holidays_file([holiday(), holiday("坏", rng)], []) for label, rng in bad_ranges.items()}
        files.update({
            "129 holidays": holidays_file([holiday()] * 129, []),
            "holiday count -1": holidays_file([holiday()], [], holiday_count=-1),
            "129 shift days": holidays_file([], [shift_day()] * 129),
            "shift-day count -1": holidays_file([], [shift_day()], shift_day_count=-1),
            # Valid holidays before the bad shift day are discarded with it.
            "a on 29 Feb 2023": holidays_file([holiday(), holiday("元旦")], [shift_day((2023, 2, 29))]),
            "b on 29 Feb 2023": holidays_file([holiday()], [shift_day(), shift_day((2023, 3, 1), (2023, 2, 29))]),
        })
        whole = holidays_file([holiday()], [shift_day()])
        files.update({"short by one": whole[:-1], "no shift-day part": whole[:4 + HOLIDAY_SIZE + 16],
                      "empty": b"", "byte changed": whole[:10] + b"\xff" + whole[11:]})
        for label, content in files.items():
            with self.subTest(label):
                self.write(content, HOLIDAYS)
                self.assert_content_error()

    def test_missing_file_and_companion(self):
        self.assert_lists([], [])
        self.write(holidays_file([holiday("残留")], []), HOLIDAYS + "Tmp")
        self.assert_lists([holiday("残留")], [])


class SettingsFiles(DataFileCase):
    file_name = SETTINGS

    def assert_settings(self, s):
        self.assert_shows(settings_json(s), "settings")

    def test_defaults_with_or_without_a_file(self):
        self.assert_settings(settings())
        self.write(settings_file(settings()), SETTINGS)
        self.assertEqual(os.path.getsize(self.path), 644)
        self.assert_settings(settings())

    def test_every_field_at_its_limits(self):
        cases = [settings(dailyShutdownOn=1, dailyShutdownTime=(23, 59, 59), weeklyShutdownOn=-2,
                          weeklyShutdownDays=[1, 0, 5, 0, -1, 0, 0], weeklyShutdownTime=(0, 0, 0), restartOn=3,
                          restartDays=[0, 1, 0, 1, 0, 1, 0], restartTime=(12, 30, 1), duckPercent=25,
                          duckFadeOutLength=1, duckFadeInLength=2, outputDevice="扬声器 (Realtek High Definition Audio)"),
                 settings(duckPercent=100, duckFadeOutLength=10, duckFadeInLength=16, outputDevice=""),
                 # Weekly on without a day loads; that rule simply never fires.
                 settings(weeklyShutdownOn=1, weeklyShutdownDays=[0] * 7),
                 settings(outputDevice="D" * 256), settings(outputDevice="设备\0残留")]
        for index, s in enumerate(cases):
            with self.subTest(index=index):
                self.write(settings_file(s), SETTINGS)
                self.assert_settings(s)

    def test_content_errors(self):
        bad = {"duckPercent 24": dict(duckPercent=24), "duckPercent 101": dict(duckPercent=101),
               "fade-out 0": dict(duckFadeOutLength=0), "fade-out 11": dict(duckFadeOutLength=11),
               "fade-in 1": dict(duckFadeInLength=1), "fade-in 17": dict(duckFadeInLength=17),
               "daily 24:00:00": dict(dailyShutdownOn=1, dailyShutdownTime=(24, 0, 0)),
               "weekly minute 60": dict(weeklyShutdownTime=(1, 60, 0)), "restart second -1": dict(restartTime=(1, 0, -1))}
        files = {label: settings_file(settings(**fields)) for label, fields in bad.items()}
        sound = settings_file(settings())
        files.update({"643 bytes": sound[:643], "empty": b"", "byte 627 changed": sound[:627] + b"\x01" + sound[628:]})
        for label, content in files.items():
            with self.subTest(label):
                self.write(content, SETTINGS)
                self.assert_content_error()

    def test_bytes_after_the_digest_are_ignored(self):
        self.write(settings_file(settings(restartOn=1)) + b"\0", SETTINGS)
        self.assert_settings(settings(restartOn=1))


if __name__ == "__main__":
    tool.LVTXCTL = os.path.abspath(sys.argv.pop(1))
    unittest.main()
