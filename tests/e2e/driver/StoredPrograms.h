#pragma once
// Reads the programs file "定时播t" that the program wrote, from its byte layout alone: a
// count, records of 7032 bytes, then a 16-byte digest.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "e2e/driver/ProgramsFile.h"

struct StoredProgram {
    std::wstring name;
    bool isFile = true;
    std::wstring path;
    bool sequential = false;
    int volume = 0;
    std::vector<StartTime> startTimes;
    bool countMode = true;
    int songCount = 0;
    int seconds = 0;
    bool byWeekday = true;
    std::array<int, 7> weekdays{};
    std::array<int, 31> monthDays{};
    std::array<int, 8> dateRange{};  // start year, month, day, hour, then the end's
    bool delayable = false;
    bool disabled = false;
};

// The records; none when the bytes do not have the file's shape.
std::optional<std::vector<StoredProgram>> readStoredPrograms(const std::string& bytes);
// Their names in file order.
std::vector<std::wstring> storedNames(const std::vector<StoredProgram>& programs);
