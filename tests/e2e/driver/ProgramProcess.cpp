#include "e2e/driver/ProgramProcess.h"

#include <vector>

ProgramProcess::~ProgramProcess() {
    terminate();
}

DWORD ProgramProcess::start(const std::wstring& exe, const std::wstring& arguments) {
    std::wstring commandLine = L"\"" + exe + L"\"";
    if (!arguments.empty()) commandLine += L" " + arguments;
    std::vector<wchar_t> buffer(commandLine.begin(), commandLine.end());
    buffer.push_back(L'\0');
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(exe.c_str(), buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
        return GetLastError();
    }
    CloseHandle(info.hThread);
    process_ = UniqueHandle(info.hProcess);
    id_ = info.dwProcessId;
    return 0;
}

bool ProgramProcess::adopt(DWORD pid) {
    process_ = UniqueHandle(
        OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid));
    id_ = process_ ? pid : 0;
    return static_cast<bool>(process_);
}

bool ProgramProcess::running() const {
    return process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT;
}

std::optional<DWORD> ProgramProcess::waitForExit(DWORD timeoutMs) const {
    if (!process_ || WaitForSingleObject(process_.get(), timeoutMs) != WAIT_OBJECT_0) return std::nullopt;
    DWORD code = 0;
    if (!GetExitCodeProcess(process_.get(), &code)) return std::nullopt;
    return code;
}

std::optional<std::wstring> ProgramProcess::imagePath() const {
    wchar_t path[MAX_PATH] = {};
    DWORD size = MAX_PATH;
    if (!process_ || !QueryFullProcessImageNameW(process_.get(), 0, path, &size)) return std::nullopt;
    return std::wstring(path, size);
}

void ProgramProcess::terminate(UINT exitCode) {
    if (!running()) return;
    TerminateProcess(process_.get(), exitCode);
    WaitForSingleObject(process_.get(), 10000);
}
