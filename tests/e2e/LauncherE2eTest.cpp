// The launcher seen from outside: copied into a fresh folder, alone or beside parts of an
// installation, and started from the test's own folder as a shortcut starts it.
#include <windows.h>

#include <string>

#include "e2e/LvtxTest.h"
#include "e2e/driver/DataFolder.h"
#include "e2e/driver/MessageBoxes.h"
#include "e2e/driver/ProgramIds.h"
#include "e2e/driver/Wait.h"
#include "e2e/driver/Windows.h"
#include "data/Product.h"
#include "launcher/LaunchCheck.h"
#include "winutil/UniqueHandle.h"

namespace {

constexpr DWORD launcherTimeoutMs = 15000;

std::wstring wide(std::u16string_view text) {
    return std::wstring(text.begin(), text.end());
}

std::u16string narrow(const std::wstring& text) {
    return std::u16string(text.begin(), text.end());
}

class LauncherTest : public LvtxTest {
protected:
    void SetUp() override {
        LvtxTest::SetUp();
        wchar_t temp[MAX_PATH] = {};
        ASSERT_NE(GetTempPathW(MAX_PATH, temp), 0u);
        install_ = std::wstring(temp) + L"lvtx-launcher-e2e";
        ASSERT_TRUE(resetFolder(install_));
        ASSERT_TRUE(copyBuilt(L"TolvarBroadcasting.exe"));
    }

    // The folder of the built programs, with its final backslash.
    static std::wstring builtFolder() {
        std::wstring folder = programExe();
        folder.resize(folder.find_last_of(L'\\') + 1);
        return folder;
    }

    // Copies a file that the build put beside lvtx.exe to the same place in the installation.
    bool copyBuilt(const std::wstring& name) const {
        return CopyFileW((builtFolder() + name).c_str(), installed(name).c_str(), FALSE) != FALSE;
    }

    std::wstring installed(const std::wstring& name) const { return install_ + L"\\" + name; }

    // Starts the launcher and waits for its message box.
    std::optional<MessageBoxSeen> messageOfLauncher(ProgramProcess& launcher) const {
        if (launcher.start(installed(L"TolvarBroadcasting.exe"), L"") != 0) return std::nullopt;
        return waitForMessageBox(launcher.id(), launcherTimeoutMs);
    }

    // A shown message: its caption and text, and the launcher's end after OK.
    static void expectMessageThenExit(ProgramProcess& launcher, const std::optional<MessageBoxSeen>& box,
                                      const LaunchDecision& expected) {
        ASSERT_TRUE(box.has_value());
        EXPECT_EQ(box->caption, wide(product::mainTitle));
        EXPECT_EQ(box->text, wide(launchMessage(expected)));
        ASSERT_TRUE(answerMessageBox(*box, IDOK, launcherTimeoutMs));
        EXPECT_EQ(launcher.waitForExit(launcherTimeoutMs), 0u);
    }

    std::wstring install_;
};

TEST_F(LauncherTest, AloneInAnEmptyFolderItAsksForTheWholeArchiveToBeExtracted) {
    ProgramProcess launcher;
    const auto box = messageOfLauncher(launcher);
    expectMessageThenExit(launcher, box, {LaunchAction::showUnextracted, narrow(installed(L"lvtx.exe"))});
}

TEST_F(LauncherTest, BesideOnlyTheHelpPageItNamesTheMissingMainProgram) {
    ASSERT_TRUE(copyBuilt(L"faqOfRun.htm"));
    ProgramProcess launcher;
    const auto box = messageOfLauncher(launcher);
    expectMessageThenExit(launcher, box, {LaunchAction::showMissing, narrow(installed(L"lvtx.exe"))});
}

TEST_F(LauncherTest, BesideTheMainProgramItStartsItWithoutArgumentsAndEnds) {
    ASSERT_TRUE(copyBuilt(L"lvtx.exe"));
    // The tools folder as built, which the program checks at start-up. No GdiPlus.dll: the
    // system's own serves.
    ASSERT_TRUE(CreateDirectoryW(installed(L"lvtx_tools").c_str(), nullptr));
    WIN32_FIND_DATAW entry{};
    const UniqueFindHandle search(FindFirstFileW((builtFolder() + L"lvtx_tools\\*").c_str(), &entry));
    ASSERT_TRUE(search);
    do {
        if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
            ASSERT_TRUE(copyBuilt(std::wstring(L"lvtx_tools\\") + entry.cFileName));
        }
    } while (FindNextFileW(search.get(), &entry));

    ProgramProcess launcher;
    ASSERT_EQ(launcher.start(installed(L"TolvarBroadcasting.exe"), L""), 0u);
    EXPECT_EQ(launcher.waitForExit(launcherTimeoutMs), 0u);

    HWND main = nullptr;
    ASSERT_TRUE(waitUntil([&] { return (main = findTopLevelWindow(0, mainTitlePrefix)) != nullptr; },
                          startUpTimeoutMs));
    DWORD pid = 0;
    GetWindowThreadProcessId(main, &pid);
    ProgramProcess program;
    ASSERT_TRUE(program.adopt(pid));
    const auto image = program.imagePath();
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(CompareStringOrdinal(image->c_str(), -1, installed(L"lvtx.exe").c_str(), -1, TRUE), CSTR_EQUAL)
        << "the program started is not the copy beside the launcher";
    // Without the argument "1" or "3" the window shows.
    EXPECT_TRUE(waitUntil([&] { return IsWindowVisible(main) != FALSE; }, launcherTimeoutMs));
}

}  // namespace
