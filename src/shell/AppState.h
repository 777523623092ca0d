#pragma once
// The one application object: every list, the settings, timed play and every path, alive
// for the whole process. Window handles live beside it in the Win32 shell (ShellWindows).
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "audio/PlayJob.h"
#include "data/HolidayRecord.h"
#include "data/ProgramRecord.h"
#include "instant/InstantController.h"
#include "instant/InstantItem.h"
#include "scheduler/TimedPlayController.h"
#include "system/Autostart.h"
#include "system/SettingsRecord.h"
#include "system/ShutdownRules.h"

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

struct ReadFailedFlags {
    bool programs = false;
    bool holidays = false;
    bool settings = false;
};

struct AppState {
    double uiScale = 1.0;
    int osMajor = 0;
    int osMinor = 0;
    int osBuild = 0;
    int currentPage = 0;
    std::vector<ProgramRecord> programs;
    std::vector<HolidayRecord> holidays;
    std::vector<ShiftDayRecord> shiftDays;
    SettingsRecord settings = defaultSettings();
    AutostartOptions autostart;  // read from the Run value at start-up, never from a file
    PowerRuleStamps powerRuleStamps = neverFiredStamps();
    TimedPlay timedPlay;
    std::vector<InstantItem> instantItems;
    InstantOptions instantOptions;
    InstantRun instantRun;
    bool instantActive = false;  // a run of immediate play is on: timed play is ducked
    ReadFailedFlags readFailed;
    AppPaths paths;
    std::mt19937 randomEngine;
};

AppState& appState();

// What timed play works on, in `state`, with the data files on `fs`.
TimedPlayData timedPlayDataOf(AppState& state, FileSystem& fs);
// What immediate play works on, in `state`, with the data files on `fs`.
InstantData instantDataOf(AppState& state, FileSystem& fs);
