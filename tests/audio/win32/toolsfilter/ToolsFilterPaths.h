#pragma once
// Where the DLL under test and the generated sounds are, from the command line.
#include <string>

// Accepts Windows paths and, under Wine, Unix ones (reached through drive Z:).
void setToolsFilterPaths(const char* dllPath, const char* soundsFolder);
const std::wstring& toolsFilterDllPath();
std::wstring soundPath(const std::wstring& name);
