// The program's windows seen from outside: one copy at a time, the hidden start, the close
// dialog and the notification icon.
#include <windows.h>

#include "e2e/LvtxTest.h"
#include "e2e/driver/DataFolder.h"
#include "e2e/driver/LocalTime.h"
#include "e2e/driver/ProgramIds.h"
#include "e2e/driver/TrayIcon.h"
#include "e2e/driver/Wait.h"
#include "e2e/driver/Windows.h"

namespace {

constexpr DWORD windowTimeoutMs = 15000;  // showing or hiding takes seconds under Wine without a window manager

class LvtxShellTest : public LvtxTest {
protected:
    // One program that does not fall due while the test runs: start-up is complete when the
    // program list shows it.
    void writeQuietProgram() {
        const SYSTEMTIME later = addSeconds(localNowToSecond(), -1800);
        writePrograms({{L"午休", tone(L"quiet", 400), {{later.wHour, later.wMinute, later.wSecond}}}});
    }
};

bool visibleWithin(HWND window, bool visible) {
    return waitUntil([&] { return (IsWindowVisible(window) != FALSE) == visible; }, windowTimeoutMs);
}

TEST_F(LvtxShellTest, SecondStartWarnsAndExitsWhileTheFirstRuns) {
    writeQuietProgram();
    LvtxApp first;
    startApp(first, L"", 1);
    const auto logBefore = readFileBytes(logPath());
    ASSERT_TRUE(logBefore.has_value());

    ProgramProcess second;
    ASSERT_EQ(second.start(programExe(), L""), 0u);
    HWND box = nullptr;
    ASSERT_TRUE(waitUntil([&] { return (box = findDialog(second.id())) != nullptr; }, startUpTimeoutMs));
    EXPECT_EQ(windowText(box), productName);
    EXPECT_NE(childTexts(box).find(L"软件已在运行"), std::wstring::npos);
    ASSERT_TRUE(clickButton(GetDlgItem(box, IDOK)));
    EXPECT_EQ(second.waitForExit(windowTimeoutMs), 0u);

    EXPECT_TRUE(first.process().running());
    EXPECT_TRUE(sendBounded(first.mainWindow(), WM_NULL, 0, 0).has_value()) << "the first copy stopped answering";
    EXPECT_EQ(readFileBytes(logPath()), logBefore) << "the second copy wrote to the log";
}

TEST_F(LvtxShellTest, ArgumentOneStartsHiddenWithATrayIcon) {
    writeQuietProgram();
    LvtxApp app;
    startApp(app, L"1", 1);
    EXPECT_TRUE(visibleWithin(app.mainWindow(), false));
    EXPECT_TRUE(IsWindow(app.mainWindow()));
    EXPECT_TRUE(hasTrayIcon(app.mainWindow(), 0));
}

TEST_F(LvtxShellTest, CloseDialogHidesToTrayAndTheIconBringsTheWindowBack) {
    writeQuietProgram();
    LvtxApp app;
    startApp(app, L"", 1);
    ASSERT_TRUE(visibleWithin(app.mainWindow(), true));

    const HWND dialog = app.openCloseDialog(windowTimeoutMs);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(windowText(dialog), productName);
    EXPECT_EQ(sendBounded(GetDlgItem(dialog, closeToTrayId), BM_GETCHECK, 0, 0), BST_CHECKED)
        << "hiding is the preselected choice";
    ASSERT_TRUE(app.answerCloseDialog(dialog, closeToTrayId));
    EXPECT_TRUE(visibleWithin(app.mainWindow(), false));
    EXPECT_TRUE(hasTrayIcon(app.mainWindow(), 0));
    EXPECT_TRUE(app.process().running());

    ASSERT_TRUE(PostMessageW(app.mainWindow(), trayCallbackMessage, 0, WM_LBUTTONDOWN));
    EXPECT_TRUE(visibleWithin(app.mainWindow(), true));
    EXPECT_FALSE(hasTrayIcon(app.mainWindow(), 0));

    // The operator's way out: 退出程序 ends the process normally, with the closing log line.
    EXPECT_EQ(app.exitThroughCloseDialog(windowTimeoutMs), 0u);
    const auto bytes = readFileBytes(logPath());
    ASSERT_TRUE(bytes.has_value());
    const auto lines = parseLogFile(*bytes);
    ASSERT_TRUE(lines.has_value() && !lines->empty());
    EXPECT_EQ(lines->back().text, L"软件关闭");
}

}  // namespace
