// Times the import of every audio file of a folder through the import dialog, as the page's
// "添加文件夹..." runs it, and prints the rate in files per second.
//   lvtx_import_bench.exe FOLDER
#include <windows.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "audio/win32/DurationProbe.h"
#include "data/FileSystem.h"
#include "winutil/WideText.h"
#include "data/win32/Win32FileSystem.h"
#include "instant/InstantImport.h"
#include "ui/win32/ImportDialog.h"

namespace {

// User and kernel time of this process so far, in seconds: what the import costs whatever else
// the machine runs.
double processCpuSeconds() {
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    const auto seconds = [](const FILETIME& time) {
        return static_cast<double>((static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime) / 1e7;
    };
    return seconds(kernel) + seconds(user);
}

AudioToolsConfig builtToolsConfig() {
    wchar_t exe[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(nullptr, exe, MAX_PATH);
    const std::u16string benchFolder(parentFolder(fromWide(std::wstring_view(exe, length))));
    return toolsConfigFor(joinPath(benchFolder, u"" LVTX_PROGRAM_FOLDER_FROM_BENCH));
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: lvtx_import_bench FOLDER\n");
        return 2;
    }
    Win32FileSystem fs;
    const std::vector<std::u16string> files = audioFilesOfFolder(fs, fromWide(argv[1]));
    if (files.empty()) {
        std::fprintf(stderr, "lvtx_import_bench: no audio files in the folder\n");
        return 1;
    }
    OleInitialize(nullptr);
    // The program has loaded the decoders at start-up (its warm-up chime) before anyone adds
    // files; a fresh Wine would otherwise count their first load here.
    probeDurationMs(files.front(), builtToolsConfig());
    const double cpuBefore = processCpuSeconds();
    const auto start = std::chrono::steady_clock::now();
    const std::vector<InstantItem> items =
        importAudioFiles(nullptr, files, static_cast<int>(maxInstantItems), builtToolsConfig());
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    const double cpu = processCpuSeconds() - cpuBefore;
    OleUninitialize();

    int unmeasured = 0;
    for (const InstantItem& item : items) unmeasured += item.durationMs < 0 ? 1 : 0;
    std::printf("imported %zu of %zu files in %.2f s: %.1f files per second (%.2f s of processor time); "
                "%d without a length\n",
                items.size(), files.size(), took.count(), static_cast<double>(items.size()) / took.count(), cpu,
                unmeasured);
    return items.size() == files.size() && unmeasured == 0 ? 0 : 1;
}
