// Which handles a play adds to the process, by object type, along one part of the audio path:
//   lvtx_handle_growth MODE FILE PLAYS
// MODE  player      DirectShowPlayer on the default device: open, run to the end, close;
//       nullplayer  the same on the null renderer, so without DirectSound or the device enumerator;
//       graph       an empty filter graph created and released;
//       renderer    the default device's renderer created through the device enumerator, released;
//       reader      the tools filter's PcmReader: open, read to the end, destroyed.
// After two warm-up plays (what a process makes once is no growth), it plays PLAYS times and
// prints the handles gained and lost by type, a few of the new ones with their names, and how
// many references remained after our last Release of the graph and filters a player used.
// Counted in the system handle table, as the soak's probe does: Wine 8's GetProcessHandleCount
// answers 0. A measuring aid, never shipped with the program.
#include <windows.h>
#include <winternl.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "PcmReader.h"
#include "audio/DefaultDevice.h"
#include "audio/win32/DirectShowPlayer.h"
#include "audio/win32/OutputDevices.h"
#include "data/FileSystem.h"
#include "winutil/WideText.h"

using Microsoft::WRL::ComPtr;

namespace {

// SystemExtendedHandleInformation, as the system lists it.
struct HandleEntry {
    PVOID object;
    ULONG_PTR processId;
    ULONG_PTR value;
    ULONG access;
    USHORT creatorTrace;
    USHORT objectType;
    ULONG attributes;
    ULONG reserved;
};
struct HandleTable {
    ULONG_PTR count;
    ULONG_PTR reserved;
    HandleEntry entries[1];
};
constexpr auto systemExtendedHandleInformation = static_cast<SYSTEM_INFORMATION_CLASS>(64);
constexpr auto objectTypeInformation = static_cast<OBJECT_INFORMATION_CLASS>(2);
constexpr auto statusInfoLengthMismatch = static_cast<NTSTATUS>(0xC0000004L);

// ObjectTypeInformation and ObjectNameInformation both begin with the name as a UNICODE_STRING.
std::wstring queryName(HANDLE handle, OBJECT_INFORMATION_CLASS what) {
    std::vector<unsigned char> buffer(4096);
    if (NtQueryObject(handle, what, buffer.data(), static_cast<ULONG>(buffer.size()), nullptr) != 0) return L"";
    const auto* name = reinterpret_cast<const UNICODE_STRING*>(buffer.data());
    return name->Buffer ? std::wstring(name->Buffer, name->Length / sizeof(wchar_t)) : L"";
}

// This process's handles and their object types.
std::map<ULONG_PTR, std::wstring> ownHandles() {
    std::vector<unsigned char> buffer(1 << 20);
    NTSTATUS status;
    while ((status = NtQuerySystemInformation(systemExtendedHandleInformation, buffer.data(),
                                              static_cast<ULONG>(buffer.size()), nullptr)) == statusInfoLengthMismatch) {
        buffer.resize(buffer.size() * 2);
    }
    std::map<ULONG_PTR, std::wstring> handles;
    if (status != 0) return handles;
    const auto* table = reinterpret_cast<const HandleTable*>(buffer.data());
    for (ULONG_PTR i = 0; i < table->count; ++i) {
        const HandleEntry& entry = table->entries[i];
        if (entry.processId != GetCurrentProcessId()) continue;
        handles[entry.value] = queryName(reinterpret_cast<HANDLE>(entry.value), objectTypeInformation);
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

void pumpMessages(DWORD ms) {
    const DWORD start = GetTickCount();
    do {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
        Sleep(10);
    } while (GetTickCount() - start < ms);
}

// References left after our last Release, by object; more than none means someone else holds it.
std::map<std::string, ULONG> leftAfterRelease;

void releaseLast(const char* what, IUnknown* object) {
    ULONG& most = leftAfterRelease[what];
    most = std::max(most, object->Release());
}

// Holds the graph and its filters across the close, to see whether anything else kept them.
bool playThrough(DirectShowPlayer& player, const std::u16string& file, std::u16string_view device) {
    if (FAILED(player.open(file, 1, device))) return false;
    IGraphBuilder* graph = player.graph();
    graph->AddRef();
    std::vector<IBaseFilter*> filters;
    IEnumFilters* each = nullptr;
    if (SUCCEEDED(graph->EnumFilters(&each))) {
        for (IBaseFilter* filter = nullptr; each->Next(1, &filter, nullptr) == S_OK;) filters.push_back(filter);
        each->Release();
    }
    bool ended = false;
    if (SUCCEEDED(player.run())) {
        const DWORD start = GetTickCount();
        while (!player.isAtEnd() && GetTickCount() - start < 10000) pumpMessages(20);
        ended = player.isAtEnd();
        player.stop();
    }
    player.close();
    for (IBaseFilter* filter : filters) releaseLast("filter", filter);
    releaseLast("graph", graph);
    return ended;
}

bool readToEnd(const std::wstring& file) {
    PcmReader reader;
    if (FAILED(reader.open(file.c_str()))) return false;
    std::vector<BYTE> buffer(16384);
    for (bool ended = false; !ended;) {
        DWORD written = 0;
        if (FAILED(reader.read(buffer.data(), static_cast<DWORD>(buffer.size()), written, ended))) return false;
    }
    return true;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 4 || _wtoi(argv[3]) <= 0) {
        std::fprintf(stderr, "usage: lvtx_handle_growth player|nullplayer|graph|renderer|reader FILE PLAYS\n");
        return 2;
    }
    const std::wstring mode = argv[1];
    const std::wstring file = argv[2];
    const int plays = _wtoi(argv[3]);
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return 3;

    // The build folder, which holds lvtx_tools: this program is bench/handles/lvtx_handle_growth.exe in it.
    wchar_t exe[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(nullptr, exe, MAX_PATH);
    const std::u16string buildDir(
        parentFolder(parentFolder(parentFolder(fromWide(std::wstring_view(exe, length))))));
    const HWND window = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    int result = 0;
    {
        DirectShowPlayer player(window, toolsConfigFor(buildDir));
        const auto once = [&]() -> bool {
            if (mode == L"player") return playThrough(player, fromWide(file), defaultDeviceName);
            if (mode == L"nullplayer") return playThrough(player, fromWide(file), nullDeviceName);
            if (mode == L"graph") return SUCCEEDED(PlayerGraph().create());
            if (mode == L"renderer") return static_cast<bool>(createAudioRenderer(defaultDeviceName));
            if (mode == L"reader") return readToEnd(file);
            return false;
        };

        bool warmed = once() && once();
        pumpMessages(500);
        const auto before = ownHandles();
        int failed = 0;
        for (int i = 0; warmed && i < plays; ++i) failed += !once();
        pumpMessages(500);
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
            for (const auto& [what, left] : leftAfterRelease) {
                std::printf("  references left after our last Release of each %s: at most %lu\n", what.c_str(), left);
            }
            result = failed == 0 ? 0 : 1;
        }
    }
    DestroyWindow(window);
    CoUninitialize();
    return result;
}
