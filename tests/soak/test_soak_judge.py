"""The soak run's judgement (scripts/soak_judge.py) on made-up logs and samples: what counts as a
rung bell, a failure line, a start without an end, a rising count and too much memory, and the
midnight part's verdict; and the midnight plan's weekday programs (scripts/soak_data.py)."""
import datetime
import os
import sys
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "scripts"))
import soak_data  # noqa: E402
import soak_judge as judge  # noqa: E402

T0 = datetime.datetime(2026, 12, 10, 8, 0, 0)


def at(seconds):
    return T0 + datetime.timedelta(seconds=seconds)


def log_bytes(lines):
    text = "".join(f"{t:%Y-%m-%d %H:%M:%S}   {line}\r\n" for t, line in lines)
    return b"\xff\xfe" + text.encode("utf-16-le")


def bell_lines(name, seconds):
    return sorted([(at(s), f"{name} ◆ 开始播放") for s in seconds] + [(at(s + 1), f"{name} ◆ 播放结束") for s in seconds])


def sample(minute, rss, platform_rss, threads=40, handles=300, instant=None, platform_plays=None,
           platform_handles=900):
    return {"time": at(60 * minute + 25), "pid": 7, "rssKiB": rss, "threads": threads, "fds": 50,
            "handles": handles, "winThreads": threads, "instantItems": 3 * minute if instant is None else instant,
            "platformRssKiB": platform_rss, "platformPlays": 12 * minute if platform_plays is None else platform_plays,
            "platformHandles": platform_handles}


class LogReading(unittest.TestCase):
    def test_a_log_file_parses_and_only_play_events_and_the_programs_own_lines_are_clean(self):
        lines = judge.parse_log(log_bytes(
            [(at(0), "软件启动")] + bell_lines("上课铃1", [10]) +
            [(at(12), "课间歌曲1 ◆ 开始播放 ◆ 歌1.mp3"), (at(14), "课间歌曲1 ◆ 音频切换 ◆ 歌2.mp3"),
             (at(16), "课间歌曲1 ◆ 播放结束"), (at(20), "软件关闭")]))
        self.assertEqual(len(lines), 7)
        self.assertEqual(judge.failures(lines), [])
        self.assertEqual(judge.unended_starts(lines), [])
        self.assertEqual(judge.plays_between(lines, at(0), at(20)), 3)

    def test_every_other_line_is_a_failure(self):
        lines = [(at(1), "上课铃1 ◆ 播放失败 ◆ 音频设备无效"), (at(2), "课间歌曲1 ◆ 音频失败(跳过) ◆ 歌1.mp3 ◆ x"),
                 (at(3), "课间歌曲1 ◆ 终止播放… ◆ 别的节目要播: 上课铃1 ◆ 参看:节目属性→准时播/可延迟"),
                 (at(4), "软件异常终止 - 0xc0000005 ◆ 已自动重启"), (at(5), "上课铃1 ◆ 排队等候")]
        self.assertEqual(len(judge.failures(lines)), 5)

    def test_a_malformed_line_is_refused(self):
        with self.assertRaises(ValueError):
            judge.parse_log(b"\xff\xfe" + "2026-12-10 08:00:00 软件启动\r\n".encode("utf-16-le"))


class Bells(unittest.TestCase):
    def test_each_due_bell_needs_a_start_of_its_own_within_the_start_window(self):
        # 上课铃2 is the same plan program split over records; a start 4 s late still rings;
        # two starts for one due time do not make up for a silent one.
        lines = bell_lines("上课铃1", [0, 14]) + bell_lines("上课铃2", [44, 47])
        rung, missing = judge.bells_rung(lines, "上课铃", [at(0), at(10), at(20), at(30), at(40)])
        self.assertEqual(rung, [at(0), at(10), at(40)])
        self.assertEqual(missing, [at(20), at(30)])

    def test_a_failed_bell_is_missing_itself_though_the_next_one_rang_within_its_window(self):
        lines = bell_lines("上课铃1", [0]) + [(at(10), "上课铃1 ◆ 播放失败 ◆ 音频设备无效")] + bell_lines("上课铃1", [20, 30])
        rung, missing = judge.bells_rung(lines, "上课铃", [at(0), at(10), at(20), at(30)])
        self.assertEqual(missing, [at(10)])

    def test_a_start_without_its_end_is_found_unless_it_may_still_be_playing(self):
        lines = [(at(0), "上课铃1 ◆ 开始播放"), (at(10), "上课铃1 ◆ 开始播放"), (at(11), "上课铃1 ◆ 播放结束"),
                 (at(20), "课间歌曲1 ◆ 开始播放 ◆ 歌1.mp3"), (at(40), "上课铃1 ◆ 开始播放"), (at(42), "软件关闭")]
        self.assertEqual(judge.unended_starts(lines), [(at(0), "上课铃1"), (at(20), "课间歌曲1")])


class Rising(unittest.TestCase):
    def test_only_a_last_third_above_the_first_by_more_than_the_margin_rises(self):
        self.assertFalse(judge.keeps_rising([40, 44, 41, 43, 42, 44], 3))  # graphs come and go
        self.assertFalse(judge.keeps_rising([40, 40, 60, 40, 41], 3))  # one busy moment
        self.assertTrue(judge.keeps_rising([40, 41, 43, 45, 48], 3))
        self.assertTrue(judge.keeps_rising([300, 300, 300, 300, 325], 24))
        self.assertFalse(judge.keeps_rising([300, 400], 24))  # too few samples to tell
        threads = judge.RISE_MARGIN["threads"]
        self.assertFalse(judge.keeps_rising([20, 19, 24, 24, 24], threads))  # a pool of Wine's grew once
        self.assertTrue(judge.keeps_rising([20, 32, 44, 56, 68], threads))  # a thread left by every play


class Handles(unittest.TestCase):
    def test_rising_handles_fail_only_when_they_rise_faster_per_play_than_the_platforms(self):
        lines = Memory.timed_lines(5)  # 9 timed plays a minute, 3 immediate ones in the samples
        flat = [sample(m, 0, 0, handles=300 + (m % 2) * 10, platform_handles=900) for m in range(1, 6)]
        self.assertTrue(judge.handle_verdict(flat, lines)[0])
        # Wine's own graph leaks handles with every play: 4 a play beside its 60 passes...
        like_wine = [sample(m, 0, 0, handles=300 + 48 * m, platform_handles=900 + 720 * m) for m in range(1, 6)]
        self.assertTrue(judge.handle_verdict(like_wine, lines)[0])
        # ...but not beside a platform that keeps its count.
        alone = [sample(m, 0, 0, handles=300 + 48 * m, platform_handles=900) for m in range(1, 6)]
        ok, report = judge.handle_verdict(alone, lines)
        self.assertFalse(ok, report)


class EndlessRun(unittest.TestCase):
    def test_the_run_must_start_an_item_between_every_two_samples(self):
        playing = [sample(m, 0, 0) for m in range(1, 6)]
        self.assertTrue(judge.instant_verdict(playing)[0])
        # Ended by a failure at minute 3: the page shows no run, or the count stands still.
        for stopped in (-1, 6):
            samples = [sample(m, 0, 0, instant=3 * m if m < 3 else stopped) for m in range(1, 6)]
            ok, report = judge.instant_verdict(samples)
            self.assertFalse(ok, report)
            self.assertIn("08:03", report[-1])
        self.assertFalse(judge.instant_verdict([sample(1, 0, 0, instant=-1)])[0], "never started")


class Memory(unittest.TestCase):
    # 16 log rows and 12 plays a minute: 6 bells, 3 songs and (in the samples) 3 immediate items.
    @staticmethod
    def timed_lines(minutes):
        lines = [(at(0), "软件启动")]
        for m in range(minutes + 1):
            lines += bell_lines("上课铃1", [60 * m + 10 * k for k in range(6)])
            lines += [(at(60 * m + 2), "课间歌曲1 ◆ 开始播放 ◆ 歌1.mp3")]
            lines += [(at(60 * m + 4 + k), "课间歌曲1 ◆ 音频切换 ◆ 歌.mp3") for k in range(2)]
            lines += [(at(60 * m + 8), "课间歌曲1 ◆ 播放结束")]
        return sorted(lines)

    def test_a_short_run_allows_for_the_log_rows(self):
        lines = Memory.timed_lines(5)
        # 48 plays each; the rows cost about 96 KiB a minute, the platform 12 KiB a play.
        same = [sample(m, 50000 + 96 * m + 12 * 12 * m, 30000 + 12 * 12 * m) for m in range(1, 6)]
        self.assertTrue(judge.memory_verdict(same, lines)[0])
        # A short run's allowances hide a small leak; one of 100 KiB a play still shows.
        leaking = [sample(m, 50000 + 96 * m + 100 * 12 * m, 30000 + 12 * 12 * m) for m in range(1, 6)]
        ok, report = judge.memory_verdict(leaking, lines)
        self.assertFalse(ok, report)

    def test_a_long_run_measures_after_the_log_list_first_emptied(self):
        lines = Memory.timed_lines(40)
        # The rows' growth stops at minute 16; from then on both grow 12 KiB a play.
        rss = [50000 + 1500 * min(m, 16) + 144 * m for m in range(1, 41)]
        samples = [sample(m, rss[m - 1], 30000 + 144 * m) for m in range(1, 41)]
        ok, report = judge.memory_verdict(samples, lines)
        self.assertTrue(ok, report)
        self.assertIn("after the on-screen log first emptied", report[0])
        # Growth beyond the platform's after that point is caught, though small beside the rows'.
        samples = [sample(m, rss[m - 1] + 200 * max(m - 16, 0), 30000 + 144 * m) for m in range(1, 41)]
        self.assertFalse(judge.memory_verdict(samples, lines)[0])

    def test_one_sample_off_the_line_hardly_moves_the_growth(self):
        # 100 KiB a minute for 30 minutes; the last sample dips 3 MiB as a graph's memory goes,
        # another jumps 3 MiB up.
        samples = [sample(m, 50000 + 100 * m, 0) for m in range(1, 31)]
        samples[-1]["rssKiB"] -= 3072
        samples[10]["rssKiB"] += 3072
        self.assertAlmostEqual(judge.fitted_growth(samples, "rssKiB"), 2900, delta=150)

    def test_no_plays_is_no_verdict(self):
        samples = [sample(m, 50000, 30000, instant=0, platform_plays=0) for m in range(1, 4)]
        self.assertFalse(judge.memory_verdict(samples, [(at(0), "软件启动")])[0])


class MainPlan(unittest.TestCase):
    def test_a_long_run_splits_its_start_times_over_records_and_songs_fall_between_bells(self):
        programs, plan = soak_data.main_plan("C:\\soak", at(0), at(2 * 3600))
        bells = [p for p in programs if p["name"].startswith(soak_data.BELL)]
        self.assertEqual(sum(len(p["startTimes"]) for p in bells), 721)
        self.assertTrue(all(len(p["startTimes"]) <= 512 for p in programs))
        self.assertEqual(len(plan["bells"][soak_data.BELL]), 721)
        # Three 2 s songs from second 2 end before the next bell at second 10.
        songs = [p for p in programs if p["name"].startswith(soak_data.SONGS)]
        self.assertEqual({s for p in songs for _, _, s in p["startTimes"]}, {soak_data.SONG_SECOND})
        self.assertEqual(len(plan["folderStarts"]), 121)


class Midnight(unittest.TestCase):
    MIDNIGHT = datetime.datetime(2026, 12, 11)  # a Friday

    def plan_and_lines(self, stray_after_midnight=False):
        programs, plan = soak_data.midnight_plan("C:\\soak", self.MIDNIGHT)
        lines = [(self.MIDNIGHT - datetime.timedelta(seconds=75), "软件启动")]
        for key in ("bells", "dayBefore", "dayAfter"):
            for name, times in plan[key].items():
                for t in map(datetime.datetime.fromisoformat, times):
                    lines += [(t, f"{name}1 ◆ 开始播放"), (t + datetime.timedelta(seconds=1), f"{name}1 ◆ 播放结束")]
        if stray_after_midnight:
            t = self.MIDNIGHT + datetime.timedelta(seconds=25)
            lines += [(t, f"{soak_data.BEFORE}1 ◆ 开始播放"), (t + datetime.timedelta(seconds=1), f"{soak_data.BEFORE}1 ◆ 播放结束")]
        lines.append((self.MIDNIGHT + datetime.timedelta(seconds=66), "软件关闭"))
        return programs, plan, sorted(lines)

    def test_each_weekday_program_selects_only_its_side_of_midnight(self):
        programs, _, _ = self.plan_and_lines()
        days = {p["name"]: p["weekdays"] for p in programs}
        self.assertEqual(days[soak_data.BEFORE + "1"], [0, 0, 0, 1, 0, 0, 0])  # Thursday
        self.assertEqual(days[soak_data.AFTER + "1"], [0, 0, 0, 0, 1, 0, 0])
        # Both carry start times on both sides, so that the weekday alone decides.
        times = programs[1]["startTimes"]
        self.assertTrue(any(h == 23 for h, _, _ in times) and any(h == 0 for h, _, _ in times))

    def test_bells_on_both_sides_pass_and_a_weekday_program_ringing_past_midnight_fails(self):
        ok, report = judge.judge_midnight(*self.plan_and_lines()[1:])
        self.assertTrue(ok, report)
        ok, report = judge.judge_midnight(*self.plan_and_lines(stray_after_midnight=True)[1:])
        self.assertFalse(ok, report)


if __name__ == "__main__":
    unittest.main()
