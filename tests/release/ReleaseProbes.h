#pragma once
// What the release test looks at from outside the program: its running copy, its log's
// start-up lines, folders byte for byte, registry values and shortcuts.
#include <windows.h>

#include <map>
#include <optional>
#include <string>

// The copy of lvtx.exe whose main window exists: the window, its process and its file.
struct RunningCopy {
    HWND window = nullptr;
    DWORD pid = 0;
    std::wstring image;
};
std::optional<RunningCopy> runningCopy();
// Whether the single-instance mutex exists, which the program holds until its process ends.
bool instanceMutexExists();
// How many "软件启动" lines the log file `logPath` holds.
size_t startUpLines(const std::wstring& logPath);

// Every file below `folder` (relative path → bytes); empty when the folder is missing.
std::map<std::wstring, std::string> folderContents(const std::wstring& folder);
bool pathExists(const std::wstring& path);
bool samePath(const std::wstring& a, const std::wstring& b);

std::optional<std::wstring> registryText(HKEY root, const std::wstring& key, const std::wstring& value);
bool registryKeyExists(HKEY root, const std::wstring& key);
bool setRegistryText(HKEY root, const std::wstring& key, const std::wstring& value, const std::wstring& text);

// The target of a shell link; empty when it cannot be read.
std::wstring shortcutTarget(const std::wstring& link);
// A folder of the shell by its CSIDL number (program files, the all-users menu and desktop).
std::wstring shellFolder(int csidl);
