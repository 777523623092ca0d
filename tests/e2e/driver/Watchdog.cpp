#include "e2e/driver/Watchdog.h"

#include <tlhelp32.h>

#include <algorithm>
#include <string_view>

#include "e2e/driver/ProgramIds.h"
#include "e2e/driver/Wait.h"
#include "winutil/UniqueHandle.h"

namespace {

struct CopySearch {
    DWORD excluded = 0;
    bool titled = true;  // a crashed copy's window keeps its class but loses its title
    DWORD found = 0;
};

BOOL CALLBACK matchCopy(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<CopySearch*>(param);
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    if (std::wstring_view(name) != mainClassName) return TRUE;
    wchar_t title[256] = {};
    GetWindowTextW(window, title, 256);
    if (search->titled && !std::wstring_view(title).starts_with(mainTitlePrefix)) return TRUE;
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid == search->excluded) return TRUE;
    search->found = pid;
    return FALSE;
}

DWORD findCopy(DWORD excluded, bool titled) {
    CopySearch search{excluded, titled};
    EnumWindows(matchCopy, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool mutexExists() {
    return static_cast<bool>(UniqueHandle(OpenMutexW(SYNCHRONIZE, FALSE, instanceMutexName)));
}

}  // namespace

bool watcherRunning() {
    return static_cast<bool>(UniqueHandle(OpenEventW(SYNCHRONIZE, FALSE, watchdogStopEventName)));
}

bool stopWatchers(DWORD timeoutMs) {
    return waitUntil(
        [] {
            const UniqueHandle stop(OpenEventW(EVENT_MODIFY_STATE, FALSE, watchdogStopEventName));
            if (!stop) return true;
            SetEvent(stop.get());
            return false;
        },
        timeoutMs);
}

bool endEveryCopy(DWORD timeoutMs) {
    return waitUntil(
        [] {
            if (const DWORD pid = findCopy(0, false)) {
                const UniqueHandle process(OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid));
                TerminateProcess(process.get(), 1);
                WaitForSingleObject(process.get(), 10000);
                return false;
            }
            return !mutexExists();
        },
        timeoutMs, 100);
}

DWORD waitForOtherCopy(DWORD pid, DWORD timeoutMs) {
    DWORD found = 0;
    waitUntil([&] { return (found = findCopy(pid, true)) != 0; }, timeoutMs);
    return found;
}

std::vector<DWORD> programProcessIds() {
    std::vector<DWORD> ids;
    const UniqueHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (snapshot.get() == INVALID_HANDLE_VALUE) return ids;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot.get(), &entry); more; more = Process32NextW(snapshot.get(), &entry)) {
        if (CompareStringOrdinal(entry.szExeFile, -1, L"lvtx.exe", -1, TRUE) == CSTR_EQUAL) ids.push_back(entry.th32ProcessID);
    }
    return ids;
}

DWORD waitForNewProgramProcess(const std::vector<DWORD>& known, DWORD timeoutMs) {
    DWORD found = 0;
    waitUntil(
        [&] {
            for (const DWORD id : programProcessIds()) {
                if (std::find(known.begin(), known.end(), id) == known.end()) found = id;
            }
            return found != 0;
        },
        timeoutMs);
    return found;
}

bool requestCrash(HWND main) {
    const UINT message = RegisterWindowMessageW(testCrashMessageName);
    return message != 0 && PostMessageW(main, message, 0, 0);
}
