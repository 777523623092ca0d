#pragma once
// What the launcher does, decided from its own folder and what lies there: start the main
// program, or name the file whose absence stops it. The existence test and the graphics
// library's system check come from the caller, so the decision is the same everywhere.
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// How the existence test saw one path. `unknown`: it failed with an error other than "not
// found", which the launcher gives the benefit of the doubt.
enum class PathKind { file, folder, missing, unknown };

struct LaunchProbes {
    std::function<PathKind(std::u16string_view path)> pathKind;
    // Whether the system's own graphics library loads from the system folder.
    std::function<bool()> systemGdiPlus;
};

enum class LaunchAction {
    startMainProgram,
    // Message A: started from inside an archive without the rest of the installation.
    showUnextracted,
    // Message B: one file the main program cannot do without is missing.
    showMissing,
};

struct LaunchDecision {
    LaunchAction action;
    // The main program to start, or the file the message names.
    std::u16string path;
};

// The folder of the launcher's module file name: everything before its last backslash.
std::u16string launcherFolder(std::u16string_view modulePath);
LaunchDecision decideLaunch(std::u16string_view folder, const LaunchProbes& probes);
// The message of a decision that shows one.
std::u16string launchMessage(const LaunchDecision& decision);
// The local start-up help page opened after the message's OK, when it lies in `folder`.
std::optional<std::u16string> helpPageAfterMessage(std::u16string_view folder, const LaunchProbes& probes);
