#!/usr/bin/env python3
"""scripts/check-layers.py on small source trees, each breaking one rule or none."""

import pathlib
import subprocess
import sys
import tempfile
import textwrap
import unittest

SCRIPT = pathlib.Path(__file__).resolve().parents[2] / "scripts" / "check-layers.py"

# A tree using every dependency the layering allows.
GOOD_TREE = {
    "data/Text.h": "#include <string>\n#include <cstdint>\n",
    "data/Text.cpp": '#include "data/Text.h"\n#include "Text.h"\n',
    "data/win32/Files.cpp": '#include <windows.h>\n#include "winutil/WideText.h"\n#include "data/Text.h"\n',
    "data/posix/Files.cpp": '#include <unistd.h>\n#include "data/Text.h"\n',
    "audio/win32/Player.cpp": '#include "data/win32/Files.h"\n#include "audio/Volume.h"\n',
    "audio/win32/toolsfilter/Pin.cpp": '#include "Pin.h"\n#include "winutil/ComObject.h"\n',
    "winutil/WideText.cpp": '#include <windows.h>\n#include "WideText.h"\n#include "winutil/UniqueHandle.h"\n',
    "ui/win32/Page.rc": '#include <windows.h>\n#include "PageIds.h"\n',
    "shell/AppState.cpp": '#include "ui/Cells.h"\n#include "data/Text.h"\n#include <vector>\n',
    "web/Router.cpp": '#include <nlohmann/json.hpp>\n#include "instant/Run.h"\n#include "scheduler/Tick.h"\n',
    "shell/win32/Server.cpp": '#include "web/Router.h"\n',
    "shell/win32/lvtx.rc": '#include "ui/win32/PageIds.h"\n#include "winutil/VersionInfo.rc"\n',
    "launcher/win32/Main.cpp": '#include "launcher/LaunchCheck.h"\n#include "data/win32/Files.h"\n'
                               '#include "winutil/WideText.h"\n',
    "lvtxctl/main.cpp": '#include <nlohmann/json.hpp>\n#include "shell/AppState.h"\n#include "lvtxctl/Console.h"\n',
    "lvtxctl/posix/Running.cpp": '#include "data/posix/Files.h"\n',
    "ui/win32/CMakeLists.txt": "# The pages.\ntarget_link_libraries(lvtx_ui_win32 PUBLIC lvtx_ui lvtx_data_win32\n"
                               "  lvtx_winutil user32)\n",
    "scheduler/CMakeLists.txt": "target_link_libraries(lvtx_scheduler PUBLIC lvtx_system lvtx_audio)\n",
}


def check(tree):
    """The script's exit code and report on a src/ folder holding tree (path: text)."""
    with tempfile.TemporaryDirectory() as root:
        src = pathlib.Path(root) / "src"
        for name, text in tree.items():
            path = src / name
            path.parent.mkdir(parents=True, exist_ok=True)
            path.write_text(textwrap.dedent(text), encoding="utf-8")
        run = subprocess.run([sys.executable, "-B", str(SCRIPT), str(src)], capture_output=True, text=True)
        return run.returncode, run.stdout.splitlines()


class CheckLayersTest(unittest.TestCase):
    def assertBreaks(self, tree, expected):
        code, report = check({**GOOD_TREE, **tree})
        self.assertEqual(code, 1)
        self.assertEqual(report, expected)

    def test_a_tree_keeping_every_rule_passes(self):
        self.assertEqual(check(GOOD_TREE), (0, []))

    def test_a_subsystem_includes_no_higher_one(self):
        self.assertBreaks(
            {"audio/Volume.cpp": '#include "data/Text.h"\n#include "scheduler/Tick.h"\n',
             "ui/win32/Page.cpp": '#include "shell/AppState.h"\n'},
            ['src/audio/Volume.cpp:2: includes "scheduler/Tick.h" (scheduler) from audio: '
             "audio may not use scheduler, which ranks higher",
             'src/ui/win32/Page.cpp:1: includes "shell/AppState.h" (shell) from ui/win32: '
             "ui may not use shell, which ranks higher"])

    def test_a_subsystem_library_links_no_higher_one(self):
        self.assertBreaks(
            {"ui/win32/CMakeLists.txt": "target_link_libraries(lvtx_ui_win32 PUBLIC lvtx_ui  # and more\n"
                                        "  lvtx_shell lvtx_winutil)\n"},
            ["src/ui/win32/CMakeLists.txt:2: lvtx_ui_win32 (ui/win32) links lvtx_shell (shell): "
             "ui may not use shell, which ranks higher"])

    def test_the_portable_core_includes_standard_headers_only(self):
        self.assertBreaks(
            {"system/Volume.cpp": "#include <windows.h>\n#include <cmath>\n",
             "launcher/LaunchCheck.cpp": "#include <nlohmann/json.hpp>\n",
             "ui/Cells.cpp": '#include "data/win32/Files.h"\n#include "winutil/WideText.h"\n'},
            ["src/launcher/LaunchCheck.cpp:1: includes <nlohmann/json.hpp>: "
             "the portable core of launcher includes standard headers only",
             "src/system/Volume.cpp:1: includes <windows.h>: the portable core of system includes standard headers only",
             'src/ui/Cells.cpp:1: includes "data/win32/Files.h" (data/win32) from ui: '
             "the portable core uses no win32 header",
             'src/ui/Cells.cpp:2: includes "winutil/WideText.h" (winutil) from ui: only win32 code uses winutil'])

    def test_web_ranks_between_instant_and_ui_and_alone_may_use_json(self):
        self.assertBreaks(
            {"web/Page.cpp": '#include "ui/Cells.h"\n#include <CLI/CLI.hpp>\n',
             "instant/Run.cpp": '#include "web/Router.h"\n#include <nlohmann/json.hpp>\n'},
            ['src/instant/Run.cpp:1: includes "web/Router.h" (web) from instant: instant may not use web, which ranks higher',
             "src/instant/Run.cpp:2: includes <nlohmann/json.hpp>: the portable core of instant includes standard headers only",
             'src/web/Page.cpp:1: includes "ui/Cells.h" (ui) from web: web may not use ui, which ranks higher',
             "src/web/Page.cpp:2: includes <CLI/CLI.hpp>: the portable core of web includes standard headers only"])

    def test_platform_folders_keep_to_their_own_platform(self):
        self.assertBreaks(
            {"scheduler/win32/Engine.cpp": '#include "data/posix/Files.h"\n#include "instant/win32/Run.h"\n',
             "data/posix/Dirs.cpp": '#include "winutil/WideText.h"\n'},
            ['src/data/posix/Dirs.cpp:1: includes "winutil/WideText.h" (winutil) from data/posix: '
             "only win32 code uses winutil",
             'src/scheduler/win32/Engine.cpp:1: includes "data/posix/Files.h" (data/posix) from scheduler/win32: '
             "win32 code uses no posix header",
             'src/scheduler/win32/Engine.cpp:2: includes "instant/win32/Run.h" (instant/win32) from scheduler/win32: '
             "scheduler may not use instant, which ranks higher"])

    def test_winutil_uses_nothing_else_of_the_project(self):
        self.assertBreaks(
            {"winutil/Picture.cpp": '#include "data/Text.h"\n'},
            ['src/winutil/Picture.cpp:1: includes "data/Text.h" (data) from winutil: '
             "winutil is the floor of the Windows layers and uses nothing else of the project"])

    def test_only_a_program_uses_its_own_headers(self):
        self.assertBreaks(
            {"shell/win32/Main.cpp": '#include "launcher/LaunchCheck.h"\n',
             "lvtxctl/Commands.cpp": '#include "launcher/LaunchCheck.h"\n',
             "launcher/win32/Probe.cpp": '#include "lvtxctl/Console.h"\n'},
            ['src/launcher/win32/Probe.cpp:1: includes "lvtxctl/Console.h" (lvtxctl) from launcher/win32: '
             "only lvtxctl itself uses the headers of lvtxctl",
             'src/lvtxctl/Commands.cpp:1: includes "launcher/LaunchCheck.h" (launcher) from lvtxctl: '
             "only launcher itself uses the headers of launcher",
             'src/shell/win32/Main.cpp:1: includes "launcher/LaunchCheck.h" (launcher) from shell/win32: '
             "only launcher itself uses the headers of launcher"])

    def test_platform_folders_sit_directly_in_a_layer_folder(self):
        self.assertBreaks(
            {"win32/Main.cpp": "", "audio/chime/win32/Chime.cpp": "", "winutil/win32/Version.h": "",
             "tools/Helper.cpp": ""},
            ["src/audio/chime/win32/Chime.cpp: lies in audio/chime/win32, "
             "which is not directly in a subsystem or program folder",
             "src/tools/Helper.cpp: lies outside every layer folder",
             "src/win32/Main.cpp: lies in win32, which is not directly in a subsystem or program folder",
             "src/winutil/win32/Version.h: lies in winutil/win32, "
             "which is not directly in a subsystem or program folder"])


if __name__ == "__main__":
    unittest.main()
