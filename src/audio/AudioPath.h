#pragma once
// Checks of an audio file or folder path before it is played or stored.
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "data/FileSystem.h"

inline constexpr std::u16string_view audioFileLabel = u"音频文件";
inline constexpr std::u16string_view audioFolderLabel = u"音频文件夹";

// Whether a drive letter names a network drive; injected (GetDriveType on Windows).
using NetworkDriveQuery = std::function<bool(char16_t drive)>;

// The error text for a path that cannot be played (network paths are refused: a bell must not
// depend on the network), or nothing when the path is acceptable.
std::optional<std::u16string> checkAudioPath(FileSystem& fs, const NetworkDriveQuery& isNetworkDrive,
                                             std::u16string_view path, std::u16string_view label, bool wantFolder);

// The file name after the last separator.
std::u16string_view fileNameOf(std::u16string_view path);
