#include "web/win32/ElevatedPortGrant.h"

#include <objbase.h>
#include <shellapi.h>

#include <string>
#include <thread>

#include "web/PortGrant.h"
#include "winutil/WideText.h"

namespace {

// netsh takes a second or two; a hung one must not keep the page waiting for ever.
constexpr DWORD commandsTimeoutMs = 60000;

// The programs come from the system folder only: an elevated run must not find one on the path.
std::wstring systemFolder() {
    wchar_t folder[MAX_PATH] = {};
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::wstring(folder, length) : std::wstring();
}

DWORD runElevated(HWND owner, int port) {
    const std::wstring folder = systemFolder();
    if (folder.empty()) return GetLastError();
    const std::wstring shell = folder + L"\\cmd.exe";
    const std::wstring parameters = toWide(portGrantParameters(fromWide(folder), port));
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
    info.hwnd = owner;
    info.lpVerb = L"runas";
    info.lpFile = shell.c_str();
    info.lpParameters = parameters.c_str();
    info.nShow = SW_HIDE;
    if (!ShellExecuteExW(&info)) return GetLastError();
    if (info.hProcess != nullptr) {
        WaitForSingleObject(info.hProcess, commandsTimeoutMs);
        CloseHandle(info.hProcess);
    }
    return NO_ERROR;
}

}  // namespace

void grantPortElevated(HWND owner, HWND window, UINT message, WPARAM tag, int port) {
    std::thread([=] {
        // The shell's verbs may need COM on the calling thread.
        const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
        const DWORD result = runElevated(owner, port);
        if (SUCCEEDED(com)) CoUninitialize();
        PostMessageW(window, message, tag, static_cast<LPARAM>(result));
    }).detach();
}
