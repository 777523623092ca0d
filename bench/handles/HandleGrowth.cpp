// Which handles and how much memory a play adds to the process, along one part of the audio path:
//   lvtx_handle_growth MODE FILE PLAYS [WARMUP]
// MODE  player      DirectShowPlayer on the default device: open, run to the end, close;
//       nullplayer  the same on the null renderer, so without DirectSound or the device enumerator;
//       graph       an empty filter graph created and released;
//       renderer    the default device's renderer created through the device enumerator, released;
//       reader      the tools filter's PcmReader: open, read to the end, destroyed;
//       renderfile  a new filter graph: RenderFile, run to completion, released (Windows' own
//                   parser and renderer, as the soak's baseline plays);
//       mfreader    Media Foundation's source reader decoding to the end inside its own
//                   MFStartup and MFShutdown (the baseline's decode);
//       baseline    mfreader then renderfile, the soak baseline's whole play;
//       mfopen      the same source reader set to PCM and released without reading a sample;
//       probe       our PcmReader opened and destroyed without reading a sample;
//       filter      the tools filter made as the player makes it (its file loaded once for the
//                   process), given the file, released;
//       cocreate    the tools filter registered for the machine (in the throwaway prefix), made by
//                   CoCreateInstance, given the file, released, then CoFreeUnusedLibrariesEx(0):
//                   the file is unloaded and loaded again each play when the COM library lets it.
// After WARMUP plays (2 unless given: what a process makes once is no growth), it plays PLAYS
// times and prints the handles gained and lost by type, a few of the new ones with their names,
// how many references remained after our last Release of the graph and filters a player used,
// and the memory gained: the working set (Wine's is the Linux resident set) as a least-squares
// slope over a sample after every play, the anonymous resident set read from Z:\proc\PID\status,
// committed private pages, and the bytes in use in all of the process's heaps.
// Counted in the system handle table, as the soak's probe does. A measuring aid, never shipped
// with the program.
#include <windows.h>
#include <winternl.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "PlayModes.h"
#include "ProcessMemory.h"
#include "SystemHandles.h"
#include "data/FileSystem.h"
#include "winutil/WideText.h"

namespace {

constexpr auto objectTypeInformation = static_cast<OBJECT_INFORMATION_CLASS>(2);

// ObjectTypeInformation and ObjectNameInformation both begin with the name as a UNICODE_STRING.
std::wstring queryName(HANDLE handle, OBJECT_INFORMATION_CLASS what) {
    std::vector<unsigned char> buffer(4096);
    if (NtQueryObject(handle, what, buffer.data(), static_cast<ULONG>(buffer.size()), nullptr) != 0) return L"";
    const auto* name = reinterpret_cast<const UNICODE_STRING*>(buffer.data());
    return name->Buffer ? std::wstring(name->Buffer, name->Length / sizeof(wchar_t)) : L"";
}

// This process's handles and their object types.
std::map<ULONG_PTR, std::wstring> ownHandles() {
    std::map<ULONG_PTR, std::wstring> handles;
    for (ULONG_PTR value : handlesHeldBy(GetCurrentProcessId()).value_or(std::vector<ULONG_PTR>{})) {
        handles[value] = queryName(reinterpret_cast<HANDLE>(value), objectTypeInformation);
    }
    return handles;
}

// A thread says whether it still runs; other objects give their names, when they have one.
std::wstring describe(ULONG_PTR value, const std::wstring& type) {
    const HANDLE handle = reinterpret_cast<HANDLE>(value);
    if (type == L"Thread") {
        DWORD code = 0;
        GetExitCodeThread(handle, &code);
        return type + L" tid " + std::to_wstring(GetThreadId(handle)) + (code == STILL_ACTIVE ? L" running" : L" ended");
    }
    return type + L" " + queryName(handle, ObjectNameInformation);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if ((argc != 4 && argc != 5) || !isPlayMode(argv[1]) || _wtoi(argv[3]) <= 0) {
        std::fprintf(stderr,
                     "usage: lvtx_handle_growth player|nullplayer|graph|renderer|reader|renderfile|mfreader|baseline|"
                     "mfopen|probe|filter|cocreate FILE PLAYS [WARMUP]\n");
        return 2;
    }
    const std::wstring mode = argv[1];
    const std::wstring file = argv[2];
    const int plays = _wtoi(argv[3]);
    const int warmUp = argc == 5 ? std::max(_wtoi(argv[4]), 1) : 2;
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return 3;

    // The build folder, which holds lvtx_tools: this program is bench/handles/lvtx_handle_growth.exe in it.
    wchar_t exe[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(nullptr, exe, MAX_PATH);
    const std::u16string buildDir(
        parentFolder(parentFolder(parentFolder(fromWide(std::wstring_view(exe, length))))));
    const HWND window = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    int result = 0;
    const AudioToolsConfig tools = toolsConfigFor(buildDir);
    if (mode == L"cocreate" && !registerToolsFilter(toWide(toolsSourceFilterPath(tools)))) {
        std::fprintf(stderr, "the tools filter could not be registered\n");
        return 1;
    }
    {
        DirectShowPlayer player(window, tools);
        PlayContext context{player, tools, file, {}};
        const auto once = [&] { return playOnce(mode, context); };
        const std::wstring statusPath = findStatusPath("lvtx_handle_growth.exe", std::string(mode.begin(), mode.end()));
        if (statusPath.empty()) std::fprintf(stderr, "no status file for this process under Z:\\proc\n");
        bool warmed = true;
        for (int i = 0; warmed && i < warmUp; ++i) warmed = once();
        pumpMessages(500);
        const auto before = ownHandles();
        const Memory first = memoryNow(statusPath, true);
        std::vector<double> workingSets{first.workingSet}, anons{first.rssAnon};
        const int loadsBefore = context.record.loads, unloadsBefore = context.record.unloads;
        const DWORD started = GetTickCount();
        int failed = 0;
        for (int i = 0; warmed && i < plays; ++i) {
            failed += !once();
            const Memory now = memoryNow(statusPath, false);
            workingSets.push_back(now.workingSet);
            anons.push_back(now.rssAnon);
        }
        const DWORD took = GetTickCount() - started;
        pumpMessages(500);
        const Memory last = memoryNow(statusPath, true);
        const auto after = ownHandles();
        if (!warmed) {
            std::fprintf(stderr, "the warm-up plays failed\n");
            result = 1;
        } else {
            std::printf("%ls: %d plays (%d failed), %zu -> %zu handles (%+.2f a play)\n", mode.c_str(), plays, failed,
                        before.size(), after.size(), (double(after.size()) - double(before.size())) / plays);
            std::map<std::wstring, int> net;
            for (const auto& [value, type] : after) {
                if (auto found = before.find(value); found == before.end() || found->second != type) ++net[type];
            }
            for (const auto& [value, type] : before) {
                if (auto found = after.find(value); found == after.end() || found->second != type) --net[type];
            }
            for (const auto& [type, count] : net) {
                if (count != 0) std::printf("  %-14ls %+d\n", type.c_str(), count);
            }
            std::map<std::wstring, int> shown;
            for (const auto& [value, type] : after) {
                if (auto found = before.find(value); found != before.end() && found->second == type) continue;
                if (++shown[type] <= 3) std::printf("    new %#llx %ls\n", static_cast<unsigned long long>(value),
                                                    describe(value, type).c_str());
            }
            const auto kib = [&](double from, double to) { return (to - from) / 1024 / plays; };
            std::printf("  memory a play (KiB): working set %+.2f (slope %+.2f), RssAnon %+.2f (slope %+.2f), "
                        "private usage %+.2f, committed private %+.2f, heap bytes in use %+.2f\n",
                        kib(first.workingSet, last.workingSet), slope(workingSets) / 1024,
                        kib(first.rssAnon, last.rssAnon), slope(anons) / 1024,
                        kib(first.privateUsage, last.privateUsage), kib(first.committed, last.committed),
                        kib(first.heapBusy, last.heapBusy));
            std::printf("  memory before -> after (KiB): working set %.0f -> %.0f, VmRSS %.0f -> %.0f, RssAnon %.0f -> "
                        "%.0f, private usage %.0f -> %.0f, committed private %.0f -> %.0f, heap bytes in use %.0f -> "
                        "%.0f in %zu -> %zu heaps; %.0f ms a play\n",
                        first.workingSet / 1024, last.workingSet / 1024, first.rss / 1024, last.rss / 1024,
                        first.rssAnon / 1024, last.rssAnon / 1024, first.privateUsage / 1024,
                        last.privateUsage / 1024, first.committed / 1024, last.committed / 1024,
                        first.heapBusy / 1024, last.heapBusy / 1024, first.heaps, last.heaps, double(took) / plays);
            if (mode == L"cocreate") {
                std::printf("  the filter file was loaded %d times and unloaded %d times in %d plays\n",
                            context.record.loads - loadsBefore, context.record.unloads - unloadsBefore, plays);
            }
            for (const auto& [what, left] : context.record.leftAfterRelease) {
                std::printf("  references left after our last Release of each %s: at most %lu\n", what.c_str(), left);
            }
            result = failed == 0 ? 0 : 1;
        }
    }
    DestroyWindow(window);
    CoUninitialize();
    return result;
}
