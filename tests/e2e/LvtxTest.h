#pragma once
// The fixture of the end-to-end tests: a fresh data folder and audio folder for each test, the
// built lvtx.exe, and the texts and files the tests compare. A copy left running is ended by
// force when the test ends, so the fixture turns the watcher off for the copies it starts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "e2e/driver/HolidaysFile.h"
#include "e2e/driver/LogFile.h"
#include "e2e/driver/LvtxApp.h"
#include "e2e/driver/ProgramsFile.h"

inline constexpr DWORD startUpTimeoutMs = 30000;

class LvtxTest : public testing::Test {
protected:
    void SetUp() override;

    static std::wstring programExe();
    // A tone of `durationMs` in the test's audio folder; its path.
    std::wstring tone(const std::wstring& name, int durationMs);
    void writePrograms(const std::vector<TestProgram>& programs);
    void writeCalendar(const TestCalendar& calendar);
    // Starts the program and waits until it lists `programCount` programs.
    void startApp(LvtxApp& app, const std::wstring& arguments, size_t programCount);
    std::wstring logPath() const { return dataFolder_ + L"\\日志t.txt"; }
    std::wstring holidaysPath() const { return dataFolder_ + L"\\节假日t"; }

    std::wstring dataFolder_;
    std::wstring audioFolder_;
};

// The rows of the log list as log lines.
std::vector<LogLine> logRows(const LvtxApp& app);
// The lines in UTF-8, one a line, for failure messages.
std::string describe(const std::vector<LogLine>& lines);
// Whether `lines` hold a line with exactly this text.
bool hasLine(const std::vector<LogLine>& lines, const std::wstring& text);
