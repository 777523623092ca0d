"""Writes the seed corpus of ProgramsFileFuzz: sound programs files of 0, 1 and 2 programs.

The fuzzer's first input byte chooses the form: even = the whole file as it is,
odd = the payload alone, the fuzzer appending its digest. Each file is seeded in both forms."""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "lvtxctl"))
from program_file import program, programs_file, programs_payload  # noqa: E402


def main(corpus):
    os.makedirs(corpus, exist_ok=True)
    lists = {
        "empty": [],
        "one": [program()],
        "two": [program(name="上课铃", startTimes=[(8, 0, 0), (14, 0, 0)]),
                program(name="眼保健操", isFile=0, path="D:\\广播", sequential=1, countMode=0, seconds=300,
                        byWeekday=0, weekdays=[0] * 7, monthDays=[1] * 31, delayable=1)],
    }
    for label, programs in lists.items():
        with open(os.path.join(corpus, label + "-file"), "wb") as f:
            f.write(b"\0" + programs_file(programs))
        with open(os.path.join(corpus, label + "-payload"), "wb") as f:
            f.write(b"\1" + programs_payload(programs))


if __name__ == "__main__":
    main(sys.argv[1])
