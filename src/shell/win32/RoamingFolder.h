#pragma once
// The current user's roaming application-data folder as the shell reports it, created if
// missing. Kept apart from the data layer: the shell's headers declare a FolderItem of their own.
#include <string>

// Empty when the shell cannot report it.
std::wstring roamingAppDataFolder();
