#pragma once
// The private command lines between lvtx.exe and its watcher, a second copy of lvtx.exe: which
// role a start plays, the handles it inherited, and the operator's start flags passed on.
#include <cstdint>
#include <string>
#include <string_view>

#include "shell/AppState.h"

// Inherited handles travel as numbers: a handle keeps its value in the process that inherits it.
struct WatchHandles {
    std::uint64_t crashEvent = 0;  // set by a copy that caught its own crash
    std::uint64_t endReport = 0;   // the shared block in which a copy reports how it ends
};

enum class LaunchRole {
    program,          // started by the operator, the launcher or the logon start
    restartedProgram, // started again by its watcher, which goes on watching it
    watcher,
};

struct Launch {
    LaunchRole role = LaunchRole::program;
    StartFlags flags;
    WatchHandles handles;            // watcher and restarted program
    std::uint64_t programProcess = 0;  // watcher: the copy it watches
};

// An ordinary command line reads as the operator's flags alone (parseCommandLine); a private one
// that does not parse whole reads as no flags, as any other unknown argument does.
Launch parseLaunch(std::u16string_view commandLine);

// The argument of a start flag set: "1", "2", "3" or nothing, as the logon start writes it.
std::u16string startFlagsArgument(const StartFlags& flags);
std::u16string watcherArguments(std::uint64_t programProcess, const WatchHandles& handles, const StartFlags& flags);
std::u16string restartArguments(const WatchHandles& handles, const StartFlags& flags);
