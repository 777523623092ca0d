#pragma once
// The program's data folder (the roaming application-data folder + "lvtx.10") as the tests
// prepare and read it.
#include <optional>
#include <string>

// The folder's path; empty when the system does not report the application-data folder.
std::wstring dataFolderPath();
// Deletes the folder with everything in it and creates it empty; false on failure.
bool resetFolder(const std::wstring& folder);
bool writeFileBytes(const std::wstring& path, const std::string& bytes);
// The file's bytes; none when it cannot be read.
std::optional<std::string> readFileBytes(const std::wstring& path);
