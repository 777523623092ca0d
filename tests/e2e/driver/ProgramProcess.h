#pragma once
// A program started by a test: its process handle, its exit, and a forced end when the test
// leaves it running.
#include <windows.h>

#include <optional>
#include <string>

#include "winutil/UniqueHandle.h"

class ProgramProcess {
public:
    ProgramProcess() = default;
    ~ProgramProcess();
    ProgramProcess(const ProgramProcess&) = delete;
    ProgramProcess& operator=(const ProgramProcess&) = delete;

    // Starts `exe` with `arguments` (empty: none); returns the system error code, 0 on success.
    DWORD start(const std::wstring& exe, const std::wstring& arguments);
    // Takes over process `pid`, started by another program; false when it cannot be opened.
    bool adopt(DWORD pid);

    DWORD id() const { return id_; }
    bool running() const;
    // The exit code once the process has ended within `timeoutMs`.
    std::optional<DWORD> waitForExit(DWORD timeoutMs) const;
    // The full path of the program file; none when the system does not tell.
    std::optional<std::wstring> imagePath() const;
    // Ends a process still running with `exitCode` and waits (bounded) until it has gone.
    void terminate(UINT exitCode = 1);

private:
    UniqueHandle process_;
    DWORD id_ = 0;
};
