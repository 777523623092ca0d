#pragma once
// The crash handler of the user-interface thread: any fault there (a division by zero included)
// ends in the crash message, the local help page and an orderly, silent shutdown with exit code 0.
// Installed on the thread that runs the message loop.
void installCrashHandler();
