#pragma once
// The one exit path: a normal close, a failed start-up check, the end of Windows and a crash.
// Fades all sound out, removes the tray icon, undoes the process-wide changes and destroys the
// main window (which ends the message loop). `skipLog` leaves out the "软件关闭" log line.
void shutdownApp(bool skipLog);
