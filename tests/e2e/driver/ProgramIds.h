#pragma once
// The window titles, control ids and messages by which an operator's actions reach the
// program, written down here independently of its sources so that a changed id fails a test.
#include <windows.h>

inline constexpr wchar_t mainTitlePrefix[] = L"岚铃校园定时广播系统 ";  // then the version
inline constexpr wchar_t productName[] = L"岚铃校园定时广播系统";
inline constexpr wchar_t mainClassName[] = L"TolvarBroadcasting";
inline constexpr wchar_t instanceMutexName[] = L"TolvarBroadcastingMutex";
// Set by the installer to end every watcher; the watcher holds it while it runs.
inline constexpr wchar_t watchdogStopEventName[] = L"TolvarBroadcastingWatchdogStop";
// With LVTX_E2E_CRASH=1 in its environment, the main window faults on this registered message.
inline constexpr wchar_t testCrashMessageName[] = L"LvtxE2eCrash";

// Timed-play page
inline constexpr int programListId = 1001;
inline constexpr int nowPlayingListId = 1002;
inline constexpr int logListId = 1004;

// Close dialog (190)
inline constexpr int closeToTrayId = 1526;
inline constexpr int closeExitId = 1527;

// Main window: mouse events on the notification icon, lParam = the mouse message
inline constexpr UINT trayCallbackMessage = WM_APP + 0x67;

// Immediate-play page (187) and its run dialog "立即播"
inline constexpr int instantListId = 1402;
inline constexpr int instantAddId = 1403;
inline constexpr int instantDeleteId = 1404;
inline constexpr int instantUpId = 1405;
inline constexpr int instantDownId = 1406;
inline constexpr int instantStartId = 1407;
inline constexpr int instantStopId = 1408;
inline constexpr int instantStatusId = 1409;
inline constexpr int instantPositionId = 1410;
inline constexpr int instantSeekId = 1411;
inline constexpr int instantVolumeTextId = 1413;
inline constexpr int instantModeId = 1414;
inline constexpr int runSongsRadioId = 1440;
inline constexpr int runSecondsRadioId = 1441;
inline constexpr int runSongsEditId = 1442;
inline constexpr int runSecondsEditId = 1443;
// Commands of the immediate-play list's context menu
inline constexpr int instantClearCommand = 1431;
inline constexpr int instantSortNameDownCommand = 1433;
inline constexpr int instantOpenFolderCommand = 1437;
