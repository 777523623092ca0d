// The soak run's hands and eyes inside Wine (scripts/soak.sh), on the running program found by
// its main window (so never its watcher, which has none):
//   lvtx_soak_probe instant   starts an endless immediate-play run through the run dialog;
//   lvtx_soak_probe sample    prints "handles=H threads=T instant=N platformHandles=P": the
//                             Windows handle and thread counts of the program's process, the
//                             items the run has started (from the page's status "第 N 首 / 一直播"),
//                             and the handles of the platform baseline (lvtx_graph_player.exe);
//   lvtx_soak_probe exit      leaves through the close dialog's "退出程序"; prints the exit code.
// Exit code 0 on success. A measuring aid, never shipped with the program.
#include <windows.h>
#include <commctrl.h>
#include <tlhelp32.h>

#include <cstdio>
#include <cwchar>
#include <optional>
#include <string>

#include "SystemHandles.h"
#include "e2e/PageDriving.h"
#include "e2e/driver/LvtxApp.h"
#include "e2e/driver/ProgramIds.h"
#include "e2e/driver/Wait.h"
#include "e2e/driver/Windows.h"
#include "winutil/UniqueHandle.h"

namespace {

constexpr DWORD findTimeoutMs = 30000;
constexpr wchar_t runDialogTitle[] = L"立即播";
constexpr wchar_t endlessMark[] = L" / 一直播";

// The main window of the program's copy (its watcher has none); null after the time limit.
HWND findMainWindow() {
    HWND main = nullptr;
    waitUntil([&] { return (main = findTopLevelWindow(0, mainTitlePrefix, mainClassName)) != nullptr; },
              findTimeoutMs, 200);
    if (main == nullptr) std::fprintf(stderr, "no main window of the program\n");
    return main;
}

DWORD processOf(HWND window) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    return pid;
}

// The immediate-play page: the child dialog of the main window that holds its list.
HWND instantPage(HWND main) {
    for (HWND page = GetWindow(main, GW_CHILD); page != nullptr; page = GetWindow(page, GW_HWNDNEXT)) {
        if (GetDlgItem(page, instantListId)) return page;
    }
    return nullptr;
}

// N of "第 N 首 / 一直播"; none while the run waits ("即将播放") or has ended.
std::optional<int> endlessItems(const std::wstring& status) {
    int items = 0;
    if (status.find(endlessMark) == std::wstring::npos || std::swscanf(status.c_str(), L"第 %d 首", &items) != 1) {
        return std::nullopt;
    }
    return items;
}

int startEndlessRun(HWND main) {
    // Start-up loads the list after the pages exist.
    HWND page = nullptr;
    waitUntil(
        [&] {
            page = instantPage(main);
            return page != nullptr && sendBounded(GetDlgItem(page, instantListId), LVM_GETITEMCOUNT, 0, 0) > 0;
        },
        findTimeoutMs, 200);
    const DWORD pid = processOf(main);
    if (page == nullptr || !pressItem(page, instantStartId)) {
        std::fprintf(stderr, "no immediate-play list to start\n");
        return 1;
    }
    const HWND run = waitForDialogTitled(pid, runDialogTitle);
    if (run == nullptr) {
        std::fprintf(stderr, "the run dialog did not open\n");
        return 1;
    }
    // "播 0 首": endless, until stopped.
    if (!clickItem(run, runSongsRadioId) || !setItemText(run, runSongsEditId, L"0") || !pressItem(run, IDOK) ||
        !waitUntilGone(run)) {
        std::fprintf(stderr, "the run dialog did not take the endless run\n");
        return 1;
    }
    // The first item waits until timed play is lowered: seconds when a bell sounds.
    if (!waitUntil([&] { return endlessItems(itemText(page, instantStatusId)).has_value(); }, 20000, 100)) {
        std::fprintf(stderr, "the run did not start: \"%s\"\n", utf8(itemText(page, instantStatusId)).c_str());
        return 1;
    }
    return 0;
}

// The process entry of process `pid`, or of the first process whose file is named `exeName`.
std::optional<PROCESSENTRY32W> processEntry(DWORD pid, const wchar_t* exeName = nullptr) {
    const UniqueHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot || snapshot.get() == INVALID_HANDLE_VALUE) return std::nullopt;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot.get(), &entry); more; more = Process32NextW(snapshot.get(), &entry)) {
        if (exeName ? _wcsicmp(entry.szExeFile, exeName) == 0 : entry.th32ProcessID == pid) return entry;
    }
    return std::nullopt;
}

// How many handles process `pid` holds.
std::optional<DWORD> handleCount(DWORD pid) {
    const auto handles = handlesHeldBy(pid);
    if (!handles) return std::nullopt;
    return static_cast<DWORD>(handles->size());
}

int printSample(HWND main) {
    const DWORD pid = processOf(main);
    const auto handles = handleCount(pid);
    const auto entry = processEntry(pid);
    const auto platform = processEntry(0, L"lvtx_graph_player.exe");
    const auto platformHandles = platform ? handleCount(platform->th32ProcessID) : std::nullopt;
    const HWND page = instantPage(main);
    const auto items = page ? endlessItems(itemText(page, instantStatusId)) : std::nullopt;
    if (!handles || !entry || !platformHandles) {
        std::fprintf(stderr, "the system did not list the handles or threads of the program or the baseline\n");
        return 1;
    }
    std::printf("handles=%lu threads=%lu instant=%d platformHandles=%lu\n", *handles, entry->cntThreads,
                items.value_or(-1), *platformHandles);
    return 0;
}

int exitProgram(HWND main) {
    LvtxApp app;
    const std::wstring failure = app.adopt(processOf(main), findTimeoutMs);
    if (!failure.empty()) {
        std::fprintf(stderr, "%s\n", utf8(failure).c_str());
        return 1;
    }
    const auto code = app.exitThroughCloseDialog(30000);
    if (!code) {
        std::fprintf(stderr, "the program did not exit through its close dialog\n");
        return 1;
    }
    std::printf("exit=%lu\n", *code);
    return *code == 0 ? 0 : 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring command = argc == 2 ? argv[1] : L"";
    if (command != L"instant" && command != L"sample" && command != L"exit") {
        std::fprintf(stderr, "usage: lvtx_soak_probe instant|sample|exit\n");
        return 2;
    }
    const HWND main = findMainWindow();
    if (main == nullptr) return 1;
    if (command == L"instant") return startEndlessRun(main);
    if (command == L"sample") return printSample(main);
    return exitProgram(main);
}
