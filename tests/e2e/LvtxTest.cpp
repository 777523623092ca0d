#include "e2e/LvtxTest.h"

#include <windows.h>

#include <algorithm>

#include "e2e/driver/DataFolder.h"
#include "e2e/driver/ProgramIds.h"
#include "e2e/driver/ToneWave.h"

void LvtxTest::SetUp() {
    // These tests end the program by force: no watcher may start it again behind them. Copies of
    // the program inherit the variable, through the launcher too.
    ASSERT_TRUE(SetEnvironmentVariableW(L"LVTX_E2E_NO_WATCHDOG", L"1"));
    dataFolder_ = dataFolderPath();
    ASSERT_FALSE(dataFolder_.empty());
    ASSERT_TRUE(resetFolder(dataFolder_));
    wchar_t temp[MAX_PATH] = {};
    ASSERT_NE(GetTempPathW(MAX_PATH, temp), 0u);
    audioFolder_ = std::wstring(temp) + L"lvtx-e2e-audio";
    ASSERT_TRUE(resetFolder(audioFolder_));
}

std::wstring LvtxTest::programExe() {
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring folder(self);
    folder.resize(folder.find_last_of(L'\\'));
    return folder + L"\\" LVTX_PROGRAM_FOLDER_FROM_TESTS L"\\lvtx.exe";
}

std::wstring LvtxTest::tone(const std::wstring& name, int durationMs) {
    const std::wstring path = audioFolder_ + L"\\" + name + L".wav";
    EXPECT_TRUE(writeToneWave(path, durationMs));
    return path;
}

void LvtxTest::writePrograms(const std::vector<TestProgram>& programs) {
    const auto bytes = programsFileBytes(programs);
    ASSERT_TRUE(bytes.has_value());
    ASSERT_TRUE(writeFileBytes(dataFolder_ + L"\\定时播t", *bytes));
}

void LvtxTest::writeCalendar(const TestCalendar& calendar) {
    const auto bytes = holidaysFileBytes(calendar);
    ASSERT_TRUE(bytes.has_value());
    ASSERT_TRUE(writeFileBytes(holidaysPath(), *bytes));
}

void LvtxTest::startApp(LvtxApp& app, const std::wstring& arguments, size_t programCount) {
    const std::wstring failure = app.start(programExe(), arguments, startUpTimeoutMs);
    ASSERT_TRUE(failure.empty()) << testing::PrintToString(failure);
    ASSERT_TRUE(app.waitForPrograms(programCount, startUpTimeoutMs));
}

std::vector<LogLine> logRows(const LvtxApp& app) {
    std::vector<LogLine> lines;
    for (const auto& row : app.rows(logListId).value_or(ListRows{})) {
        lines.push_back({row.at(0), row.size() > 1 ? row[1] : L""});
    }
    return lines;
}

bool hasLine(const std::vector<LogLine>& lines, const std::wstring& text) {
    return std::any_of(lines.begin(), lines.end(), [&](const LogLine& line) { return line.text == text; });
}

std::string describe(const std::vector<LogLine>& lines) {
    std::string text;
    for (const LogLine& line : lines) {
        const std::wstring wide = line.time + L"   " + line.text + L"\n";
        const int size = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                             nullptr, nullptr);
        std::string utf8(static_cast<size_t>(size), '\0');
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), size, nullptr,
                            nullptr);
        text += utf8;
    }
    return text;
}
