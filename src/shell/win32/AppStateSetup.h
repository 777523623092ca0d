#pragma once
// The composition root's first step: AppState made from the running system, with the real
// Windows version, every path, the Windows file system and registry, and the random seed.
void setUpAppState();
