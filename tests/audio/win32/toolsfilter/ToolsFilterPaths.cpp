#include "ToolsFilterPaths.h"

#include <windows.h>

#include <algorithm>

namespace {

std::wstring dllPath;
std::wstring soundsFolder;

std::wstring windowsPath(const char* path) {
    const int length = MultiByteToWideChar(CP_ACP, 0, path, -1, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(std::max(length, 1)) - 1, L'\0');
    MultiByteToWideChar(CP_ACP, 0, path, -1, wide.data(), length);
    if (!wide.empty() && wide.front() == L'/') wide = L"Z:" + wide;
    std::replace(wide.begin(), wide.end(), L'/', L'\\');
    return wide;
}

}  // namespace

void setToolsFilterPaths(const char* dll, const char* sounds) {
    dllPath = windowsPath(dll);
    soundsFolder = windowsPath(sounds);
}

const std::wstring& toolsFilterDllPath() {
    return dllPath;
}

std::wstring soundPath(const std::wstring& name) {
    return soundsFolder + L"\\" + name;
}
