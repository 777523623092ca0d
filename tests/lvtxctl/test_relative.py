"""Runs every lvtxctl command with data folders and files named relative to its working folder
("数据", "数据/", ".", "../数据"): each must act on the same files as with the full path, and a
backup or restore must write there and nowhere else."""
import os
import sys
import unittest

import test_lvtxctl as tool
from holiday_file import holidays_file
from program_file import program, programs_file
from test_backup import HOLIDAYS, PROGRAMS, SATURDAY, SCHOOL_DAY, SPRING, parse_backup, stored

MONDAY_PLAN = "2027-03-01 08:00:00\t上课铃\n2027-03-01 10:00:00\t眼保健操\n"


def tree(folder):
    """Every file below `folder` by its relative path, with its bytes."""
    files = {}
    for parent, _, names in os.walk(folder):
        for name in names:
            path = os.path.join(parent, name)
            with open(path, "rb") as f:
                files[os.path.relpath(path, folder)] = f.read()
    return files


class RelativeCase(tool.LvtxctlCase):
    def setUp(self):
        super().setUp()
        self.work = os.path.join(self.folder.name, "工作")
        self.data = os.path.join(self.work, "数据")
        self.sibling = os.path.join(self.work, "其他")
        for folder in (self.data, self.sibling):
            os.makedirs(folder)
        for name, content in ((PROGRAMS, programs_file(SCHOOL_DAY)), (HOLIDAYS, holidays_file(SPRING, SATURDAY))):
            with open(os.path.join(self.data, name), "wb") as f:
                f.write(content)
        self.stored = tree(self.data)
        # Each data folder as a relative path, with the working folder it is relative to.
        self.relative_folders = [(self.work, "数据"), (self.work, "数据/"), (self.work, "./数据"),
                                 (self.data, "."), (self.sibling, "../数据")]

    def test_show_and_check_read_the_file_the_full_path_names(self):
        for name in (PROGRAMS, HOLIDAYS):
            for command in ("show", "check"):
                expected = self.run_tool(command, os.path.join(self.data, name))
                self.assertEqual(expected[0], 0)
                for cwd, path in ((self.work, "数据/" + name), (self.data, name), (self.data, "./" + name),
                                  (self.sibling, "../数据/" + name)):
                    with self.subTest(command=command, path=path):
                        self.assertEqual(self.run_tool(command, path, cwd=cwd), expected)
        with open(os.path.join(self.data, PROGRAMS), "ab") as f:
            f.truncate(100)
        self.assertEqual(self.run_tool("check", PROGRAMS, cwd=self.data),
                         (2, "", tool.CONTENT_ERROR.format(os.path.join(self.data, PROGRAMS))),
                         "the message names the file by its full path")

    def test_eligible_and_plan_read_the_schedule_of_a_relative_folder(self):
        eligible = ("eligible", "--at", "2027-03-01 08:00:00")
        plan = ("plan", "--from", "2027-03-01 07:59:00", "--to", "2027-03-01 10:00:30")
        expected_eligible = self.run_tool(*eligible, "--data", self.data)
        self.assertIn("上课铃", expected_eligible[1])
        self.assertEqual(self.run_tool(*plan, "--data", self.data), (0, MONDAY_PLAN, ""))
        for cwd, folder in self.relative_folders:
            with self.subTest(folder=folder, cwd=os.path.relpath(cwd, self.work)):
                self.assertEqual(self.run_tool(*eligible, "--data", folder, cwd=cwd), expected_eligible)
                self.assertEqual(self.run_tool(*plan, "--data", folder, cwd=cwd), (0, MONDAY_PLAN, ""))

    def test_backup_reads_a_relative_folder_and_writes_a_relative_file(self):
        for cwd, folder in self.relative_folders:
            for out in ("备份.lvtxbak", "../备份.lvtxbak"):
                with self.subTest(folder=folder, out=out, cwd=os.path.relpath(cwd, self.work)):
                    before = tree(self.folder.name)
                    target = os.path.normpath(os.path.join(cwd, out))
                    self.assertEqual(self.run_tool("backup", "--data", folder, "--out", out, cwd=cwd),
                                     (0, "ok: 节目单、节假日、调休 -> %s\n" % target, ""))
                    with open(target, "rb") as f:
                        self.assertEqual(parse_backup(f.read()), (7, self.stored[PROGRAMS], self.stored[HOLIDAYS]))
                    os.remove(target)
                    self.assertEqual(tree(self.folder.name), before, "nothing else was written")

    def test_restore_into_a_new_or_the_working_folder_from_a_relative_file(self):
        self.assertEqual(self.run_tool("backup", "--data", "数据", "--out", "备份.lvtxbak", cwd=self.work)[0], 0)
        restored = {PROGRAMS: stored(SCHOOL_DAY), HOLIDAYS: self.stored[HOLIDAYS]}

        # A folder that does not exist yet is made, as the program makes its own.
        code, out, err = self.run_tool("restore", "--data", "c", "备份.lvtxbak", cwd=self.work)
        self.assertEqual((code, out, err), (0, "ok: 节目单、节假日、调休 restored\n", ""))
        self.assertEqual(tree(os.path.join(self.work, "c")), restored)
        self.assertEqual(sorted(os.listdir(self.work)), sorted(["c", "数据", "其他", "备份.lvtxbak"]))

        # The working folder itself, holding other lists: they are kept beside it under their dated names.
        with open(os.path.join(self.data, PROGRAMS), "wb") as f:
            f.write(programs_file([program(name="新节目")]))
        changed = tree(self.data)
        code, out, err = self.run_tool("restore", "--data", ".", "../备份.lvtxbak", "--programs", cwd=self.data)
        self.assertEqual((code, err), (0, ""), err)
        files = tree(self.data)
        copies = sorted(name for name in files if " 还原前 " in name)
        self.assertEqual(out, "ok: 节目单 restored\n" + "".join("kept: %s\n" % os.path.join(self.data, c)
                                                                  for c in copies))
        self.assertEqual([c.split(" ")[0] for c in copies], [PROGRAMS])
        self.assertEqual(files, {PROGRAMS: restored[PROGRAMS], HOLIDAYS: self.stored[HOLIDAYS],
                                 copies[0]: changed[PROGRAMS]})


if __name__ == "__main__":
    tool.LVTXCTL = os.path.abspath(sys.argv.pop(1))
    unittest.main()
