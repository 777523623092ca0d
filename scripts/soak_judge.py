"""Judges a soak run (scripts/soak.sh) from its plans, samples and play logs; prints the summary
and exits non-zero on any failure:
   soak_judge.py MAIN_PLAN SAMPLES MAIN_LOG [MIDNIGHT_PLAN MIDNIGHT_LOG]
SAMPLES is a tab-separated file with a header line and one row a minute (see SAMPLE_FIELDS)."""
import datetime
import json
import math
import re
import sys

SAMPLE_FIELDS = ["time", "pid", "rssKiB", "threads", "fds", "handles", "winThreads", "instantItems",
                 "platformRssKiB", "platformPlays", "platformHandles"]
START_WINDOW = datetime.timedelta(seconds=15)  # a count-mode start time stays due this long
IN_PROGRESS = datetime.timedelta(seconds=5)  # a start this close to the log's end may still end
LOG_ROWS = 256  # the on-screen log empties when a row is added to a full list
LOG_ROWS_ALLOWANCE_KIB = 1536  # what the rows cost before the list first empties
# Heaps grow in steps (up to about 1.5 MiB at once under Wine here), so a megabyte either way is
# no trend in either process; over a long run it is a fraction of a KiB a play.
MEMORY_NOISE_KIB = 1024
# "Keeps rising": the last third's highest count above the first third's by more than this. Wine's
# thread pools grow by up to 5 threads at once and keep them a while; a thread left by every play
# would add 12 a minute.
RISE_MARGIN = {"threads": 8, "handles": 24}
# The comparisons with the platform's own graph allow the program this factor per play.
PLATFORM_RATIO = 1.5

LINE = re.compile(r"(\d{4}-\d\d-\d\d \d\d:\d\d:\d\d)   (.*)")
SEP = " ◆ "


def parse_log(data):
    """(time, text) of each line of a log file's bytes (UTF-16LE with its mark)."""
    lines = []
    for raw in data.decode("utf-16").splitlines():
        m = LINE.fullmatch(raw)
        if m is None:
            raise ValueError(f"not a log line: {raw!r}")
        lines.append((datetime.datetime.strptime(m.group(1), "%Y-%m-%d %H:%M:%S"), m.group(2)))
    return lines


def classify(text):
    """("start" | "switch" | "end", program) for a play event, ("app", text) for the program's
    own start and close, ("failure", text) for anything else."""
    if text in ("软件启动", "软件关闭"):
        return "app", text
    parts = text.split(SEP)
    if len(parts) in (2, 3) and parts[1] == "开始播放":
        return "start", parts[0]
    if len(parts) == 3 and parts[1] == "音频切换":
        return "switch", parts[0]
    if len(parts) == 2 and parts[1] == "播放结束":
        return "end", parts[0]
    return "failure", text


def base_name(program):
    """A plan's name for a program split over records: 上课铃2 is 上课铃."""
    return program.rstrip("0123456789")


def failures(lines):
    return [f"{t:%H:%M:%S} {text}" for t, text in lines if classify(text)[0] == "failure"]


def unended_starts(lines):
    """Starts not followed by their program's end; those near the log's end may still be playing."""
    if not lines:
        return []
    last = lines[-1][0]
    open_starts, unended = {}, []
    for t, text in lines:
        kind, program = classify(text)
        if kind == "start":
            if program in open_starts:
                unended.append((open_starts[program], program))
            open_starts[program] = t
        elif kind == "end":
            open_starts.pop(program, None)
    unended += [(t, p) for p, t in open_starts.items() if last - t > IN_PROGRESS]
    return sorted(unended)


def starts_of(lines, name):
    return [t for t, text in lines if classify(text)[0] == "start" and base_name(classify(text)[1]) == name]


def bells_rung(lines, name, due):
    """The due times of program `name` that rang and those that did not. A start answers the
    latest due time at or before it, within the start window: so a failed bell leaves its own
    time missing, not the next one's."""
    answered = set()
    for s in starts_of(lines, name):
        earlier = [t for t in due if t <= s < t + START_WINDOW]
        if earlier:
            answered.add(max(earlier))
    return [t for t in due if t in answered], [t for t in due if t not in answered]


def due_between(plan_times, since, until):
    """Plan times after `since` (the program's start) up to `until`, as datetimes."""
    times = [datetime.datetime.fromisoformat(t) for t in plan_times]
    return [t for t in times if since < t <= until]


def keeps_rising(values, margin):
    """Whether the last third of the samples reaches above the first third by more than `margin`."""
    third = math.ceil(len(values) / 3)
    if len(values) < 3:
        return False
    return max(values[-third:]) > max(values[:third]) + margin


def read_samples(path):
    # Only \n ends a row: a count written by a Windows program may end in \r.
    with open(path, encoding="utf-8", newline="\n") as f:
        header = f.readline().rstrip("\r\n").split("\t")
        rows = [dict(zip(header, line.rstrip("\r\n").split("\t"))) for line in f if line.strip()]
    for row in rows:
        row["time"] = datetime.datetime.fromisoformat(row["time"])
        for key in SAMPLE_FIELDS[1:]:
            row[key] = int(row[key])
    return rows


def plays_between(lines, a, b):
    """Graphs the program built between two moments: timed starts and song switches."""
    return sum(1 for t, text in lines if a < t <= b and classify(text)[0] in ("start", "switch"))


def fitted_growth(samples, key):
    """Growth of `key` over the samples at the median of the slopes between every two of them
    (Theil-Sen): resident memory jumps by megabytes from one sample to the next as graphs come
    and go, and the median passes over the jumps."""
    xs = [(s["time"] - samples[0]["time"]).total_seconds() for s in samples]
    ys = [s[key] for s in samples]
    slopes = sorted((ys[j] - ys[i]) / (xs[j] - xs[i])
                    for i in range(len(xs)) for j in range(i + 1, len(xs)) if xs[j] > xs[i])
    if not slopes:
        return 0
    middle = len(slopes) // 2
    slope = slopes[middle] if len(slopes) % 2 else (slopes[middle - 1] + slopes[middle]) / 2
    return round(slope * (xs[-1] - xs[0]))


def memory_verdict(samples, lines):
    """(ok, report lines): the program's growth per play against the platform's, after the
    on-screen log first emptied, or over the whole run with an allowance for its rows."""
    list_emptied = lines[LOG_ROWS][0] if len(lines) > LOG_ROWS else None
    later = [s for s in samples if list_emptied is not None and s["time"] >= list_emptied]
    if len(later) >= 3:
        window, allowance, why = later, 0, "after the on-screen log first emptied"
    else:
        window, allowance, why = samples, LOG_ROWS_ALLOWANCE_KIB, f"whole run, {LOG_ROWS_ALLOWANCE_KIB} KiB allowed for the log rows"
    a, b = window[0], window[-1]
    program_plays = plays_between(lines, a["time"], b["time"]) + b["instantItems"] - a["instantItems"]
    platform_plays = b["platformPlays"] - a["platformPlays"]
    program_growth = fitted_growth(window, "rssKiB")
    platform_growth = fitted_growth(window, "platformRssKiB")
    report = [f"memory window: {a['time']:%H:%M} to {b['time']:%H:%M} ({why})",
              f"  program:  {program_growth:+d} KiB (Theil-Sen) over {program_plays} plays",
              f"  platform: {platform_growth:+d} KiB (Theil-Sen) over {platform_plays} plays"]
    if program_plays <= 0 or platform_plays <= 0:
        return False, report + ["  FAIL: no plays to compare"]
    per_play = (program_growth - allowance - MEMORY_NOISE_KIB) / program_plays
    limit = PLATFORM_RATIO * max(platform_growth, 0) / platform_plays
    report.append(f"  per play beyond allowance and {MEMORY_NOISE_KIB} KiB noise: program {per_play:.1f} KiB, "
                  f"limit {limit:.1f} KiB (platform x {PLATFORM_RATIO})")
    ok = per_play <= limit
    if not ok:
        report.append("  FAIL: the program's memory grows faster than the platform's")
    return ok, report


def handle_verdict(samples, lines):
    """(ok, report lines): handles that keep rising fail only when they rise faster per play than
    the platform's own graph's (Wine 8's leaks handles with every play)."""
    values = [s["handles"] for s in samples]
    platform = [s["platformHandles"] for s in samples]
    report = [f"handles: {' '.join(map(str, values))}", f"platform handles: {' '.join(map(str, platform))}"]
    if not keeps_rising(values, RISE_MARGIN["handles"]):
        return True, report
    a, b = samples[0], samples[-1]
    program_plays = plays_between(lines, a["time"], b["time"]) + b["instantItems"] - a["instantItems"]
    platform_plays = b["platformPlays"] - a["platformPlays"]
    program = (b["handles"] - a["handles"]) / max(program_plays, 1)
    limit = PLATFORM_RATIO * max(b["platformHandles"] - a["platformHandles"], 0) / max(platform_plays, 1)
    ok = program <= limit
    report.append(f"  handles keep rising: program {program:.1f} a play, limit {limit:.1f} (platform x {PLATFORM_RATIO})"
                  + ("" if ok else "  FAIL"))
    return ok, report


def instant_verdict(samples):
    """(ok, report lines): the endless immediate-play run, which lowers timed play throughout,
    must have started a new item between every two samples (its items are 20 s long). The probe
    writes -1 when the page shows no run."""
    items = [s["instantItems"] for s in samples]
    stalled = [f"{b['time']:%H:%M}" for a, b in zip(samples, samples[1:])
               if b["instantItems"] < 0 or b["instantItems"] <= a["instantItems"]]
    report = [f"immediate-play items: {' '.join(map(str, items))}"]
    if items and items[0] < 0:
        stalled.insert(0, f"{samples[0]['time']:%H:%M}")
    if stalled:
        report.append(f"  FAIL: the endless run was not playing at {', '.join(stalled[:10])}")
    return not stalled, report


def judge_main(plan, samples, lines):
    report, ok = [], True
    if not samples:
        return False, ["FAIL: no samples"]
    started = next((t for t, text in lines if text == "软件启动"), None)
    if started is None:
        return False, ["FAIL: the log has no start of the program"]
    first, last = samples[0], samples[-1]
    report.append(f"memory (VmRSS): minute 1 {first['rssKiB'] / 1024:.1f} MiB, last {last['rssKiB'] / 1024:.1f} MiB; "
                  f"platform {first['platformRssKiB'] / 1024:.1f} -> {last['platformRssKiB'] / 1024:.1f} MiB")
    threads = [s["threads"] for s in samples]
    rising = keeps_rising(threads, RISE_MARGIN["threads"])
    report.append(f"threads: {' '.join(map(str, threads))}" + ("  FAIL: keeps rising" if rising else ""))
    handles_ok, handles_report = handle_verdict(samples, lines)
    ok &= not rising and handles_ok
    report += handles_report
    report.append(f"Linux fds (not judged): {' '.join(str(s['fds']) for s in samples)}")
    if len({s["pid"] for s in samples}) != 1:
        report.append("FAIL: the program's process changed during the run (restarted)")
        ok = False
    until = lines[-1][0] - IN_PROGRESS
    for name, times in plan["bells"].items():
        due = due_between(times, started, until)
        rung, missing = bells_rung(lines, name, due)
        report.append(f"bells due {len(due)}, logged {len(rung)}, missing {len(missing)}"
                      + "".join(f"\n  missing {t:%H:%M:%S}" for t in missing[:20]))
        ok &= not missing
    folder_due = due_between(plan["folderStarts"], started, until)
    folder_rung, folder_missing = bells_rung(lines, plan["folder"], folder_due)
    report.append(f"folder plays due {len(folder_due)}, logged {len(folder_rung)}, missing {len(folder_missing)}")
    ok &= not folder_missing
    instant_ok, instant_report = instant_verdict(samples)
    report += instant_report
    ok &= instant_ok
    mem_ok, mem_report = memory_verdict(samples, lines)
    return ok & mem_ok & log_clean(lines, report), report + mem_report


def log_clean(lines, report):
    """Reports failure lines and starts without an end; whether there were none."""
    bad, unended = failures(lines), unended_starts(lines)
    report.append(f"failure lines {len(bad)}, starts without an end {len(unended)}")
    report += [f"  {line}" for line in bad[:20]]
    report += [f"  no end: {t:%H:%M:%S} {p}" for t, p in unended[:20]]
    return not bad and not unended


def judge_midnight(plan, lines):
    report, ok = [], True
    started = next((t for t, text in lines if text == "软件启动"), None)
    if started is None:
        return False, ["midnight: FAIL: the log has no start of the program"]
    midnight = datetime.datetime.fromisoformat(plan["midnight"])
    until = lines[-1][0] - IN_PROGRESS
    for name, times in plan["bells"].items():
        due = due_between(times, started, until)
        rung, missing = bells_rung(lines, name, due)
        before = sum(1 for t in rung if t < midnight)
        report.append(f"midnight {midnight:%Y-%m-%d %H:%M:%S}: daily bells due {len(due)}, rung {before} before "
                      f"and {len(rung) - before} after, missing {len(missing)}")
        ok &= not missing and before > 0 and len(rung) > before
    for key, (side, wrong) in {"dayBefore": ("before", lambda t: t >= midnight),
                               "dayAfter": ("after", lambda t: t < midnight)}.items():
        for name, times in plan[key].items():
            due = due_between(times, started, until)
            rung, missing = bells_rung(lines, name, due)
            stray = [t for t in starts_of(lines, name) if wrong(t)]
            report.append(f"  {name} (its weekday only {side} midnight): due {len(due)}, rung {len(rung)}, "
                          f"rung on the wrong day {len(stray)}")
            ok &= bool(due) and not missing and not stray
    ok &= log_clean(lines, report)
    report.append("midnight part: " + ("PASS" if ok else "FAIL"))
    return ok, report


def main():
    with open(sys.argv[1], encoding="utf-8") as f:
        plan = json.load(f)
    samples = read_samples(sys.argv[2])
    with open(sys.argv[3], "rb") as f:
        ok, report = judge_main(plan, samples, parse_log(f.read()))
    if len(sys.argv) > 5:
        with open(sys.argv[4], encoding="utf-8") as f:
            midnight_plan = json.load(f)
        with open(sys.argv[5], "rb") as f:
            midnight_ok, midnight_report = judge_midnight(midnight_plan, parse_log(f.read()))
        ok &= midnight_ok
        report += midnight_report
    print("\n".join(report))
    print("soak: " + ("PASS" if ok else "FAIL"))
    sys.exit(0 if ok else 1)


if __name__ == "__main__":
    main()
