"""Runs the built lvtxctl web on a data folder and reads back "网页t" by its byte table: the
password's salt and PBKDF2-HMAC-SHA256 key checked with Python's own, the refusals, and show and
check of sound and damaged files."""
import hashlib
import json
import os
import sys
import unittest

import test_lvtxctl as tool
from web_file import read_web_file, web_file, web_json, web_settings

WEB = "网页t"
CONTENT_ERROR = "读文件失败：\n{}\n\n文件内容有错误\n\n \n"


class WebCommand(tool.LvtxctlCase):
    def setUp(self):
        super().setUp()
        self.path = os.path.join(self.folder.name, WEB)

    def password_file(self, content, name="pw.txt"):
        path = os.path.join(self.folder.name, name)
        with open(path, "wb") as f:
            f.write(content)
        return path

    def stored(self):
        with open(self.path, "rb") as f:
            return read_web_file(f.read())

    def assert_key_of(self, settings, password):
        expected = hashlib.pbkdf2_hmac("sha256", password.encode("utf-8"), settings["salt"], settings["iterations"], 32)
        self.assertEqual(settings["key"], expected)

    def test_a_console_set_up_and_changed(self):
        # A mark, a CRLF line end and a second line, as Notepad leaves them.
        first = self.password_file("\ufeff铃声密码abcd\r\n第二行\n".encode("utf-8"))
        self.assertEqual(self.run_tool("web", "--data", self.folder.name, "--password-file", first, "--on",
                                       "--port", "9000"),
                         (0, "ok: web console on, port 9000\n", ""))
        s = self.stored()
        self.assertEqual((s["on"], s["port"], s["passwordSet"], s["sessionGeneration"], s["algorithm"], s["iterations"]),
                         (1, 9000, 1, 1, 1, 200000))
        self.assert_key_of(s, "铃声密码abcd")
        self.assertEqual(self.run_tool("show", self.path)[1], json.dumps(web_json(s), indent=2, ensure_ascii=False) + "\n")
        self.assertEqual(self.run_tool("check", self.path), (0, "ok: web console on, port 9000\n", ""))

        second = self.password_file(b"another password", "pw2.txt")
        self.assertEqual(self.run_tool("web", "--data", self.folder.name, "--password-file", second)[0], 0)
        t = self.stored()
        self.assertEqual((t["on"], t["port"], t["sessionGeneration"]), (1, 9000, 2))
        self.assertNotEqual(t["salt"], s["salt"])
        self.assert_key_of(t, "another password")

        self.assertEqual(self.run_tool("web", "--data", self.folder.name, "--off"),
                         (0, "ok: web console off, port 9000\n", ""))
        self.assertEqual((self.stored()["on"], self.stored()["sessionGeneration"]), (0, 3))
        self.assertEqual(self.stored()["key"], t["key"])

    def test_refusals_write_nothing(self):
        short = self.password_file("七个字的密码".encode("utf-8") + b"x\n")
        empty = self.password_file(b"\r\nsecret-on-line-two\n", "empty.txt")
        cases = [
            (["--on"], 1, "lvtxctl: 请先设置网页控制台密码（至少8个字符）\n"),
            (["--password-file", short, "--on"], 1, "lvtxctl: 网页控制台密码至少8个字符\n"),
            (["--password-file", empty], 1, "lvtxctl: the first line of %s is empty\n" % empty),
            ([], 1, "lvtxctl: nothing to change; give --on, --off, --port or --password-file\n"),
            (["--password-file", os.path.join(self.folder.name, "none")], 3, None),
            (["--on", "--off"], 1, None),
            (["--port", "65536"], 1, None),
        ]
        for args, code, message in cases:
            with self.subTest(args=args):
                got_code, out, err = self.run_tool("web", "--data", self.folder.name, *args)
                self.assertEqual((got_code, out), (code, ""))
                if message:
                    self.assertEqual(err, message)
                self.assertFalse(os.path.exists(self.path))
        missing = os.path.join(self.folder.name, "missing")
        self.assertEqual(self.run_tool("web", "--data", missing, "--port", "80")[0], 3)

    def test_show_check_and_damaged_files(self):
        sound = web_settings(on=0, port=1, passwordSet=1, sessionGeneration=7, salt=bytes(range(16)),
                             key=bytes(range(32)))
        self.write(web_file(sound), WEB)
        self.assertEqual(self.run_tool("show", self.path)[1], json.dumps(web_json(sound), indent=2) + "\n")
        self.assertEqual(self.run_tool("check", self.path), (0, "ok: web console off, port 1\n", ""))
        self.write(web_file(web_settings()), WEB)
        self.assertEqual(self.run_tool("check", self.path), (0, "ok: web console off, port 8765, no password\n", ""))

        damaged = {"port 0": web_settings(port=0), "port 65536": web_settings(port=65536),
                   "199999 rounds": web_settings(iterations=199999), "on without a password": web_settings(on=1),
                   "another algorithm": web_settings(algorithm=2)}
        for label, s in damaged.items():
            with self.subTest(label):
                self.write(web_file(s), WEB)
                self.assertEqual(self.run_tool("check", self.path), (2, "", CONTENT_ERROR.format(self.path)))
                # The tool reports the damage rather than writing over it.
                self.assertEqual(self.run_tool("web", "--data", self.folder.name, "--port", "80"),
                                 (2, "", CONTENT_ERROR.format(self.path)))
                with open(self.path, "rb") as f:
                    self.assertEqual(f.read(), web_file(s))
        self.write(web_file(web_settings())[:-1], WEB)
        self.assertEqual(self.run_tool("check", "--kind", "web", self.path)[0], 2)


if __name__ == "__main__":
    tool.LVTXCTL = os.path.abspath(sys.argv.pop(1))
    unittest.main()
