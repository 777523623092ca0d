#pragma once
// The block a watched copy of the program and its watcher share: an unnamed file mapping whose
// handle the watcher passes on to every copy it starts. The copy writes how it ends; after a
// crash the watcher writes its verdict back, which the crash message then tells.
#include <windows.h>

#include "shell/Watchdog.h"

enum EndState : LONG {
    endRunning = 0,        // also what a fresh mapping holds
    endExitAnnounced = 1,  // shutdownApp has begun
    endCrashed = 2,        // the crash handler reported `code` and waits for `answer`
};

struct EndReport {
    volatile LONG state;
    volatile LONG code;
    volatile LONG answer;  // a RestartAnswer, written by the watcher after a crash
};

inline RestartAnswer restartAnswerOf(LONG value) {
    return value >= 0 && value <= static_cast<LONG>(RestartAnswer::systemEnding) ? static_cast<RestartAnswer>(value)
                                                                                 : RestartAnswer::none;
}

// A handle as the number the private command lines carry, and back.
inline unsigned long long handleNumber(HANDLE handle) {
    return static_cast<unsigned long long>(reinterpret_cast<ULONG_PTR>(handle));
}
inline HANDLE handleOf(unsigned long long number) {
    return reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(number));
}
