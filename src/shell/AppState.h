#pragma once
// The application object and what the shell computes for it: the paths and the start flags.
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "audio/PlayJob.h"
#include "data/CalendarStore.h"
#include "data/FileSystem.h"
#include "instant/InstantItem.h"
#include "instant/InstantRun.h"
#include "scheduler/ProgramStore.h"
#include "system/Registry.h"
#include "system/SettingsStore.h"
#include "web/WebConsoleStatus.h"
#include "web/WebSettingsStore.h"

struct AppPaths {
    std::u16string exePath;
    std::u16string exeDir;
    std::u16string musicDir;
    std::u16string toolsDir;
    std::u16string asvPath;
    std::u16string shellFolder;   // the user's roaming application-data folder
    std::u16string dataDir;       // shellFolder + "lvtx.10"
    std::u16string programsFile;
    std::u16string instantFile;
    std::u16string holidaysFile;
    std::u16string settingsFile;
    std::u16string webFile;       // the web console's settings
    std::u16string logFile;
};

// Every path from the program's own path and the application-data folder.
AppPaths makeAppPaths(std::u16string_view exePath, std::u16string_view shellFolder);

// The application-data folder built by hand when the shell cannot report it.
std::u16string fallbackShellFolder(char16_t systemDrive, std::u16string_view userName, int osMajor);

struct StartFlags {
    bool startHidden = false;  // "1" or "3": into the notification area right after start
    bool lockAtStart = false;  // "2" or "3": lock the workstation after start
};
StartFlags parseCommandLine(std::u16string_view commandLine);

// The one application object: the owners of the lists, the settings, the state of both playing
// engines and every path, alive for the whole process. The composition root makes it once the
// paths are known; window handles live beside it in the Win32 shell (ShellWindows).
struct AppState {
    AppState(AppPaths appPaths, FileSystem& fs, Registry& registry, PasswordKdf& kdf, RandomBytes& random);
    AppState(const AppState&) = delete;
    AppState& operator=(const AppState&) = delete;

    double uiScale = 1.0;
    int osMajor = 0;
    int osMinor = 0;
    int osBuild = 0;
    int currentPage = 0;
    AppPaths paths;
    ProgramStore programs;
    CalendarStore calendar;
    SettingsStore settings;
    WebSettingsStore web;
    WebConsoleStatus webStatus;
    TimedPlay timedPlay;
    std::vector<InstantItem> instantItems;
    InstantOptions instantOptions;
    InstantRun instantRun;
    bool instantActive = false;  // a run of immediate play is on: timed play is ducked
    std::mt19937 randomEngine;
};

// Made by the composition root at start-up; the shell reaches it from there.
AppState& appState();
