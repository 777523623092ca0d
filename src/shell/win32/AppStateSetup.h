#pragma once
// Fills AppState from the running system: the real Windows version, every path, the random
// generator's seed.
void setUpAppState();
