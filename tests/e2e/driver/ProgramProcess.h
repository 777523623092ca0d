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

    DWORD id() const { return id_; }
    bool running() const;
    // The exit code once the process has ended within `timeoutMs`.
    std::optional<DWORD> waitForExit(DWORD timeoutMs) const;
    // Ends a process still running and waits (bounded) until it has gone.
    void terminate();

private:
    UniqueHandle process_;
    DWORD id_ = 0;
};
