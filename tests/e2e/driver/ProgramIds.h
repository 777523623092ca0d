#pragma once
// The window titles, control ids and messages by which an operator's actions reach the
// program, written down here independently of its sources so that a changed id fails a test.
#include <windows.h>

inline constexpr wchar_t mainTitlePrefix[] = L"岚铃校园定时广播系统 ";  // then the version
inline constexpr wchar_t productName[] = L"岚铃校园定时广播系统";

// Timed-play page
inline constexpr int programListId = 1001;
inline constexpr int nowPlayingListId = 1002;
inline constexpr int logListId = 1004;

// Close dialog (190)
inline constexpr int closeToTrayId = 1526;
inline constexpr int closeExitId = 1527;

// Main window: mouse events on the notification icon, lParam = the mouse message
inline constexpr UINT trayCallbackMessage = WM_APP + 0x67;
