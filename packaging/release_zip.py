#!/usr/bin/env python3
"""The release zip: writes it from a staged program folder, or checks one as Windows will read it.

  release_zip.py write STAGE TOP ZIP   every file under STAGE/TOP, stored as TOP/...
  release_zip.py check ZIP TOP         every entry lies under TOP/, every non-ASCII name carries
                                       the UTF-8 flag

Python's zipfile sets the UTF-8 flag (bit 11) on non-ASCII names; Info-ZIP's zip does not, and
Windows' own extractor then reads the Chinese names as GBK and garbles them.
"""
import pathlib
import sys
import zipfile

UTF8_FLAG = 0x800


def write(stage, top, output):
    root = pathlib.Path(stage)
    with zipfile.ZipFile(output, "w", zipfile.ZIP_DEFLATED, compresslevel=9) as archive:
        for path in sorted((root / top).rglob("*")):
            archive.write(path, path.relative_to(root).as_posix())


def check(archive_path, top):
    faults = []
    with zipfile.ZipFile(archive_path) as archive:
        for info in archive.infolist():
            if info.filename.split("/")[0] != top:
                faults.append(f"outside the top folder: {info.filename}")
            if not info.filename.isascii() and not info.flag_bits & UTF8_FLAG:
                faults.append(f"name without the UTF-8 flag: {info.filename}")
    for fault in faults:
        print(f"{archive_path}: {fault}", file=sys.stderr)
    return not faults


if __name__ == "__main__":
    if len(sys.argv) == 5 and sys.argv[1] == "write":
        write(*sys.argv[2:])
    elif len(sys.argv) == 4 and sys.argv[1] == "check":
        sys.exit(0 if check(*sys.argv[2:]) else 1)
    else:
        sys.exit(__doc__)
