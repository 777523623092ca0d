#pragma once
// Finding another process's windows and driving them as a user would: texts, buttons,
// commands. Every message sent across processes has a time limit.
#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

inline constexpr DWORD sendTimeoutMs = 10000;

// The first top-level window of process `pid` (0: of any process), visible or not, whose title
// begins with `titlePrefix` and, when `className` is given, of that class.
HWND findTopLevelWindow(DWORD pid, std::wstring_view titlePrefix, std::wstring_view className = {});
// A dialog box (class #32770) of process `pid`; with `owner`, only one owned by that window.
HWND findDialog(DWORD pid, HWND owner = nullptr);
// The first window below `parent` (at any depth) with control id `id`.
HWND findDescendant(HWND parent, int id);

// SendMessageTimeout with the drivers' limit; none when the target did not answer.
std::optional<LRESULT> sendBounded(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// The window's text through WM_GETTEXT (answered by the owning process); none when it hangs.
std::optional<std::wstring> windowText(HWND window);
// The texts of all the window's direct children, each followed by a line break.
std::wstring childTexts(HWND window);
// A click on a button, radio button or check box.
bool clickButton(HWND button);
// Posts to `target` the command a click on control `id` (window `control`) sends.
bool postCommand(HWND target, WORD id, HWND control = nullptr);
