#pragma once
// The settings file "设置t" from its byte layout alone, independently of the program's own
// reader and writer: the record of 628 bytes, then its MD5.
#include <optional>
#include <string>

// Every setting at its default except the output device; none when the system's MD5 is
// unavailable.
std::optional<std::string> settingsFileBytes(const std::wstring& outputDevice);

// The output device a settings file holds; none when the file is too short for it.
std::optional<std::wstring> outputDeviceIn(const std::string& bytes);
