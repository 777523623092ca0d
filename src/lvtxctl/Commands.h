#pragma once
// The tool's commands. Each returns the process exit code.
#include <string_view>

#include "data/FileSystem.h"

enum ExitCode { exitOk = 0, exitUsage = 1, exitContent = 2, exitIo = 3 };

// `kindName` empty: the kind follows from the file name. `musicDir` stands for the program's
// music folder (an absent immediate-play list shows the default list, which points into it).
int runShow(FileSystem& fs, std::u16string_view path, std::string_view kindName, std::u16string_view musicDir);
int runCheck(FileSystem& fs, std::u16string_view path, std::string_view kindName, std::u16string_view musicDir);

// What the scheduler would start, second by second from `fromText` through `toText`.
int runPlan(FileSystem& fs, std::u16string_view dataDir, std::string_view fromText, std::string_view toText);

// Why each program of `dataDir` may or may not play at `momentText` ("YYYY-MM-DD HH:MM:SS").
int runEligible(FileSystem& fs, std::u16string_view dataDir, std::string_view momentText);
