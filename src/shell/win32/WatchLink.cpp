#include "shell/win32/WatchLink.h"

#include <windows.h>

#include <string>
#include <vector>

#include "shell/win32/EndReport.h"
#include "winutil/MappedView.h"
#include "winutil/UniqueHandle.h"
#include "winutil/WideText.h"

namespace {

constexpr DWORD answerWaitMs = 3000;

struct WatchLink {
    UniqueHandle crashEvent;
    UniqueHandle mapping;
    MappedView view;

    EndReport* report() const { return static_cast<EndReport*>(view.get()); }
};

WatchLink link;

// A copy of `handle` that the watcher inherits; this process's own handles stay uninheritable.
UniqueHandle inheritableCopy(HANDLE handle, DWORD access, DWORD options) {
    HANDLE copy = nullptr;
    const HANDLE self = GetCurrentProcess();
    if (!DuplicateHandle(self, handle, self, &copy, access, TRUE, options)) return {};
    return UniqueHandle(copy);
}

std::wstring ownPath() {
    wchar_t path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::wstring(path, length) : std::wstring();
}

}  // namespace

bool startWatcher(const StartFlags& flags) {
    WatchLink made;
    made.crashEvent = UniqueHandle(CreateEventW(nullptr, FALSE, FALSE, nullptr));
    made.mapping = UniqueHandle(CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(EndReport), nullptr));
    if (!made.crashEvent || !made.mapping) return false;
    made.view = MappedView(made.mapping.get(), sizeof(EndReport));
    const std::wstring exe = ownPath();
    if (!made.view || exe.empty()) return false;

    // Enough to wait for this process and read its exit code, nothing more.
    const UniqueHandle self =
        inheritableCopy(GetCurrentProcess(), SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, 0);
    const UniqueHandle event = inheritableCopy(made.crashEvent.get(), 0, DUPLICATE_SAME_ACCESS);
    const UniqueHandle block = inheritableCopy(made.mapping.get(), 0, DUPLICATE_SAME_ACCESS);
    if (!self || !event || !block) return false;
    const std::wstring commandLine =
        L"\"" + exe + L"\" " +
        toWide(watcherArguments(handleNumber(self.get()), {handleNumber(event.get()), handleNumber(block.get())}, flags));
    std::vector<wchar_t> buffer(commandLine.begin(), commandLine.end());
    buffer.push_back(L'\0');
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    // The watcher never shows a window: no busy cursor waiting for one.
    startup.dwFlags = STARTF_FORCEOFFFEEDBACK;
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(exe.c_str(), buffer.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &info)) {
        return false;
    }
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    link = std::move(made);
    return true;
}

bool adoptWatcher(const WatchHandles& handles) {
    const HANDLE crashEvent = handleOf(handles.crashEvent);
    const HANDLE mapping = handleOf(handles.endReport);
    // Only a watcher's mapping maps: numbers typed by hand leave this process's handles alone.
    MappedView view(mapping, sizeof(EndReport));
    DWORD flags = 0;
    if (!view || !GetHandleInformation(crashEvent, &flags)) return false;
    // Whatever this copy starts (the browser, the editor) has no business with them.
    SetHandleInformation(crashEvent, HANDLE_FLAG_INHERIT, 0);
    SetHandleInformation(mapping, HANDLE_FLAG_INHERIT, 0);
    link.crashEvent = UniqueHandle(crashEvent);
    link.mapping = UniqueHandle(mapping);
    link.view = std::move(view);
    return true;
}

void announceExit() {
    if (EndReport* report = link.report()) InterlockedExchange(&report->state, endExitAnnounced);
}

RestartAnswer reportCrash(std::uint32_t code) {
    EndReport* report = link.report();
    if (report == nullptr) return RestartAnswer::none;
    InterlockedExchange(&report->answer, static_cast<LONG>(RestartAnswer::none));
    InterlockedExchange(&report->code, static_cast<LONG>(code));
    InterlockedExchange(&report->state, endCrashed);
    RestartAnswer answer = RestartAnswer::none;
    if (SetEvent(link.crashEvent.get())) {
        for (DWORD waited = 0; waited < answerWaitMs && answer == RestartAnswer::none; waited += 20) {
            Sleep(20);
            answer = restartAnswerOf(InterlockedCompareExchange(&report->answer, 0, 0));
        }
    }
    link = WatchLink{};
    return answer;
}
