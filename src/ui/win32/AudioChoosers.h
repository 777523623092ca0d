#pragma once
// The standard choosers of an audio file and an audio folder, starting at the current path.
#include <windows.h>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The open-file dialog on the audio types, as showFileDialog takes `buffer`; `flags` beyond its own.
std::optional<std::size_t> showAudioFileDialog(HWND owner, DWORD flags, std::u16string& buffer);

// The chosen file, or none when the operator cancelled.
std::optional<std::u16string> chooseAudioFile(HWND owner, std::u16string_view current);
// The chosen folder, or none.
std::optional<std::u16string> chooseAudioFolder(HWND owner, std::u16string_view current);
