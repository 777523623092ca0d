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
//       probe       our PcmReader opened and destroyed without reading (what the filter's Load does);
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
// Counted in the system handle table, as the soak's probe does: Wine 8's GetProcessHandleCount
// answers 0. A measuring aid, never shipped with the program.
#include <windows.h>
#include <winternl.h>
#include <dshow.h>
#include <mfapi.h>
#include <mfidl.h>
#include <mfreadwrite.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "PcmReader.h"
#include "audio/DefaultDevice.h"
#include "audio/win32/DirectShowPlayer.h"
#include "audio/win32/OutputDevices.h"
#include "audio/win32/DirectShowIds.h"
#include "audio/win32/SourceFilters.h"
#include "audio/win32/ToolsSource.h"
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

// Windows' own graph for the file: RenderFile, run to completion, released.
bool renderFileOnce(const std::wstring& file) {
    ComPtr<IGraphBuilder> graph;
    ComPtr<IMediaControl> control;
    ComPtr<IMediaEvent> events;
    if (FAILED(CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC, IID_PPV_ARGS(&graph))) ||
        FAILED(graph->RenderFile(file.c_str(), nullptr)) || FAILED(graph.As(&control)) ||
        FAILED(graph->QueryInterface(IID_IMediaEvent, reinterpret_cast<void**>(events.GetAddressOf())))) {
        return false;
    }
    if (FAILED(control->Run())) return false;
    long code = 0;
    const bool completed = events->WaitForCompletion(60000, &code) == S_OK && code == EC_COMPLETE;
    control->Stop();
    return completed;
}

// The file decoded to 16-bit PCM by a fresh source reader inside its own MFStartup/MFShutdown.
bool mfDecodeOnce(const std::wstring& file) {
    if (FAILED(MFStartup(MF_VERSION, MFSTARTUP_LITE))) return false;
    bool decoded = false;
    {
        constexpr auto audio = static_cast<DWORD>(MF_SOURCE_READER_FIRST_AUDIO_STREAM);
        ComPtr<IMFSourceReader> reader;
        ComPtr<IMFMediaType> pcm;
        HRESULT hr = MFCreateSourceReaderFromURL(file.c_str(), nullptr, &reader);
        if (SUCCEEDED(hr)) hr = MFCreateMediaType(&pcm);
        if (SUCCEEDED(hr)) hr = pcm->SetGUID(MF_MT_MAJOR_TYPE, MFMediaType_Audio);
        if (SUCCEEDED(hr)) hr = pcm->SetGUID(MF_MT_SUBTYPE, MFAudioFormat_PCM);
        if (SUCCEEDED(hr)) hr = pcm->SetUINT32(MF_MT_AUDIO_BITS_PER_SAMPLE, 16);
        if (SUCCEEDED(hr)) hr = reader->SetCurrentMediaType(audio, nullptr, pcm.Get());
        while (SUCCEEDED(hr)) {
            DWORD flags = 0;
            ComPtr<IMFSample> sample;
            hr = reader->ReadSample(audio, 0, nullptr, &flags, nullptr, &sample);
            if (SUCCEEDED(hr) && (flags & MF_SOURCE_READERF_ENDOFSTREAM) != 0) {
                decoded = true;
                break;
            }
        }
    }
    MFShutdown();
    return decoded;
}

// The source reader set to 16-bit PCM and released unread, inside its own MFStartup/MFShutdown.
bool mfOpenOnce(const std::wstring& file) {
    if (FAILED(MFStartup(MF_VERSION, MFSTARTUP_LITE))) return false;
    HRESULT hr;
    {
        ComPtr<IMFSourceReader> reader;
        ComPtr<IMFMediaType> pcm;
        hr = MFCreateSourceReaderFromURL(file.c_str(), nullptr, &reader);
        if (SUCCEEDED(hr)) hr = MFCreateMediaType(&pcm);
        if (SUCCEEDED(hr)) hr = pcm->SetGUID(MF_MT_MAJOR_TYPE, MFMediaType_Audio);
        if (SUCCEEDED(hr)) hr = pcm->SetGUID(MF_MT_SUBTYPE, MFAudioFormat_PCM);
        if (SUCCEEDED(hr)) hr = pcm->SetUINT32(MF_MT_AUDIO_BITS_PER_SAMPLE, 16);
        if (SUCCEEDED(hr)) {
            hr = reader->SetCurrentMediaType(static_cast<DWORD>(MF_SOURCE_READER_FIRST_AUDIO_STREAM), nullptr, pcm.Get());
        }
    }
    MFShutdown();
    return SUCCEEDED(hr);
}

// The tools filter as the player makes it, given the file and released.
bool filterOnce(const AudioToolsConfig& tools, const std::wstring& file) {
    ComPtr<IBaseFilter> source;
    return SUCCEEDED(createToolsSource(tools, source)) && SUCCEEDED(loadSourceFile(*source.Get(), fromWide(file)));
}

// The tools filter registered for the machine as an in-process server, so that CoCreateInstance
// loads the file itself and CoFreeUnusedLibraries may unload it. Only ever in a throwaway prefix.
bool registerToolsFilter(const std::wstring& path) {
    const wchar_t* key = L"Software\\Classes\\CLSID\\{ABE7B1D9-4B3E-4ACD-A0D1-92611D3A4492}\\InprocServer32";
    HKEY server = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, key, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &server, nullptr) != 0) {
        return false;
    }
    const wchar_t model[] = L"Both";
    const bool done =
        RegSetValueExW(server, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(path.c_str()),
                       static_cast<DWORD>((path.size() + 1) * sizeof(wchar_t))) == 0 &&
        RegSetValueExW(server, L"ThreadingModel", 0, REG_SZ, reinterpret_cast<const BYTE*>(model), sizeof(model)) == 0;
    RegCloseKey(server);
    return done;
}

int loads = 0, unloads = 0;

bool coCreateOnce(const std::wstring& file) {
    const bool wasLoaded = GetModuleHandleW(L"DCBassSourceMod.ax") != nullptr;
    bool done = false;
    {
        ComPtr<IBaseFilter> source;
        HRESULT hr = CoCreateInstance(toolsSourceClassId, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&source));
        if (SUCCEEDED(hr)) hr = loadSourceFile(*source.Get(), fromWide(file));
        if (FAILED(hr)) std::fprintf(stderr, "cocreate: %#lx\n", static_cast<unsigned long>(hr));
        done = SUCCEEDED(hr);
        loads += !wasLoaded && GetModuleHandleW(L"DCBassSourceMod.ax") != nullptr;
    }
    CoFreeUnusedLibrariesEx(0, 0);
    unloads += GetModuleHandleW(L"DCBassSourceMod.ax") == nullptr;
    return done;
}

// --- Memory ---

struct Memory {
    double workingSet = 0;    // GetProcessMemoryInfo: under Wine the Linux VmRSS
    double privateUsage = 0;  // PROCESS_MEMORY_COUNTERS_EX::PrivateUsage, as Wine fills it
    double rss = 0;           // Z:\proc\PID\status VmRSS, or -1 when unreadable
    double rssAnon = 0;       // ... RssAnon: the resident pages no file backs
    double committed = 0;     // committed MEM_PRIVATE pages, by VirtualQuery
    double heapBusy = 0;      // bytes in use in every heap GetProcessHeaps lists
    size_t heaps = 0;
};

// A "Name:   1234 kB" line of /proc/self/status, in bytes; -1 when absent.
double statusField(const std::string& status, const char* name) {
    const size_t at = status.find(std::string("\n") + name + ":");
    if (at == std::string::npos) return -1;
    return std::strtod(status.c_str() + at + std::strlen(name) + 2, nullptr) * 1024;
}

// The whole of a small file through Wine's Z: drive; empty when unreadable.
std::string readUnixFile(const std::wstring& path) {
    std::string text;
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return text;
    char chunk[4096];
    DWORD got = 0;
    while (ReadFile(file, chunk, sizeof(chunk), &got, nullptr) && got > 0) text.append(chunk, got);
    CloseHandle(file);
    return text;
}

// This process's status file. Z:\proc\self is no use: Wine's server opens files, so "self" is
// the server. The Linux process is found instead as the one running this program for this mode
// (the modes are run one process at a time); empty when not exactly one matches.
std::wstring statusPath;

void findStatusPath(const std::wstring& mode) {
    WIN32_FIND_DATAW found;
    const HANDLE each = FindFirstFileW(L"Z:\\proc\\*", &found);
    if (each == INVALID_HANDLE_VALUE) return;
    int matches = 0;
    do {
        const std::wstring name = found.cFileName;
        if (name.empty() || name.find_first_not_of(L"0123456789") != std::wstring::npos) continue;
        std::string line = readUnixFile(L"Z:\\proc\\" + name + L"\\cmdline");
        std::replace(line.begin(), line.end(), '\0', ' ');
        if (line.find("lvtx_handle_growth.exe") != std::string::npos &&
            line.find(std::string(mode.begin(), mode.end())) != std::string::npos) {
            statusPath = L"Z:\\proc\\" + name + L"\\status";
            ++matches;
        }
    } while (FindNextFileW(each, &found));
    FindClose(each);
    if (matches != 1) statusPath.clear();
}

Memory memoryNow(bool full) {
    Memory memory;
    PROCESS_MEMORY_COUNTERS_EX counters = {};
    counters.cb = sizeof(counters);
    if (GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                             sizeof(counters))) {
        memory.workingSet = double(counters.WorkingSetSize);
        memory.privateUsage = double(counters.PrivateUsage);
    }
    memory.rss = memory.rssAnon = -1;
    if (!statusPath.empty()) {
        std::string text(1, '\n');
        text += readUnixFile(statusPath);
        memory.rss = statusField(text, "VmRSS");
        memory.rssAnon = statusField(text, "RssAnon");
    }
    if (!full) return memory;
    MEMORY_BASIC_INFORMATION region;
    for (const char* at = nullptr; VirtualQuery(at, &region, sizeof(region)) == sizeof(region);
         at = static_cast<const char*>(region.BaseAddress) + region.RegionSize) {
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) memory.committed += double(region.RegionSize);
        if (static_cast<const char*>(region.BaseAddress) + region.RegionSize < at) break;
    }
    std::vector<HANDLE> heaps(GetProcessHeaps(0, nullptr) + 16);
    heaps.resize(GetProcessHeaps(static_cast<DWORD>(heaps.size()), heaps.data()));
    memory.heaps = heaps.size();
    for (HANDLE heap : heaps) {
        if (!HeapLock(heap)) continue;
        PROCESS_HEAP_ENTRY entry = {};
        while (HeapWalk(heap, &entry)) {
            if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) memory.heapBusy += double(entry.cbData);
        }
        HeapUnlock(heap);
    }
    return memory;
}

// Least-squares slope of samples taken once a play, in bytes a play.
double slope(const std::vector<double>& samples) {
    const double n = double(samples.size());
    if (n < 2) return 0;
    double sx = 0, sy = 0, sxx = 0, sxy = 0;
    for (size_t i = 0; i < samples.size(); ++i) {
        sx += double(i);
        sy += samples[i];
        sxx += double(i) * double(i);
        sxy += double(i) * samples[i];
    }
    return (n * sxy - sx * sy) / (n * sxx - sx * sx);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if ((argc != 4 && argc != 5) || _wtoi(argv[3]) <= 0) {
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
        const auto once = [&]() -> bool {
            if (mode == L"player") return playThrough(player, fromWide(file), defaultDeviceName);
            if (mode == L"nullplayer") return playThrough(player, fromWide(file), nullDeviceName);
            if (mode == L"graph") return SUCCEEDED(PlayerGraph().create());
            if (mode == L"renderer") return static_cast<bool>(createAudioRenderer(defaultDeviceName));
            if (mode == L"reader") return readToEnd(file);
            if (mode == L"renderfile") return renderFileOnce(file);
            if (mode == L"mfreader") return mfDecodeOnce(file);
            if (mode == L"baseline") return mfDecodeOnce(file) && renderFileOnce(file);
            if (mode == L"filter") return filterOnce(tools, file);
            if (mode == L"mfopen") return mfOpenOnce(file);
            if (mode == L"probe") return SUCCEEDED(PcmReader().open(file.c_str()));
            if (mode == L"cocreate") return coCreateOnce(file);
            return false;
        };

        findStatusPath(mode);
        if (statusPath.empty()) std::fprintf(stderr, "no status file for this process under Z:\\proc\n");
        bool warmed = true;
        for (int i = 0; warmed && i < warmUp; ++i) warmed = once();
        pumpMessages(500);
        const auto before = ownHandles();
        const Memory first = memoryNow(true);
        std::vector<double> workingSets{first.workingSet}, anons{first.rssAnon};
        const int loadsBefore = loads, unloadsBefore = unloads;
        const DWORD started = GetTickCount();
        int failed = 0;
        for (int i = 0; warmed && i < plays; ++i) {
            failed += !once();
            const Memory now = memoryNow(false);
            workingSets.push_back(now.workingSet);
            anons.push_back(now.rssAnon);
        }
        const DWORD took = GetTickCount() - started;
        pumpMessages(500);
        const Memory last = memoryNow(true);
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
                            loads - loadsBefore, unloads - unloadsBefore, plays);
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
