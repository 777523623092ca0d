#include "shell/AppState.h"

#include <utility>

#include "data/HolidaysFile.h"
#include "data/Product.h"
#include "data/ProgramsFile.h"
#include "data/Text.h"
#include "system/SettingsFile.h"
#include "web/WebSettingsFile.h"

AppPaths makeAppPaths(std::u16string_view exePath, std::u16string_view shellFolder) {
    AppPaths paths;
    paths.exePath = std::u16string(exePath);
    paths.exeDir = std::u16string(parentFolder(exePath));
    paths.musicDir = joinPath(paths.exeDir, u"music");
    paths.toolsDir = joinPath(paths.exeDir, u"lvtx_tools");
    paths.asvPath = joinPath(paths.toolsDir, u"asv.dll");
    paths.shellFolder = std::u16string(shellFolder);
    paths.dataDir = joinPath(paths.shellFolder, product::dataFolder);
    paths.programsFile = joinPath(paths.dataDir, programsFileName);
    paths.instantFile = joinPath(paths.dataDir, u"立即播t");
    paths.holidaysFile = joinPath(paths.dataDir, holidaysFileName);
    paths.settingsFile = joinPath(paths.dataDir, settingsFileName);
    paths.webFile = joinPath(paths.dataDir, webSettingsFileName);
    paths.logFile = joinPath(paths.dataDir, u"日志t.txt");
    return paths;
}

std::u16string fallbackShellFolder(char16_t systemDrive, std::u16string_view userName, int osMajor) {
    const std::u16string drive(1, systemDrive);
    if (osMajor > 5) return formatText(u"%s:\\Users\\%s\\AppData\\Roaming", {drive, userName});
    return formatText(u"%s:\\Documents and Settings\\%s\\Application Data", {drive, userName});
}

StartFlags parseCommandLine(std::u16string_view commandLine) {
    const auto first = commandLine.find_first_not_of(u' ');
    const auto last = commandLine.find_last_not_of(u' ');
    const std::u16string_view trimmed =
        first == std::u16string_view::npos ? std::u16string_view() : commandLine.substr(first, last - first + 1);
    if (trimmed == u"1") return {true, false};
    if (trimmed == u"2") return {false, true};
    if (trimmed == u"3") return {true, true};
    return {};
}

AppState::AppState(AppPaths appPaths, FileSystem& fs, Registry& registry, PasswordKdf& kdf, RandomBytes& random)
    : paths(std::move(appPaths)),
      programs(DataFolder{fs, paths.shellFolder, paths.dataDir}, paths.programsFile),
      calendar(DataFolder{fs, paths.shellFolder, paths.dataDir}, paths.holidaysFile),
      settings(DataFolder{fs, paths.shellFolder, paths.dataDir}, paths.settingsFile, registry, paths.exePath),
      web(DataFolder{fs, paths.shellFolder, paths.dataDir}, paths.webFile, kdf, random) {}
