#include "ProcessMemory.h"

#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

// A "Name:   1234 kB" line of a status file, in bytes; -1 when absent.
double statusField(const std::string& status, const char* name) {
    const std::size_t at = status.find(std::string("\n") + name + ":");
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

}  // namespace

std::wstring findStatusPath(const std::string& exeName, const std::string& argument) {
    WIN32_FIND_DATAW found;
    const HANDLE each = FindFirstFileW(L"Z:\\proc\\*", &found);
    if (each == INVALID_HANDLE_VALUE) return L"";
    std::wstring path;
    int matches = 0;
    do {
        const std::wstring name = found.cFileName;
        if (name.empty() || name.find_first_not_of(L"0123456789") != std::wstring::npos) continue;
        std::string line = readUnixFile(L"Z:\\proc\\" + name + L"\\cmdline");
        std::replace(line.begin(), line.end(), '\0', ' ');
        if (line.find(exeName) != std::string::npos && line.find(argument) != std::string::npos) {
            path = L"Z:\\proc\\" + name + L"\\status";
            ++matches;
        }
    } while (FindNextFileW(each, &found));
    FindClose(each);
    return matches == 1 ? path : L"";
}

Memory memoryNow(const std::wstring& statusPath, bool full) {
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

double slope(const std::vector<double>& samples) {
    const double n = double(samples.size());
    if (n < 2) return 0;
    double sx = 0, sy = 0, sxx = 0, sxy = 0;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        sx += double(i);
        sy += samples[i];
        sxx += double(i) * double(i);
        sxy += double(i) * samples[i];
    }
    return (n * sxy - sx * sy) / (n * sxx - sx * sx);
}
