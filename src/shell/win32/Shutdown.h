#pragma once
// The one exit path: a normal close, a failed start-up check, the end of Windows and a crash.
// Fades all sound out, removes the tray icon, undoes the process-wide changes and destroys the
// main window (which ends the message loop). `skipLog` leaves out the "软件关闭" log line.
// It first tells the watcher that this copy ends by its own choice (a crashed copy has already
// left its watcher, so for it this says nothing).
void shutdownApp(bool skipLog);

// About 0.3 s from 0.98 to silence, timed play and immediate play together; at 0 every player
// is stopped and the run ends.
void fadeOutEverything();
