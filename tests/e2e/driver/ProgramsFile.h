#pragma once
// Writes the programs file "定时播t" from its byte layout alone, independently of the
// program's own reader and writer: a count, fixed-size records, then the MD5 of both.
#include <windows.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

struct StartTime {
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// The fields the tests vary; every other field is the editor's default for a new program
// (every weekday, no date limit, enabled).
struct TestProgram {
    std::wstring name;
    std::wstring path;  // an audio file
    std::vector<StartTime> startTimes;
    bool countMode = true;  // play `songCount` times, else `seconds` seconds
    int songCount = 1;
    int seconds = 600;
    int volume = 80;
    bool delayable = false;
    std::array<int, 7> weekdays{1, 1, 1, 1, 1, 1, 1};  // Monday first
};

// The whole file; none when the system's MD5 is unavailable.
std::optional<std::string> programsFileBytes(const std::vector<TestProgram>& programs);
