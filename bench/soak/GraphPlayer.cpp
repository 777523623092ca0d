// The soak run's platform baseline (scripts/soak.sh): the two pieces of the system that each of
// the program's plays uses, once a play: Media Foundation's source reader decoding the file to
// PCM to its end (the tools filter's decoder), then Windows' own DirectShow graph playing it (a
// new graph each time: RenderFile, run to completion, released). One play every PERIOD_MS,
// PHASE_MS after each multiple of the period in the system's time (so that its graphs are built
// between the program's), until the process is ended. After each play the count of plays is
// written to COUNT_FILE, so that memory growth can be compared per play.
//   lvtx_graph_player FILE PERIOD_MS PHASE_MS COUNT_FILE
// A measuring aid, never shipped with the program.
#include <windows.h>
#include <objbase.h>

#include <cstdio>
#include <cwchar>

#include "PlatformPlay.h"

namespace {

constexpr int playAttempts = 3;

// Milliseconds of the system's time (UTC), to lay the plays on the wall clock's grid.
ULONGLONG systemMs() {
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    return ((static_cast<ULONGLONG>(now.dwHighDateTime) << 32) | now.dwLowDateTime) / 10000;
}

bool writeCount(const wchar_t* path, unsigned count) {
    FILE* out = _wfopen(path, L"w");
    if (out == nullptr) return false;
    std::fprintf(out, "%u\n", count);
    return std::fclose(out) == 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: lvtx_graph_player FILE PERIOD_MS PHASE_MS COUNT_FILE\n");
        return 2;
    }
    const wchar_t* file = argv[1];
    const ULONGLONG periodMs = std::wcstoul(argv[2], nullptr, 10);
    const ULONGLONG phaseMs = std::wcstoul(argv[3], nullptr, 10);
    const wchar_t* countFile = argv[4];
    if (periodMs == 0 || FAILED(CoInitializeEx(nullptr, COINIT_MULTITHREADED))) return 2;
    unsigned plays = 0;
    for (;;) {
        // The next point of the grid, however long the last play took.
        const ULONGLONG now = systemMs();
        const ULONGLONG next = (now - phaseMs) / periodMs * periodMs + periodMs + phaseMs;
        Sleep(static_cast<DWORD>(next - now));
        // A graph built while the program enumerates the devices can miss the renderer (Wine's
        // enumerator rebuilds its list on every pass), so a failed play is tried again.
        bool played = false;
        for (int attempt = 0; !played && attempt < playAttempts; ++attempt) {
            played = sourceReaderOnce(file, true) && renderFileOnce(file);
        }
        if (!played) {
            std::fprintf(stderr, "play %u failed %d times\n", plays + 1, playAttempts);
            return 1;
        }
        if (!writeCount(countFile, ++plays)) return 1;
    }
}
