#pragma once
// The timed-play page and the dialogs it opens, driven from outside: commands posted to the
// page, dialogs found by their titles, their controls read and set by id.
#include <windows.h>

#include <string>

#include "e2e/driver/LvtxApp.h"
#include "e2e/driver/MessageBoxes.h"
#include "e2e/driver/RemoteListView.h"

inline constexpr DWORD dialogTimeoutMs = 10000;

// Command ids of the page's menus and the titles of its dialogs.
inline constexpr int addCommand = 32778;
inline constexpr int modifyCommand = 32790;
inline constexpr int deleteCommand = 32792;
inline constexpr int playNowCommand = 32824;
inline constexpr int moveUpCommand = 32865;
inline constexpr int moveDownCommand = 32866;
inline constexpr int sortNameUpCommand = 32857;
inline constexpr int sortNameDownCommand = 32858;
inline constexpr int sortTimeUpCommand = 32859;
inline constexpr int sortTimeDownCommand = 32860;
inline constexpr int stopPlaysCommand = 32795;
inline constexpr wchar_t editorTitle[] = L"定时播";
inline constexpr wchar_t playNowTitle[] = L"立即播此节目";

bool postPageCommand(const LvtxApp& app, int id);
// A shown dialog box of process `pid` with exactly this title; null after the time limit.
HWND waitForDialogTitled(DWORD pid, const std::wstring& title, DWORD timeoutMs = dialogTimeoutMs);
bool waitUntilGone(HWND window, DWORD timeoutMs = dialogTimeoutMs);

std::wstring itemText(HWND dialog, int id);
bool setItemText(HWND dialog, int id, const std::wstring& text);
bool itemEnabled(HWND dialog, int id);
bool itemChecked(HWND dialog, int id);
// A click answered before this returns (check boxes, radio buttons).
bool clickItem(HWND dialog, int id);
// A click posted: for buttons that open a modal window of their own.
bool pressItem(HWND dialog, int id);
// Posts the command of control `id` to `dialog` (links answer it as a click).
bool postItemCommand(HWND dialog, int id);
// Cell `index` of every row, top to bottom.
std::vector<std::wstring> column(const ListRows& rows, size_t index);
// The same of the program's list `listId`; empty when it cannot be read.
std::vector<std::wstring> column(const LvtxApp& app, int listId, size_t index);
// The program names in the programs file of `dataFolder`; "<unreadable>" when it cannot be read.
std::vector<std::wstring> storedNamesIn(const std::wstring& dataFolder);

// Today's date at the given time.
SYSTEMTIME todayAt(int hour, int minute, int second);

// Presses `buttonId` of `dialog` and expects a message box with the application's caption and
// exactly `text`, answered with OK; the dialog then stays open with the focus in `field`
// (0: anywhere) and, for an edit, all its text selected. Returns the failures found, empty
// when everything held.
std::string expectRefusal(DWORD pid, HWND dialog, int buttonId, const std::wstring& text, int field);
// The message box that follows, with its caption checked; answered with `answer`.
std::string expectMessage(DWORD pid, const std::wstring& text, int answer);

// Types `path` into the system's file dialog titled `title` and presses its OK; the failures
// found, empty when the dialog took the path and closed.
std::string chooseFile(DWORD pid, const wchar_t* title, const std::wstring& path);

// UTF-8 for failure messages.
std::string utf8(const std::wstring& text);
