#!/usr/bin/env python3
"""Checks that the code under src/ depends only downwards.

    python3 scripts/check-layers.py [SRC_FOLDER]

Every #include of a .cpp, .h or .rc file and every target_link_libraries of a subsystem library
(lvtx_<subsystem>, lvtx_<subsystem>_win32, lvtx_<subsystem>_posix, lvtx_winutil) is checked:

- the subsystems, lowest first: data, audio, system, scheduler, instant, web, ui, shell; each
  depends on itself and lower ones only;
- the portable core (outside win32/ and posix/) includes standard C and C++ headers only (web
  also nlohmann/json.hpp), and no win32/, posix/ or winutil header;
- a win32/ folder depends on win32/ folders of its own or lower rank and on winutil; a posix/
  folder likewise on posix/ folders; winutil depends on nothing else of the project, and only
  win32/ code uses it;
- launcher and lvtxctl are programs on top: they use any portable header (lvtxctl also
  nlohmann/json.hpp and CLI/CLI.hpp) and, from their own platform folder, the platform folders
  below; only they themselves use their own headers;
- win32/ and posix/ folders sit directly in a subsystem or program folder.

A quoted include with a folder is relative to src/, one without a folder to the including file.
Prints one line per violation and exits with 1 when there is any.
"""

import pathlib
import re
import sys

SUBSYSTEMS = ["data", "audio", "system", "scheduler", "instant", "web", "ui", "shell"]
PROGRAMS = ["launcher", "lvtxctl"]
PLATFORMS = ["win32", "posix"]
WINUTIL = "winutil"

STANDARD_HEADERS = set("""
algorithm any array atomic barrier bit bitset charconv chrono codecvt compare complex concepts
condition_variable coroutine deque exception execution filesystem format forward_list fstream
functional future initializer_list iomanip ios iosfwd iostream istream iterator latch limits list
locale map memory memory_resource mutex new numbers numeric optional ostream queue random ranges
ratio regex scoped_allocator semaphore set shared_mutex source_location span sstream stack
stdexcept stop_token streambuf string string_view syncstream system_error thread tuple
type_traits typeindex typeinfo unordered_map unordered_set utility valarray variant vector version
cassert cctype cerrno cfenv cfloat cinttypes climits clocale cmath csetjmp csignal cstdarg cstddef
cstdint cstdio cstdlib cstring ctime cuchar cwchar cwctype
assert.h ctype.h errno.h fenv.h float.h inttypes.h limits.h locale.h math.h setjmp.h signal.h
stdarg.h stddef.h stdint.h stdio.h stdlib.h string.h time.h uchar.h wchar.h wctype.h
""".split())
PROGRAM_HEADERS = {"lvtxctl": {"nlohmann/json.hpp", "CLI/CLI.hpp"}}
# Third-party headers a subsystem's portable core may include besides the standard ones.
CORE_HEADERS = {"web": {"nlohmann/json.hpp"}}

SOURCE_SUFFIXES = {".cpp", ".h", ".rc"}
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')
LIBRARY = re.compile(r"^lvtx_([a-z0-9]+?)(?:_(win32|posix))?$")


class Layer:
    """Where a file or library sits: its top folder under src/ and its platform folder, if any."""

    def __init__(self, top, platform=None):
        self.top = top
        self.platform = platform

    def __str__(self):
        return f"{self.top}/{self.platform}" if self.platform else self.top

    def rank(self):
        return SUBSYSTEMS.index(self.top) if self.top in SUBSYSTEMS else None


def layer_of(relative):
    """The layer of a path relative to src/ (a tuple of folder and file names)."""
    platform = relative[1] if len(relative) > 2 and relative[1] in PLATFORMS else None
    return Layer(relative[0], platform)


def dependency_error(source, target):
    """Why a file or library of layer source may not depend on layer target, or None."""
    if target.top == source.top and target.platform == source.platform:
        return None
    if source.top not in SUBSYSTEMS + PROGRAMS + [WINUTIL]:
        return f"{source.top} is not a known layer"
    if target.top not in SUBSYSTEMS + PROGRAMS + [WINUTIL]:
        return f"{target.top} is not a known layer"
    if source.top == WINUTIL:
        return "winutil is the floor of the Windows layers and uses nothing else of the project"
    if target.top == WINUTIL:
        return None if source.platform == "win32" else "only win32 code uses winutil"
    if target.top in PROGRAMS and target.top != source.top:
        return f"only {target.top} itself uses the headers of {target.top}"
    if target.platform and not source.platform:
        return f"the portable core uses no {target.platform} header"
    if target.platform and target.platform != source.platform:
        return f"{source.platform} code uses no {target.platform} header"
    if source.top in PROGRAMS:
        return None
    if target.rank() > source.rank():
        return f"{source.top} may not use {target.top}, which ranks higher"
    return None


def misplaced_platform_folder(relative):
    """The first win32/ or posix/ folder of a path that does not sit directly in a layer folder."""
    for depth, name in enumerate(relative[:-1]):
        if name in PLATFORMS and (depth != 1 or relative[0] not in SUBSYSTEMS + PROGRAMS):
            return "/".join(relative[: depth + 1])
    return None


def shown(src, path):
    """A path as the reader of the report finds it: from the folder holding src/."""
    return path.relative_to(src.parent)


def include_violations(src, path):
    relative = path.relative_to(src).parts
    source = layer_of(relative)
    for number, line in enumerate(path.read_text(encoding="utf-8", errors="replace").splitlines(), 1):
        match = INCLUDE.match(line)
        if not match:
            continue
        quote, name = match.groups()
        where = f"{shown(src, path)}:{number}: includes {quote}{name}{'>' if quote == '<' else quote}"
        if quote == "<":
            if source.platform or source.top == WINUTIL:
                continue
            if name not in STANDARD_HEADERS | PROGRAM_HEADERS.get(source.top, set()) | CORE_HEADERS.get(source.top, set()):
                yield f"{where}: the portable core of {source.top} includes standard headers only"
            continue
        if "/" in name:
            target_parts = pathlib.PurePosixPath(name).parts
        else:
            target_parts = relative[:-1] + (name,)
        error = dependency_error(source, layer_of(target_parts))
        if error:
            yield f"{where} ({layer_of(target_parts)}) from {source}: {error}"


def cmake_commands(text, command):
    """(offset, arguments) of each call of command; comments are blanked, keeping the offsets."""
    text = re.sub(r'(?m)(?<!\S)#(?!include)[^\n"]*$', lambda comment: " " * len(comment.group()), text)
    for match in re.finditer(rf"\b{command}\s*\(([^)]*)\)", text):
        yield match.start(1), match.group(1)


def library_layer(name):
    """The layer of a subsystem library by its name, or None for any other target."""
    match = LIBRARY.match(name)
    if not match or match.group(1) not in SUBSYSTEMS + PROGRAMS + [WINUTIL]:
        return None
    return Layer(*match.groups())


def link_violations(src, path):
    text = path.read_text(encoding="utf-8")
    for start, arguments in cmake_commands(text, "target_link_libraries"):
        names = list(re.finditer(r"\S+", arguments))
        source = library_layer(names[0].group()) if names else None
        if not source:
            continue
        for name in names[1:]:
            target = library_layer(name.group())
            error = target and dependency_error(source, target)
            if error:
                number = text.count("\n", 0, start + name.start()) + 1
                yield f"{shown(src, path)}:{number}: {names[0].group()} ({source}) links {name.group()} ({target}): {error}"


def violations(src):
    for path in sorted(src.rglob("*")):
        if path.is_dir():
            continue
        relative = path.relative_to(src).parts
        if path.suffix in SOURCE_SUFFIXES:
            folder = misplaced_platform_folder(relative)
            if folder:
                yield f"{shown(src, path)}: lies in {folder}, which is not directly in a subsystem or program folder"
            elif len(relative) < 2 or relative[0] not in SUBSYSTEMS + PROGRAMS + [WINUTIL]:
                yield f"{shown(src, path)}: lies outside every layer folder"
            else:
                yield from include_violations(src, path)
        elif path.name == "CMakeLists.txt":
            yield from link_violations(src, path)


def main():
    src = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).parent.parent / "src").resolve()
    found = list(violations(src))
    for line in found:
        print(line)
    if found:
        print(f"check-layers: {len(found)} dependencies break the layering", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
