#pragma once
// This process's memory, read several ways, for the growth a play leaves behind.
#include <string>
#include <vector>

struct Memory {
    double workingSet = 0;    // GetProcessMemoryInfo: under Wine the Linux VmRSS
    double privateUsage = 0;  // PROCESS_MEMORY_COUNTERS_EX::PrivateUsage, as Wine fills it
    double rss = 0;           // Z:\proc\PID\status VmRSS, or -1 when unreadable
    double rssAnon = 0;       // ... RssAnon: the resident pages no file backs
    double committed = 0;     // committed MEM_PRIVATE pages, by VirtualQuery
    double heapBusy = 0;      // bytes in use in every heap GetProcessHeaps lists
    std::size_t heaps = 0;
};

// This process's Linux status file, as Z:\proc\PID\status. Z:\proc\self is no use: Wine's server
// opens files, so "self" is the server. The Linux process is found instead as the only one whose
// command line holds both `exeName` and `argument`; empty when not exactly one does.
std::wstring findStatusPath(const std::string& exeName, const std::string& argument);

// The counters; `full` adds the committed pages and the heaps, which take a walk.
Memory memoryNow(const std::wstring& statusPath, bool full);

// Least-squares slope of samples taken once a play, in bytes a play.
double slope(const std::vector<double>& samples);
