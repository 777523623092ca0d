"""Runs the built lvtxctl backup and restore on data folders made from the byte tables: the
backup file read back by its documented layout, restores whole and in part, and refusals that
leave the data folder as it was."""
import glob
import hashlib
import os
import struct
import sys
import unittest

import test_lvtxctl as tool
from holiday_file import holiday, holidays_file, shift_day
from program_file import program, programs_file

PROGRAMS = "定时播t"
HOLIDAYS = "节假日t"
RESET_STAMP = (2000, 1, 6, 1, 12, 0, 0, 0)
CONTENT_ERROR = "读文件失败：\n{}\n\n文件内容有错误\n\n \n"

SCHOOL_DAY = [program(name="上课铃", startTimes=[(8, 0, 0)]), program(name="眼保健操", startTimes=[(10, 0, 0)])]
SPRING = [holiday("春节", (2027, 2, 5, 0, 2027, 2, 20, 24))]
SATURDAY = [shift_day((2027, 2, 27), (2027, 2, 22))]


def stored(programs):
    """The programs file as the program saves a loaded list: every last start reset."""
    return programs_file([dict(p, lastStart=RESET_STAMP) for p in programs])


def parse_backup(data):
    """The backup by its documented layout: magic, lists, two sized files, the MD5 of all before."""
    assert data[:8] == b"LVTXBAK1"
    lists, size = struct.unpack_from("<II", data, 8)
    programs = data[16:16 + size]
    at = 16 + size
    (size,) = struct.unpack_from("<I", data, at)
    calendar = data[at + 4:at + 4 + size]
    at += 4 + size
    assert data[at:] == hashlib.md5(data[:at]).digest()
    return lists, programs, calendar


class BackupCase(tool.LvtxctlCase):
    def setUp(self):
        super().setUp()
        self.data = os.path.join(self.folder.name, "lvtx.10")
        os.mkdir(self.data)
        self.backup = os.path.join(self.folder.name, "岚铃备份 2026-12-09.lvtxbak")

    def store(self, programs, holidays, shift_days):
        for name, content in ((PROGRAMS, programs_file(programs)), (HOLIDAYS, holidays_file(holidays, shift_days))):
            with open(os.path.join(self.data, name), "wb") as f:
                f.write(content)

    def folder_bytes(self):
        result = {}
        for name in sorted(os.listdir(self.data)):
            with open(os.path.join(self.data, name), "rb") as f:
                result[name] = f.read()
        return result

    def read(self, name):
        with open(os.path.join(self.data, name), "rb") as f:
            return f.read()

    def test_full_backup_holds_the_files_as_stored_and_restores_them_keeping_dated_copies(self):
        self.store(SCHOOL_DAY, SPRING, SATURDAY)
        before = self.folder_bytes()
        self.assertEqual(self.run_tool("backup", "--data", self.data, "--out", self.backup),
                         (0, "ok: 节目单、节假日、调休 -> %s\n" % self.backup, ""))
        with open(self.backup, "rb") as f:
            self.assertEqual(parse_backup(f.read()), (7, before[PROGRAMS], before[HOLIDAYS]))

        self.store([program(name="新节目")], [], [])
        changed = self.folder_bytes()
        code, out, err = self.run_tool("restore", "--data", self.data, self.backup)
        self.assertEqual((code, err), (0, ""), err)
        self.assertEqual(self.read(PROGRAMS), stored(SCHOOL_DAY))
        self.assertEqual(self.read(HOLIDAYS), before[HOLIDAYS])
        copies = sorted(glob.glob(os.path.join(self.data, "* 还原前 *")))
        self.assertEqual([os.path.basename(c).split(" ")[0] for c in copies], [PROGRAMS, HOLIDAYS])
        for copy in copies:
            with open(copy, "rb") as f:
                self.assertEqual(f.read(), changed[os.path.basename(copy).split(" ")[0]])
        self.assertEqual(out, "ok: 节目单、节假日、调休 restored\n" + "".join("kept: %s\n" % c for c in copies))
        self.assertFalse(os.path.exists(os.path.join(self.data, PROGRAMS + "Tmp")))

    def test_one_list_of_the_holiday_file_is_restored_and_the_other_kept(self):
        self.store(SCHOOL_DAY, SPRING, SATURDAY)
        code, _, _ = self.run_tool("backup", "--data", self.data, "--out", self.backup, "--holidays")
        self.assertEqual(code, 0)
        with open(self.backup, "rb") as f:
            lists, programs, calendar = parse_backup(f.read())
        self.assertEqual((lists, programs, calendar), (2, b"", holidays_file(SPRING, SATURDAY)))

        summer = [holiday("暑假", (2027, 7, 10, 0, 2027, 8, 31, 24))]
        other = [shift_day((2027, 3, 6), (2027, 3, 1), remark="")]
        self.store(SCHOOL_DAY, summer, other)
        code, out, err = self.run_tool("restore", "--data", self.data, self.backup, "--holidays")
        self.assertEqual((code, err), (0, ""))
        self.assertTrue(out.startswith("ok: 节假日 restored\nkept: "))
        self.assertEqual(self.read(HOLIDAYS), holidays_file(SPRING, other))
        self.assertEqual(self.read(PROGRAMS), programs_file(SCHOOL_DAY), "the programs file is not touched")

    def test_refusals_say_why_and_change_nothing(self):
        self.store(SCHOOL_DAY, SPRING, SATURDAY)
        self.assertEqual(self.run_tool("backup", "--data", self.data, "--out", self.backup, "--programs",
                                       "--holidays")[0], 0)
        with open(self.backup, "rb") as f:
            sound = f.read()
        damaged = bytearray(sound)
        damaged[200] ^= 1
        bad_program = program(volume=24)
        inner = b"\x01\x00\x00\x00" + struct.pack("<I", len(programs_file([bad_program]))) + \
            programs_file([bad_program]) + struct.pack("<I", 0)
        rejected = b"LVTXBAK1" + inner + hashlib.md5(b"LVTXBAK1" + inner).digest()
        path = self.backup
        cases = [
            ("a changed byte", bytes(damaged), [], 2, "备份文件已损坏（校验码不符），不能还原：\n%s\n\n \n" % path),
            ("cut short", sound[:-20], [], 2, "备份文件不完整，不能还原：\n%s\n\n \n" % path),
            ("not a backup", b"hello", [], 2, "不是本软件的备份文件，不能还原：\n%s\n\n \n" % path),
            ("no shift days in it", sound, ["--shift-days"], 2,
             "该备份文件中没有 {调休}，不能还原：\n%s\n\n请取消勾选 {调休} 再还原\n \n" % path),
            ("nor when all are wanted", sound, [], 2,
             "该备份文件中没有 {调休}，不能还原：\n%s\n\n请取消勾选 {调休} 再还原\n \n" % path),
            ("a programs file its loader rejects", rejected, ["--programs"], 2,
             "备份文件中的 {节目单} 内容有错误，不能还原：\n%s\n\n \n" % path),
        ]
        before = self.folder_bytes()
        for what, content, flags, code, message in cases:
            with self.subTest(what):
                with open(self.backup, "wb") as f:
                    f.write(content)
                self.assertEqual(self.run_tool("restore", "--data", self.data, self.backup, *flags),
                                 (code, "", message))
                self.assertEqual(self.folder_bytes(), before)
        os.remove(self.backup)
        self.assertEqual(self.run_tool("restore", "--data", self.data, self.backup),
                         (3, "", "找不到备份文件：\n%s\n\n \n" % path))

    def test_a_damaged_data_file_is_not_backed_up(self):
        self.store(SCHOOL_DAY, SPRING, SATURDAY)
        with open(os.path.join(self.data, PROGRAMS), "ab") as f:
            f.truncate(100)
        self.assertEqual(self.run_tool("backup", "--data", self.data, "--out", self.backup),
                         (2, "", CONTENT_ERROR.format(os.path.join(self.data, PROGRAMS))))
        self.assertFalse(os.path.exists(self.backup))
        missing = os.path.join(self.folder.name, "lvtx.11")
        self.assertEqual(self.run_tool("backup", "--data", missing, "--out", self.backup),
                         (3, "", "lvtxctl: %s is no data folder\n" % missing))


if __name__ == "__main__":
    tool.LVTXCTL = os.path.abspath(sys.argv.pop(1))
    unittest.main()
