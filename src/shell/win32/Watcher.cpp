#include "shell/win32/Watcher.h"

#include <windows.h>

#include <string>
#include <vector>

#include "data/Product.h"
#include "data/win32/LocalNow.h"
#include "data/win32/SystemMessage.h"
#include "data/win32/Win32FileSystem.h"
#include "scheduler/LogFile.h"
#include "shell/Watchdog.h"
#include "shell/win32/AppStateSetup.h"
#include "shell/win32/EndReport.h"
#include "winutil/MappedView.h"
#include "winutil/UniqueHandle.h"
#include "winutil/WideText.h"

namespace {

// The program appends to the log too, each line within a few milliseconds: a busy file is
// retried rather than the line lost.
constexpr int logAttempts = 40;
constexpr DWORD logRetryMs = 50;

void logLine(const AppPaths& paths, std::u16string_view text) {
    Win32FileSystem fs;
    const DataFolder folder{fs, paths.shellFolder, paths.dataDir};
    const DateTime now = localNow();
    for (int attempt = 0; attempt < logAttempts; ++attempt) {
        if (appendLogLine(folder, paths.logFile, now, text).ok) return;
        Sleep(logRetryMs);
    }
}

bool isSet(const UniqueHandle& event) {
    return WaitForSingleObject(event.get(), 0) == WAIT_OBJECT_0;
}

// The program again, with the operator's flags and the handles it reports its end through.
UniqueHandle startProgram(const AppPaths& paths, const Launch& launch, DWORD& error) {
    const std::wstring exe = toWide(paths.exePath);
    const std::wstring commandLine = L"\"" + exe + L"\" " + toWide(restartArguments(launch.handles, launch.flags));
    std::vector<wchar_t> buffer(commandLine.begin(), commandLine.end());
    buffer.push_back(L'\0');
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(exe.c_str(), buffer.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &info)) {
        error = GetLastError();
        return {};
    }
    CloseHandle(info.hThread);
    return UniqueHandle(info.hProcess);
}

}  // namespace

int runWatcher(const Launch& launch) {
    // Handles typed by hand map nothing: such a watcher ends at once.
    MappedView view(handleOf(launch.handles.endReport), sizeof(EndReport));
    if (!view) return 0;
    const UniqueHandle mapping(handleOf(launch.handles.endReport));
    const UniqueHandle crashEvent(handleOf(launch.handles.crashEvent));
    UniqueHandle program(handleOf(launch.programProcess));
    // The first copy's process handle must not pass on to the copies this watcher starts.
    SetHandleInformation(program.get(), HANDLE_FLAG_INHERIT, 0);
    const UniqueHandle stop(CreateEventW(nullptr, TRUE, FALSE, toWide(product::watchdogStopEvent).c_str()));
    if (!stop) return 0;
    EndReport& report = *static_cast<EndReport*>(view.get());
    const AppPaths paths = systemAppPaths();
    RestartHistory history;

    for (;;) {
        const HANDLE waits[] = {stop.get(), crashEvent.get(), program.get()};
        const DWORD woken = WaitForMultipleObjects(3, waits, FALSE, INFINITE);
        if (woken != WAIT_OBJECT_0 + 1 && woken != WAIT_OBJECT_0 + 2) return 0;  // stopped, or nothing left to wait on
        ProgramEnd end;
        if (woken == WAIT_OBJECT_0 + 1) {
            if (report.state != endCrashed) continue;
            end.crashReported = true;
            end.code = static_cast<std::uint32_t>(report.code);
        } else {
            DWORD code = 0;
            GetExitCodeProcess(program.get(), &code);
            end.exitAnnounced = report.state == endExitAnnounced;
            end.code = code;
        }
        // An installer that stops the watcher at this moment wins over the restart.
        if (isSet(stop)) return 0;
        const std::uint64_t now = GetTickCount64();
        const WatchVerdict verdict = judgeEnd(end, GetSystemMetrics(SM_SHUTTINGDOWN) != 0, history.recent(now));
        // The crashed copy waits for this before its message.
        InterlockedExchange(&report.answer, static_cast<LONG>(answerFor(verdict)));
        if (verdict == WatchVerdict::leave) return 0;
        logLine(paths, watchLogLine(verdict, end.code));
        if (verdict != WatchVerdict::restart) return 0;

        program.reset();
        InterlockedExchange(&report.code, 0);
        InterlockedExchange(&report.state, endRunning);
        DWORD error = 0;
        program = startProgram(paths, launch, error);
        if (!program) {
            logLine(paths, restartFailedLine(systemMessageText(error)));
            return 0;
        }
        history.record(now);
    }
}
