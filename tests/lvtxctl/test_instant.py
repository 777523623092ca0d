"""Runs the built lvtxctl on immediate-play lists made from the byte table: show's JSON, check's
verdicts, the load checks, and the names and extensions the load takes from the paths."""
import os
import sys
import unittest

import test_lvtxctl as tool
from instant_file import ITEM_SIZE, instant_file, instant_json, item, options
from test_holidays_settings import DataFileCase

INSTANT = "立即播t"


class InstantFiles(DataFileCase):
    file_name = INSTANT

    def assert_list(self, items, o=None):
        self.assert_shows(instant_json(items, o), "%d item%s" % (len(items), "" if len(items) == 1 else "s"))

    def test_lists_and_options_as_stored(self):
        mixed = [item("D:\\广播\\国歌.WAV", 0, isCurrent=1), item("E:/歌/a.b.c.flac", -1, playedInCycle=1),
                 item("无扩展名", 360000000), item("C:\\点.\\无扩展名", 1, isCurrent=7, playedInCycle=-3),
                 item("\\\\服务器\\共享\\.mp3", 110833)]
        cases = [([], options()), ([item()], options()),
                 (mixed, options(volume=25, mode=0, countMode=0, songCount=0, seconds=0)),
                 # Only song count and seconds are checked among the last three options.
                 ([item()], options(volume=100, mode=2, countMode=-9, songCount=2**31 - 1, seconds=2**31 - 1))]
        for index, (items, o) in enumerate(cases):
            with self.subTest(index=index):
                self.write(instant_file(items, o), INSTANT)
                self.assert_list(items, o)

    def test_names_and_extensions_come_from_the_path(self):
        # The stored name and extension are never trusted, not even when the path has none.
        items = [item("D:\\歌\\真名.mp3", name="假名.wma", ext=".wma"), item("D:\\歌\\", name="x.mp3", ext=".mp3"),
                 item("D:\\歌\\名\0残留.wav", name="名" * 260, ext="e" * 260)]
        self.write(instant_file(items), INSTANT)
        self.assert_list(items)

    def test_path_never_uses_its_last_unit(self):
        # 260 units without a NUL: the 260th is dropped, so ".mp3" shows as ".mp".
        path = "D:\\歌\\" + "长" * 251 + ".mp3"
        self.assertEqual(len(path), 260)
        self.write(instant_file([item(path)]), INSTANT)
        code, out, _ = self.run_tool("show", self.path)
        self.assertEqual(code, 0)
        self.assertIn('"ext": ".mp"', out)
        self.assert_list([item(path)])

    def test_most_items(self):
        self.write(instant_file([item("D:\\歌\\%d.mp3" % i) for i in range(300)]), INSTANT)
        self.assertEqual(self.run_tool("check", self.path), (0, "ok: 300 items\n", ""))

    def test_each_load_check(self):
        bad_options = {"volume 24": dict(volume=24), "volume 101": dict(volume=101), "mode 3": dict(mode=3),
                       "mode -1": dict(mode=-1), "song count -1": dict(songCount=-1), "seconds -1": dict(seconds=-1)}
        files = {label: instant_file([item()], options(**fields)) for label, fields in bad_options.items()}
        # A bad item second: the whole list is refused.
        for duration in (-2, 360000001, -2**31):
            files["duration %d" % duration] = instant_file([item(), item(durationMs=duration)])
        files["301 items"] = instant_file([item()] * 301)
        files["count -1"] = instant_file([item()], count=-1)
        files["count above the items"] = instant_file([item()], count=2)
        sound = instant_file([item(), item("D:\\歌\\二.mp3")])
        cuts = {"empty": 0, "in the count": 10, "in an item": 12 + ITEM_SIZE + 7, "no options": 12 + 2 * ITEM_SIZE,
                "no digest": len(sound) - 16, "in the digest": len(sound) - 1}
        files.update({"cut " + label: sound[:cut] for label, cut in cuts.items()})
        for offset in (0, 12 + 520, 12 + ITEM_SIZE + 1560, len(sound) - 17, len(sound) - 1):
            files["byte %d changed" % offset] = sound[:offset] + bytes([sound[offset] ^ 1]) + sound[offset + 1:]
        for label, content in files.items():
            with self.subTest(label):
                self.write(content, INSTANT)
                self.assert_content_error()

    def test_a_new_installation_shows_the_sample_song(self):
        # With neither the file nor its companion, the list of a new installation, its song in
        # the music folder beside the tool.
        music = os.path.join(os.path.dirname(os.path.realpath(tool.LVTXCTL)), "music")
        self.assert_list([item(music + "/歌曲\\莱芜南冶.mp3", 110833)])
        self.write(instant_file([item("D:\\残留.mp3")]), INSTANT + "Tmp")
        self.assert_list([item("D:\\残留.mp3")])
        self.write(b"\0", INSTANT + "Tmp")
        self.assert_content_error(self.path + "Tmp")

    def test_kind_from_the_option(self):
        self.write(instant_file([item()]), "copy.bin")
        other = os.path.join(self.folder.name, "copy.bin")
        self.assertEqual(self.run_tool("check", "--kind", "instant", other), (0, "ok: 1 item\n", ""))
        self.assertEqual(self.run_tool("check", "--kind", "programs", other)[0], 2)


if __name__ == "__main__":
    tool.LVTXCTL = os.path.abspath(sys.argv.pop(1))
    unittest.main()
