"""Runs the built lvtxctl on programs files made from the record layout: show's JSON,
check's exit codes and the exact messages the program would show."""
import json
import os
import subprocess
import sys
import tempfile
import unittest

from program_file import RECORD_SIZE, program, programs_file

LVTXCTL = None
FILE_NAME = "定时播t"
CONTENT_ERROR = "读文件失败：\n{}\n\n文件内容有错误\n\n \n"


def expected_json(p):
    """What show prints for a program; lastStart is never shown."""
    date_keys = ["startYear", "startMonth", "startDay", "startHour", "endYear", "endMonth", "endDay", "endHour"]
    return {
        "name": p["name"].split("\0")[0][:63], "isFile": p["isFile"], "path": p["path"].split("\0")[0][:259],
        "sequential": p["sequential"], "volume": p["volume"],
        "startTimes": ["%02d:%02d:%02d" % t for t in p["startTimes"][:p["startTimeCount"]]],
        "countMode": p["countMode"], "songCount": p["songCount"], "seconds": p["seconds"],
        "byWeekday": p["byWeekday"], "weekdays": p["weekdays"], "monthDays": p["monthDays"],
        "dateRange": dict(zip(date_keys, p["dateRange"])), "delayable": p["delayable"], "disabled": p["disabled"],
    }


def days(*chosen):
    return [1 if i + 1 in chosen else 0 for i in range(31)]


class LvtxctlCase(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()
        self.addCleanup(self.folder.cleanup)
        self.path = os.path.join(self.folder.name, FILE_NAME)

    def write(self, content, name=FILE_NAME):
        with open(os.path.join(self.folder.name, name), "wb") as f:
            f.write(content)

    def run_tool(self, *args, cwd=None):
        done = subprocess.run([LVTXCTL, *args], capture_output=True, cwd=cwd, timeout=60)
        return done.returncode, done.stdout.decode("utf-8"), done.stderr.decode("utf-8")

    def assert_shows(self, programs, path=None):
        # The whole text is compared: key order, indentation and UTF-8 all count.
        code, out, err = self.run_tool("show", path or self.path)
        self.assertEqual((code, err), (0, ""))
        self.assertEqual(out, json.dumps({"programs": [expected_json(p) for p in programs]},
                                         indent=2, ensure_ascii=False) + "\n")
        code, out, err = self.run_tool("check", path or self.path)
        self.assertEqual((code, out, err), (0, "ok: %d program%s\n" % (len(programs), "" if len(programs) == 1 else "s"), ""))

    def assert_content_error(self, shown_path=None):
        message = CONTENT_ERROR.format(shown_path or self.path)
        for command in ("check", "show"):
            self.assertEqual(self.run_tool(command, self.path), (2, "", message), command)


class SoundFiles(LvtxctlCase):
    def test_whole_lists_in_file_order(self):
        folder_program = program(name="眼保健操 第二节", isFile=0, path="D:\\广播\\眼操", sequential=1, volume=25,
                                 startTimes=[(0, 0, 0), (9, 30, 5), (23, 59, 59)], countMode=0, songCount=0,
                                 seconds=1, byWeekday=0, weekdays=[0] * 7, monthDays=days(1, 31),
                                 dateRange=(1853, 1, 1, 0, 9999, 12, 31, 24), delayable=1, disabled=1)
        for programs in ([], [program()], [program(name="上课铃"), folder_program, program(name="Break", volume=100)]):
            with self.subTest(count=len(programs)):
                self.write(programs_file(programs))
                self.assert_shows(programs)

    def test_texts_end_at_nul_or_capacity(self):
        for p in (program(name="名" * 64), program(path="p" * 260), program(name="午休\0残留", path="a\0b")):
            with self.subTest(name=p["name"][:3]):
                self.write(programs_file([p]))
                self.assert_shows([p])

    def test_only_used_start_times_are_shown(self):
        # Unused entries past the count are not examined by the load.
        p = program(startTimes=[(8, 0, 0), (9, 0, 0), (99, 99, 99)], startTimeCount=2)
        self.write(programs_file([p]))
        self.assert_shows([p])

    def test_limits_that_still_load(self):
        limits = (program(startTimes=[(7, 0, s % 60) for s in range(512)]),
                  program(countMode=1, songCount=1, seconds=0), program(countMode=0, seconds=1, songCount=-5),
                  program(dateRange=(2000, 2, 29, 8, 2000, 2, 29, 9)), program(dateRange=(2024, 2, 29, 0, 2024, 3, 1, 0)))
        for index, p in enumerate(limits):
            with self.subTest(index=index):
                self.write(programs_file([p]))
                self.assert_shows([p])

    def test_most_programs(self):
        self.write(programs_file([program(name="节目%d" % i) for i in range(256)]))
        self.assertEqual(self.run_tool("check", self.path), (0, "ok: 256 programs\n", ""))

    def test_bytes_after_the_digest_are_ignored(self):
        self.write(programs_file([program()]) + b"\x01\x02")
        self.assert_shows([program()])


class ContentErrors(LvtxctlCase):
    def test_each_record_check(self):
        cases = {
            "volume 24": dict(volume=24), "volume 101": dict(volume=101),
            "no start time": dict(startTimes=[], startTimeCount=0),
            "513 start times": dict(startTimes=[(8, 0, 0)] * 512, startTimeCount=513),
            "hour 24": dict(startTimes=[(8, 0, 0), (24, 0, 0)]), "hour -1": dict(startTimes=[(-1, 0, 0)]),
            "minute 60": dict(startTimes=[(8, 60, 0)]), "second 60": dict(startTimes=[(8, 0, 60)]),
            "songCount 0": dict(countMode=1, songCount=0), "countMode 2, songCount 0": dict(countMode=2, songCount=0),
            "seconds 0": dict(countMode=0, seconds=0),
            "no weekday": dict(byWeekday=1, weekdays=[0] * 7, monthDays=days(5)),
            "no month day": dict(byWeekday=0, monthDays=[0] * 31),
            "29 Feb 1900": dict(dateRange=(1900, 2, 29, 0, 2099, 12, 31, 24)),
            "29 Feb 2100": dict(dateRange=(2000, 1, 1, 0, 2100, 2, 29, 24)),
            "31 April": dict(dateRange=(2000, 4, 31, 0, 2099, 12, 31, 24)),
            "month 13": dict(dateRange=(2000, 13, 1, 0, 2099, 12, 31, 24)),
            "year 1852": dict(dateRange=(1852, 12, 31, 0, 2099, 12, 31, 24)),
            "year 10000": dict(dateRange=(2000, 1, 1, 0, 10000, 1, 1, 0)),
            "end hour 25": dict(dateRange=(2000, 1, 1, 0, 2099, 12, 31, 25)),
            "start equals end": dict(dateRange=(2024, 5, 6, 8, 2024, 5, 6, 8)),
            "end before start": dict(dateRange=(2024, 5, 6, 0, 2024, 5, 5, 24)),
        }
        for label, fields in cases.items():
            with self.subTest(label):
                # The bad record comes second: the whole file is refused, not just the record.
                self.write(programs_file([program(), program(**fields)]))
                self.assert_content_error()

    def test_counts_out_of_range(self):
        for count in (257, -1):
            with self.subTest(count=count):
                self.write(programs_file([program()], count=count))
                self.assert_content_error()

    def test_truncated_or_changed(self):
        sound = programs_file([program(), program(name="午休")])
        cuts = {"empty": 0, "in the count": 3, "in a record": 4 + RECORD_SIZE + 100,
                "in the digest": len(sound) - 1, "no digest": len(sound) - 16}
        files = {label: sound[:cut] for label, cut in cuts.items()}
        for offset in (0, 4 + 660, len(sound) - RECORD_SIZE - 16 + 6820, len(sound) - 1):
            files["byte %d changed" % offset] = sound[:offset] + bytes([sound[offset] ^ 0x40]) + sound[offset + 1:]
        for label, content in files.items():
            with self.subTest(label):
                self.write(content)
                self.assert_content_error()


class FileChoice(LvtxctlCase):
    def test_missing_file_is_empty(self):
        self.assert_shows([])

    def test_folder_in_place_of_the_file_is_absent(self):
        os.mkdir(self.path)
        self.assert_shows([])

    def test_companion_read_when_the_file_is_missing(self):
        self.write(programs_file([program(name="残留")]), FILE_NAME + "Tmp")
        self.assert_shows([program(name="残留")])
        self.write(b"\0", FILE_NAME + "Tmp")
        self.assert_content_error(self.path + "Tmp")

    def test_file_preferred_over_companion(self):
        self.write(programs_file([program(name="正式")]))
        self.write(b"bad", FILE_NAME + "Tmp")
        self.assert_shows([program(name="正式")])

    def test_kind_from_name_option_or_neither(self):
        self.write(programs_file([program()]), "copy.bin")
        other = os.path.join(self.folder.name, "copy.bin")
        self.assertEqual(self.run_tool("check", "--kind", "programs", other)[0], 0)
        self.assertEqual(self.run_tool("check", other)[0], 1)
        self.write(programs_file([program()]), FILE_NAME + "Tmp")
        self.assert_shows([program()], path=self.path + "Tmp")
        # A bare name lies in the working folder; only its companion is there.
        self.assertEqual(self.run_tool("check", FILE_NAME, cwd=self.folder.name), (0, "ok: 1 program\n", ""))

    def test_read_failure_is_input_output(self):
        os.symlink("/proc/self/mem", self.path)  # exists, but every read fails
        for command in ("check", "show"):
            code, out, err = self.run_tool(command, self.path)
            self.assertEqual((code, out), (3, ""), command)
            self.assertTrue(err.startswith("读文件失败：\n%s\n\n" % self.path), err)
            self.assertTrue(err.endswith("\n\n专家在线 - 主界面左侧点 {帮助栏}\n"), err)

    def test_usage_errors(self):
        for args in ([], ["show"], ["check", "--bogus", self.path], ["show", "--kind", "music", self.path], ["list", self.path]):
            with self.subTest(args=args):
                code, out, err = self.run_tool(*args)
                self.assertEqual(code, 1)
                self.assertNotEqual(out + err, "")


if __name__ == "__main__":
    LVTXCTL = os.path.abspath(sys.argv.pop(1))
    unittest.main()
