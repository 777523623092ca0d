#pragma once
// One play along one part of the audio path, by the measuring aid's mode name.
#include <windows.h>

#include <map>
#include <string>

#include "audio/win32/DirectShowPlayer.h"
#include "audio/win32/ToolsSource.h"

// What the plays saw beyond their success.
struct PlayRecord {
    // References left after our last Release of the graph and of each filter a player used:
    // more than none means someone else still holds it.
    std::map<std::string, ULONG> leftAfterRelease;
    // How often a play found the tools filter's file loaded anew, and left it unloaded.
    int loads = 0;
    int unloads = 0;
};

struct PlayContext {
    DirectShowPlayer& player;
    const AudioToolsConfig& tools;
    std::wstring file;
    PlayRecord record;
};

// True for a mode this aid knows.
bool isPlayMode(const std::wstring& mode);

// One play of `mode` (see HandleGrowth.cpp); false when it failed.
bool playOnce(const std::wstring& mode, PlayContext& context);

// The tools filter registered for the machine as an in-process server, so that CoCreateInstance
// loads the file itself and CoFreeUnusedLibraries may unload it. Only ever in a throwaway prefix.
bool registerToolsFilter(const std::wstring& path);

// Messages dispatched for `ms`, as the player's window needs for its graph events.
void pumpMessages(DWORD ms);
