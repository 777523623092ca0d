"""Builds settings files ("设置t", 644 bytes) from the field table alone, independently of the C++ code."""
import hashlib
import struct

from program_file import text

PAYLOAD_SIZE = 628
DEFAULTS = dict(dailyShutdownOn=0, dailyShutdownTime=(1, 0, 0), weeklyShutdownOn=0,
                weeklyShutdownDays=[0, 0, 0, 0, 0, 1, 1], weeklyShutdownTime=(1, 0, 0), restartOn=0,
                restartDays=[0] * 7, restartTime=(1, 0, 0), duckPercent=60, duckFadeOutLength=5,
                duckFadeInLength=9, outputDevice="Default DirectSound Device")


def settings(**fields):
    s = dict(DEFAULTS)
    s.update(fields)
    return s


def settings_file(s):
    payload = (struct.pack("<i3i", s["dailyShutdownOn"], *s["dailyShutdownTime"])
               + struct.pack("<i7i3i", s["weeklyShutdownOn"], *s["weeklyShutdownDays"], *s["weeklyShutdownTime"])
               + struct.pack("<i7i3i", s["restartOn"], *s["restartDays"], *s["restartTime"])
               + struct.pack("<3i", s["duckPercent"], s["duckFadeOutLength"], s["duckFadeInLength"])
               + text(s["outputDevice"], 256))
    assert len(payload) == PAYLOAD_SIZE
    return payload + hashlib.md5(payload).digest()


def settings_json(s):
    """What show prints: the fields in file order, times as HH:MM:SS."""
    shown = dict(s)
    for key in ("dailyShutdownTime", "weeklyShutdownTime", "restartTime"):
        shown[key] = "%02d:%02d:%02d" % s[key]
    shown["outputDevice"] = s["outputDevice"].split("\0")[0][:255]
    return {key: shown[key] for key in DEFAULTS}
