"""Builds and reads web console settings files ("网页t", 88 bytes) from the field table alone,
independently of the C++ code."""
import hashlib
import struct

PAYLOAD_SIZE = 72
FORMAT = "<iiiIii16s32s"
DEFAULTS = dict(on=0, port=8765, passwordSet=0, sessionGeneration=0, algorithm=1, iterations=200000,
                salt=bytes(16), key=bytes(32))


def web_settings(**fields):
    s = dict(DEFAULTS)
    s.update(fields)
    return s


def web_file(s):
    payload = struct.pack(FORMAT, s["on"], s["port"], s["passwordSet"], s["sessionGeneration"], s["algorithm"],
                          s["iterations"], s["salt"], s["key"])
    assert len(payload) == PAYLOAD_SIZE
    return payload + hashlib.md5(payload).digest()


def read_web_file(content):
    """The fields of a file whose digest matches."""
    payload, digest = content[:PAYLOAD_SIZE], content[PAYLOAD_SIZE:]
    assert len(content) == PAYLOAD_SIZE + 16 and hashlib.md5(payload).digest() == digest
    return dict(zip(DEFAULTS, struct.unpack(FORMAT, payload)))


def web_json(s):
    """What show prints: never the salt or the key."""
    return {"on": s["on"], "port": s["port"], "passwordSet": s["passwordSet"],
            "sessionGeneration": s["sessionGeneration"], "passwordAlgorithm": "PBKDF2-HMAC-SHA256",
            "passwordIterations": s["iterations"]}
