#pragma once
// The crash handler of the user-interface thread: any fault there (a division by zero included)
// silences the program, frees the single-instance mutex and reports the code to the watcher,
// which starts a new copy at once; then the crash message, which says whether the program comes
// back, the local help page and an orderly, silent shutdown. The process ends with the fault's
// code. Installed on the thread that runs the message loop.
void installCrashHandler();
