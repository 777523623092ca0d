#include "release/ReleaseProbes.h"

#include <shlobj.h>
#include <wrl/client.h>

#include <algorithm>

#include "data/Product.h"
#include "e2e/driver/DataFolder.h"
#include "e2e/driver/LogFile.h"
#include "winutil/UniqueHandle.h"
#include "winutil/WideText.h"

using Microsoft::WRL::ComPtr;

namespace {

void collectFiles(const std::wstring& folder, const std::wstring& prefix, std::map<std::wstring, std::string>& files) {
    WIN32_FIND_DATAW entry{};
    const UniqueFindHandle search(FindFirstFileW((folder + L"\\*").c_str(), &entry));
    if (!search) return;
    do {
        const std::wstring name = entry.cFileName;
        if (name == L"." || name == L"..") continue;
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            collectFiles(folder + L"\\" + name, prefix + name + L"\\", files);
        } else {
            // An unreadable file differs from every readable one.
            files[prefix + name] = readFileBytes(folder + L"\\" + name).value_or("<unreadable>");
        }
    } while (FindNextFileW(search.get(), &entry));
}

}  // namespace

std::optional<RunningCopy> runningCopy() {
    RunningCopy copy;
    copy.window = FindWindowW(L"TolvarBroadcasting", nullptr);
    if (copy.window == nullptr) return std::nullopt;
    GetWindowThreadProcessId(copy.window, &copy.pid);
    const UniqueHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, copy.pid));
    wchar_t image[MAX_PATH] = {};
    DWORD size = MAX_PATH;
    if (process && QueryFullProcessImageNameW(process.get(), 0, image, &size)) copy.image = image;
    return copy;
}

bool instanceMutexExists() {
    return static_cast<bool>(UniqueHandle(OpenMutexW(SYNCHRONIZE, FALSE, toWide(product::instanceMutex).c_str())));
}

size_t startUpLines(const std::wstring& logPath) {
    const auto bytes = readFileBytes(logPath);
    const auto lines = bytes ? parseLogFile(*bytes) : std::nullopt;
    if (!lines) return 0;
    return std::count_if(lines->begin(), lines->end(), [](const LogLine& line) { return line.text == L"软件启动"; });
}

std::map<std::wstring, std::string> folderContents(const std::wstring& folder) {
    std::map<std::wstring, std::string> files;
    collectFiles(folder, L"", files);
    return files;
}

bool pathExists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool samePath(const std::wstring& a, const std::wstring& b) {
    return CompareStringOrdinal(a.c_str(), -1, b.c_str(), -1, TRUE) == CSTR_EQUAL;
}

std::optional<std::wstring> registryText(HKEY root, const std::wstring& key, const std::wstring& value) {
    DWORD size = 0;
    if (RegGetValueW(root, key.c_str(), value.c_str(), RRF_RT_REG_SZ, nullptr, nullptr, &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    std::wstring text(size / sizeof(wchar_t), L'\0');
    if (RegGetValueW(root, key.c_str(), value.c_str(), RRF_RT_REG_SZ, nullptr, text.data(), &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    text.resize(wcsnlen(text.c_str(), text.size()));
    return text;
}

bool registryKeyExists(HKEY root, const std::wstring& key) {
    HKEY opened = nullptr;
    if (RegOpenKeyExW(root, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) return false;
    RegCloseKey(opened);
    return true;
}

bool setRegistryText(HKEY root, const std::wstring& key, const std::wstring& value, const std::wstring& text) {
    const auto bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
    return RegSetKeyValueW(root, key.c_str(), value.c_str(), REG_SZ, text.c_str(), bytes) == ERROR_SUCCESS;
}

std::wstring shortcutTarget(const std::wstring& link) {
    ComPtr<IShellLinkW> shellLink;
    ComPtr<IPersistFile> file;
    wchar_t target[MAX_PATH] = {};
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&shellLink))) ||
        FAILED(shellLink.As(&file)) || FAILED(file->Load(link.c_str(), STGM_READ)) ||
        FAILED(shellLink->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH))) {
        return {};
    }
    return target;
}

std::wstring shellFolder(int csidl) {
    wchar_t folder[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, csidl, nullptr, 0, folder))) return {};
    return folder;
}
