#pragma once
// Windows local time as the play log writes it.
#include <windows.h>

#include <optional>
#include <string>

// The local time now, milliseconds 0.
SYSTEMTIME localNowToSecond();
SYSTEMTIME addSeconds(const SYSTEMTIME& time, int seconds);
// Signed difference b − a in whole seconds.
long long secondsBetween(const SYSTEMTIME& a, const SYSTEMTIME& b);
// The time of a text "YYYY-MM-DD HH:MM:SS"; none when it is not one.
std::optional<SYSTEMTIME> parseLogTime(const std::wstring& text);
