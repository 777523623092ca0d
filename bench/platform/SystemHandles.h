#pragma once
// The handles a process holds, read from the system's handle table: Wine 8's
// GetProcessHandleCount answers 0, and its process list a fixed 128, for every process.
#include <windows.h>

#include <optional>
#include <vector>

// The values of the handles process `processId` holds; nothing when the system did not list them.
std::optional<std::vector<ULONG_PTR>> handlesHeldBy(DWORD processId);
