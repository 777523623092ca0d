"""Builds immediate-play lists ("立即播t") from the byte table alone, independently of the C++ code."""
import hashlib
import re
import struct

from program_file import text

ITEM_SIZE = 1572
OPTIONS = dict(volume=80, mode=1, countMode=1, songCount=3, seconds=300)


def item(path="D:\\广播\\国歌.mp3", durationMs=90000, isCurrent=0, playedInCycle=0, name=None, ext=None):
    """name and ext default to what the path implies; give them to store something else."""
    shown = shown_name_and_ext(path)
    return dict(name=shown[0] if name is None else name, path=path, ext=shown[1] if ext is None else ext,
                durationMs=durationMs, isCurrent=isCurrent, playedInCycle=playedInCycle)


def options(**fields):
    o = dict(OPTIONS)
    o.update(fields)
    return o


def pack_item(i):
    return (text(i["name"], 260) + text(i["path"], 260) + text(i["ext"], 260)
            + struct.pack("<3i", i["durationMs"], i["isCurrent"], i["playedInCycle"]))


def instant_payload(items, o=None, count=None):
    """The count is written as given, so -1 lands as 0xFFFFFFFF."""
    o = o or OPTIONS
    count = len(items) if count is None else count
    return (struct.pack("<iiI", o["volume"], o["mode"], count & 0xFFFFFFFF) + b"".join(pack_item(i) for i in items)
            + struct.pack("<3i", o["countMode"], o["songCount"], o["seconds"]))


def instant_file(items, o=None, count=None):
    payload = instant_payload(items, o, count)
    return payload + hashlib.md5(payload).digest()


def shown_path(path):
    """The path as loaded: up to its NUL, and never its 260th unit."""
    return path.split("\0")[0][:259]


def shown_name_and_ext(path):
    name = re.split(r"[\\/]", shown_path(path))[-1]
    dot = name.rfind(".")
    return name, "" if dot < 0 else name[dot:]


def instant_json(items, o=None):
    """What show prints: the options, then each item with name and ext taken from its path."""
    o = o or OPTIONS
    shown = []
    for i in items:
        name, ext = shown_name_and_ext(i["path"])
        shown.append({"name": name, "path": shown_path(i["path"]), "ext": ext, "durationMs": i["durationMs"],
                      "isCurrent": i["isCurrent"], "playedInCycle": i["playedInCycle"]})
    return {"instantVolume": o["volume"], "instantMode": o["mode"], "instantCountMode": o["countMode"],
            "instantSongCount": o["songCount"], "instantSeconds": o["seconds"], "items": shown}
