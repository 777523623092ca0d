// The release packages as a Windows user meets them, driven from outside: the unpacked zip
// started through its launcher; the silent installer with its files, shortcuts and uninstall
// entry, its launcher, and an upgrade over a running copy; the silent uninstaller with a running
// copy and a logon-start value, each ending the program's watcher first. No package may change a
// byte of the data folder.
// scripts/release-test.sh unpacks the zip into the folder LVTX_RELEASE_UNPACKED and names the
// installer in LVTX_RELEASE_SETUP.
#include <gtest/gtest.h>
#include <windows.h>

#include <shlobj.h>

#include <vector>

#include "data/Product.h"
#include "e2e/driver/DataFolder.h"
#include "e2e/driver/MessageBoxes.h"
#include "e2e/driver/ProgramProcess.h"
#include "e2e/driver/Wait.h"
#include "e2e/driver/Watchdog.h"
#include "release/ReleaseProbes.h"
#include "winutil/UniqueHandle.h"
#include "winutil/WideText.h"

namespace {

// The folder, menu, shortcuts and uninstall entry all bear the product's name.
const std::wstring productName = toWide(product::name);
constexpr wchar_t uninstallKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\TolvarBroadcasting";
constexpr wchar_t runKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr wchar_t runValue[] = L"TolvarBroadcasting";
constexpr DWORD startTimeoutMs = 30000;
constexpr DWORD packageTimeoutMs = 60000;

std::wstring environment(const wchar_t* name) {
    wchar_t value[MAX_PATH] = {};
    const DWORD length = GetEnvironmentVariableW(name, value, MAX_PATH);
    return length > 0 && length < MAX_PATH ? value : L"";
}

std::wstring unpackedFolder() {
    return environment(L"LVTX_RELEASE_UNPACKED") + L"\\" + productName;
}

std::wstring setupExe() {
    return environment(L"LVTX_RELEASE_SETUP");
}

std::wstring quoted(const std::wstring& path) {
    return L"\"" + path + L"\"";
}

std::vector<std::wstring> namesOf(const std::map<std::wstring, std::string>& files) {
    std::vector<std::wstring> names;
    for (const auto& [name, bytes] : files) names.push_back(name);
    return names;
}

std::optional<DWORD> runToEnd(const std::wstring& exe, const std::wstring& arguments) {
    ProgramProcess process;
    if (process.start(exe, arguments) != 0) return std::nullopt;
    return process.waitForExit(packageTimeoutMs);
}

// The exit code of a process once it has ended (bounded).
std::optional<DWORD> exitCodeOf(const UniqueHandle& process) {
    DWORD code = 0;
    if (WaitForSingleObject(process.get(), startTimeoutMs) != WAIT_OBJECT_0 ||
        !GetExitCodeProcess(process.get(), &code)) {
        return std::nullopt;
    }
    return code;
}

class ReleaseTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
        dataFolder_ = dataFolderPath();
        ASSERT_TRUE(resetFolder(dataFolder_));
        // A file of the user's own beside the program's: kept like every other.
        ASSERT_TRUE(writeFileBytes(dataFolder_ + L"\\作息表备份.bak", "a backup of the schedule"));
        ASSERT_FALSE(runningCopy());
    }

    void TearDown() override {
        // As the installer does: the watcher first, or it starts the copy ended below again.
        EXPECT_TRUE(stopWatchers(startTimeoutMs));
        if (const auto copy = runningCopy()) {
            const UniqueHandle process(OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, copy->pid));
            TerminateProcess(process.get(), 1);
            WaitForSingleObject(process.get(), startTimeoutMs);
        }
        CoUninitialize();
    }

    // Starts `launcher`, which must end with 0 at once, and waits until it has started `program`
    // and that copy has logged its `startCount`th start-up without a message; `program` is then
    // that copy's process.
    void launch(const std::wstring& launcher, const std::wstring& expectedImage, size_t startCount,
                UniqueHandle& program) {
        ProgramProcess process;
        ASSERT_EQ(process.start(launcher, L""), 0u) << "cannot start the launcher";
        EXPECT_EQ(process.waitForExit(startTimeoutMs), 0u);
        std::optional<RunningCopy> copy;
        ASSERT_TRUE(waitUntil(
            [&] {
                copy = runningCopy();
                return copy && startUpLines(dataFolder_ + L"\\日志t.txt") == startCount;
            },
            startTimeoutMs, 100))
            << "the program did not start";
        EXPECT_TRUE(samePath(copy->image, expectedImage));
        EXPECT_FALSE(messageBoxShown(copy->pid)) << "the program's start-up checks failed";
        EXPECT_TRUE(watcherRunning()) << "the program started without its watcher";
        program = UniqueHandle(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | SYNCHRONIZE, FALSE, copy->pid));
        ASSERT_TRUE(program);
    }

    std::wstring dataFolder_;
};

TEST_F(ReleaseTest, TheUnpackedZipStartsTheProgramThroughItsLauncher) {
    const std::wstring folder = unpackedFolder();
    UniqueHandle program;
    ASSERT_NO_FATAL_FAILURE(launch(folder + L"\\TolvarBroadcasting.exe", folder + L"\\lvtx.exe", 1, program));
}

TEST_F(ReleaseTest, InstallUpgradeAndUninstallKeepTheDataFolder) {
    const std::wstring installed = shellFolder(CSIDL_PROGRAM_FILES) + L"\\" + productName;
    const std::wstring launcher = installed + L"\\TolvarBroadcasting.exe";
    const std::wstring program = installed + L"\\lvtx.exe";
    const std::wstring menuFolder = shellFolder(CSIDL_COMMON_PROGRAMS) + L"\\" + productName;
    const std::wstring desktopLink = shellFolder(CSIDL_COMMON_DESKTOPDIRECTORY) + L"\\" + productName + L".lnk";
    ASSERT_FALSE(pathExists(installed));

    ASSERT_EQ(runToEnd(setupExe(), L"/S"), 0u);
    // The installer ships what the zip ships, byte for byte, and its uninstaller.
    auto files = folderContents(installed);
    EXPECT_EQ(files.erase(L"uninst.exe"), 1u);
    const auto zipped = folderContents(unpackedFolder());
    EXPECT_EQ(namesOf(files), namesOf(zipped));
    EXPECT_TRUE(files == zipped) << "the installed files differ from the zip's";
    EXPECT_TRUE(samePath(shortcutTarget(menuFolder + L"\\" + productName + L".lnk"), launcher));
    EXPECT_TRUE(samePath(shortcutTarget(desktopLink), launcher));
    EXPECT_NE(registryText(HKEY_LOCAL_MACHINE, uninstallKey, L"DisplayName").value_or(L"").find(productName),
              std::wstring::npos);
    EXPECT_EQ(registryText(HKEY_LOCAL_MACHINE, uninstallKey, L"DisplayVersion"), toWide(product::version));
    EXPECT_FALSE(registryText(HKEY_LOCAL_MACHINE, uninstallKey, L"Publisher").value_or(L"").empty());
    EXPECT_TRUE(samePath(registryText(HKEY_LOCAL_MACHINE, uninstallKey, L"DisplayIcon").value_or(L""), launcher));
    EXPECT_TRUE(samePath(registryText(HKEY_LOCAL_MACHINE, uninstallKey, L"UninstallString").value_or(L""),
                         quoted(installed + L"\\uninst.exe")));

    // The desktop shortcut's launcher starts the installed program.
    UniqueHandle first;
    ASSERT_NO_FATAL_FAILURE(launch(shortcutTarget(desktopLink), program, 1, first));

    // An upgrade over the running copy ends its watcher, then the copy through its own exit (a
    // forced end gives 1), and nothing starts it again.
    auto data = folderContents(dataFolder_);
    ASSERT_EQ(runToEnd(setupExe(), L"/S"), 0u);
    EXPECT_EQ(exitCodeOf(first), 0u);
    EXPECT_FALSE(watcherRunning());
    EXPECT_FALSE(runningCopy());
    EXPECT_TRUE(folderContents(dataFolder_) == data) << "the upgrade changed the data folder";

    UniqueHandle second;
    ASSERT_NO_FATAL_FAILURE(launch(launcher, program, 2, second));
    // The settings page's logon start, hidden in the notification area.
    ASSERT_TRUE(setRegistryText(HKEY_CURRENT_USER, runKey, runValue, quoted(program) + L" 1"));
    data = folderContents(dataFolder_);

    ASSERT_EQ(runToEnd(installed + L"\\uninst.exe", L"/S"), 0u);
    // The uninstaller returns at once and works on from a copy of itself; the Run value goes last.
    EXPECT_TRUE(waitUntil([&] { return !registryText(HKEY_CURRENT_USER, runKey, runValue); }, packageTimeoutMs, 200));
    EXPECT_EQ(exitCodeOf(second), 0u);
    EXPECT_FALSE(watcherRunning());
    EXPECT_FALSE(instanceMutexExists());
    EXPECT_FALSE(pathExists(installed));
    EXPECT_FALSE(pathExists(menuFolder));
    EXPECT_FALSE(pathExists(desktopLink));
    EXPECT_FALSE(registryKeyExists(HKEY_LOCAL_MACHINE, uninstallKey));
    EXPECT_TRUE(folderContents(dataFolder_) == data) << "the uninstaller changed the data folder";
}

}  // namespace
